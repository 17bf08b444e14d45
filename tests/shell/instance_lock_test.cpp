// The single-copy lock: refused while another process holds it, taken over from a copy that
// was killed, left to the user for a lock naming no owner, and never given when no lock file
// can be made. A second copy in this process and another computer's lock are tested with the
// splash window, which asks the user.
#include "shell/instance_lock.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST_F(InstanceLockTest, AnotherRunningCopyKeepsTheLockUntilItIsKilled) {
    ASSERT_EQ(startHolder(), "gesperrt");
    InstanceLock mine(lockPath());
    EXPECT_EQ(mine.acquire().outcome, LockOutcome::RunningHere);
    // Only a dead owner frees the lock, not the age of the file.
    ASSERT_TRUE(setLockFileAge(3 * 3600));
    EXPECT_EQ(mine.acquire().outcome, LockOutcome::RunningHere);

    ASSERT_TRUE(setLockFileAge(0));
    holder.kill();  // SIGKILL: no chance to clean up, the lock file stays behind
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(lockPath()));
    EXPECT_EQ(mine.acquire().outcome, LockOutcome::Acquired);
    EXPECT_EQ(startHolder(), "besetzt");  // and now this copy is the one that counts
}

TEST_F(InstanceLockTest, ALockFileNamingNoOwnerIsLeftToTheUser) {
    {
        QFile empty(lockPath());  // a crash between making and filling it
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    InstanceLock mine(lockPath());
    const LockResult unknown = mine.acquire();
    EXPECT_EQ(unknown.outcome, LockOutcome::OtherHost);
    EXPECT_TRUE(unknown.host.isEmpty());
    EXPECT_TRUE(unknown.message.contains(QDir::toNativeSeparators(lockPath())));
    // No computer is named, so there is no "there" to ask about.
    EXPECT_FALSE(unknown.message.contains("dort")) << unknown.message.toStdString();
    EXPECT_TRUE(
        unknown.message.contains("auf einem anderen Rechner, der diesen "
                                 "Anwendungsordner benutzt"));
    EXPECT_TRUE(unknown.message.endsWith("Sperre aufheben und Vondrik 2000 starten?"));
    EXPECT_EQ(mine.takeOver().outcome, LockOutcome::Acquired);
}

// A folder where no lock file can be made stops the start and names the folder and why (a
// missing folder is tested with the splash window).
TEST_F(InstanceLockTest, AFolderWithoutWritePermissionMeansNoStartWithTheCause) {
    // A folder without write permission; the superuser may write anywhere on a disk, so then
    // the kernel's device tree stands in, where nobody can make a file.
    QString readOnly = dir.filePath("nurlesen");
    ASSERT_TRUE(QDir().mkdir(readOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(readOnly).isWritable()) {
        readOnly = QStringLiteral("/sys");
    }
    InstanceLock denied(readOnly + "/vondrik.lock");
    const LockResult noWrite = denied.acquire();
    EXPECT_EQ(noWrite.outcome, LockOutcome::Failed);
    EXPECT_TRUE(noWrite.message.startsWith(
        QStringLiteral("Vondrik 2000 kann nicht starten: In den Anwendungsordner %1 darf nicht "
                       "geschrieben werden.")
            .arg(QDir::toNativeSeparators(readOnly))))
        << noWrite.message.toStdString();
    EXPECT_FALSE(denied.held());
    QFile::setPermissions(dir.filePath("nurlesen"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace vondrik
