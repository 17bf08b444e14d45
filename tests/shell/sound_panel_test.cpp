// The sound panel Frame8: on/off pairs, choosing files, OK, defaults and Abbrechen, and the
// main window's search sounds following what OK kept.
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
        panel = Frame8(*haupt);
        haupt->menuAction("töne")->trigger();
        ASSERT_TRUE(panel->isVisible());
    }

    QRadioButton* option(int pair, int index) const {
        return panel->findChild<QRadioButton*>(QStringLiteral("Option%1_%2").arg(pair).arg(index));
    }

    SoundPanel* panel = nullptr;
};

TEST_F(SoundPanelTest, ShowsTheCurrentSwitchesAndSearchSoundsFollowThemAfterOk) {
    open();
    option(2, 1)->click();
    panel->Command16->click();
    EXPECT_FALSE(panel->isVisible());
    open();  // the panel shows what OK kept
    EXPECT_EQ(panel->Command16->text(), " O  K");
    EXPECT_TRUE(option(1, 0)->isChecked());
    EXPECT_TRUE(option(2, 1)->isChecked());
    EXPECT_TRUE(option(3, 0)->isChecked());

    option(1, 1)->click();
    EXPECT_TRUE(option(3, 0)->isChecked());  // each pair is a group of its own
    panel->Command16->click();
    ASSERT_FALSE(search("###r####").isEmpty());
    ASSERT_TRUE(search("xxxxxxxx").isEmpty());
    EXPECT_TRUE(fake.sound.played.isEmpty());
}

TEST_F(SoundPanelTest, ChosenFilesArePlayedAndTheAlarmIgnoresACancelledDialog) {
    const QString own = app.file("ton/8.wav");
    fake.commonDialogs.scriptFiles({own, "", "", app.file("ton/12.wav")});
    open();
    panel->Command13->click();
    ASSERT_EQ(fake.commonDialogs.filesAsked.size(), 1);
    EXPECT_EQ(fake.commonDialogs.filesAsked[0].title,
              "Wählen Sie bitte Ihre gewünschte Sounddatei aus.");
    EXPECT_EQ(fake.commonDialogs.filesAsked[0].filter, "Wav-Dateien|*.wav");
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(fake.sound.played[0].path, own);
    EXPECT_FALSE(fake.sound.played[0].loop);

    panel->Command14->click();  // cancelled: the search sound takes the empty name
    panel->Command15->click();  // cancelled: the alarm keeps its file and stays silent
    EXPECT_EQ(fake.sound.played.size(), 2);
    panel->Command16->click();
    EXPECT_EQ(haupt->preferences().successSoundFile, own);
    EXPECT_EQ(haupt->preferences().failureSoundFile, "");
    EXPECT_EQ(haupt->preferences().alarmSoundFile,
              Preferences::defaults(fake.appFolder).alarmSoundFile);
    open();
    panel->Command15->click();
    panel->Command16->click();
    EXPECT_EQ(haupt->preferences().alarmSoundFile, app.file("ton/12.wav"));
    EXPECT_TRUE(fake.problems().isEmpty());
}

TEST_F(SoundPanelTest, AbbrechenDropsTheChangesAndDefaultsResetEverySound) {
    const Preferences before = haupt->preferences();
    fake.commonDialogs.scriptFiles({app.file("ton/8.wav"), app.file("ton/11.wav")});
    open();
    option(1, 1)->click();
    panel->Command13->click();
    panel->Command11->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(haupt->preferences().successSound);
    EXPECT_EQ(haupt->preferences().successSoundFile, before.successSoundFile);
    open();
    EXPECT_TRUE(option(1, 0)->isChecked());

    option(2, 1)->click();
    panel->Command14->click();
    panel->Command12->click();
    EXPECT_FALSE(panel->isVisible());
    const Preferences defaults = Preferences::defaults(fake.appFolder);
    EXPECT_TRUE(haupt->preferences().successSound && haupt->preferences().failureSound &&
                haupt->preferences().alarmSound);
    EXPECT_EQ(haupt->preferences().failureSoundFile, defaults.failureSoundFile);
}

}  // namespace
}  // namespace vondrik::test
