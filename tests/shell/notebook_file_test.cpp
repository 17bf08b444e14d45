// The notebook file nt.dat and the number text it shares with the settings file.
#include "shell/notebook_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/number_text.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

class NotebookFileTest : public ::testing::Test {
  protected:
    NotebookFileTest() : folder(dir.path()) {}
    QByteArray bytes() const {
        QFile file(folder.appPath(kNotebookFile));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(fehlt)");
    }
    QTemporaryDir dir;
    AppFolder folder;
};

TEST_F(NotebookFileTest, WrittenWithABlankBeforeNonNegativeValues) {
    ASSERT_TRUE(writeNotebookShift(folder, 500));
    EXPECT_EQ(bytes(), " 500\r\n");
    EXPECT_EQ(readNotebookShift(folder), 500);
    ASSERT_TRUE(writeNotebookShift(folder, -300));
    EXPECT_EQ(bytes(), "-300\r\n");
    EXPECT_EQ(readNotebookShift(folder), -300);
}

TEST_F(NotebookFileTest, ReadsTrimmedNumbersAndKeepsThemInRange) {
    const struct {
        const char* line;
        std::optional<int> shift;
    } cases[] = {{"  500  ", 500}, {"0", 0},         {"120.4", 120},           {"-4999,6", -5000},
                 {"99999", 5000},  {"-7000", -5000}, {"kaputt", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : cases) {
        ASSERT_TRUE(writeLines(folder.appPath(kNotebookFile), {QString::fromUtf8(c.line)}));
        EXPECT_EQ(readNotebookShift(folder), c.shift) << c.line;
    }
}

TEST_F(NotebookFileTest, RemovingDeletesTheFileAndAMissingFileIsNoShift) {
    EXPECT_EQ(readNotebookShift(folder), std::nullopt);
    EXPECT_TRUE(removeNotebookShift(folder));  // nothing to delete is fine
    ASSERT_TRUE(writeNotebookShift(folder, 40));
    EXPECT_TRUE(removeNotebookShift(folder));
    EXPECT_FALSE(QFile::exists(folder.appPath(kNotebookFile)));
}

TEST(NumberText, ShortestTextThatReadsBackExactly) {
    for (const double value : {0.0, 11.25, 8.2500000000000018, 1e-7, -300.0, 16711680.0}) {
        const QString text = formatNumber(value);
        EXPECT_EQ(text.startsWith(u' '), value >= 0) << text.toStdString();
        EXPECT_EQ(parseNumber(text), value) << text.toStdString();
    }
    EXPECT_EQ(formatNumber(11.25), " 11.25");
    EXPECT_EQ(formatNumber(-5), "-5");
}

TEST(NumberText, OnlyWholeNumbersCountAsWhole) {
    EXPECT_EQ(parseWholeNumber(" 42 "), 42);
    EXPECT_EQ(parseWholeNumber("42.0"), 42);
    EXPECT_EQ(parseWholeNumber("42.5"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("4 2"), std::nullopt);
}

}  // namespace
}  // namespace vondrik
