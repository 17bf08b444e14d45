// The alarm clock stepped by hand on a fake clock: when it rings, its frames and its sound.
#include <gtest/gtest.h>

#include "extras/alarm_clock.h"
#include "ui/fake_platform.h"

namespace vondrik::test {
namespace {

class AlarmClockTest : public ::testing::Test {
  protected:
    void at(int hour, int minute, int second) {
        fake.clock.set(QDateTime(QDate(2024, 3, 5), QTime(hour, minute, second)));
    }

    FakePlatform fake{QStringLiteral("/nirgends")};
    AlarmClock alarm{fake.clock, fake.sound};
};

TEST_F(AlarmClockTest, RingsWithinOneStepOfTheSetMinuteWithLeadingZerosAndOncePerActivation) {
    at(7, 4, 58);
    alarm.activate(7, 5);
    EXPECT_EQ(alarm.alarmTime(), "07:05");
    EXPECT_TRUE(alarm.waiting());
    EXPECT_FALSE(alarm.step());
    fake.clock.advanceMs(5000);  // 07:05:03
    EXPECT_TRUE(alarm.step());
    EXPECT_TRUE(alarm.ringing());
    EXPECT_FALSE(alarm.waiting());
    alarm.stop();
    EXPECT_FALSE(alarm.step()) << "the same minute does not ring again";
    EXPECT_FALSE(alarm.ringing());

    // Set to the current minute, it rings on the very next step.
    at(0, 9, 59);
    alarm.activate(0, 9);
    EXPECT_EQ(alarm.alarmTime(), "00:09");
    EXPECT_TRUE(alarm.step());
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(23), "23");

    // Afternoon times compare in 24-hour form.
    alarm.stop();
    at(19, 30, 0);
    alarm.activate(7, 30);
    EXPECT_FALSE(alarm.step());
    alarm.activate(19, 30);
    EXPECT_TRUE(alarm.step());
}

TEST_F(AlarmClockTest, CancellingStopsTheWaitingButNotTheRinging) {
    at(12, 30, 0);
    alarm.activate(12, 31);
    alarm.deactivate();
    fake.clock.advanceMs(60000);
    EXPECT_FALSE(alarm.step());

    alarm.activate(12, 31);
    ASSERT_TRUE(alarm.step());
    alarm.deactivate();
    EXPECT_TRUE(alarm.ringing());
    alarm.soundStep(true, "/ton/alarm.wav");
    EXPECT_EQ(fake.sound.played.size(), 1);
}

TEST_F(AlarmClockTest, FramesRunRoundAndTheSoundFollowsItsSwitch) {
    at(8, 0, 0);
    alarm.activate(8, 0);
    ASSERT_TRUE(alarm.step());
    QList<int> shown;
    for (int i = 0; i < 7; ++i) {
        shown << alarm.frameStep();
        alarm.soundStep(false, "/ton/alarm.wav");
    }
    EXPECT_EQ(shown, (QList<int>{0, 1, 2, 3, 4, 0, 1}));
    EXPECT_TRUE(fake.sound.played.isEmpty()) << "switched off, the clock moves in silence";

    alarm.soundStep(true, "/ton/alarm.wav");
    alarm.soundStep(true, "/ton/alarm.wav");
    ASSERT_EQ(fake.sound.played.size(), 2);
    EXPECT_EQ(fake.sound.played[0].path, "/ton/alarm.wav");
    EXPECT_FALSE(fake.sound.played[0].loop);

    alarm.stop();
    alarm.soundStep(true, "/ton/alarm.wav");
    EXPECT_EQ(fake.sound.played.size(), 2) << "silent once stopped";
    EXPECT_EQ(alarm.frame(), 2) << "the next alarm goes on where this one stopped";
}

TEST(AlarmTitle, TheSuffixGoesOnThePlainTitleOnly) {
    const QString once = titleWithAlarm("Vondrik 2000");
    EXPECT_EQ(once, "Vondrik 2000   |  Wecker ist aktiv");
    EXPECT_EQ(titleWithAlarm(once), once);
}

}  // namespace
}  // namespace vondrik::test
