// The notebook file nt.dat: its one line, kept in range, and its removal.
#include "shell/notebook_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

TEST(NotebookFile, WrittenReadInRangeAndRemoved) {
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    const QString path = folder.appPath(kNotebookFile);
    const auto bytes = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(fehlt)");
    };
    EXPECT_EQ(readNotebookShift(folder), std::nullopt);
    EXPECT_TRUE(removeNotebookShift(folder));  // nothing to delete is fine

    // Non-negative values get a blank in front.
    ASSERT_TRUE(writeNotebookShift(folder, 500));
    EXPECT_EQ(bytes(), " 500\r\n");
    ASSERT_TRUE(writeNotebookShift(folder, -300));
    EXPECT_EQ(bytes(), "-300\r\n");
    EXPECT_EQ(readNotebookShift(folder), -300);
    EXPECT_TRUE(removeNotebookShift(folder));
    EXPECT_FALSE(QFile::exists(path));

    const struct {
        const char* line;
        std::optional<int> shift;
    } cases[] = {{"  500  ", 500}, {"0", 0},         {"120.4", 120},           {"-4999,6", -5000},
                 {"99999", 5000},  {"-7000", -5000}, {"kaputt", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : cases) {
        ASSERT_TRUE(writeLines(path, {QString::fromUtf8(c.line)}));
        EXPECT_EQ(readNotebookShift(folder), c.shift) << c.line;
    }
}

}  // namespace
}  // namespace vondrik
