// The start. The single-copy lock on its own: refused while another process holds it, taken
// over from a copy that was killed, left to the user for a lock naming no owner, and never
// given when no lock file can be made. Then the splash window: the refusal of a second copy, the
// question about another computer's lock, a folder where no lock can be made, and a start without
// dictionary.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "shell/haupt_controls.h"
#include "shell/instance_lock.h"
#include "shell/splash_window.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {
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

class SplashTest : public ::testing::Test {
  protected:
    ~SplashTest() override {
        delete splash.data();
        delete haupt.data();
    }
    QTimer* timer() const { return child<QTimer>(splash, "Timer1"); }
    QProgressBar* bar() const { return child<QProgressBar>(splash, "Bar1"); }
    // Runs the splash's ticks at once instead of waiting for its timer; returns how many ran.
    int runTicks() {
        timer()->stop();
        int ticks = 0;
        for (; splash && bar()->value() < kSplashTicks; ++ticks) {
            EXPECT_TRUE(haupt.isNull()) << "the main window before the bar's last tick";
            splash->step();
        }
        return ticks;
    }
    bool startSplash() {
        splash = new starter(fake.platform, lock);
        QObject::connect(splash, &starter::hauptShown, [this](Haupt* shown) { haupt = shown; });
        return splash->load();
    }
    void expectRefused(const starter& refused, FakePlatform& platform, int exitStatus) {
        EXPECT_FALSE(refused.isVisible());
        EXPECT_EQ(platform.random.reseeds, 0);  // ended before anything else
        EXPECT_EQ(refused.exitStatus(), exitStatus);
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    InstanceLock lock{fake.appFolder.appPath(kInstanceLockFile)};
    QPointer<starter> splash;
    QPointer<Haupt> haupt;
};

TEST_F(SplashTest, ASecondCopyIsRefusedAndTheFirstGoesOn) {
    ASSERT_TRUE(startSplash());
    FakePlatform secondPlatform{app.path()};
    InstanceLock secondLock{fake.appFolder.appPath(kInstanceLockFile)};
    starter second(secondPlatform.platform, secondLock);
    EXPECT_FALSE(second.load());
    ASSERT_EQ(secondPlatform.messageBox.shown().size(), 1);
    EXPECT_EQ(secondPlatform.messageBox.shown()[0].text, "Vondrik 2000 ist schon bei der Arbeit!");
    expectRefused(second, secondPlatform, 0);  // the program the user wants runs
    EXPECT_TRUE(timer()->isActive());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(SplashTest, AnotherComputersLockIsTakenOverOnlyIfTheUserSaysYes) {
    writeBytes(fake.appFolder.appPath(kInstanceLockFile), "4711\nvondrik\nlaptop-oma\n");
    fake.messageBox.script({MessageAnswer::No, MessageAnswer::Yes});
    ASSERT_FALSE(startSplash());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains(u"„laptop-oma“"));
    expectRefused(*splash, fake, 0);  // the user's choice, no failure
    EXPECT_FALSE(lock.held());
    delete splash.data();

    ASSERT_TRUE(startSplash());
    EXPECT_EQ(fake.messageBox.shown().size(), 2);  // the question once more, nothing else
    EXPECT_TRUE(lock.held() && timer()->isActive());
}

TEST_F(SplashTest, AFolderWithoutRoomForTheLockStopsTheStartWithItsCause) {
    InstanceLock noLock{app.file("fehlt") + "/vondrik.lock"};
    starter unguarded(fake.platform, noLock);
    EXPECT_FALSE(unguarded.load());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("fehlt"));
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::Critical);
    expectRefused(unguarded, fake, 1);  // a refused start ends the program with a failure
}

TEST_F(SplashTest, WithoutDictionaryTheProgramEndsWithItsMessage) {
    QFile::remove(app.dictionaryPath());
    ASSERT_TRUE(startSplash());
    bool failed = false;
    QObject::connect(splash, &starter::loadFailed, [&] { failed = true; });
    runTicks();
    EXPECT_TRUE(failed);
    EXPECT_TRUE(haupt.isNull());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Fehler in Datenbank");
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }));
}

}  // namespace
}  // namespace vondrik::test
