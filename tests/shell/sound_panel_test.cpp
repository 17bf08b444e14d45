// The sound panel Frame8: on/off pairs, choosing files, OK, defaults and Abbrechen, and the
// main window's sounds following what OK kept.
#include "shell/sound_panel.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include "haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

class SoundPanelTest : public HauptTest {
  protected:
    void open() {
        haupt->menuAction("töne")->trigger();
        ASSERT_TRUE(panel()->isVisible());
    }
    QWidget* panel() const { return control<QWidget>(*haupt, "Frame8"); }
    QRadioButton* option(int pair, int index) const {
        return child<QRadioButton>(panel(), QStringLiteral("Option%1").arg(pair), index);
    }
    void click(const char* button) const { child<QPushButton>(panel(), button)->click(); }
};

TEST_F(SoundPanelTest, ShowsTheKeptSwitchesAndSearchSoundsFollowThemAfterOk) {
    open();
    option(2, 1)->click();
    click("Command16");
    EXPECT_FALSE(panel()->isVisible());
    open();  // the panel shows what OK kept
    EXPECT_TRUE(option(1, 0)->isChecked() && option(2, 1)->isChecked() &&
                option(3, 0)->isChecked());
    option(1, 1)->click();
    EXPECT_TRUE(option(3, 0)->isChecked());  // each pair is a group of its own
    click("Command16");
    ASSERT_FALSE(search("###r####").isEmpty());
    ASSERT_TRUE(search("xxxxxxxx").isEmpty());
    EXPECT_TRUE(fake.sound.played.isEmpty());
}

TEST_F(SoundPanelTest, ChosenFilesArePlayedAndTheAlarmIgnoresACancelledDialog) {
    const QString own = app.file("ton/8.wav");
    fake.commonDialogs.scriptFiles({own, "", "", app.file("ton/12.wav")});
    open();
    click("Command13");
    ASSERT_EQ(fake.commonDialogs.filesAsked.size(), 1);
    EXPECT_EQ(fake.commonDialogs.filesAsked[0].filter, "Wav-Dateien|*.wav");
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(fake.sound.played[0].path, own);
    click("Command14");  // cancelled: the search sound takes the empty name
    click("Command15");  // cancelled: the alarm keeps its file and stays silent
    EXPECT_EQ(fake.sound.played.size(), 2);
    click("Command16");
    const Preferences& kept = haupt->preferences();
    EXPECT_EQ(kept.successSoundFile, own);
    EXPECT_EQ(kept.failureSoundFile, "");
    EXPECT_EQ(kept.alarmSoundFile, Preferences::defaults(fake.appFolder).alarmSoundFile);
    open();
    click("Command15");
    click("Command16");
    EXPECT_EQ(kept.alarmSoundFile, app.file("ton/12.wav"));
}

TEST_F(SoundPanelTest, AbbrechenDropsTheChangesAndDefaultsResetEverySound) {
    const Preferences before = haupt->preferences();
    fake.commonDialogs.scriptFiles({app.file("ton/8.wav"), app.file("ton/11.wav")});
    open();
    option(1, 1)->click();
    click("Command13");
    click("Command11");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(haupt->preferences().successSound);
    EXPECT_EQ(haupt->preferences().successSoundFile, before.successSoundFile);
    open();
    EXPECT_TRUE(option(1, 0)->isChecked());
    option(2, 1)->click();
    click("Command14");
    click("Command12");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(haupt->preferences().failureSound);
    EXPECT_EQ(haupt->preferences().failureSoundFile,
              Preferences::defaults(fake.appFolder).failureSoundFile);
}

}  // namespace
}  // namespace vondrik::test
