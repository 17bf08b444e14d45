// The settings file vondrik.ini: writing and reading back, and the rule for every line. A
// short file's errors are tested through the main window's load.
#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include "support/helpers.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFileTest() : folder(dir.path()) {}

    // Creates an (empty) file below the folder and returns its full path.
    QString touch(const QString& relative) {
        test::writeBytes(folder.appPath(relative), {});
        return folder.appPath(relative);
    }

    // Settings lines from a text with "|" between them; the picture and the three sounds
    // become existing files below the folder.
    QStringList linesWithFiles(const QString& text) {
        QStringList lines = text.split(u'|');
        for (const int file : {5, 9, 10, 11}) {
            lines[file] = touch(lines[file]);
        }
        return lines;
    }
    // Twelve valid lines; tests change single lines of it.
    QStringList validLines() {
        return linesWithFiles(
            " 255| 65280|DejaVu Sans| 14.5|1|hintergrund/h7.jpg|0|0|0|ton/glocke.wav|ton/oooch.wav|"
            "ton/alarm.wav");
    }

    QTemporaryDir dir;
    AppFolder folder;
};

// Every setting away from its default, the size a scaled one with many decimals: what is read
// is written back line for line, whatever the locale's decimal separator.
TEST_F(SettingsFileTest, AllLinesSurviveReadAndWriteInCodePage1252) {
    const QStringList lines = linesWithFiles(QStringLiteral(
        " 1056816| 0|Lucida Sans Typewriter| 9.3749999|1|Bilder/Bäume im "
        "Frühling.jpg|0|1|0|Klänge/hurra.wav|Klänge/schade ß.wav|Klänge/wecker.wav|1"));
    ASSERT_TRUE(writeLines(folder.appPath(kSettingsFile), lines));
    for (const QLocale::Language language : {QLocale::German, QLocale::English}) {
        QLocale::setDefault(QLocale(language));
        const SettingsRead read = readSettingsFile(folder);
        EXPECT_TRUE(read.errors.isEmpty()) << read.errors.join(u'\n').toStdString();
        EXPECT_EQ(read.prefs.fontSize, 9.3749999);
        EXPECT_TRUE(read.prefs.boxSpelling);
        ASSERT_TRUE(writeSettingsFile(folder, read.prefs));
        EXPECT_EQ(readLines(folder.appPath(kSettingsFile)), lines);
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(
        test::bytesOf(folder.appPath(kSettingsFile)).contains("B\xE4ume im Fr\xFChling.jpg\r\n"));
}

// Colours: trimmed whole numbers within 24 bits, otherwise the default blue. Font size: "." or
// ",", above zero, otherwise the designed size (0). Reminders: on only for exactly "1". Sound
// switches: the number 1 is on, anything else off (only a missing line gives the default).
TEST_F(SettingsFileTest, EveryNumericLineHasItsRuleForTextsThatAreNoUsableValue) {
    using Cases = std::initializer_list<std::pair<const char*, const char*>>;
    const Cases colours = {{"  33023  ", " 33023"},   {"16777215", " 16777215"},
                           {"16777216", " 16711680"}, {"-1", " 16711680"},
                           {"gelb", " 16711680"},     {"12.5", " 16711680"},
                           {"255.0", " 255"},         {"33 023", " 16711680"}};
    const Cases sizes = {
        {" 11.25", " 11.25"}, {"11,25", " 11.25"}, {"-3", " 0"}, {"groß", " 0"}, {"1.000,5", " 0"}};
    const Cases reminders = {{"1", "1"}, {" 1", "0"}, {"ja", "0"}};
    const Cases switches = {{" 1", "1"}, {"1,0", "1"}, {"2", "0"}, {"an", "0"}, {"", "0"}};
    const std::pair<int, Cases> rules[] = {{2, colours},  {4, sizes},    {5, reminders},
                                           {7, switches}, {8, switches}, {9, switches}};
    for (const auto& [line, cases] : rules) {
        for (const auto& [text, readAs] : cases) {
            SCOPED_TRACE(testing::Message() << "Zeile " << line << " \"" << text << '"');
            QStringList written = validLines();
            written[line - 1] = QString::fromUtf8(text);
            ASSERT_TRUE(writeLines(folder.appPath(kSettingsFile), written));
            const SettingsRead read = readSettingsFile(folder);
            EXPECT_TRUE(read.errors.isEmpty());
            EXPECT_EQ(settingsLines(read.prefs)[line - 1], readAs);
        }
    }
}

}  // namespace
}  // namespace vondrik
