// Builds the fixture dictionary once per test program and copies it into each test's folder.
#include "support/test_app_folder.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <stdexcept>

#include "dictionary/length_tables.h"

namespace vondrik::test {
namespace {

std::vector<FixtureEntry> readFixture() {
    QFile file(QStringLiteral(VONDRIK_TEST_DATA_DIR "/fixture.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("fixture dictionary missing: tests/data/fixture.tsv");
    }
    std::vector<FixtureEntry> entries;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0) {
            throw std::runtime_error("fixture line without TAB: " + line.toStdString());
        }
        entries.push_back({line.left(tab), line.mid(tab + 1)});
    }
    return entries;
}

// Path of the encrypted fixture database, built on first use.
QString templateDictionary() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString target = dir.filePath(QStringLiteral("daten.mdb"));
        {
            auto db = Database::CreateDatabase(target);
            for (const LengthTable& table : lengthTables()) {
                auto appender = db->OpenTable(QLatin1String(table.name));
                for (const FixtureEntry& e : fixtureEntriesOfLength(table.length)) {
                    appender->AddNew();
                    appender->setValue(1, e.begriff);
                    appender->setValue(2, e.bedeutung);
                    appender->Update();
                }
                appender->Close();
            }
            db->NewPassword(QString(), QLatin1String(kDictionaryPassword));
        }
        return target;
    }();
    return path;
}

}  // namespace

const std::vector<FixtureEntry>& fixtureEntries() {
    static const std::vector<FixtureEntry> entries = readFixture();
    return entries;
}

std::vector<FixtureEntry> fixtureEntriesOfLength(int length) {
    std::vector<FixtureEntry> result;
    for (const FixtureEntry& e : fixtureEntries()) {
        if (e.begriff.size() == length) {
            result.push_back(e);
        }
    }
    return result;
}

TestAppFolder::TestAppFolder() {
    QDir root(dir_.path());
    for (const char* sub : {"daten", "ton", "hintergrund"}) {
        root.mkpath(QLatin1String(sub));
    }
    if (!QFile::copy(templateDictionary(), dictionaryPath())) {
        throw std::runtime_error("could not copy the fixture dictionary");
    }
    QFile::setPermissions(dictionaryPath(), QFile::ReadOwner | QFile::WriteOwner);
}

std::unique_ptr<Database> TestAppFolder::openDictionary() const {
    return Database::OpenDatabase(dictionaryPath(), dictionaryConnect());
}

}  // namespace vondrik::test
