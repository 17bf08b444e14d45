// Application folder paths: Windows-style relative paths join with slashes.
#include "ui/app_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace vondrik {
namespace {

TEST(AppFolder, JoinsRelativePathsWrittenEitherWay) {
    const AppFolder folder(QStringLiteral("/opt/vondrik"));
    EXPECT_EQ(folder.appPath(u"\\daten\\term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u"/daten/term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u"daten\\term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u"\\vondrik.ini"), "/opt/vondrik/vondrik.ini");
    EXPECT_EQ(folder.appPath(u""), "/opt/vondrik");
}

TEST(AppFolder, TrailingSlashOfTheRootMakesNoDoubleSlash) {
    const AppFolder folder(QStringLiteral("/opt/vondrik/"));
    EXPECT_EQ(folder.root(), "/opt/vondrik");
    EXPECT_EQ(folder.appPath(u"\\ton\\glocke.wav"), "/opt/vondrik/ton/glocke.wav");
}

TEST(AppFolder, DefaultsToTheFolderOfTheExecutable) {
    EXPECT_EQ(AppFolder::ofExecutable().root(), QCoreApplication::applicationDirPath());
}

}  // namespace
}  // namespace vondrik
