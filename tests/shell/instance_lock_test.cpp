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
    QString lockPath() const { return AppFolder(dir.path()).appPath(kInstanceLockFile); }

    // Starts the helper on the folder and returns its report.
    QString startHolder(QProcess& holder) {
        holder.start(QStringLiteral(VONDRIK_LOCK_HOLDER), {dir.path()});
        if (!holder.waitForStarted(10000) || !holder.waitForReadyRead(10000)) {
            return QStringLiteral("keine Antwort");
        }
        return QString::fromLocal8Bit(holder.readLine()).trimmed();
    }

    QTemporaryDir dir;
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
}

TEST_F(InstanceLockTest, ARunningCopyInAnotherProcessKeepsTheLock) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder), "gesperrt");
    InstanceLock mine(lockPath());
    EXPECT_FALSE(mine.acquire());

    // A copy that has run for hours still counts: only a dead owner frees the lock.
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_FALSE(mine.acquire());
    holder.kill();
    holder.waitForFinished(10000);
}

TEST_F(InstanceLockTest, AKilledCopyDoesNotBlockTheNextStart) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder), "gesperrt");
    holder.kill();  // no chance to clean up: the lock file stays behind
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(lockPath()));

    InstanceLock mine(lockPath());
    EXPECT_TRUE(mine.acquire());

    QProcess next;
    EXPECT_EQ(startHolder(next), "besetzt");  // and now this copy is the one that counts
    next.kill();
    next.waitForFinished(10000);
}

TEST_F(InstanceLockTest, AFolderWithoutRoomForTheLockDoesNotStopTheProgram) {
    InstanceLock lock(dir.filePath(QStringLiteral("fehlt/vondrik.lock")));
    EXPECT_TRUE(lock.acquire());
}

}  // namespace
}  // namespace vondrik
