// The text search's input dialog, opened from the real main window's length buttons.
#include <QPointer>
#include <QPushButton>

#include "search/eingabetext.h"
#include "search_dialog_helpers.h"

namespace vondrik::test {
namespace {

constexpr int kSixLetters = 4;  // indices of the main window's length buttons
constexpr int kEightLetters = 6;
constexpr int kAllLengths = 14;

class EingabetextTest : public HauptTest {
  protected:
    // Clicks a length button; the dialog it opened becomes `dialog`.
    bool open(int buttonIndex) {
        QTest::mouseClick(
            haupt->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(buttonIndex)),
            Qt::LeftButton);
        dialog = visibleDialog<Eingabetext>();
        return dialog != nullptr;
    }

    QLineEdit* box(const char* name) { return dialog->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return dialog->findChild<QPushButton*>(name); }

    void enter(const char* boxName, const QString& text) {
        QTest::keyClicks(box(boxName), text);
        QTest::keyClick(box(boxName), Qt::Key_Return);
    }

    void expectMainWindowBack() { test::expectMainWindowBack<Eingabetext>(*haupt); }

    Eingabetext* dialog = nullptr;
};

TEST_F(EingabetextTest, OpensOverTheMainWindowAndSearchesTheCleanedTextsIfThereIsAFirst) {
    haupt->searches().state().nur1 = 0;
    Text1(*haupt)->setText(QStringLiteral("Haus"));
    ASSERT_TRUE(open(kEightLetters));
    EXPECT_EQ(haupt->searches().state().nur1, 1);
    expectOpenOverMainWindow(*haupt, dialog, box("Text1"), button("Command3"),
                             {"Label1", "Text1", "Label2", "Text2", "Command2", "Command3"});
    dialog->close();  // by the window system rather than a button
    expectMainWindowBack();
    EXPECT_EQ(Text1(*haupt)->text(), "Haus");

    // Without a first text nothing is searched; the texts are searched cleaned.
    ASSERT_TRUE(open(kSixLetters));
    enter("Text2", QStringLiteral("{Faust}"));
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(visibleDialog<Eingabetext>(), dialog);
    EXPECT_EQ(dialog->focusWidget(), box("Text1"));
    EXPECT_EQ(List1(*haupt)->count(), 0);

    QPointer<QLineEdit> first = box("Text1");
    QPointer<QLineEdit> second = box("Text2");
    QTest::keyClicks(first, QStringLiteral("Dich'ter"));
    QTest::keyClick(second, Qt::Key_Enter);
    // Braces kept as a character class would find nothing; so would the apostrophe.
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"GOETHE\tdeutscher Dichter (Faust)"});
    EXPECT_EQ(haupt->searches().state().ei, "*Dichter*");
    EXPECT_EQ(haupt->searches().state().eii, "*(Faust)*");
    EXPECT_EQ(haupt->searches().state().nur1, 0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), "Dichter");
    EXPECT_EQ(second->text(), "(Faust)");
    expectMainWindowBack();
}

TEST_F(EingabetextTest, AllLengthsHoldsForOneSearchAndEveryLengthButtonEndsIt) {
    ASSERT_TRUE(open(kAllLengths));
    EXPECT_EQ(haupt->searches().state().alle, 1);
    QTest::keyClicks(box("Text1"), QStringLiteral("Dichter"));
    enter("Text2", QStringLiteral("   "));  // blanks are no second text
    const QStringList expected = List1(*haupt)->lines();
    EXPECT_GE(expected.size(), 12);
    EXPECT_EQ(expected.filter("dichter", Qt::CaseInsensitive), expected);
    EXPECT_EQ(haupt->searches().state().nur1, 1);
    EXPECT_EQ(haupt->searches().state().alle, 0);
    expectMainWindowBack();

    // Cancel, or Escape in either box, searches nothing, shows the result frame and forgets
    // all lengths.
    for (const char* escapeIn : {"", "Text1", "Text2"}) {
        SCOPED_TRACE(escapeIn);
        Frame2(*haupt)->hide();
        ASSERT_TRUE(open(kAllLengths));
        QTest::keyClicks(box("Text1"), QStringLiteral("Haus"));
        if (*escapeIn == 0) {
            QTest::mouseClick(button("Command3"), Qt::LeftButton);
        } else {
            QTest::keyClick(box(escapeIn), Qt::Key_Escape);
        }
        EXPECT_EQ(haupt->searches().state().alle, 0);
        EXPECT_FALSE(Frame2(*haupt)->isHidden());
        EXPECT_EQ(List1(*haupt)->lines(), expected);
        expectMainWindowBack();
    }

    // However all lengths was left, a length button searches only its own length.
    haupt->searches().state().alle = 1;
    ASSERT_TRUE(open(kEightLetters));
    EXPECT_EQ(haupt->searches().state().alle, 0);
    enter("Text1", QStringLiteral("   "));
    const QStringList all = fixtureLines(8, [](const FixtureEntry&) { return true; });
    EXPECT_EQ(haupt->searches().state().ei, "**");
    EXPECT_EQ(List1(*haupt)->lines(), all);
}

TEST_F(EingabetextTest, SearchErrorsAreReportedAndTheListKeepsWhatWasFound) {
    haupt->session().execute("DROP TABLE sieben");
    ASSERT_TRUE(open(kAllLengths));
    enter("Text1", QStringLiteral(" "));
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehler bei der Suche");
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("sieben"));
    EXPECT_EQ(List1(*haupt)->count(),
              static_cast<int>(fixtureEntries().size() - fixtureEntriesOfLength(7).size()));
    expectMainWindowBack();

    // Without a dictionary the search is reported, not run.
    haupt->session().close();
    ASSERT_TRUE(open(kEightLetters));
    enter("Text1", QStringLiteral(" "));
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[1].title, "Fehler bei der Suche");
    EXPECT_TRUE(fake.messageBox.shown()[1].text.contains("Die Datenbank ist nicht geöffnet."));
    EXPECT_EQ(List1(*haupt)->count(), 0);
}

}  // namespace
}  // namespace vondrik::test
