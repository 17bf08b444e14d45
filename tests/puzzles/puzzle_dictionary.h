// A dictionary built by a test from the entries it needs, open in a session.
#pragma once

#include <QTemporaryDir>
#include <vector>

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"
#include "support/test_app_folder.h"

namespace vondrik::test {

// An entry and the length table it goes into (normally its word's length).
struct PlacedEntry {
    int table;
    QString begriff;
    QString bedeutung;
};

inline std::vector<PlacedEntry> placedByLength(const std::vector<FixtureEntry>& entries) {
    std::vector<PlacedEntry> placed;
    for (const FixtureEntry& e : entries) {
        placed.push_back({static_cast<int>(e.begriff.size()), e.begriff, e.bedeutung});
    }
    return placed;
}

// Two pyramids (start letters I or N, and A or R) beside the fixture's words, which form
// none on their own.
inline const std::vector<PlacedEntry>& pyramidChains() {
    static const std::vector<PlacedEntry> entries{
        {2, "in", "Verhältniswort des Ortes"},
        {3, "nie", "zu keiner Zeit"},
        {4, "Neid", "Missgunst"},
        {5, "dient", "hilft"},
        {6, "Dienst", "Arbeit, Amt"},
        {7, "Studien", "wissenschaftliche Arbeiten"},
        {3, "Rat", "Gremium"},
        {4, "Rate", "Teilzahlung"},
        {5, "Arten", "Gattungen"},
        {6, "Ratten", "Nagetiere"},
        {7, "starten", "beginnen, losfahren"},
        // Too short for its table: its letters fit after RATTEN, yet it can never be row 7.
        {7, "tarnen", "verbergen"},
    };
    return entries;
}

// One solution word (GEHEIM) that leads to snails, with a choice at several words, four
// six-letter words that lead nowhere as solution words, and words that chain on but miss
// their diagonal letter (GNADE, TIER, UFO, RA).
inline const std::vector<PlacedEntry>& spiralWords() {
    static const std::vector<PlacedEntry> entries{
        {6, "geheim", "verborgen"},
        {6, "Globus", "Erdkugel"},
        {6, "System", "Ordnung, Gefüge"},
        {6, "Museum", "Ausstellungshaus"},
        {6, "Mosaik", "Bild aus Steinchen"},
        {6, "Genie", "zu kurz für die Schnecke"},
        {5, "König", "Monarch"},
        {5, "Krieg", "bewaffneter Konflikt"},
        {5, "Geist", "Verstand"},
        {5, "Gebet", "Zwiesprache mit Gott"},
        {5, "Gnade", "Milde"},
        {4, "Taxi", "Mietwagen"},
        {4, "Tier", "Lebewesen"},
        {4, "Idee", "Einfall"},
        {3, "Emu", "Laufvogel"},
        {3, "Elf", "Fußballmannschaft"},
        {3, "Uhr", "Zeitmesser"},
        {3, "Ufo", "unbekanntes Flugobjekt"},
        {2, "Re", "Gegenansage beim Skat"},
        {2, "Ra", "ägyptischer Sonnengott"},
        {2, "Ei", "Frühstücksbeilage"},
        {2, "Er", "Fürwort"},
        {2, "Es", "Tonart"},
    };
    return entries;
}

// NACHTWÄCHTER has a pool word for the letters 1, 3, ..., 11 on their rows but none for
// row 3's pair TW, so it can never carry the staircase.
inline const PlacedEntry kNachtwaechter{12, "Nachtwächter", "Wache in der Nacht"};

// Rows for NICHTRAUCHER and KINDERGARTEN, and words that hold only the first letter of a
// step (NACHBAR on row 1, MITTAGS on row 3, GEFÄHRT and ANSEHEN for NACHTWÄCHTER).
inline std::vector<PlacedEntry> stairsWords() {
    std::vector<PlacedEntry> entries{
        {12, "Nichtraucher", "Person, die nicht raucht"},
        {12, "Kindergarten", "Kita"},
        kNachtwaechter,
        {7, "tarnen", "zu kurz für eine Zeile"},
    };
    int clue = 0;  // every clue another: a puzzle never shows one twice
    for (const char* word :
         {"niemals", "Nischen", "Nachbar", "Schneid", "Schrank", "Achtung", "Matrose",
          "Citrone", "Patrone", "genauso", "abbauen", "etliche", "gleiche", "Spanner",
          "Blätter", "Fenster", "Kirchen", "endlich", "überall", "hierher", "bergauf",
          "Experte", "Schaden", "brausen", "Gefährt", "ansehen", "mittags"}) {
        entries.push_back({7, QString::fromUtf8(word), QStringLiteral("Hinweis %1").arg(++clue)});
    }
    return entries;
}

// The fixture's entries followed by the extra ones.
inline std::vector<PlacedEntry> fixturePlus(const std::vector<PlacedEntry>& extra) {
    std::vector<PlacedEntry> entries = placedByLength(fixtureEntries());
    entries.insert(entries.end(), extra.begin(), extra.end());
    return entries;
}

class PuzzleDictionary {
    QTemporaryDir dir_;  // outlives the connection to the file in it

  public:
    explicit PuzzleDictionary(const std::vector<PlacedEntry>& entries) {
        auto db = Database::CreateDatabase(dir_.filePath(QStringLiteral("daten.mdb")));
        Transaction rows(*db);
        for (const LengthTable& table : lengthTables()) {
            auto appender = db->OpenTable(QLatin1String(table.name));
            for (const PlacedEntry& e : entries) {
                if (e.table == table.length) {
                    appender->AddNew();
                    appender->setValue(1, e.begriff);
                    appender->setValue(2, e.bedeutung);
                    appender->Update();
                }
            }
            appender->Close();
        }
        rows.commit();
        session.attach(std::move(db));
    }

    DictionarySession session;
};

}  // namespace vondrik::test
