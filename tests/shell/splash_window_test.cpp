// The splash window: its layout, the tiled background, the green-on-red bar counting to 41
// on the timer before the main window shows, and the refusal of a second copy.
#include "shell/splash_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "shell/haupt.h"
#include "shell/instance_lock.h"
#include "shell/splash_tile.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {
namespace {

bool hauptVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Haupt*>(w) && w->isVisible()) {
            return true;
        }
    }
    return false;
}

class SplashTest : public ::testing::Test {
  protected:
    ~SplashTest() override {
        delete splash.data();
        delete haupt.data();
    }

    QString lockPath() const { return fake.appFolder.appPath(kInstanceLockFile); }

    // A splash on the test folder, loaded; records the shown main window.
    bool startSplash() {
        splash = new starter(fake.platform, lock);
        QObject::connect(splash, &starter::hauptShown, [this](Haupt* shown) { haupt = shown; });
        return splash->load();
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    InstanceLock lock{lockPath()};
    QPointer<starter> splash;
    QPointer<Haupt> haupt;
};

TEST_F(SplashTest, BarCountsToFortyOneOnTheTimerBeforeTheMainWindowShows) {
    ASSERT_TRUE(startSplash());
    EXPECT_EQ(fake.random.reseeds, 1);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->Timer1->interval(), 50);
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Bar1->value(), 0);

    QList<int> values;
    bool mainWindowDuringTicks = false;
    QObject::connect(splash->Bar1, &QProgressBar::valueChanged, [&](int value) {
        values.append(value);
        mainWindowDuringTicks = mainWindowDuringTicks || hauptVisible();
    });
    QTRY_VERIFY_WITH_TIMEOUT(!haupt.isNull(), 15000);

    QList<int> expected;
    for (int i = 1; i <= 41; ++i) {
        expected.append(i);
    }
    EXPECT_EQ(values, expected);
    EXPECT_FALSE(mainWindowDuringTicks);
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_EQ(haupt->Text1->text(), "Guten Tag");  // its whole load sequence ran
    QTRY_VERIFY(splash.isNull());                  // the splash unloaded itself
    EXPECT_TRUE(lock.held());                      // the folder stays guarded for the run
}

TEST_F(SplashTest, ASecondCopyIsRefusedAndTheFirstGoesOn) {
    ASSERT_TRUE(startSplash());
    FakePlatform secondPlatform{app.path()};
    InstanceLock secondLock{lockPath()};
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

    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(SplashTest, LabelsAndBarArePlacedOnTheScreen) {
    ASSERT_TRUE(startSplash());
    splash->Timer1->stop();
    const QRect screen = splash->screen()->geometry();
    EXPECT_EQ(splash->geometry(), screen);
    EXPECT_EQ(splash->Label1->text(), "Vondrik 2000");
    EXPECT_EQ(splash->Label3->text(),
              "Vorbereitung der Daten ist in Arbeit. Bitte haben Sie einen Moment Geduld");
    const QRect l1 = splash->Label1->geometry();
    const QRect l2 = splash->Label2->geometry();
    const QRect l3 = splash->Label3->geometry();
    const QRect bar = splash->Bar1->geometry();
    EXPECT_LE(std::abs(l1.center().x() - screen.width() / 2), 1);
    EXPECT_EQ(l1.top(), screen.height() / 30);
    EXPECT_EQ(l2.left(), l1.left() + 80);
    EXPECT_EQ(l2.top(), l1.bottom() + 1 + 20);
    EXPECT_EQ(bar.left(), 0);
    EXPECT_EQ(bar.width(), screen.width());
    EXPECT_EQ(bar.bottom(), screen.height() - 1);
    EXPECT_LE(std::abs(l3.center().x() - screen.width() / 2), 1);
    EXPECT_EQ(l3.bottom() + 1 + 20, bar.top());
    for (const QRect& label : {l1, l2, l3}) {
        EXPECT_TRUE(screen.contains(label)) << label.x() << "," << label.y();
    }
}

TEST_F(SplashTest, BarIsGreenOnRed) {
    ASSERT_TRUE(startSplash());
    splash->Timer1->stop();
    splash->Bar1->setValue(20);
    const QImage bar = splash->Bar1->grab().toImage();
    const int y = bar.height() / 2;
    EXPECT_EQ(QColor(bar.pixel(bar.width() / 10, y)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(bar.pixel(bar.width() * 9 / 10, y)), QColor(255, 0, 0));
}

TEST_F(SplashTest, BackgroundIsTiledWithFivePixelsOverlap) {
    ASSERT_TRUE(startSplash());
    splash->Timer1->stop();
    const QImage tile = splashTile();
    ASSERT_EQ(tile.size(), QSize(kTileSize, kTileSize));
    const QImage shown = splash->grab().toImage();
    // Between the second label and the bottom text nothing covers the background.
    const int top = splash->Label2->geometry().bottom() + 5;
    const int bottom = splash->Label3->geometry().top() - 5;
    ASSERT_GT(bottom - top, kTileSize);
    const int step = kTileSize - kTileOverlap;
    int compared = 0;
    for (int y = top; y < bottom; y += 7) {
        for (int x = 0; x < shown.width(); x += 11) {
            // The tile drawn last over (x, y) starts at the last step at or before it.
            ASSERT_EQ(shown.pixel(x, y), tile.pixel(x % step, y % step)) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100);
}

TEST_F(SplashTest, TileOriginsStepByTheTileLessTheOverlap) {
    const QList<QPoint> origins = tileOrigins(QSize(200, 100), QSize(100, 60));
    EXPECT_EQ(origins, QList<QPoint>({{0, 0}, {95, 0}, {190, 0}, {0, 55}, {95, 55}, {190, 55}}));
}

TEST_F(SplashTest, WithoutDictionaryTheSplashEndsTheProgram) {
    QFile::remove(app.dictionaryPath());
    ASSERT_TRUE(startSplash());
    bool failed = false;
    QObject::connect(splash, &starter::loadFailed, [&] { failed = true; });
    QTRY_VERIFY_WITH_TIMEOUT(failed, 15000);
    EXPECT_TRUE(haupt.isNull());
    EXPECT_FALSE(hauptVisible());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Fehler in Datenbank");
    QTRY_VERIFY(splash.isNull());
}

}  // namespace
}  // namespace vondrik::test
