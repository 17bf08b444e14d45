// The alarm's timers stepped by hand on a fake clock: which of them run, when the alarm rings,
// its frames and its sound; then reminders and the alarm clock in the real main window: the
// check after start, the reminder editor, and setting, ringing and stopping the alarm. Timers
// tick by hand.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "extras/extras_controller.h"
#include "extras/reminder_panel.h"
#include "shell/haupt_fixture.h"
#include "shell/settings_file.h"
#include "support/helpers.h"

namespace vondrik {

// Found by argument lookup, so it stays outside the test's namespace.
void PrintTo(const ExtrasController::Timers& t, std::ostream* os) {
    *os << t.timeCheck << t.animation << t.sound << t.reminders;
}

namespace test {
namespace {

using Timers = ExtrasController::Timers;

class ExtrasControllerTest : public ::testing::Test {
  protected:
    void at(int hour, int minute, int second) {
        fake.clock.set(QDateTime(QDate(2024, 3, 5), QTime(hour, minute, second)));
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    ExtrasController extras{fake.appFolder, fake.clock, fake.sound};
};

TEST_F(ExtrasControllerTest, AlarmRingsOncePerActivationWithinAStepOfItsMinute) {
    at(7, 4, 58);
    EXPECT_EQ(extras.activateAlarm(7, 5, "Vondrik 2000"), "Vondrik 2000   |  Wecker ist aktiv");
    EXPECT_EQ(extras.activateAlarm(7, 5, "Vondrik 2000   |  Wecker ist aktiv"),
              "Vondrik 2000   |  Wecker ist aktiv");  // the suffix only once
    EXPECT_EQ(extras.timers(), (Timers{true, false, false, false}));
    EXPECT_FALSE(extras.timeCheckStep());
    fake.clock.advanceMs(5000);  // 07:05:03: hours and minutes compare with leading zeros
    EXPECT_TRUE(extras.timeCheckStep());
    EXPECT_EQ(extras.timers(), (Timers{false, true, true, false}));
    extras.stopAlarm();
    EXPECT_EQ(extras.timers(), Timers{});
    EXPECT_FALSE(extras.timeCheckStep()) << "the same minute does not ring again";

    // Afternoon times compare in 24-hour form; cancelling stops the waiting.
    at(19, 30, 0);
    extras.activateAlarm(7, 30, "");
    EXPECT_FALSE(extras.timeCheckStep());
    EXPECT_EQ(extras.deactivateAlarm(), "Vondrik 2000");
    extras.activateAlarm(19, 31, "");
    extras.deactivateAlarm();
    fake.clock.advanceMs(60000);
    EXPECT_FALSE(extras.timeCheckStep());
}

TEST_F(ExtrasControllerTest, RingingGoesOnWhenCancelledFramesRunRoundAndTheSoundFollowsItsSwitch) {
    at(8, 0, 0);
    extras.activateAlarm(8, 0, "");
    ASSERT_TRUE(extras.timeCheckStep());
    extras.deactivateAlarm();
    EXPECT_EQ(extras.timers(), (Timers{false, true, true, false}));
    QList<int> shown;
    for (int i = 0; i < 7; ++i) {
        shown << extras.frameStep();
        extras.soundStep(false, "/ton/alarm.wav");
    }
    EXPECT_EQ(shown, (QList<int>{0, 1, 2, 3, 4, 0, 1}));
    EXPECT_TRUE(fake.sound.played.isEmpty()) << "switched off, the clock moves in silence";
    extras.soundStep(true, "/ton/alarm.wav");
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_FALSE(fake.sound.played[0].loop);
    extras.stopAlarm();
    extras.soundStep(true, "/ton/alarm.wav");
    EXPECT_EQ(fake.sound.played.size(), 1) << "silent once stopped";
}

class ExtrasWindowTest : public HauptTest {
  protected:
    // The main window's own timers; its dialogs have timers of the same names.
    QTimer* timer(const char* name) const {
        return haupt->findChild<QTimer*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }
    void tick(const char* name) const {
        ASSERT_TRUE(QMetaObject::invokeMethod(timer(name), "timeout"));
    }
    QWidget* panel(const char* name) const { return control<QWidget>(*haupt, name); }
    template <class T>
    T* in(const char* panelName, const char* name) const {
        return child<T>(panel(panelName), name);
    }
};

TEST_F(ExtrasWindowTest, RemindersComeAfterTheTimerOneBoxPerLineOncePerRunWhenSwitchedOn) {
    EXPECT_FALSE(timer("Timer5")->isActive());
    writeBytes(app.file("daten/term.dat"), "05.03   Oma\r\n06.03   morgen\r\n05.03   Opa\r\n");
    Preferences prefs = Preferences::defaults(fake.appFolder);
    prefs.reminders = true;
    ASSERT_TRUE(writeSettingsFile(fake.appFolder, prefs));
    start();
    EXPECT_TRUE(fake.messageBox.shown().isEmpty()) << "not before the timer";
    EXPECT_TRUE(timer("Timer5")->isActive());
    haupt->menuAction("gebaus")->trigger();  // from the next start; this run still checks
    tick("Timer5");
    EXPECT_EQ(messageTexts(), (QStringList{"05.03   Oma", "05.03   Opa"}));
    EXPECT_FALSE(timer("Timer5")->isActive());
}

TEST_F(ExtrasWindowTest, EditorKeepsRefusedInputAndAsksBeforeClosingUnsaved) {
    haupt->menuAction("gebbe")->trigger();
    const auto press = [this](const char* button) { in<QPushButton>("Frame5", button)->click(); };
    auto* date = in<QLineEdit>("Frame5", "Text2");
    fake.messageBox.script({MessageAnswer::Ok, MessageAnswer::No});
    date->setText("6.12");
    in<QLineEdit>("Frame5", "Text3")->setText("Nikolaus");
    press("Command4");
    EXPECT_EQ(date->text(), "6.12") << "kept for correcting";
    date->setText("06.12");
    press("Command4");
    EXPECT_EQ(in<QListWidget>("Frame5", "List2")->item(1)->text(), "06.12   Nikolaus");
    press("Command7");  // unsaved: asks, and the user stays
    EXPECT_TRUE(panel("Frame5")->isVisible());
    press("Command6");
    press("Command7");
    EXPECT_FALSE(panel("Frame5")->isVisible()) << "saved: closes without asking";
    EXPECT_EQ(fake.messageBox.shown().size(), 2);
}

TEST_F(ExtrasWindowTest, AlarmSetsTheTitleRingsAndStopsByAClickOnTheClock) {
    haupt->menuAction("wecker")->trigger();
    in<QScrollBar>("Frame3", "VScroll1")->setValue(14);
    in<QScrollBar>("Frame3", "VScroll2")->setValue(8);  // a minute after the fake clock's 14:07:09
    EXPECT_EQ(in<QLabel>("Frame3", "Label5")->text(), "08");
    in<QPushButton>("Frame3", "Command2")->click();
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000   |  Wecker ist aktiv");
    // Which timers run when, and cancelling while it rings, are tested on the controller.
    fake.clock.advanceMs(55000);
    tick("Timer1");
    ASSERT_TRUE(panel("Frame4")->isVisible() && panel("Command17")->isVisible());
    tick("Timer2");
    tick("Timer3");
    EXPECT_TRUE(fake.sound.played.last().path.endsWith("ton/alarm.wav"));
    haupt->menuAction("wecker")->trigger();
    in<QPushButton>("Frame3", "Command3")->click();
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000");
    QTest::mouseClick(child(panel("Frame4"), "Picture1", 0), Qt::LeftButton);
    EXPECT_FALSE(panel("Frame4")->isVisible() || panel("Command17")->isVisible());
    EXPECT_FALSE(timer("Timer2")->isActive() || timer("Timer3")->isActive());
}

}  // namespace
}  // namespace test
}  // namespace vondrik
