// Reminders and the alarm clock. On their own: the reminder file (reading whatever it holds,
// the checks of a new entry, saving, the check after start) and the alarm's timers stepped by
// hand on a fake clock. Then in the real main window: the check after start, the reminder
// editor, and setting, ringing and stopping the alarm. Timers tick by hand.
#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <string_view>

#include "extras/extras_controller.h"
#include "extras/reminder_check.h"
#include "extras/reminder_list.h"
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
using namespace std::string_view_literals;

class ExtrasTest : public ::testing::Test {
  protected:
    QString termPath() const { return app.file("daten/term.dat"); }
    QByteArray bytes() const { return bytesOf(termPath()); }
    void at(int hour, int minute, int second) {
        fake.clock.set(QDateTime(QDate(2024, 3, 5), QTime(hour, minute, second)));
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};  // 5 March 2024, 14:07:09
    ExtrasController extras{fake.appFolder, fake.clock, fake.sound};
};

TEST_F(ExtrasTest, ReminderEntryChecksRefuseWithTheirMessagesAndAllowWhatTheRulesAllow) {
    const struct {
        std::string_view date;
        const char* occasion;
        const char* title;  // empty: accepted
    } cases[] = {
        {"06.12", "Nikolaus", ""},
        {" 6.12", "Nikolaus", ""},  // accepted, but never matches a day
        {"31.02", "kein Tag", ""},  // the day is not held against the month
        {"6.12", "x", "Falsche Datumseingabe"},
        {"00.12", "x", "Falsche Datumseingabe"},
        {"32.12", "x", "Falsche Datumseingabe"},
        {"06.13", "x", "Falsche Datumseingabe"},
        {"06.12", "", "kein Anlass angegeben!"},
        {"xx.12", "", "Falsche Datumseingabe"},  // the date is checked first
        // Line ends and TABs read as nothing in a number, but would split the entry.
        {"1\n.05", "Test", "Falsche Datumseingabe"},
        {"01.\r5", "Test", "Falsche Datumseingabe"},
        {"1\t.05", "Test", "Falsche Datumseingabe"},
        {"01.5\0"sv, "Test", "Falsche Datumseingabe"},
        {"1..05", "x", ""},  // "1." reads as 1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date));
        const auto refusal = checkEntry(QString::fromUtf8(c.date.data(), qsizetype(c.date.size())),
                                        QString::fromUtf8(c.occasion));
        EXPECT_EQ(refusal ? refusal->title : QString(), c.title);
    }
    EXPECT_TRUE(remindsOn("06.12   Nikolaus", QDate(2024, 12, 6)));
    EXPECT_FALSE(remindsOn(" 6.12   Nikolaus", QDate(2024, 12, 6)));
}

TEST_F(ExtrasTest, ReminderEditorCreatesTheDefaultFileAndCountsAddsAndDeletesUntilSaved) {
    EXPECT_TRUE(ReminderCheck(fake.appFolder, fake.clock).step().isEmpty());
    EXPECT_FALSE(QFile::exists(termPath())) << "only the editor creates the file";
    ReminderList list(fake.appFolder);
    ASSERT_EQ(list.open(), "");
    EXPECT_EQ(bytes(), "24.12   Weihnachten, ich brauche noch Geschenke.\r\n");

    EXPECT_TRUE(list.add("06.12", "Nikolaus, Äpfel").has_value() == false);
    EXPECT_TRUE(list.add("6.12", "x").has_value());  // refused: nothing counted
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.changes(), 2);
    EXPECT_EQ(list.lines(), QStringList{"06.12   Nikolaus, Äpfel"});
    list.open();  // reopening reloads the file but keeps the count
    EXPECT_EQ(list.lines().size(), 1);
    EXPECT_EQ(list.changes(), 2);

    // Whatever is pasted into the occasion, the entry stays one line of the file.
    list.add("01.05", "Mai\r\nfeier");
    list.add("02.05", QString("Tab\there, NUL") + QChar(0) + "\x7f!");
    EXPECT_TRUE(list.add("1\n.05", "Test").has_value());
    ASSERT_EQ(list.save(), "");
    EXPECT_EQ(list.changes(), 0);
    EXPECT_EQ(bytes(),
              "24.12   Weihnachten, ich brauche noch Geschenke.\r\n01.05   Mai  feier\r\n"
              "02.05   Tabhere, NUL!\r\n");
}

TEST_F(ExtrasTest, GarbledReminderFilesReadLineByLineAndAFailedSaveKeepsFileAndCount) {
    // Bytes outside the code page, a NUL, UTF-8, lone line ends and lines shorter than a date.
    QByteArray garbled("05.03   Geburtstag \xe4\x81\xff\r\n");
    garbled += '\0';
    garbled += "\x01\n05.0\r05.03   M\xc3\xbcller\r\n\r\n05.03   Ende";
    writeBytes(termPath(), garbled);
    ReminderList list(fake.appFolder);
    ASSERT_EQ(list.open(), "");
    EXPECT_EQ(list.lines().size(), 4);  // lone line ends split no entry

    const QStringList due = ReminderCheck(fake.appFolder, fake.clock).step();
    ASSERT_EQ(due.size(), 2);
    EXPECT_TRUE(due[0].startsWith("05.03   Geburtstag"));
    EXPECT_EQ(due[1], "05.03   Ende");

    // A full disk, through a file size limit that holds even for root: the save fails and
    // says so, and the old file stays.
    list.remove(3);
    const QByteArray before = bytes();
    const QString problem = withFileSizeLimit(16, [&] { return list.save(); });
    EXPECT_TRUE(problem.contains("term.dat")) << problem.toStdString();
    EXPECT_EQ(list.changes(), 1);
    EXPECT_EQ(bytes(), before);
}

TEST_F(ExtrasTest, AlarmRingsOncePerActivationWithinAStepOfItsMinute) {
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

TEST_F(ExtrasTest, AlarmRingingGoesOnWhenCancelledAndTheSoundFollowsItsSwitch) {
    at(8, 0, 0);
    extras.activateAlarm(8, 0, "");
    ASSERT_TRUE(extras.timeCheckStep());
    extras.deactivateAlarm();
    EXPECT_EQ(extras.timers(), (Timers{false, true, true, false}));
    extras.soundStep(false, "/ton/alarm.wav");
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
