// The top-ten list: its file and the entry rules.
#include <gtest/gtest.h>

#include "game/highscore_list.h"
#include "support/helpers.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/app_folder.h"

namespace vondrik::game {
namespace {

class HighscoreListTest : public ::testing::Test {
  protected:
    QByteArray fileBytes() const { return test::bytesOf(folder.file("daten/hs.dat")); }
    void writeFile(const QByteArray& bytes) {
        test::writeBytes(folder.file("daten/hs.dat"), bytes);
    }
    QStringList names() const { return column(&HighscoreEntry::name); }
    QStringList scores() const { return column(&HighscoreEntry::score); }
    QStringList column(QString HighscoreEntry::*field) const {
        QStringList result;
        for (const HighscoreEntry& e : list.entries()) {
            result << e.*field;
        }
        return result;
    }

    test::TestAppFolder folder;
    AppFolder app{folder.path()};
    HighscoreList list;
};

TEST_F(HighscoreListTest, ShortFileLoadsWithUnusedEntriesZeroNeverEntersBlankIsNamenlos) {
    writeFile("J\xf6rg\r\n310\r\n   \r\n");
    ASSERT_EQ(list.load(app), "");
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Jörg", "Namenlos", "nicht belegt"}));
    EXPECT_EQ(scores().mid(0, 3), (QStringList{"310", "0", "0"}));
    // Loading alone leaves the file as it is.
    EXPECT_EQ(fileBytes(), QByteArray("J\xf6rg\r\n310\r\n   \r\n"));
    EXPECT_FALSE(list.qualifies(0));
    EXPECT_EQ(list.insert("Jörg", 0), -1);
    EXPECT_EQ(list.insert("   ", 150), 1);
    EXPECT_EQ(list.playerName(), "Namenlos");
    ASSERT_EQ(list.save(), "");
    EXPECT_TRUE(fileBytes().startsWith("J\xf6rg\r\n310\r\nNamenlos\r\n150\r\n"));
}

TEST_F(HighscoreListTest, GarbledScoresCountZeroAndMillionsStillRankHigher) {
    writeFile("Eva\r\nviel\r\nUdo\r\n000999999\r\n");
    ASSERT_EQ(list.load(app), "");
    EXPECT_EQ(list.insert("Max", 1000000), 0);
    // Eva's score counts 0, and her name sorts below the unused entries: she drops out.
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Max", "Udo", "nicht belegt"}));
    // No leading zeros once the list has been entered.
    EXPECT_EQ(scores().mid(0, 3), (QStringList{"1000000", "999999", "0"}));
    ASSERT_EQ(list.save(), "");
    EXPECT_TRUE(fileBytes().startsWith("Max\r\n1000000\r\nUdo\r\n999999\r\nnicht belegt\r\n0\r\n"));
}

// A name line holding a lone line end once shifted every later pair by a line, so the next
// save wrote scores as names. Names typed with line ends, TABs or NULs stay one clean line.
TEST_F(HighscoreListTest, StrayLineEndsAndControlCharactersNeverShiftTheEntries) {
    QByteArray file;
    for (int i = 0; i < 10; ++i) {
        file += (i == 0 ? QByteArray("Anna\nMaria") : "P" + QByteArray::number(i)) + "\r\n" +
                QByteArray::number(100 - 10 * i) + "\r\n";
    }
    writeFile(file);
    ASSERT_EQ(list.load(app), "");
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Anna Maria", "P1", "P2"}));
    EXPECT_EQ(scores(), (QStringList{"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"}));

    const struct {
        QString typed;
        qint64 score;
        const char* stored;
    } cases[] = {
        {"Tab\tName", 95, "TabName"},
        {QString("Nul") + QChar(0) + "Name", 85, "NulName"},
        {"Zwei\r\nZeilen", 75, "Zwei  Zeilen"},
        {QString("\t") + QChar(0), 65, "Namenlos"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_GE(list.insert(c.typed, c.score), 0);
        EXPECT_TRUE(names().contains(c.stored));
        EXPECT_EQ(list.playerName(), c.stored);
    }
    ASSERT_EQ(list.save(), "");
    HighscoreList again;
    ASSERT_EQ(again.load(app), "");
    EXPECT_EQ(again.entries(), list.entries());
    EXPECT_EQ(fileBytes().count("\r\n"), 20);
    EXPECT_FALSE(fileBytes().contains('\t'));
}

}  // namespace
}  // namespace vondrik::game
