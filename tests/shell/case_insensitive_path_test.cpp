// Tracing lower-cased paths back to the real spelling on disk.
#include "shell/case_insensitive_path.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/qt_printers.h"

namespace vondrik {
namespace {

TEST(CaseInsensitivePath, FindsTheRealSpellingOfEveryComponent) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Hintergrund/Urlaub Ägypten"));
    const QString real = dir.filePath("Hintergrund/Urlaub Ägypten/Pyramide.JPG");
    QFile(real).open(QIODevice::WriteOnly);

    const QString lowered = dir.path() + "/hintergrund/urlaub ägypten/pyramide.jpg";
    EXPECT_EQ(existingPathIgnoringCase(lowered), real);
    EXPECT_EQ(existingPathIgnoringCase(real), real);
    EXPECT_EQ(existingPathIgnoringCase(dir.path() + "/HINTERGRUND"), dir.filePath("Hintergrund"));
}

TEST(CaseInsensitivePath, LeavesPathsWithoutAMatchAsTheyAre) {
    QTemporaryDir dir;
    const QString missing = dir.path() + "/gibt/es/nicht.jpg";
    EXPECT_EQ(existingPathIgnoringCase(missing), missing);
    EXPECT_EQ(existingPathIgnoringCase("relativ/bild.jpg"), "relativ/bild.jpg");
    EXPECT_EQ(existingPathIgnoringCase(QString()), QString());
}

}  // namespace
}  // namespace vondrik
