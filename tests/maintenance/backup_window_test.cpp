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
    void clickWatchingRun(QPushButton* button) {
        QTimer::singleShot(0, form, [this] {
            during.taken = true;
            during.buttonsEnabled = form->Command1->isEnabled() || form->Command2->isEnabled() ||
                                    form->Command3->isEnabled();
            during.barVisible = form->Bar1->isVisible();
            form->close();
            during.stillOpenAfterClose = form->isVisible();
        });
        button->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QByteArray bytesOf(const QString& relative) const {
        QFile file(app.file(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    void expectUsableAfterFailure(const QString& text) {
        ASSERT_FALSE(fake.messageBox.shown().isEmpty());
        const ShownMessage& m = fake.messageBox.shown().last();
        EXPECT_EQ(m.icon, MessageIcon::Critical);
        EXPECT_TRUE(m.text.contains(text)) << m.text.toStdString();
        ASSERT_FALSE(form.isNull());
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->Command1->isEnabled());
        EXPECT_FALSE(form->Bar1->isVisible());
    }

    QPointer<Form3> form;
    DuringRun during;
};

TEST_F(BackupWindowTest, BackupWritesTheSetWhileTheWindowHoldsStillAndThenCloses) {
    openForm();
    EXPECT_EQ(form->windowTitle(), "Datensicherung");
    EXPECT_EQ(form->Command1->text(), "Datenbank sichern");
    EXPECT_EQ(form->Command3->text(), "gesicherte Daten zurückschreiben");
    EXPECT_EQ(form->Command2->text(), "ABBRECHEN");
    EXPECT_TRUE(form->isModal());

    clickWatchingRun(form->Command1);
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
        finishedWithFertig = form->Label2->text() == "fertig" && !form->Label2->isHidden();
    });
    clickWatchingRun(form->Command3);
    EXPECT_TRUE(during.stillOpenAfterClose);
    EXPECT_TRUE(finishedWithFertig);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());

    EXPECT_TRUE(search("h#m#r").contains("HOMER\tgriechischer Dichter der Odyssee"));
    EXPECT_EQ(bytesOf("daten/anzup.sis"), bytesOf("Sicherung/upd.int"));
}

TEST_F(BackupWindowTest, FailuresAreToldAndLeaveTheWindowAndTheOldDictionaryUsable) {
    openForm();
    form->Command3->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Es liegt keine Sicherung vor");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "HINWEIS");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::None);
    EXPECT_TRUE(form->Command3->isEnabled());

    // A file where the new set's folder would go stops the backup before it writes anything.
    QFile blocker(app.file("Sicherung.neu"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    form->Command1->click();
    expectUsableAfterFailure("Sicherung.neu");
    QFile::remove(app.file("Sicherung.neu"));

    // A garbled second line of the five-letter file.
    ASSERT_TRUE(backupDictionary(haupt->session(), fake.appFolder).ok);
    QFile five(app.file("Sicherung/5.dat"));
    ASSERT_TRUE(five.open(QIODevice::ReadWrite));
    QByteArray bytes = five.readAll();
    bytes.replace(bytes.indexOf('\n') + 1, 2, "XY");
    five.seek(0);
    five.write(bytes);
    five.close();
    const QByteArray before = bytesOf("daten/daten.mdb");

    form->Command3->click();
    expectUsableAfterFailure("5.dat ist in Zeile 2 fehlerhaft");
    EXPECT_EQ(bytesOf("daten/daten.mdb"), before);
    form->Command2->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(search("h#m#r").contains("HOMER\tgriechischer Dichter der Odyssee"));
}

}  // namespace
}  // namespace vondrik::test
