// The splash window: the green-on-red bar counting to 41 before the main window shows, its
// layout, the refusal of a second copy, the question about another computer's lock, a folder
// where no lock can be made, and a start without dictionary.
#include "shell/splash_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <numeric>

#include "shell/haupt.h"
#include "shell/haupt_controls.h"
#include "shell/instance_lock.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {
namespace {

bool hauptVisible() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](QWidget* w) { return qobject_cast<Haupt*>(w) && w->isVisible(); });
}

class SplashTest : public ::testing::Test {
  protected:
    ~SplashTest() override {
        delete splash.data();
        delete haupt.data();
    }

    // Runs the splash's remaining ticks at once instead of waiting for its timer.
    void runTicks() {
        splash->Timer1->stop();
        while (splash && splash->Bar1->value() < kSplashTicks) {
            splash->step();
        }
    }

    // A splash on the test folder, loaded; records the shown main window.
    bool startSplash() {
        splash = new starter(fake.platform, lock);
        QObject::connect(splash, &starter::hauptShown, [this](Haupt* shown) { haupt = shown; });
        return splash->load();
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    InstanceLock lock{fake.appFolder.appPath(kInstanceLockFile)};
    QPointer<starter> splash;
    QPointer<Haupt> haupt;
};

TEST_F(SplashTest, BarCountsToFortyOneOnTheTimerBeforeTheMainWindowShows) {
    ASSERT_TRUE(startSplash());
    EXPECT_EQ(fake.random.reseeds, 1);
    EXPECT_EQ(splash->Timer1->interval(), 50);
    EXPECT_TRUE(splash->isVisible() && splash->Timer1->isActive());

    QList<int> values;
    bool mainWindowDuringTicks = false;
    QObject::connect(splash->Bar1, &QProgressBar::valueChanged, [&](int value) {
        values.append(value);
        mainWindowDuringTicks = mainWindowDuringTicks || hauptVisible();
    });
    runTicks();
    ASSERT_FALSE(haupt.isNull());
    QList<int> expected(41);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(values, expected);
    EXPECT_FALSE(mainWindowDuringTicks);
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_EQ(Text1(*haupt)->text(), "Guten Tag");                  // its whole load sequence ran
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }));  // the splash unloaded itself
    EXPECT_TRUE(lock.held());  // the folder stays guarded for the run
}

TEST_F(SplashTest, ASecondCopyIsRefusedAndTheFirstGoesOn) {
    ASSERT_TRUE(startSplash());
    FakePlatform secondPlatform{app.path()};
    InstanceLock secondLock{fake.appFolder.appPath(kInstanceLockFile)};
    starter second(secondPlatform.platform, secondLock);
    EXPECT_FALSE(second.load());
    ASSERT_EQ(secondPlatform.messageBox.shown().size(), 1);
    const ShownMessage& m = secondPlatform.messageBox.shown()[0];
    EXPECT_EQ(m.text, "Vondrik 2000 ist schon bei der Arbeit!");
    EXPECT_EQ(m.title, "Kommunikation");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_FALSE(second.isVisible());
    EXPECT_FALSE(second.Timer1->isActive());
    EXPECT_EQ(secondPlatform.random.reseeds, 0);  // ended before anything else
    EXPECT_EQ(second.exitStatus(), 0);            // the program the user wants runs

    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(SplashTest, AnotherComputersLockIsTakenOverOnlyIfTheUserSaysYes) {
    const QString lockPath = fake.appFolder.appPath(kInstanceLockFile);
    {
        QFile foreign(lockPath);
        ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
        foreign.write("4711\nvondrik\nlaptop-oma\n");
    }
    fake.messageBox.script({MessageAnswer::No});
    ASSERT_FALSE(startSplash());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    const ShownMessage& asked = fake.messageBox.shown()[0];
    EXPECT_TRUE(asked.text.contains(u"„laptop-oma“")) << asked.text.toStdString();
    EXPECT_EQ(asked.title, "Kommunikation");
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(lock.held());
    EXPECT_EQ(fake.random.reseeds, 0);
    EXPECT_EQ(splash->exitStatus(), 0);  // the user's choice, no failure
    delete splash.data();

    fake.messageBox.script({MessageAnswer::Yes});
    ASSERT_TRUE(startSplash());
    EXPECT_EQ(fake.messageBox.shown().size(), 2);  // the question once more, nothing else
    EXPECT_TRUE(lock.held());
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_TRUE(fake.messageBox.problems.isEmpty());
}

TEST_F(SplashTest, AFolderWithoutRoomForTheLockStopsTheStartWithItsCause) {
    const QString missing = app.file("fehlt");
    InstanceLock noLock{missing + "/vondrik.lock"};
    starter unguarded(fake.platform, noLock);
    EXPECT_FALSE(unguarded.load());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    const ShownMessage& m = fake.messageBox.shown()[0];
    EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(missing))) << m.text.toStdString();
    EXPECT_EQ(m.title, "Fehlermeldung");
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_FALSE(unguarded.isVisible());
    EXPECT_FALSE(unguarded.Timer1->isActive());
    EXPECT_NE(unguarded.exitStatus(), 0);  // a refused start ends the program with a failure
}

TEST_F(SplashTest, FillsTheScreenWithItsTextsAboveAGreenOnRedBar) {
    ASSERT_TRUE(startSplash());
    splash->Timer1->stop();
    const QRect screen = splash->screen()->geometry();
    EXPECT_EQ(splash->geometry(), screen);
    const QRect bar = splash->Bar1->geometry();
    EXPECT_EQ(bar, QRect(0, screen.height() - bar.height(), screen.width(), bar.height()));
    EXPECT_LT(splash->Label3->geometry().bottom(), bar.top());
    for (const QLabel* label : {splash->Label1, splash->Label2, splash->Label3}) {
        EXPECT_TRUE(screen.contains(label->geometry())) << label->text().toStdString();
    }

    splash->Bar1->setValue(20);
    const QImage barImage = splash->Bar1->grab().toImage();
    const int middle = barImage.height() / 2;
    EXPECT_EQ(QColor(barImage.pixel(barImage.width() / 10, middle)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(barImage.pixel(barImage.width() * 9 / 10, middle)), QColor(255, 0, 0));
}

TEST_F(SplashTest, WithoutDictionaryTheProgramEndsWithItsMessage) {
    QFile::remove(app.dictionaryPath());
    ASSERT_TRUE(startSplash());
    bool failed = false;
    QObject::connect(splash, &starter::loadFailed, [&] { failed = true; });
    runTicks();
    EXPECT_TRUE(failed);
    EXPECT_TRUE(haupt.isNull());
    EXPECT_FALSE(hauptVisible());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Fehler in Datenbank");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehlermeldung Nr.1");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }));
}

}  // namespace
}  // namespace vondrik::test
