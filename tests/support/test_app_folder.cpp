// Builds the fixture dictionary once per test program and copies it into each test's folder.
#include "support/test_app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <stdexcept>

#include "assetgen/assets.h"
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

// A complete application folder (dictionary, fonts, sounds, pictures), built on first use.
QString templateFolder() {
    static QTemporaryDir dir;
    static const QString path = [] {
        QDir(dir.path()).mkpath(QStringLiteral("daten"));
        const QString target = dir.filePath(QLatin1String(kDictionaryRelativePath));
        {
            auto db = Database::CreateDatabase(target);
            Transaction rows(*db);
            for (const LengthTable& table : lengthTables()) {
                appendRows(*db, QLatin1String(table.name), fixtureEntriesOfLength(table.length));
            }
            rows.commit();
            db->NewPassword(QString(), QLatin1String(kDictionaryPassword));
        }
        QString error;
        if (!assetgen::writeAllAssets(dir.path(), &error)) {
            throw std::runtime_error(error.toStdString());
        }
        QFile::copy(QStringLiteral(VONDRIK_LCD_FONT_FILE), dir.filePath("daten/lcd.ttf"));
        QFile::copy(QStringLiteral(VONDRIK_KEYSTROKE_FONT_FILE),
                    dir.filePath("daten/keystroke.ttf"));
        return dir.path();
    }();
    return path;
}

}  // namespace

void appendRows(Database& db, const QString& table, const std::vector<FixtureEntry>& rows) {
    auto appender = db.OpenTable(table);
    for (const FixtureEntry& e : rows) {
        appender->AddNew();
        appender->setValue(1, e.begriff);
        appender->setValue(2, e.bedeutung);
        appender->Update();
    }
    appender->Close();
}

void copyTree(const QString& from, const QString& to) {
    QDir source(from);
    QDir().mkpath(to);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir()) {
            copyTree(entry.filePath(), target);
        } else if (!QFile::copy(entry.filePath(), target)) {
            throw std::runtime_error("could not copy " + target.toStdString());
        }
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

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
    copyTree(templateFolder(), dir_.path());
}

std::unique_ptr<Database> TestAppFolder::openDictionary() const {
    return Database::OpenDatabase(dictionaryPath(), dictionaryConnect());
}

}  // namespace vondrik::test
