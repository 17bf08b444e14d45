// The settings file vondrik.ini: writing and reading back, and the rule for every line. A
// short file's errors are tested through the main window's load.
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
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }

    void writeIni(const QStringList& lines) {
        ASSERT_TRUE(writeLines(folder.appPath(kSettingsFile), lines));
    }

    // Twelve valid lines; tests change single lines of it.
    QStringList validLines() {
        QStringList lines = QStringLiteral(
                                " 255| 65280|DejaVu Sans| 14.5|1|hintergrund/h7.jpg|0|0|0|"
                                "ton/glocke.wav|ton/oooch.wav|ton/alarm.wav")
                                .split(u'|');
        for (const int file : {5, 9, 10, 11}) {
            lines[file] = touch(lines[file]);
        }
        return lines;
    }

    using LineCases = std::initializer_list<std::pair<const char*, const char*>>;

    // Writes the valid lines with each case's text in one of `lines` and expects the setting
    // read from it to be written back as the case's second text.
    void expectLinesReadAs(std::initializer_list<int> lines, LineCases cases) {
        for (const int line : lines) {
            for (const auto& [text, expected] : cases) {
                SCOPED_TRACE(testing::Message() << "Zeile " << line << " \"" << text << '"');
                QStringList written = validLines();
                written[line - 1] = QString::fromUtf8(text);
                writeIni(written);
                const SettingsRead read = readSettingsFile(folder);
                EXPECT_TRUE(read.errors.isEmpty());
                EXPECT_EQ(settingsLines(read.prefs)[line - 1], expected);
            }
        }
    }

    QTemporaryDir dir;
    AppFolder folder;
};

TEST_F(SettingsFileTest, AllTwelveLinesSurviveWriteAndReadInCodePage1252) {
    Preferences written = Preferences::defaults(folder);
    written.listBackground = 0x102030;
    written.listText = 0;
    written.fontName = "Lucida Sans Typewriter";
    written.fontSize = 9.3749999;  // a scaled size with many decimals
    written.reminders = true;
    written.picture = touch("Bilder/Bäume im Frühling.jpg");
    written.successSound = false;
    written.alarmSound = false;
    written.successSoundFile = touch("Klänge/hurra.wav");
    written.failureSoundFile = touch("Klänge/schade ß.wav");
    written.alarmSoundFile = touch("Klänge/wecker.wav");
    written.boxSpelling = true;

    // Whatever the locale's decimal separator, the size is written with "." and reads back.
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
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_TRUE(bytes.endsWith("wecker.wav\r\n1\r\n"));  // the crossword spelling comes last
    EXPECT_TRUE(
        bytes.startsWith(" 1056816\r\n 0\r\nLucida Sans Typewriter\r\n 9.3749999\r\n1\r\n"));
    EXPECT_TRUE(bytes.contains("B\xE4ume im Fr\xFChling.jpg\r\n0\r\n1\r\n0\r\n"));
    EXPECT_TRUE(bytes.contains("schade \xDF.wav\r\n"));
}

TEST_F(SettingsFileTest, MissingFilesGiveTheirDefaultsAndExtraLinesAreIgnored) {
    const Preferences defaults = Preferences::defaults(folder);
    SettingsRead read = readSettingsFile(folder);
    EXPECT_TRUE(read.errors.isEmpty());
    EXPECT_EQ(read.prefs, defaults);

    QStringList lines = validLines();
    lines[5] = folder.appPath(u"hintergrund/geloescht.jpg");
    lines[9] = folder.appPath(u"ton/weg.wav");
    lines[10] = QString();
    lines[11] = touch("eigene/wecker.wav");
    writeIni(lines + QStringList{"überzählig", ""});
    read = readSettingsFile(folder);
    EXPECT_TRUE(read.errors.isEmpty());
    EXPECT_EQ(read.prefs.fontName, "DejaVu Sans");
    EXPECT_EQ(read.prefs.picture, defaults.picture);
    EXPECT_TRUE(read.prefs.picture.endsWith("/hintergrund/h7.jpg"));
    EXPECT_EQ(read.prefs.successSoundFile, defaults.successSoundFile);
    EXPECT_EQ(read.prefs.failureSoundFile, defaults.failureSoundFile);
    EXPECT_EQ(read.prefs.alarmSoundFile, lines[11]);
}

TEST_F(SettingsFileTest, EveryNumericLineHasItsRuleForTextsThatAreNoUsableValue) {
    // Colours: trimmed whole numbers within 24 bits, otherwise the default blue.
    const LineCases colours = {
        {" 12648447", " 12648447"}, {"  33023  ", " 33023"},   {"0", " 0"},
        {"16777215", " 16777215"},  {"16777216", " 16711680"}, {"-1", " 16711680"},
        {"gelb", " 16711680"},      {"", " 16711680"},         {"12.5", " 16711680"},
        {"255.0", " 255"},          {"33 023", " 16711680"}};
    // Font size: "." or ",", above zero; otherwise the designed size (0).
    const LineCases sizes = {{" 11.25", " 11.25"}, {"11,25", " 11.25"}, {"8", " 8"},
                             {"0", " 0"},          {"-3", " 0"},        {"groß", " 0"},
                             {"", " 0"},           {"1.000,5", " 0"}};
    // Reminders: on only for exactly "1".
    const LineCases reminders = {{"1", "1"},  {"0", "0"},  {" 1", "0"},
                                 {"1 ", "0"}, {"ja", "0"}, {"", "0"}};
    // Sound switches: the number 1 is on, anything else off (a missing line: the default).
    const LineCases switches = {{"1", "1"}, {" 1", "1"}, {"1,0", "1"}, {"0", "0"},
                                {"2", "0"}, {"-1", "0"}, {"an", "0"},  {"", "0"}};
    expectLinesReadAs({2}, colours);
    expectLinesReadAs({4}, sizes);
    expectLinesReadAs({5}, reminders);
    expectLinesReadAs({7, 8, 9}, switches);
}

}  // namespace
}  // namespace vondrik
