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

// Entries of these words, each in the table of its length, every clue another.
inline std::vector<PlacedEntry> cluedWords(std::initializer_list<const char*> words) {
    std::vector<PlacedEntry> entries;
    for (const char* word : words) {
        const QString w = QString::fromUtf8(word);
        entries.push_back(
            {static_cast<int>(w.size()), w, QStringLiteral("Hinweis %1").arg(entries.size() + 1)});
    }
    return entries;
}

// Two pyramids (start letters I or N, and A or R) beside the fixture's words, which form
// none on their own. TARNEN is too short for its table: its letters fit after RATTEN, yet it
// can never be row 7.
inline std::vector<PlacedEntry> pyramidChains() {
    std::vector<PlacedEntry> entries =
        cluedWords({"in", "nie", "Neid", "dient", "Dienst", "Studien", "Rat", "Rate", "Arten",
                    "Ratten", "starten"});
    entries.push_back({7, "tarnen", "verbergen"});
    return entries;
}

// One solution word (GEHEIM) that leads to snails, with a choice at several words, four
// six-letter words that lead nowhere as solution words (GENIE is too short for its table),
// and words that chain on but miss their diagonal letter (GNADE, TIER, UFO, RA).
inline std::vector<PlacedEntry> spiralWords() {
    std::vector<PlacedEntry> entries =
        cluedWords({"geheim", "Globus", "System", "Museum", "Mosaik", "König", "Krieg", "Geist",
                    "Gebet",  "Gnade",  "Taxi",   "Tier",   "Idee",   "Emu",   "Elf",   "Uhr",
                    "Ufo",    "Re",     "Ra",     "Ei",     "Er",     "Es"});
    entries.push_back({6, "Genie", "zu kurz für die Schnecke"});
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
            std::vector<FixtureEntry> rows;
            for (const PlacedEntry& e : entries) {
                if (e.table == table.length) {
                    rows.push_back({e.begriff, e.bedeutung});
                }
            }
            appendRows(*db, QLatin1String(table.name), rows);
        }
        rows.commit();
        session.attach(std::move(db));
    }

    DictionarySession session;
};

}  // namespace vondrik::test
