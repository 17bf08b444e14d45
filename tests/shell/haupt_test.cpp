// The main window's load and close sequences, function keys, the windows its menu
// opens, and its pattern and combined searches (their rules are tested in tests/search).
#include <QAction>
#include <QFile>
#include <QFontDatabase>

#include "dictionary/cleaning.h"
#include "dictionary/text.h"
#include "haupt_fixture.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik::test {
namespace {

TEST_F(HauptTest, LoadsFittedToTheScreenAtASizeItKeeps) {
    EXPECT_TRUE(fake.messageBox.shown().isEmpty()) << messageTexts().join(u'\n').toStdString();
    ASSERT_TRUE(haupt->session().isOpen());
    EXPECT_TRUE(Image1(*haupt)->isVisible() && !List1(*haupt)->isVisible());
    EXPECT_TRUE(haupt->screen()->availableGeometry().contains(haupt->frameGeometry()));
    // The controls are placed for that one size: the window keeps it, also when a window
    // manager maximises it all the same.
    const QSize fitted = haupt->size();
    haupt->resize(800, 500);
    EXPECT_EQ(haupt->size(), fitted);
    haupt->showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !haupt->isMaximized(); }));
    EXPECT_EQ(haupt->size(), fitted);
}

TEST_F(HauptTest, EachFailingLoadStepReportsAndLoadingGoesOn) {
    QFile::remove(app.file("daten/keystroke.ttf"));
    QFile::remove(app.file("hintergrund/h7.jpg"));
    start();
    EXPECT_EQ(messageTexts(), QStringList(2, "Fehlermeldung"));
    EXPECT_TRUE(fake.messageBox.shown()[0].title.contains("keystroke.ttf"));
    EXPECT_TRUE(fake.messageBox.shown()[1].title.contains("h7.jpg"));
    EXPECT_EQ(Text1(*haupt)->text(), "Guten Tag");  // later steps still ran
    // The other font came all the same.
    const int lcd = QFontDatabase::addApplicationFont(app.file("daten/lcd.ttf"));
    EXPECT_EQ(control<QLabel>(*haupt, "Label2")->font().families(),
              QFontDatabase::applicationFontFamilies(lcd));
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

TEST_F(HauptTest, EndeClosesTheWindowTheDatabaseAndTheOtherWindows) {
    QWidget other;
    other.show();
    haupt->menuAction("enden")->trigger();
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_FALSE(haupt->session().isOpen());
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(QFile::exists(app.file("vondrik.ini")));
}

// A function key clicks a length button: the dialog it opens searches that length's table.
TEST_F(HauptTest, FunctionKeysClickTheLengthButtons) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* table;  // nullptr: nothing happens
    } cases[] = {
        {Qt::Key_F3, Qt::NoModifier, "drei"},    {Qt::Key_F3, Qt::ShiftModifier, "dreizehn"},
        {Qt::Key_F1, Qt::NoModifier, nullptr},   {Qt::Key_F1, Qt::ControlModifier, "elf"},
        {Qt::Key_F8, Qt::ShiftModifier, "acht"}, {Qt::Key_F10, Qt::NoModifier, "zehn"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table ? c.table : "nichts");
        QTest::keyRelease(Text1(*haupt), c.key, c.modifiers);
        QWidget* dialog = haupt->findChild<QWidget*>("Eingabetext");
        ASSERT_EQ(dialog != nullptr && dialog->isVisible(), c.table != nullptr);
        if (dialog) {
            QTest::keyClicks(child(dialog, "Text1"), " ");
            QTest::keyClick(child(dialog, "Text1"), Qt::Key_Return);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(haupt->session().sql().startsWith(
                QStringLiteral("Select * from %1 ").arg(c.table)));
        }
    }
}

// Ordinary windows beside the main window, each opened once however often its item is chosen;
// one closed a moment ago, still waiting for its deletion, is not the one shown again.
TEST_F(HauptTest, MenuItemsOpenTheirWindowsOnce) {
    const auto openWindows = [this] {
        QList<QWidget*> windows;
        for (QWidget* w : haupt->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow() && w->isVisible()) {
                windows << w;
            }
        }
        return windows;
    };
    for (const char* item :
         {"pyra", "schneck", "trepp", "spielen", "daupaus", "info", "notebook"}) {
        SCOPED_TRACE(item);
        haupt->menuAction(item)->trigger();
        haupt->menuAction(item)->trigger();
        ASSERT_EQ(openWindows().size(), 1);
        EXPECT_TRUE(haupt->isEnabled());
        openWindows()[0]->close();
        haupt->menuAction(item)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(openWindows().size(), 1);
        openWindows()[0]->close();
    }
}

// Expected result lines, worked out from the fixture file independently of the search code.
QStringList expectedLines(int length, const std::function<bool(const QString& upper)>& fits) {
    QStringList lines;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        if (fits(upperKeepLength(e.begriff))) {
            lines << resultLine(e.begriff, e.bedeutung);
        }
    }
    return lines;
}

TEST_F(HauptTest, EnterListsTheHitsOrShowsThePictureAndATooShortPatternGetsTheMessage) {
    const QStringList expected = expectedLines(8, [](const QString& w) { return w[3] == u'R'; });
    ASSERT_GE(expected.size(), 3);
    EXPECT_EQ(search("###r####"), expected);
    EXPECT_EQ(control<QLabel>(*haupt, "Label2")->text(), QString::number(expected.size()));
    EXPECT_TRUE(List1(*haupt)->isVisible() && !Image1(*haupt)->isVisible());
    EXPECT_EQ(Text1(*haupt)->selectedText(), "###r####");
    search("r'e's'l'");
    EXPECT_EQ(Text1(*haupt)->text(), "r#e#s#l#");  // the box shows the cleaned pattern

    EXPECT_TRUE(search("xxxxxxxx").isEmpty());
    EXPECT_EQ(control<QLabel>(*haupt, "Label2")->text(), "0");
    EXPECT_TRUE(Image1(*haupt)->isVisible() && !List1(*haupt)->isVisible());
    ASSERT_EQ(fake.sound.played.size(), 3);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/glocke.wav"));
    EXPECT_TRUE(fake.sound.played[2].path.endsWith("ton/oooch.wav"));
    for (const char* pattern : {"a", ""}) {
        EXPECT_TRUE(search(QString::fromUtf8(pattern)).isEmpty()) << pattern;
    }
    EXPECT_EQ(messageTexts(), QStringList(2, "Sie müssen schon ein paar Buchstaben eingeben!"));
}

TEST_F(HauptTest, CombinedSearchNarrowsByTheMeaning) {
    Check1(*haupt)->setChecked(true);
    fake.inputBox.script({"dicht'er"});
    const QStringList lines = search("#####");
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    const QStringList expected = expectedLines(5, [](const QString&) {
                                     return true;
                                 }).filter("dichter", Qt::CaseInsensitive);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(lines, expected);

    // Cancelling the question keeps the list; it comes before the length check.
    fake.inputBox.script({"", ""});
    EXPECT_EQ(search("#####"), lines);
    EXPECT_EQ(fake.sound.played.size(), 1);
    search("a");
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
