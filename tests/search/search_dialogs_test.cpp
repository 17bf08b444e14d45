// The two elliptic search dialogs over the real main window: the text search, opened by the
// length buttons, and the anagram search, opened by its menu item.
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "dictionary/cleaning.h"
#include "search/durcheinander.h"
#include "search/eingabetext.h"
#include "search/search_controller.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

constexpr int kSixLetters = 4;  // indices of the main window's length buttons
constexpr int kEightLetters = 6;
constexpr int kAllLengths = 14;

// Result lines of the fixture entries of a length whose word is one of `words` (all when
// empty), in table order.
QStringList fixtureLines(int length, const QStringList& words = {}) {
    QStringList lines;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        if (words.isEmpty() || words.contains(e.begriff)) {
            lines << resultLine(e.begriff, e.bedeutung);
        }
    }
    return lines;
}

class SearchDialogTest : public HauptTest {
  protected:
    // The visible dialog of that class, or nullptr once it has gone.
    template <class Dialog>
    static Dialog* visibleDialog() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(w);
            if (dialog != nullptr && dialog->isVisible()) {
                return dialog;
            }
        }
        return nullptr;
    }
    // Clicks a length button and returns the text dialog it opened.
    Eingabetext* openText(int buttonIndex) {
        QTest::mouseClick(child<QPushButton>(haupt->centralWidget(), "Command1", buttonIndex),
                          Qt::LeftButton);
        return visibleDialog<Eingabetext>();
    }
    Durcheinander* openAnagram() {
        haupt->menuAction(QStringLiteral("budu"))->trigger();
        return visibleDialog<Durcheinander>();
    }
    // Types into the box (characters beyond ASCII come in as a paste brings them) and
    // presses Enter.
    static void enter(QWidget* dialog, const char* box, const QString& text) {
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog";
            return;
        }
        auto* edit = child<QLineEdit>(dialog, box);
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        ascii ? QTest::keyClicks(edit, text) : edit->insert(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // After a dialog has gone, the main window is usable again with the pattern box focused
    // and its whole text selected for the next input.
    template <class Dialog>
    void expectMainWindowBack() {
        EXPECT_EQ(visibleDialog<Dialog>(), nullptr);
        EXPECT_TRUE(haupt->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([this] { return Text1(*haupt)->hasFocus(); }));
        EXPECT_EQ(Text1(*haupt)->selectedText(), Text1(*haupt)->text());
    }
};

TEST_F(SearchDialogTest, TextSearchNeedsAFirstTextSearchesCleanedAndForgetsTheSecond) {
    Eingabetext* dialog = openText(kSixLetters);
    ASSERT_TRUE(dialog);
    child(dialog, "Command3")->setFocus();  // the timer moves the focus into the first box
    ASSERT_TRUE(QMetaObject::invokeMethod(child<QTimer>(dialog, "Timer1"), "timeout"));
    EXPECT_EQ(dialog->focusWidget(), child(dialog, "Text1"));
    enter(dialog, "Text2", QStringLiteral("{Faust}"));  // no first text: nothing searched
    EXPECT_EQ(visibleDialog<Eingabetext>(), dialog);
    EXPECT_EQ(dialog->focusWidget(), child(dialog, "Text1"));
    const QPointer<QLineEdit> first = child<QLineEdit>(dialog, "Text1");
    const QPointer<QLineEdit> second = child<QLineEdit>(dialog, "Text2");
    QTest::keyClicks(first, QStringLiteral("Dich'ter"));
    QTest::keyClick(second, Qt::Key_Enter);
    // Braces kept as a character class would find nothing; so would the apostrophe.
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"GOETHE\tdeutscher Dichter (Faust)"});
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), "Dichter");
    EXPECT_EQ(second->text(), "(Faust)");
    expectMainWindowBack<Eingabetext>();

    dialog = openText(kSixLetters);  // one text again: no condition left from the second
    ASSERT_TRUE(dialog);
    enter(dialog, "Text1", QStringLiteral("Dichter"));
    EXPECT_EQ(haupt->session().sql(),
              "Select * from sechs WHERE begriff LIKE '*Dichter*' or bedeutung like '*Dichter*'");
}

TEST_F(SearchDialogTest, AllLengthsHoldsForOneSearchAndCancelOrEscapeEndsIt) {
    Eingabetext* dialog = openText(kAllLengths);
    ASSERT_TRUE(dialog);
    QTest::keyClicks(child(dialog, "Text1"), QStringLiteral("Dichter"));
    enter(dialog, "Text2", QStringLiteral("   "));  // blanks are no second text
    const QStringList expected = List1(*haupt)->lines();
    EXPECT_GE(expected.size(), 12);
    EXPECT_EQ(expected.filter("dichter", Qt::CaseInsensitive), expected);

    // Cancel, or Escape in either box, searches nothing, shows the result frame and forgets
    // all lengths.
    for (const char* escapeIn : {"", "Text1", "Text2"}) {
        SCOPED_TRACE(escapeIn);
        Frame2(*haupt)->hide();
        dialog = openText(kAllLengths);
        ASSERT_TRUE(dialog);
        QTest::keyClicks(child(dialog, "Text1"), QStringLiteral("Haus"));
        if (*escapeIn == 0) {
            QTest::mouseClick(child(dialog, "Command3"), Qt::LeftButton);
        } else {
            QTest::keyClick(child(dialog, escapeIn), Qt::Key_Escape);
        }
        EXPECT_FALSE(Frame2(*haupt)->isHidden());
        EXPECT_EQ(List1(*haupt)->lines(), expected);
        expectMainWindowBack<Eingabetext>();
    }
    ASSERT_TRUE(openText(kAllLengths));
    visibleDialog<Eingabetext>()->close();  // by the window system
    expectMainWindowBack<Eingabetext>();
    dialog = openText(kEightLetters);  // however "alle" was left, a length searches its own
    ASSERT_TRUE(dialog);
    enter(dialog, "Text1", QStringLiteral("   "));
    EXPECT_EQ(List1(*haupt)->lines(), fixtureLines(8));
}

TEST_F(SearchDialogTest, TextSearchErrorsAreReportedAndTheListKeepsWhatWasFound) {
    haupt->session().execute("DROP TABLE sieben");
    enter(openText(kAllLengths), "Text1", QStringLiteral(" "));
    EXPECT_EQ(List1(*haupt)->count(),
              static_cast<int>(fixtureEntries().size() - fixtureEntriesOfLength(7).size()));
    haupt->session().close();  // without a dictionary the search is reported, not run
    enter(openText(kEightLetters), "Text1", QStringLiteral(" "));
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("sieben"));
    EXPECT_TRUE(fake.messageBox.shown()[1].text.contains("Die Datenbank ist nicht geöffnet."));
    EXPECT_EQ(List1(*haupt)->count(), 0);
}

TEST_F(SearchDialogTest, AnagramLettersFindTheWordsOfTheirLengthAndCancelOrEscapeNothing) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Abbrechen");
        Durcheinander* dialog = openAnagram();
        ASSERT_TRUE(dialog);
        Frame2(*haupt)->hide();
        QTest::keyClicks(child(dialog, "Text1"), QStringLiteral("eihne"));
        escape ? QTest::keyClick(child(dialog, "Text1"), Qt::Key_Escape)
               : QTest::mouseClick(child(dialog, "Command1"), Qt::LeftButton);
        EXPECT_TRUE(Frame2(*haupt)->isVisible());
        EXPECT_EQ(List1(*haupt)->count(), 0);
        EXPECT_TRUE(Text17(*haupt)->text().isEmpty());
        expectMainWindowBack<Durcheinander>();
    }
    const struct {
        const char* letters;
        QStringList expected;
        const char* handedOver;  // as Text17 shows it
    } cases[] = {
        {"EIHNE", fixtureLines(5, {"Heine"}), "eihne"},  // "Rhein" holds only one "e"
        // Lower case must not lengthen the input and so pick another table: "İ" stays one
        // character, an unknown letter.
        {"İab", fixtureLines(3, {"ABC"}), "İab"},
        {"İİİİİİİİİİİİİİİ", fixtureLines(15), "İİİİİİİİİİİİİİİ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        ASSERT_TRUE(openAnagram());
        enter(visibleDialog<Durcheinander>(), "Text1", QString::fromUtf8(c.letters));
        EXPECT_EQ(List1(*haupt)->lines(), c.expected);
        EXPECT_EQ(Text17(*haupt)->text(), QString::fromUtf8(c.handedOver));
        expectMainWindowBack<Durcheinander>();
    }
    EXPECT_EQ(haupt->session().sql(), "Select * from fuenfzehn ");
}

TEST_F(SearchDialogTest, AnagramOfAWrongLengthOrWithoutDictionaryRunsNoSearch) {
    const QStringList before = search(QStringLiteral("###r####"));
    const QString sqlBefore = haupt->session().sql();
    // Past the dialog's own checks: an old statement must not be rerun.
    for (const char* letters : {"  abcdefghijklmnopq ", "   "}) {
        haupt->searches().anagramm(QString::fromUtf8(letters));
        EXPECT_EQ(List1(*haupt)->lines(), before) << letters;
        EXPECT_EQ(haupt->session().sql(), sqlBefore);
    }

    // Too many characters keep the dialog open with the letters selected for correction.
    Durcheinander* dialog = openAnagram();
    ASSERT_TRUE(dialog);
    enter(dialog, "Text1", QStringLiteral("abcdefghijklmnop"));
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains(QStringLiteral("höchstens 15")));
    EXPECT_EQ(visibleDialog<Durcheinander>(), dialog);
    EXPECT_EQ(child<QLineEdit>(dialog, "Text1")->selectedText(), "abcdefghijklmnop");
    EXPECT_EQ(haupt->session().sql(), sqlBefore);
    dialog->reject();

    haupt->session().close();
    enter(openAnagram(), "Text1", QStringLiteral("eihne"));
    EXPECT_EQ(List1(*haupt)->count(), 0);
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_TRUE(fake.messageBox.shown()[1].text.contains("Die Datenbank ist nicht geöffnet."));
}

}  // namespace
}  // namespace vondrik::test
