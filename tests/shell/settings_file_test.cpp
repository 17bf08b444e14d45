// The settings file vondrik.ini: the twelve lines written and read back, and every way a
// line can be missing, odd or wrong.
#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik {

// Found by argument lookup, so they stay outside the unnamed namespace.
void PrintTo(const Preferences& p, std::ostream* os) {
    *os << settingsLines(p).join(u'|').toStdString();
}

bool operator==(const Preferences& a, const Preferences& b) {
    return settingsLines(a) == settingsLines(b) && a.fontSize == b.fontSize;
}

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFileTest() : folder(dir.path()) {}

    // Creates an (empty) file below the folder and returns its full path.
    QString touch(const QString& relative) {
        const QString path = folder.appPath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    void writeIni(const QStringList& lines) {
        ASSERT_TRUE(writeLines(folder.appPath(kSettingsFile), lines));
    }

    // Twelve valid lines; tests change single lines of it.
    QStringList validLines() {
        return {QStringLiteral(" 255"),
                QStringLiteral(" 65280"),
                QStringLiteral("DejaVu Sans"),
                QStringLiteral(" 14.5"),
                QStringLiteral("1"),
                touch(QStringLiteral("hintergrund/h7.jpg")),
                QStringLiteral("0"),
                QStringLiteral("0"),
                QStringLiteral("0"),
                touch(QStringLiteral("ton/glocke.wav")),
                touch(QStringLiteral("ton/oooch.wav")),
                touch(QStringLiteral("ton/alarm.wav"))};
    }

    QTemporaryDir dir;
    AppFolder folder;
};

TEST_F(SettingsFileTest, AllTwelveLinesSurviveWriteAndReadInCodePage1252) {
    Preferences written = Preferences::defaults(folder);
    written.listBackground = 0x102030;
    written.listText = 0;
    written.fontName = QStringLiteral("Lucida Sans Typewriter");
    written.fontSize = 9.3749999;  // a scaled size with many decimals
    written.reminders = true;
    written.picture = touch(QStringLiteral("Bilder/Bäume im Frühling.jpg"));
    written.successSound = false;
    written.failureSound = true;
    written.alarmSound = false;
    written.successSoundFile = touch(QStringLiteral("Klänge/hurra.wav"));
    written.failureSoundFile = touch(QStringLiteral("Klänge/schade ß.wav"));
    written.alarmSoundFile = touch(QStringLiteral("Klänge/wecker.wav"));

    // Whatever the locale's decimal separator, the size reads back exactly.
    for (const QLocale::Language language : {QLocale::German, QLocale::English}) {
        QLocale::setDefault(QLocale(language));
        ASSERT_TRUE(writeSettingsFile(folder, written));
        const SettingsRead read = readSettingsFile(folder);
        EXPECT_TRUE(read.errors.isEmpty()) << read.errors.join(u'\n').toStdString();
        EXPECT_EQ(read.prefs, written);
        EXPECT_EQ(read.prefs.fontSize, 9.3749999);
    }
    QLocale::setDefault(QLocale::c());

    QFile file(folder.appPath(kSettingsFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 12);
    EXPECT_TRUE(
        bytes.startsWith(" 1056816\r\n 0\r\nLucida Sans Typewriter\r\n 9.3749999\r\n1\r\n"));
    EXPECT_TRUE(bytes.contains("B\xE4ume im Fr\xFChling.jpg\r\n0\r\n1\r\n0\r\n"));
    EXPECT_TRUE(bytes.contains("schade \xDF.wav\r\n"));
}

TEST_F(SettingsFileTest, MissingFileGivesTheDefaultsWithoutAnyError) {
    const SettingsRead read = readSettingsFile(folder);
    EXPECT_TRUE(read.errors.isEmpty());
    EXPECT_EQ(read.prefs, Preferences::defaults(folder));
    EXPECT_EQ(read.prefs.listBackground, 12648447);
    EXPECT_EQ(read.prefs.listText, 16711680);
    EXPECT_TRUE(read.prefs.successSound && read.prefs.failureSound && read.prefs.alarmSound);
    EXPECT_FALSE(read.prefs.reminders);
}

TEST_F(SettingsFileTest, ValidLinesAreAppliedAsWritten) {
    const QStringList lines = validLines();
    writeIni(lines);
    const SettingsRead read = readSettingsFile(folder);
    EXPECT_TRUE(read.errors.isEmpty());
    EXPECT_EQ(read.prefs.listBackground, 255);
    EXPECT_EQ(read.prefs.listText, 65280);
    EXPECT_EQ(read.prefs.fontName, "DejaVu Sans");
    EXPECT_EQ(read.prefs.fontSize, 14.5);
    EXPECT_TRUE(read.prefs.reminders);
    EXPECT_FALSE(read.prefs.successSound || read.prefs.failureSound || read.prefs.alarmSound);
    EXPECT_EQ(read.prefs.alarmSoundFile, lines[11]);
}

TEST_F(SettingsFileTest, ColourLinesAreTrimmedAndMustBeUsableColours) {
    const struct {
        const char* line;
        int expected;
    } cases[] = {{" 12648447", 12648447}, {"  33023  ", 33023},   {"0", 0},
                 {"16777215", 16777215},  {"16777216", 16711680}, {"-1", 16711680},
                 {"gelb", 16711680},      {"", 16711680},         {"12.5", 16711680}};
    for (const auto& c : cases) {
        QStringList lines = validLines();
        lines[1] = QString::fromUtf8(c.line);
        writeIni(lines);
        EXPECT_EQ(readSettingsFile(folder).prefs.listText, c.expected) << c.line;
    }
}

TEST_F(SettingsFileTest, RemindersAreOnOnlyForExactlyOne) {
    const struct {
        const char* line;
        bool on;
    } cases[] = {{"1", true},   {"0", false},  {" 1", false},
                 {"1 ", false}, {"ja", false}, {"", false}};
    for (const auto& c : cases) {
        QStringList lines = validLines();
        lines[4] = QString::fromUtf8(c.line);
        writeIni(lines);
        EXPECT_EQ(readSettingsFile(folder).prefs.reminders, c.on) << '"' << c.line << '"';
    }
}

TEST_F(SettingsFileTest, SoundSwitchesAreReadAsNumbers) {
    const struct {
        const char* line;
        bool on;
    } cases[] = {{"1", true},   {" 1", true}, {"1,0", true}, {"0", false}, {"2", false},
                 {"-1", false}, {"an", true}, {"", true}};  // no number: the default, on
    for (const auto& c : cases) {
        for (int line = 6; line <= 8; ++line) {
            QStringList lines = validLines();
            lines[line] = QString::fromUtf8(c.line);
            writeIni(lines);
            const Preferences p = readSettingsFile(folder).prefs;
            const bool switches[] = {p.successSound, p.failureSound, p.alarmSound};
            EXPECT_EQ(switches[line - 6], c.on) << "line " << line + 1 << " \"" << c.line << '"';
        }
    }
}

TEST_F(SettingsFileTest, FontSizeReadsEitherSeparatorAndRejectsWhatIsNoSize) {
    const struct {
        const char* line;
        double size;  // 0: the designed size
    } cases[] = {{" 11.25", 11.25}, {"11,25", 11.25}, {"8", 8}, {"0", 0},
                 {"-3", 0},         {"groß", 0},      {"", 0},  {"1.000,5", 0}};
    for (const auto& c : cases) {
        QStringList lines = validLines();
        lines[3] = QString::fromUtf8(c.line);
        writeIni(lines);
        EXPECT_EQ(readSettingsFile(folder).prefs.fontSize, c.size) << c.line;
    }
}

TEST_F(SettingsFileTest, FilesThatDoNotExistFallBackToTheirDefaults) {
    QStringList lines = validLines();
    lines[5] = folder.appPath(u"hintergrund/geloescht.jpg");
    lines[9] = folder.appPath(u"ton/weg.wav");
    lines[10] = QString();
    const QString ownAlarm = touch(QStringLiteral("eigene/wecker.wav"));
    lines[11] = ownAlarm;
    writeIni(lines);
    const Preferences defaults = Preferences::defaults(folder);
    const Preferences p = readSettingsFile(folder).prefs;
    EXPECT_EQ(p.picture, defaults.picture);
    EXPECT_TRUE(p.picture.endsWith("/hintergrund/h7.jpg"));
    EXPECT_EQ(p.successSoundFile, defaults.successSoundFile);
    EXPECT_EQ(p.failureSoundFile, defaults.failureSoundFile);
    EXPECT_EQ(p.alarmSoundFile, ownAlarm);
}

TEST_F(SettingsFileTest, AShortFileGivesOneErrorPerMissingLineAndKeepsWhatWasRead) {
    QStringList lines = validLines().mid(0, 7);
    lines[6] = QStringLiteral("0");
    writeIni(lines);
    const SettingsRead read = readSettingsFile(folder);
    ASSERT_EQ(read.errors.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(read.errors[i].contains(QStringLiteral("Zeile %1").arg(8 + i)))
            << read.errors[i].toStdString();
    }
    EXPECT_EQ(read.prefs.listBackground, 255);
    EXPECT_TRUE(read.prefs.reminders);
    EXPECT_FALSE(read.prefs.successSound);
    EXPECT_TRUE(read.prefs.failureSound);  // missing: default
    const Preferences defaults = Preferences::defaults(folder);
    EXPECT_EQ(read.prefs.successSoundFile, defaults.successSoundFile);
    EXPECT_EQ(read.prefs.alarmSoundFile, defaults.alarmSoundFile);

    writeIni({});
    EXPECT_EQ(readSettingsFile(folder).errors.size(), 12);
    EXPECT_EQ(readSettingsFile(folder).prefs, defaults);
}

TEST_F(SettingsFileTest, ExtraLinesAreIgnored) {
    QStringList lines = validLines();
    lines << QStringLiteral("überzählig") << QString();
    writeIni(lines);
    const SettingsRead read = readSettingsFile(folder);
    EXPECT_TRUE(read.errors.isEmpty());
    EXPECT_EQ(read.prefs.listBackground, 255);
}

}  // namespace
}  // namespace vondrik
