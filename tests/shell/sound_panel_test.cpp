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

TEST_F(SoundPanelTest, OkKeepsSwitchesAndFilesAbbrechenDropsThemAndDefaultsResetThem) {
    const Preferences before = haupt->preferences();
    const QString own = app.file("ton/8.wav");
    fake.commonDialogs.scriptFiles({own, "", "", app.file("ton/12.wav")});
    open();
    click("Command13");  // a chosen file is played at once
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(fake.sound.played[0].path, own);
    click("Command15");  // cancelled: the alarm keeps its file and stays silent
    EXPECT_EQ(fake.sound.played.size(), 1);
    option(1, 1)->click();
    option(2, 1)->click();
    EXPECT_TRUE(option(3, 0)->isChecked());  // each pair is a group of its own
    click("Command16");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(haupt->preferences().successSoundFile, own);
    EXPECT_EQ(haupt->preferences().alarmSoundFile, before.alarmSoundFile);
    // The main window's searches follow what OK kept.
    ASSERT_FALSE(search("###r####").isEmpty());
    ASSERT_TRUE(search("xxxxxxxx").isEmpty());
    EXPECT_EQ(fake.sound.played.size(), 1);

    open();  // the panel shows what OK kept
    EXPECT_TRUE(option(1, 1)->isChecked() && option(2, 1)->isChecked() &&
                option(3, 0)->isChecked());
    option(1, 0)->click();
    click("Command14");  // cancelled: the search sound takes the empty name
    click("Command11");  // Abbrechen
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(haupt->preferences().successSound);
    EXPECT_EQ(haupt->preferences().failureSoundFile, before.failureSoundFile);
    open();
    click("Command15");
    click("Command16");
    EXPECT_EQ(haupt->preferences().alarmSoundFile, app.file("ton/12.wav"));
    open();
    click("Command12");  // the defaults for every sound
    EXPECT_FALSE(panel()->isVisible());
    const Preferences defaults = Preferences::defaults(fake.appFolder);
    EXPECT_TRUE(haupt->preferences().successSound && haupt->preferences().failureSound);
    EXPECT_EQ(haupt->preferences().successSoundFile, defaults.successSoundFile);
    EXPECT_EQ(haupt->preferences().alarmSoundFile, defaults.alarmSoundFile);
}

}  // namespace
}  // namespace vondrik::test
