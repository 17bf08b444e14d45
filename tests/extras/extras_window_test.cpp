// Reminders and the alarm clock in the real main window: the check after start, the
// reminder editor, and setting, ringing and stopping the alarm. Timers tick by hand.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "extras/alarm_display.h"
#include "extras/alarm_panel.h"
#include "extras/reminder_panel.h"
#include "shell/haupt_fixture.h"
#include "shell/settings_file.h"
#include "ui/text_file.h"

namespace vondrik::test {
namespace {

class ExtrasWindowTest : public HauptTest {
  protected:
    // The main window's own timers; its dialogs have timers of the same names.
    QTimer* timer(const char* name) const {
        return haupt->findChild<QTimer*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }
    void tick(const char* name) const {
        ASSERT_TRUE(QMetaObject::invokeMethod(timer(name), "timeout"));
    }
    void startWithReminders(bool on) {
        Preferences prefs = Preferences::defaults(fake.appFolder);
        prefs.reminders = on;
        ASSERT_TRUE(writeSettingsFile(fake.appFolder, prefs));
        start();
    }
    QList<ShownMessage> titled(const QString& title) const {
        QList<ShownMessage> found;
        for (const ShownMessage& m : fake.messageBox.shown()) {
            if (m.title == title) {
                found << m;
            }
        }
        return found;
    }
    void setAlarm(int hour, int minute) {
        haupt->menuAction("wecker")->trigger();
        ASSERT_TRUE(frame3()->isVisible());
        frame3()->VScroll1->setValue(hour);
        frame3()->VScroll2->setValue(minute);
        frame3()->Command2->click();
    }
    ReminderPanel* frame5() const { return control<ReminderPanel>(*haupt, "Frame5"); }
    AlarmPanel* frame3() const { return control<AlarmPanel>(*haupt, "Frame3"); }
    AlarmDisplay* frame4() const { return control<AlarmDisplay>(*haupt, "Frame4"); }
};

TEST_F(ExtrasWindowTest, RemindersComeOnceAfterTheTimerOneBoxPerLineInFileOrder) {
    // 5 March on the fake clock.
    ASSERT_TRUE(writeLines(app.file("daten/term.dat"),
                           {"05.03   Oma", "06.03   morgen", " 5.03   ohne Null", "05.03   Opa"}));
    startWithReminders(true);
    EXPECT_TRUE(titled("Erinnerung").isEmpty()) << "not before the timer";
    ASSERT_TRUE(timer("Timer5")->isActive());
    EXPECT_EQ(timer("Timer5")->interval(), 6000);

    haupt->menuAction("gebaus")->trigger();  // from the next start; this run still checks
    tick("Timer5");
    const QList<ShownMessage> boxes = titled("Erinnerung");
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].text, "05.03   Oma");
    EXPECT_EQ(boxes[1].text, "05.03   Opa");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(timer("Timer5")->isActive());
    tick("Timer5");
    EXPECT_EQ(titled("Erinnerung").size(), 2) << "once per run";

    startWithReminders(false);
    EXPECT_FALSE(timer("Timer5")->isActive());
}

TEST_F(ExtrasWindowTest, EditorChecksInputCountsChangesAndAsksBeforeClosingUnsaved) {
    haupt->menuAction("gebbe")->trigger();
    ReminderPanel* panel = frame5();
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(panel->List2->count(), 1);
    EXPECT_EQ(panel->List2->item(0)->text(), "24.12   Weihnachten, ich brauche noch Geschenke.");

    fake.messageBox.script({MessageAnswer::Ok});
    panel->Text2->setText("6.12");
    panel->Text3->setText("Nikolaus");
    panel->Command4->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Falsche Datumseingabe");
    EXPECT_EQ(panel->Text2->text(), "6.12") << "the input stays for correcting";

    panel->Text2->setText(" 6.12");
    panel->Command4->click();
    ASSERT_EQ(panel->List2->count(), 2);
    EXPECT_EQ(panel->List2->item(1)->text(), " 6.12   Nikolaus");
    EXPECT_TRUE(panel->Text2->text().isEmpty() && panel->Text3->text().isEmpty());
    panel->List2->setCurrentRow(1);
    panel->Command5->click();
    panel->Command5->click();  // nothing selected any more
    EXPECT_EQ(panel->List2->count(), 1);
    EXPECT_EQ(panel->changes(), 2);

    fake.messageBox.script({MessageAnswer::No, MessageAnswer::Yes});
    panel->Command7->click();
    EXPECT_TRUE(panel->isVisible());
    const ShownMessage& question = fake.messageBox.shown().last();
    EXPECT_EQ(question.title, "Vorsicht! Damit ihre Arbeit nicht umsonst war.");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(question.text.endsWith("verloren! "));
    panel->Command7->click();
    EXPECT_FALSE(panel->isVisible());

    haupt->menuAction("gebbe")->trigger();
    panel->Command6->click();
    EXPECT_EQ(panel->changes(), 0);
    panel->Command7->click();
    EXPECT_FALSE(panel->isVisible()) << "saved: closes without asking";
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join('\n').toStdString();
}

TEST_F(ExtrasWindowTest, AlarmSetsTheTitleOnceRingsAnimatesAndStops) {
    haupt->menuAction("wecker")->trigger();
    frame3()->VScroll1->setValue(7);
    frame3()->VScroll2->setValue(5);
    EXPECT_EQ(frame3()->Label4->text(), "07");
    EXPECT_EQ(frame3()->Label5->text(), "05");
    frame3()->Command2->click();
    EXPECT_FALSE(frame3()->isVisible());
    setAlarm(14, 8);  // a minute after the fake clock's 14:07:09
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000   |  Wecker ist aktiv");
    ASSERT_TRUE(timer("Timer1")->isActive());
    EXPECT_EQ(timer("Timer1")->interval(), 5000);

    // The title's suffix does not reach boxes titled with the program's name.
    const int before = fake.messageBox.shown().size();
    search("Lyriker");
    QTest::mouseClick(haupt->windowHandle(), Qt::RightButton, {},
                      List1(*haupt)->viewport()->mapTo(haupt.get(), QPoint(5, 200)));
    ASSERT_EQ(fake.messageBox.shown().size(), before + 1);
    EXPECT_EQ(fake.messageBox.shown().last().text, "Keinen Eintrag angeklickt!");
    EXPECT_EQ(fake.messageBox.shown().last().title, "Vondrik 2000");

    tick("Timer1");
    EXPECT_FALSE(frame4()->isVisible());
    fake.clock.advanceMs(55000);  // 14:08:04
    tick("Timer1");
    ASSERT_TRUE(frame4()->isVisible());
    EXPECT_TRUE(frame4()->Command17->isVisible());
    EXPECT_EQ(frame4()->Command17->geometry().top(), frame4()->geometry().bottom() + 1);
    EXPECT_FALSE(timer("Timer1")->isActive());
    EXPECT_TRUE(timer("Timer2")->isActive() && timer("Timer3")->isActive());

    // Switched off in the sound panel, the clock still moves but stays silent.
    haupt->menuAction("töne")->trigger();
    Frame8(*haupt)->findChild<QRadioButton*>("Option3_1")->click();
    Frame8(*haupt)->Command16->click();
    const qsizetype sounds = fake.sound.played.size();  // the search's own sound
    tick("Timer2");
    tick("Timer2");
    tick("Timer3");
    EXPECT_TRUE(frame4()->Picture1[1]->isVisible());
    EXPECT_EQ(frame4()->childAt(frame4()->Picture1[0]->geometry().center()), frame4()->Picture1[1]);
    EXPECT_EQ(fake.sound.played.size(), sounds);

    // Cancelling the alarm while it rings only resets the title.
    haupt->menuAction("wecker")->trigger();
    frame3()->Command3->click();
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000");
    EXPECT_TRUE(frame4()->isVisible());
    EXPECT_TRUE(timer("Timer2")->isActive());

    QTest::mouseClick(frame4()->Picture1[1], Qt::LeftButton);
    EXPECT_FALSE(frame4()->isVisible() || frame4()->Command17->isVisible());
    EXPECT_FALSE(frame4()->Picture1[1]->isVisible());
    EXPECT_FALSE(timer("Timer2")->isActive() || timer("Timer3")->isActive());
}

TEST_F(ExtrasWindowTest, TheAlarmSoundRepeatsWhileRingingUntilStopped) {
    setAlarm(14, 7);
    tick("Timer1");
    ASSERT_TRUE(timer("Timer3")->isActive());
    tick("Timer3");
    tick("Timer3");
    ASSERT_EQ(fake.sound.played.size(), 2);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/alarm.wav"));
    frame4()->Command17->click();
    EXPECT_FALSE(frame4()->isVisible());
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000   |  Wecker ist aktiv") << "stays after ringing";
}

}  // namespace
}  // namespace vondrik::test
