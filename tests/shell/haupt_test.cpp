// The main window's load sequence, menu, greeting, function keys and notebook shift.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "haupt_fixture.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"
#include "ui/twips.h"

namespace vondrik::test {
namespace {

TEST_F(HauptTest, LoadsWithoutAnyErrorMessage) {
    for (const auto& m : fake.messageBox.shown()) {
        ADD_FAILURE() << m.text.toStdString() << ": " << m.title.toStdString();
    }
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000");
    ASSERT_TRUE(haupt->DB);
    EXPECT_EQ(haupt->Auswahl.RecordCount(), 7);  // two-letter words beginning with E
    EXPECT_FALSE(haupt->Image1->pixmap().isNull());
    EXPECT_TRUE(haupt->Image1->isVisible());
    EXPECT_FALSE(haupt->List1->isVisible());
    EXPECT_EQ(haupt->pos(), QPoint(0, 0));
}

TEST_F(HauptTest, MissingDictionaryEndsTheProgramWithItsMessage) {
    QFile::remove(app.dictionaryPath());
    Haupt second(fake.platform);
    EXPECT_FALSE(second.load());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Fehler in Datenbank");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehlermeldung Nr.1");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::Critical);
}

TEST_F(HauptTest, EachFailingLoadStepReportsAndLoadingGoesOn) {
    QFile::remove(app.file("daten/lcd.ttf"));
    QFile::remove(app.file("hintergrund/h7.jpg"));
    start();
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    for (const auto& m : fake.messageBox.shown()) {
        EXPECT_EQ(m.text, "Fehlermeldung");
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
    EXPECT_TRUE(fake.messageBox.shown()[0].title.contains("lcd.ttf"));
    EXPECT_TRUE(fake.messageBox.shown()[1].title.contains("h7.jpg"));
    EXPECT_EQ(haupt->Text1->text(), "Guten Tag");  // later steps still ran
}

TEST_F(HauptTest, GreetingFollowsTheHour) {
    const struct {
        QTime time;
        const char* greeting;
    } cases[] = {{QTime(11, 30), "Guten Morgen"},
                 {QTime(12, 0), "Guten Tag"},
                 {QTime(18, 59), "Guten Tag"},
                 {QTime(19, 0), "Guten Abend"},
                 {QTime(0, 30), ""},
                 {QTime(1, 0), "Guten Morgen"}};
    for (const auto& c : cases) {
        fake.clock.set(QDateTime(QDate(2026, 12, 6), c.time));
        start();
        EXPECT_EQ(haupt->Text1->text(), c.greeting) << c.time.toString().toStdString();
    }
}

TEST_F(HauptTest, ClickRemovesOnlyAGreeting) {
    QTest::mouseClick(haupt->Text1, Qt::LeftButton);
    EXPECT_EQ(haupt->Text1->text(), "");
    haupt->Text1->setText("Guten Tag!");
    QTest::mouseClick(haupt->Text1, Qt::LeftButton);
    EXPECT_EQ(haupt->Text1->text(), "Guten Tag!");
}

TEST_F(HauptTest, MenuCaptionsAsTheUserSeesThem) {
    QStringList top;
    for (QAction* a : haupt->menuBar()->actions()) {
        top << a->text();
    }
    EXPECT_EQ(top,
              QStringList({"Einstellungen", "Daten", "&Buchstabendurcheinander",
                           "eigene Rätsel erstellen", "&Rätselspiel", "Extras", "Hilfe", "Ende"}));
    EXPECT_EQ(haupt->menuAction("standard")->text(), "Standardardeinstellung &wiederherstellen");
    EXPECT_EQ(haupt->menuAction("Hilfetext")->text(), "zusäztliche Hilfetexte");
    EXPECT_EQ(haupt->menuAction("anzdasa")->text(), "aktuelle Datenbankgrösse");
    EXPECT_TRUE(haupt->menuAction("enden")->isEnabled());
    EXPECT_FALSE(haupt->menuAction("pyra")->isEnabled());
}

TEST_F(HauptTest, EndeClosesTheWindowAndTheDatabase) {
    haupt->menuAction("enden")->trigger();
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_FALSE(haupt->DB->isOpen());
}

QWidget* openInputDialog() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "Eingabetext" && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

TEST_F(HauptTest, FunctionKeysClickTheLengthButtons) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int dagr;  // 0: nothing happens
    } cases[] = {{Qt::Key_F3, Qt::NoModifier, 3},   {Qt::Key_F3, Qt::ShiftModifier, 13},
                 {Qt::Key_F1, Qt::NoModifier, 0},   {Qt::Key_F1, Qt::ControlModifier, 11},
                 {Qt::Key_F5, Qt::AltModifier, 15}, {Qt::Key_F8, Qt::ShiftModifier, 8},
                 {Qt::Key_F10, Qt::NoModifier, 10}, {Qt::Key_F2, Qt::NoModifier, 2}};
    for (const auto& c : cases) {
        haupt->dagr = 0;
        QTest::keyRelease(haupt->Text1, c.key, c.modifiers);
        EXPECT_EQ(haupt->dagr, c.dagr) << c.key << " " << int(c.modifiers);
        QWidget* dialog = openInputDialog();
        EXPECT_EQ(dialog != nullptr, c.dagr != 0);
        if (dialog) {
            dialog->close();
        }
    }
}

TEST_F(HauptTest, NotebookFileShiftsListPictureAndPanel) {
    const int listHeight = haupt->List1->height();
    const int panelTop = haupt->Frame1->y();
    ASSERT_TRUE(writeLines(app.file("nt.dat"), {" 500"}));
    start();
    const int shift = twipsToPixels(500);
    EXPECT_EQ(haupt->List1->height(), listHeight - shift);
    EXPECT_EQ(haupt->Image1->height(), listHeight - shift);  // both measured from the list
    EXPECT_EQ(haupt->Frame1->y(), panelTop - shift);
    EXPECT_EQ(haupt->listBaseHeight(), pixelsToTwips(listHeight));

    ASSERT_TRUE(writeLines(app.file("nt.dat"), {"kaputt"}));
    start();
    EXPECT_EQ(haupt->Frame1->y(), panelTop);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(HauptTest, WindowIsScaledToTheScreenWidth) {
    // Measured while hidden, when the window has no frame yet.
    EXPECT_EQ(haupt->width(), haupt->screen()->geometry().width());
    // The panel spans the whole client width after scaling, whatever the screen.
    EXPECT_EQ(haupt->Frame1->width(), haupt->centralWidget()->width());
}

}  // namespace
}  // namespace vondrik::test
