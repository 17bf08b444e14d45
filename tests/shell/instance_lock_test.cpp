// The single-copy lock: refused while another copy holds it, in this process or another,
// and taken over from a copy that was killed.
#include "shell/instance_lock.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/app_folder.h"

namespace vondrik {
namespace {

class InstanceLockTest : public ::testing::Test {
  protected:
    ~InstanceLockTest() override {
        holder.kill();
        holder.waitForFinished(10000);
    }

    QString lockPath() const { return AppFolder(dir.path()).appPath(kInstanceLockFile); }

    // Starts the helper, a second running copy, on the folder and returns its report.
    QString startHolder() {
        holder.start(QStringLiteral(VONDRIK_LOCK_HOLDER), {dir.path()});
        if (!holder.waitForStarted(10000) || !holder.waitForReadyRead(10000)) {
            return QStringLiteral("keine Antwort");
        }
        return QString::fromLocal8Bit(holder.readLine()).trimmed();
    }

    bool setLockFileAge(int seconds) const {
        QFile file(lockPath());
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                QFileDevice::FileModificationTime);
    }

    QTemporaryDir dir;
    QProcess holder;
};

TEST_F(InstanceLockTest, SecondLockOnTheSameFolderIsRefusedUntilTheFirstEnds) {
    auto first = std::make_unique<InstanceLock>(lockPath());
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire());  // asking again keeps it
    InstanceLock second(lockPath());
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());
    first.reset();
    EXPECT_FALSE(QFile::exists(lockPath()));
    EXPECT_TRUE(second.acquire());

    // A folder without room for the lock does not stop the program.
    EXPECT_TRUE(InstanceLock(dir.filePath("fehlt/vondrik.lock")).acquire());
}

TEST_F(InstanceLockTest, AnotherRunningCopyKeepsTheLockUntilItIsKilled) {
    ASSERT_EQ(startHolder(), "gesperrt");
    InstanceLock mine(lockPath());
    EXPECT_FALSE(mine.acquire());
    // Only a dead owner frees the lock, not the age of the file.
    ASSERT_TRUE(setLockFileAge(3 * 3600));
    EXPECT_FALSE(mine.acquire());

    ASSERT_TRUE(setLockFileAge(0));
    holder.kill();  // SIGKILL: no chance to clean up, the lock file stays behind
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(lockPath()));
    EXPECT_TRUE(mine.acquire());
    EXPECT_EQ(startHolder(), "besetzt");  // and now this copy is the one that counts
}

}  // namespace
}  // namespace vondrik
