// Reminders and the alarm clock in the real main window: the check after start, the reminder
// editor, and setting, ringing and stopping the alarm. Timers tick by hand.
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "extras/reminder_panel.h"
#include "shell/haupt_fixture.h"
#include "shell/settings_file.h"
#include "support/helpers.h"

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
    // The suffix does not reach boxes titled with the program's name.
    search("Lyriker");
    QTest::mouseClick(haupt->windowHandle(), Qt::RightButton, {},
                      List1(*haupt)->viewport()->mapTo(haupt.get(), QPoint(5, 200)));
    EXPECT_EQ(fake.messageBox.shown().last().title, "Vondrik 2000");

    fake.clock.advanceMs(55000);
    tick("Timer1");
    ASSERT_TRUE(panel("Frame4")->isVisible() && panel("Command17")->isVisible());
    tick("Timer2");
    tick("Timer3");
    EXPECT_TRUE(fake.sound.played.last().path.endsWith("ton/alarm.wav"));
    haupt->menuAction("wecker")->trigger();
    in<QPushButton>("Frame3", "Command3")->click();  // cancelling only resets the title
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000");
    EXPECT_TRUE(timer("Timer2")->isActive());
    QTest::mouseClick(child(panel("Frame4"), "Picture1", 0), Qt::LeftButton);
    EXPECT_FALSE(panel("Frame4")->isVisible() || panel("Command17")->isVisible());
    EXPECT_FALSE(timer("Timer2")->isActive() || timer("Timer3")->isActive());
}

}  // namespace
}  // namespace vondrik::test
