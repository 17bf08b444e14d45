// A complete application folder in a temporary directory: the fixture dictionary as an
// encrypted daten/daten.mdb, the two fonts, generated sounds and pictures. Each test gets its own
// copy, so tests may change it freely.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "dictionary/database.h"

namespace vondrik::test {

struct FixtureEntry {
    QString begriff;
    QString bedeutung;
};

// The fixture dictionary as written in tests/data/fixture.tsv, in file order.
const std::vector<FixtureEntry>& fixtureEntries();

// Fixture entries of one word length, in file order (which is also the table's row order).
std::vector<FixtureEntry> fixtureEntriesOfLength(int length);

// Appends the entries to a table, each as a new record, inside whatever transaction is open.
void appendRows(Database& db, const QString& table, const std::vector<FixtureEntry>& rows);

// Copies a folder with everything below it; throws when a file cannot be copied.
void copyTree(const QString& from, const QString& to);

class TestAppFolder {
  public:
    TestAppFolder();

    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    QString dictionaryPath() const { return file(QLatin1String(kDictionaryRelativePath)); }
    std::unique_ptr<Database> openDictionary() const;

  private:
    QTemporaryDir dir_;
};

}  // namespace vondrik::test
