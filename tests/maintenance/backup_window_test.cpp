// The backup window opened from the main window's menu: a backup, a restore the main window's
// searches see at once, and failures that leave the window usable.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "maintenance/backup_window.h"
#include "maintenance/dictionary_backup.h"
#include "shell/haupt_fixture.h"

namespace vondrik::test {
namespace {

// What the window looked like while a run was going on, taken from inside the run.
struct DuringRun {
    bool taken = false;
    bool buttonsEnabled = true;
    bool barVisible = false;
    bool stillOpenAfterClose = false;
};

class BackupWindowTest : public HauptTest {
  protected:
    void openForm() {
        haupt->menuAction(QStringLiteral("sic"))->trigger();
        form = haupt->findChild<Form3*>(QStringLiteral("Form3"));
        ASSERT_TRUE(form);
        ASSERT_TRUE(form->isVisible());
    }

    // Clicks a button and meanwhile, at the first chance the run gives events, tries to close
    // the window by its close box and notes what the window shows.
    void clickWatchingRun(QPushButton* start) {
        QTimer::singleShot(0, form, [this] {
            during.taken = true;
            during.buttonsEnabled = button("Command1")->isEnabled() ||
                                    button("Command2")->isEnabled() ||
                                    button("Command3")->isEnabled();
            during.barVisible = child(form, "Bar1")->isVisible();
            form->close();
            during.stillOpenAfterClose = form->isVisible();
        });
        start->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPushButton* button(const char* name) const { return child<QPushButton>(form, name); }
    QByteArray bytes(const char* relative) const { return bytesOf(app.file(relative)); }

    void expectUsableAfterFailure(const QString& text) {
        ASSERT_FALSE(fake.messageBox.shown().isEmpty());
        const ShownMessage& m = fake.messageBox.shown().last();
        EXPECT_EQ(m.icon, MessageIcon::Critical);
        EXPECT_TRUE(m.text.contains(text)) << m.text.toStdString();
        ASSERT_FALSE(form.isNull());
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(button("Command1")->isEnabled());
        EXPECT_FALSE(child(form, "Bar1")->isVisible());
    }

    QPointer<Form3> form;
    DuringRun during;
};

TEST_F(BackupWindowTest, BackupWritesTheSetWhileTheWindowHoldsStillAndThenCloses) {
    openForm();
    EXPECT_TRUE(form->isModal());
    clickWatchingRun(button("Command1"));
    EXPECT_FALSE(during.buttonsEnabled);
    EXPECT_TRUE(during.barVisible);
    EXPECT_TRUE(during.stillOpenAfterClose);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());

    for (int length = 2; length <= 15; ++length) {
        EXPECT_TRUE(QFile::exists(app.file(QStringLiteral("Sicherung/%1.dat").arg(length))));
    }
}

TEST_F(BackupWindowTest, RestoreBringsTheDictionaryBackAndTheMainWindowFindsItAtOnce) {
    ASSERT_TRUE(backupDictionary(haupt->session(), fake.appFolder).ok);
    haupt->session().execute(QStringLiteral("DELETE FROM fuenf WHERE Begriff = 'Homer'"));
    ASSERT_TRUE(search("h#m#r").filter("HOMER").isEmpty());

    openForm();
    bool finishedWithFertig = false;
    QObject::connect(form, &QDialog::finished, form, [&] {
        auto* label = child<QLabel>(form, "Label2");
        finishedWithFertig = label->text() == "fertig" && !label->isHidden();
    });
    clickWatchingRun(button("Command3"));
    EXPECT_TRUE(during.stillOpenAfterClose);
    EXPECT_TRUE(finishedWithFertig);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());

    EXPECT_TRUE(search("h#m#r").contains("HOMER\tgriechischer Dichter der Odyssee"));
    EXPECT_EQ(bytes("daten/anzup.sis"), bytes("Sicherung/upd.int"));
}

TEST_F(BackupWindowTest, FailuresAreToldAndLeaveTheWindowAndTheOldDictionaryUsable) {
    openForm();
    button("Command3")->click();
    EXPECT_EQ(messageTexts(), QStringList{"Es liegt keine Sicherung vor"});
    EXPECT_TRUE(button("Command3")->isEnabled());

    // A file where the new set's folder would go stops the backup before it writes anything.
    writeBytes(app.file("Sicherung.neu"), "");
    button("Command1")->click();
    expectUsableAfterFailure("Sicherung.neu");
    QFile::remove(app.file("Sicherung.neu"));

    // A garbled second line of the five-letter file.
    ASSERT_TRUE(backupDictionary(haupt->session(), fake.appFolder).ok);
    QByteArray five = bytes("Sicherung/5.dat");
    five.replace(five.indexOf('\n') + 1, 2, "XY");
    writeBytes(app.file("Sicherung/5.dat"), five);
    const QByteArray before = bytes("daten/daten.mdb");

    button("Command3")->click();
    expectUsableAfterFailure("5.dat ist in Zeile 2 fehlerhaft");
    EXPECT_EQ(bytes("daten/daten.mdb"), before);
    button("Command2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(search("h#m#r").contains("HOMER\tgriechischer Dichter der Odyssee"));
}

}  // namespace
}  // namespace vondrik::test
