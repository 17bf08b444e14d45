// Files: text files (bytes on disk, line splitting, appending and the atomic replace), the
// application folder's paths, and which folder the program uses: its own, or a per-user one
// filled from an installed copy.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/helpers.h"
#include "ui/app_folder.h"
#include "ui/cp1252.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

using test::bytesOf;
using test::writeBytes;

class TextFile : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(TextFile, WritesCodePage1252WithCrLfAfterEveryLineAndALineEndInsideAsABlank) {
    ASSERT_TRUE(writeLines(path("a.dat"), {"Straße", "", "Ärger €", "Anna\nMaria", "a\r\nb\r"}));
    EXPECT_EQ(bytesOf(path("a.dat")),
              QByteArray("Stra\xDF"
                         "e\r\n\r\n\xC4rger \x80\r\nAnna Maria\r\na  b \r\n"));
    ASSERT_TRUE(appendLine(path("a.dat"), "x\ny"));
    ASSERT_TRUE(appendLines(path("a.dat"), {"zweite", "dritte"}));
    EXPECT_TRUE(bytesOf(path("a.dat")).endsWith("a  b \r\nx y\r\nzweite\r\ndritte\r\n"));
    ASSERT_TRUE(writeLines(path("a.dat"), {"neu"}));
    EXPECT_EQ(bytesOf(path("a.dat")), QByteArray("neu\r\n"));
}

TEST_F(TextFile, EveryByteButTheLineEndsSurvivesWriteAndRead) {
    QByteArray line;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') {
            line.append(static_cast<char>(byte));
        }
    }
    const QString text = decodeCp1252(line);
    ASSERT_TRUE(writeLines(path("all.dat"), {text, text}));
    EXPECT_EQ(bytesOf(path("all.dat")), line + "\r\n" + line + "\r\n");
    EXPECT_EQ(readLines(path("all.dat")), QStringList({text, text}));
}

// Only CR LF ends a line: a stray CR or LF inside a name must not shift the lines after it.
TEST_F(TextFile, OnlyCrLfEndsALineAndALoneCrOrLfReadsAsABlank) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {}},
        {"eins", {"eins"}},
        {"eins\r\n", {"eins"}},
        {"eins\r\nzwei", {"eins", "zwei"}},
        {"eins\nzwei\r\n", {"eins zwei"}},
        {"eins\rzwei\r\n", {"eins zwei"}},
        {"\r\n\r\n", {"", ""}},
        {"eins\r\r\nzwei\n\n", {"eins ", "zwei  "}},
        {"Anna\nMaria\r\n90\r\nBert\r\n80\r\n", {"Anna Maria", "90", "Bert", "80"}},
        {" blank \t\r\n", {" blank \t"}},
        {"M\xFC\x64\x65", {"Müde"}},
    };
    for (const auto& [bytes, lines] : cases) {
        test::writeBytes(path("l.dat"), bytes);
        EXPECT_EQ(readLines(path("l.dat")), lines) << bytes.toStdString();
    }
}

TEST_F(TextFile, MissingFilesAndFoldersAreNeitherReadNorMade) {
    EXPECT_EQ(readLines(path("fehlt.dat")), std::nullopt);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("ordner"));
    EXPECT_EQ(readLines(path("ordner")), std::nullopt);
    EXPECT_FALSE(FileExists(path("ordner")) || FileExists(path("fehlt.dat")) || FileExists({}));
    EXPECT_FALSE(appendLine(path("fehlt/neu.dat"), "x"));
    EXPECT_FALSE(writeLines(path("fehlt/r.dat"), {"x"}));
    EXPECT_FALSE(QFileInfo::exists(path("fehlt")));
}

// The disk "fills up" through a file size limit, which holds even for root, so the write of
// the new content fails half-way, for a large text and for a short one (a settings file).
TEST_F(TextFile, FailedReplaceLeavesTheOldFileIntactAndNoTemporaryBehind) {
    const std::pair<QStringList, rlim_t> cases[] = {
        {QStringList(2000, QString(100, u'x')), 4096},
        {QStringList(3, QStringLiteral("eine kurze Zeile")), 16},
    };
    for (const auto& [lines, limit] : cases) {
        SCOPED_TRACE(limit);
        ASSERT_TRUE(writeLines(path("r.dat"), {"alt"}));
        const bool written =
            test::withFileSizeLimit(limit, [&] { return writeLines(path("r.dat"), lines); });
        EXPECT_FALSE(written);
        EXPECT_EQ(bytesOf(path("r.dat")), QByteArray("alt\r\n"));
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"r.dat"});
    }
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
