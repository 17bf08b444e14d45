// Application folder paths, and which folder the program uses: its own, or a per-user one
// filled from an installed copy.
#include "ui/app_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/helpers.h"

namespace vondrik {
namespace {

using test::bytesOf;
using test::writeBytes;

TEST(AppFolder, JoinsRelativePathsWrittenEitherWayWithoutDoubleSlashes) {
    const AppFolder folder(QStringLiteral("/opt/vondrik/"));
    EXPECT_EQ(folder.root(), "/opt/vondrik");
    EXPECT_EQ(folder.appPath(u"\\daten\\term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u"daten\\term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u""), "/opt/vondrik");
}

// A build folder with its executable, an installed copy (with a font linked to elsewhere, as
// the package links the system's fonts) and a per-user folder that does not exist yet.
class AppFolderChoiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        writeBytes(own() + "/vondrik", "programm");
        writeBytes(installed() + "/daten/daten.mdb", "woerterbuch");
        writeBytes(installed() + "/ton/glocke.wav", "klang");
        writeBytes(installed() + "/Vondrik-Hilfe/index.html", "hilfe");
        writeBytes(dir_.filePath("fonts/lcd.ttf"), "schrift");
        ASSERT_TRUE(QFile::link(dir_.filePath("fonts/lcd.ttf"), installed() + "/daten/lcd.ttf"));
    }

    QString own() const { return dir_.filePath("app"); }
    QString installed() const { return dir_.filePath("share/vondrik2000"); }
    QString perUser() const { return dir_.filePath("home/.local/share/vondrik2000"); }
    AppFolderPlaces places() const { return {own(), installed(), perUser()}; }

    QTemporaryDir dir_;
};

TEST_F(AppFolderChoiceTest, ABuildFolderOrNoInstalledCopyKeepsTheOwnFolderAndCopiesNothing) {
    ASSERT_TRUE(QDir().mkpath(own() + "/daten"));  // a build folder
    const AppFolderChoice build = chooseAppFolder(places());
    EXPECT_EQ(build.folder.root(), own());
    EXPECT_TRUE(build.error.isEmpty());
    ASSERT_TRUE(QDir(own() + "/daten").removeRecursively());  // a bare folder, nothing installed
    const AppFolderChoice bare = chooseAppFolder({own(), dir_.filePath("nirgends"), perUser()});
    EXPECT_EQ(bare.folder.root(), own());
    EXPECT_TRUE(bare.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(perUser()));
}

TEST_F(AppFolderChoiceTest, FirstStartFillsThePerUserFolderFromTheInstalledCopy) {
    const AppFolderChoice choice = chooseAppFolder(places());
    EXPECT_TRUE(choice.error.isEmpty()) << choice.error.toStdString();
    EXPECT_EQ(choice.folder.root(), perUser());
    EXPECT_EQ(bytesOf(perUser() + "/daten/daten.mdb"), "woerterbuch");
    EXPECT_EQ(bytesOf(perUser() + "/ton/glocke.wav"), "klang");
    EXPECT_EQ(bytesOf(perUser() + "/Vondrik-Hilfe/index.html"), "hilfe");
    // The font is the user's own file, not a link that a removed package would break.
    EXPECT_EQ(bytesOf(perUser() + "/daten/lcd.ttf"), "schrift");
    EXPECT_FALSE(QFileInfo(perUser() + "/daten/lcd.ttf").isSymLink());
    EXPECT_FALSE(QFileInfo::exists(perUser() + "/daten.neu"));
    EXPECT_FALSE(QFileInfo::exists(own() + "/daten"));
}

TEST_F(AppFolderChoiceTest, LaterStartsKeepTheUsersFilesAndAddOnlyMissingProgramFiles) {
    // The user's changed dictionary, and a state in which the program has moved its
    // dictionary aside: the default one must not take its place.
    for (const auto& [file, bytes] :
         {std::pair<QString, QByteArray>{"daten/daten.mdb", "meine woerter"},
          {"daten/daten.mdb.bisher", "meine"}}) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(QDir(perUser()).removeRecursively());
        writeBytes(perUser() + '/' + file, bytes);
        writeBytes(perUser() + "/vondrik.ini", "einstellungen");

        const AppFolderChoice choice = chooseAppFolder(places());
        EXPECT_TRUE(choice.error.isEmpty()) << choice.error.toStdString();
        EXPECT_EQ(bytesOf(perUser() + '/' + file), bytes);
        EXPECT_EQ(QDir(perUser() + "/daten").entryList(QDir::Files), QStringList{file.mid(6)});
        EXPECT_EQ(bytesOf(perUser() + "/vondrik.ini"), "einstellungen");
        EXPECT_EQ(bytesOf(perUser() + "/ton/glocke.wav"), "klang");
    }
}

TEST_F(AppFolderChoiceTest, AnInterruptedFirstFillIsDoneAgainInFull) {
    writeBytes(perUser() + "/daten.neu/daten.mdb", "woerter");  // cut off while copying
    const AppFolderChoice choice = chooseAppFolder(places());
    EXPECT_TRUE(choice.error.isEmpty()) << choice.error.toStdString();
    EXPECT_EQ(bytesOf(perUser() + "/daten/daten.mdb"), "woerterbuch");
    EXPECT_EQ(bytesOf(perUser() + "/daten/lcd.ttf"), "schrift");
    EXPECT_FALSE(QFileInfo::exists(perUser() + "/daten.neu"));
}

TEST_F(AppFolderChoiceTest, AFolderThatCannotBeFilledIsNamedInTheMessage) {
    // A file where a folder must go: the per-user folder's parent, daten, the help folder.
    for (const QString& blocker :
         {dir_.filePath("home/.local/share"), perUser() + "/daten", perUser() + "/Vondrik-Hilfe"}) {
        SCOPED_TRACE(blocker.toStdString());
        QDir(dir_.filePath("home")).removeRecursively();
        writeBytes(blocker, "im Weg");

        const AppFolderChoice choice = chooseAppFolder(places());
        EXPECT_TRUE(choice.error.contains(perUser())) << choice.error.toStdString();
        EXPECT_TRUE(choice.error.contains("nicht einrichten")) << choice.error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(perUser() + "/daten/daten.mdb"));
    }
}

}  // namespace
}  // namespace vondrik
