// The top-ten list: its file, the entry rules and the order of equal scores.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "game/highscore_list.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/app_folder.h"

namespace vondrik::game {
namespace {

class HighscoreListTest : public ::testing::Test {
  protected:
    QByteArray fileBytes() const {
        QFile file(folder.file("daten/hs.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) {
        QFile file(folder.file("daten/hs.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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

TEST_F(HighscoreListTest, ShortFileLoadsWithUnusedEntriesAndBlankNamesAsNamenlos) {
    writeFile("J\xf6rg\r\n310\r\n   \r\n");
    ASSERT_EQ(list.load(app), "");
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Jörg", "Namenlos", "nicht belegt"}));
    EXPECT_EQ(scores().mid(0, 3), (QStringList{"310", "0", "0"}));
    // Loading alone leaves the file as it is.
    EXPECT_EQ(fileBytes(), QByteArray("J\xf6rg\r\n310\r\n   \r\n"));
}

TEST_F(HighscoreListTest, ZeroNeverEntersAndBlankNameBecomesNamenlos) {
    ASSERT_EQ(list.load(app), "");
    EXPECT_FALSE(list.qualifies(0));
    EXPECT_EQ(list.insert("Jörg", 0), -1);
    EXPECT_EQ(list.insert("   ", 150), 0);
    EXPECT_EQ(list.playerName(), "Namenlos");
    ASSERT_EQ(list.save(), "");
    EXPECT_TRUE(fileBytes().startsWith("Namenlos\r\n150\r\nnicht belegt\r\n0\r\n"));
}

TEST_F(HighscoreListTest, EqualToTheTenthEntersAndEqualScoresRankByName) {
    QByteArray file;
    for (int i = 0; i < 10; ++i) {
        file += "Spieler" + QByteArray::number(i) + "\r\n" +
                QByteArray::number(i == 9 ? 150 : 1000 - 10 * i) + "\r\n";
    }
    writeFile(file.replace("Spieler9", "Anna"));
    ASSERT_EQ(list.load(app), "");
    EXPECT_FALSE(list.qualifies(149));
    EXPECT_TRUE(list.qualifies(150));
    // B ranks above A on equal points, so Anna drops out.
    EXPECT_EQ(list.insert("Bert", 150), 9);
    EXPECT_FALSE(names().contains("Anna"));
    // Now that Bert is tenth, an A name of the same score enters and falls out at once.
    EXPECT_EQ(list.insert("Alf", 150), -1);
    EXPECT_EQ(list.entries()[9].name, "Bert");
    EXPECT_EQ(list.insert("Cleo", 995), 1);
    EXPECT_EQ(list.entries()[2].name, "Spieler1");
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

}  // namespace
}  // namespace vondrik::game
