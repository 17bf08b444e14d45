// Text files: bytes on disk, line splitting, appending and the atomic replace.
#include "ui/text_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/helpers.h"
#include "ui/cp1252.h"

namespace vondrik {
namespace {

using test::bytesOf;

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
// the new content fails half-way: for a large text while writing, for a short one (a
// settings file) only when the write buffer is emptied.
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

}  // namespace
}  // namespace vondrik
