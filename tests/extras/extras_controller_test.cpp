// The alarm's timers stepped by hand on a fake clock: which of them run, when the alarm rings,
// its frames, its sound and the title that goes with it. The reminder check is tested on the
// main window.
#include <gtest/gtest.h>

#include "extras/extras_controller.h"
#include "support/helpers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

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

}  // namespace
}  // namespace test
}  // namespace vondrik
