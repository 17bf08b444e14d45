// Application folder paths: Windows-style relative paths join with slashes.
#include "ui/app_folder.h"

#include <gtest/gtest.h>

namespace vondrik {
namespace {

TEST(AppFolder, JoinsRelativePathsWrittenEitherWayWithoutDoubleSlashes) {
    const AppFolder folder(QStringLiteral("/opt/vondrik/"));
    EXPECT_EQ(folder.root(), "/opt/vondrik");
    EXPECT_EQ(folder.appPath(u"\\daten\\term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u"/daten/term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u"daten\\term.dat"), "/opt/vondrik/daten/term.dat");
    EXPECT_EQ(folder.appPath(u""), "/opt/vondrik");
}

}  // namespace
}  // namespace vondrik
