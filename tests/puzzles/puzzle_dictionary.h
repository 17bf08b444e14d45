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
        session.attach(std::move(db));
    }

    DictionarySession session;
};

}  // namespace vondrik::test
