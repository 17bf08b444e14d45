// The backup window opened from the main window's menu: a backup and a restore the main
// window's searches see at once; the damaged backups are tested with the logic.
#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "maintenance/backup_window.h"
#include "shell/haupt_fixture.h"

namespace vondrik::test {
namespace {

class BackupWindowTest : public HauptTest {
  protected:
    void openForm() {
        haupt->menuAction(QStringLiteral("sic"))->trigger();
        form = haupt->findChild<Form3*>(QStringLiteral("Form3"));
        ASSERT_TRUE(form && form->isVisible());
    }

    // Clicks a button and meanwhile, at the first chance the run gives events, tries to close
    // the window by its close box: a run holds the window still, with its buttons disabled.
    void clickWatchingRun(const char* start) {
        bool heldStill = false;
        const qsizetype told = fake.messageBox.shown().size();
        QTimer::singleShot(0, form, [&] {
            const bool buttonsEnabled = button("Command1")->isEnabled() ||
                                        button("Command2")->isEnabled() ||
                                        button("Command3")->isEnabled();
            const bool barVisible = child(form, "Bar1")->isVisible();
            form->close();
            heldStill = !buttonsEnabled && barVisible && form->isVisible();
        });
        button(start)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(heldStill);
        EXPECT_TRUE(form.isNull());  // closed when done
        EXPECT_EQ(fake.messageBox.shown().size(), told);
    }

    QPushButton* button(const char* name) const { return child<QPushButton>(form, name); }
    QByteArray bytes(const char* relative) const { return bytesOf(app.file(relative)); }

    QPointer<Form3> form;
};

// Without a backup, restore says so and the window stays; then a backup and a restore.
TEST_F(BackupWindowTest, BackupAndRestoreBringTheDictionaryBackAndTheMainWindowFindsItAtOnce) {
    writeBytes(app.file("daten/anzup.sis"), " 7 \r\n");
    openForm();
    EXPECT_TRUE(form->isModal());
    button("Command3")->click();
    EXPECT_EQ(messageTexts(), QStringList{"Es liegt keine Sicherung vor"});
    clickWatchingRun("Command1");
    EXPECT_EQ(bytes("Sicherung/upd.int"), " 7 \r\n");
    EXPECT_TRUE(QFile::exists(app.file("Sicherung/15.dat")));

    haupt->session().execute(QStringLiteral("DELETE FROM fuenf WHERE Begriff = 'Homer'"));
    writeBytes(app.file("daten/anzup.sis"), " 9 \r\n");
    ASSERT_TRUE(search("h#m#r").filter("HOMER").isEmpty());
    openForm();
    clickWatchingRun("Command3");
    EXPECT_TRUE(search("h#m#r").contains("HOMER\tgriechischer Dichter der Odyssee"));
    EXPECT_EQ(bytes("daten/anzup.sis"), " 7 \r\n");
}

}  // namespace
}  // namespace vondrik::test
