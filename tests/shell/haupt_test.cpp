// The main window's load and close sequences, menu, greeting, activation and function keys.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include "haupt_fixture.h"
#include "puzzles/pyramid_window.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik::test {
namespace {

TEST_F(HauptTest, LoadsScaledWithTheMenuAsTheUserSeesIt) {
    EXPECT_TRUE(fake.messageBox.shown().isEmpty()) << messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(haupt->windowTitle(), "Vondrik 2000");
    ASSERT_TRUE(haupt->session().isOpen());
    EXPECT_EQ(haupt->session().auswahl().RecordCount(), 7);  // two-letter words beginning with E
    EXPECT_FALSE(Image1(*haupt)->pixmap().isNull());
    EXPECT_TRUE(Image1(*haupt)->isVisible());
    EXPECT_FALSE(List1(*haupt)->isVisible());
    // The whole window fits the screen, filling it in the tighter direction.
    const QRect area = haupt->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(haupt->frameGeometry()));
    EXPECT_TRUE(haupt->frameGeometry().width() >= area.width() * 9 / 10 ||
                haupt->frameGeometry().height() >= area.height() * 9 / 10);
    // The panel spans the whole client width after scaling, whatever the screen.
    EXPECT_EQ(Frame1(*haupt)->width(), haupt->centralWidget()->width());
    // The controls are placed for that one size: the window keeps it and cannot be maximised.
    const QSize fitted = haupt->size();
    haupt->resize(800, 500);
    EXPECT_EQ(haupt->size(), fitted);
    EXPECT_EQ(haupt->minimumSize(), haupt->maximumSize());
    EXPECT_FALSE(haupt->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(haupt->windowFlags() & Qt::WindowMinimizeButtonHint);
    haupt->showMaximized();  // as a window manager may do all the same
    EXPECT_TRUE(QTest::qWaitFor([&] { return !haupt->isMaximized(); }));
    EXPECT_EQ(haupt->size(), fitted);

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
}

TEST_F(HauptTest, EachFailingLoadStepReportsAndLoadingGoesOn) {
    QFile::remove(app.file("daten/keystroke.ttf"));
    QFile::remove(app.file("hintergrund/h7.jpg"));
    start();
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    for (const auto& m : fake.messageBox.shown()) {
        EXPECT_EQ(m.text, "Fehlermeldung");
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
    EXPECT_TRUE(fake.messageBox.shown()[0].title.contains("keystroke.ttf"));
    EXPECT_TRUE(fake.messageBox.shown()[1].title.contains("h7.jpg"));
    EXPECT_EQ(Text1(*haupt)->text(), "Guten Tag");  // later steps still ran
    // The other font came all the same.
    const int lcd = QFontDatabase::addApplicationFont(app.file("daten/lcd.ttf"));
    EXPECT_EQ(Label2(*haupt)->font().families(), QFontDatabase::applicationFontFamilies(lcd));
}

// A restore interrupted between moving the old dictionary aside and putting the new one in
// place: the start puts the complete file back instead of refusing with "Fehler in Datenbank".
TEST_F(HauptTest, StartFinishesWhatAnInterruptedRestoreLeft) {
    haupt.reset();
    ASSERT_TRUE(QFile::rename(app.dictionaryPath(), app.dictionaryPath() + ".bisher"));
    start();
    EXPECT_TRUE(fake.messageBox.shown().isEmpty()) << messageTexts().join(u'|').toStdString();
    EXPECT_FALSE(search("h#m#r").filter("HOMER").isEmpty());
    EXPECT_FALSE(QFile::exists(app.dictionaryPath() + ".bisher"));
}

TEST_F(HauptTest, AnUnreadableBackgroundIsReportedOnceAndTheDefaultTakesItsPlace) {
    const QString notAPicture = app.file("daten/kein_bild.jpg");
    ASSERT_TRUE(writeLines(notAPicture, {"kein Bild"}));
    haupt->close();
    QStringList ini = *readLines(app.file("vondrik.ini"));
    ini[5] = notAPicture;
    ASSERT_TRUE(writeLines(app.file("vondrik.ini"), ini));
    start();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].title.contains("kein_bild.jpg"));
    EXPECT_FALSE(Image1(*haupt)->pixmap().isNull());
    haupt->close();
    start();
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(haupt->preferences().picture, Preferences::defaults(fake.appFolder).picture);
}

TEST_F(HauptTest, GreetingFollowsTheHourAndAClickRemovesOnlyAGreeting) {
    const struct {
        int hour, minute;
        const char* greeting;
    } cases[] = {{11, 30, "Guten Morgen"}, {12, 0, "Guten Tag"}, {18, 59, "Guten Tag"},
                 {19, 0, "Guten Abend"},   {0, 30, ""},          {1, 0, "Guten Morgen"}};
    for (const auto& c : cases) {
        fake.clock.set(QDateTime(QDate(2026, 12, 6), QTime(c.hour, c.minute)));
        start();
        EXPECT_EQ(Text1(*haupt)->text(), c.greeting) << c.hour << ":" << c.minute;
    }
    QTest::mouseClick(Text1(*haupt), Qt::LeftButton);
    EXPECT_EQ(Text1(*haupt)->text(), "");
    Text1(*haupt)->setText("Guten Tag!");
    QTest::mouseClick(Text1(*haupt), Qt::LeftButton);
    EXPECT_EQ(Text1(*haupt)->text(), "Guten Tag!");
}

TEST_F(HauptTest, ComingBackToTheWindowSelectsThePatternForTheNextInput) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Text1(*haupt)->setText("haus");
    Text1(*haupt)->deselect();
    haupt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt.get()));
    EXPECT_TRUE(Text1(*haupt)->hasFocus());
    EXPECT_EQ(Text1(*haupt)->selectedText(), "haus");
}

TEST_F(HauptTest, EndeClosesTheWindowTheDatabaseAndTheOtherWindows) {
    QWidget other;
    other.show();
    haupt->menuAction("enden")->trigger();
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_FALSE(haupt->session().isOpen());
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(QFile::exists(app.file("vondrik.ini")));
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
        haupt->searches().state().dagr = 0;
        QTest::keyRelease(Text1(*haupt), c.key, c.modifiers);
        EXPECT_EQ(haupt->searches().state().dagr, c.dagr) << c.key << " " << int(c.modifiers);
        QWidget* dialog = openInputDialog();
        EXPECT_EQ(dialog != nullptr, c.dagr != 0);
        if (dialog) {
            dialog->close();
        }
    }
}

TEST_F(HauptTest, PyraOpensThePyramidWindowOnce) {
    QAction* pyra = haupt->menuAction("pyra");
    ASSERT_TRUE(pyra->isEnabled());
    pyra->trigger();
    pyra->trigger();  // shows the window already open
    const QList<Form4*> windows = haupt->findChildren<Form4*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(haupt->isEnabled());  // an ordinary window beside the main window
}

}  // namespace
}  // namespace vondrik::test
