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
        QTest::mouseClick(child<QPushButton>(haupt->centralWidget(), "Command1", buttonIndex),
                          Qt::LeftButton);
        dialog = visibleDialog<Eingabetext>();
        return dialog != nullptr;
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(dialog, name); }
    void enter(const char* boxName, const QString& text) {
        QTest::keyClicks(box(boxName), text);
        QTest::keyClick(box(boxName), Qt::Key_Return);
    }

    Eingabetext* dialog = nullptr;
};

TEST_F(EingabetextTest, SearchesTheCleanedTextsIfThereIsAFirstAndOneTextAfterReopening) {
    Text1(*haupt)->setText(QStringLiteral("Haus"));
    ASSERT_TRUE(open(kEightLetters));
    expectOpenOverMainWindow(*haupt, dialog, child(dialog, "Command3"),
                             {"Label1", "Text1", "Label2", "Text2", "Command2", "Command3"});
    dialog->close();  // by the window system rather than a button
    expectMainWindowBack<Eingabetext>(*haupt);
    EXPECT_EQ(Text1(*haupt)->text(), "Haus");

    // Without a first text nothing is searched; the texts are searched cleaned.
    ASSERT_TRUE(open(kSixLetters));
    enter("Text2", QStringLiteral("{Faust}"));
    EXPECT_EQ(visibleDialog<Eingabetext>(), dialog);
    EXPECT_EQ(dialog->focusWidget(), box("Text1"));
    const QPointer<QLineEdit> first = box("Text1");
    const QPointer<QLineEdit> second = box("Text2");
    QTest::keyClicks(first, QStringLiteral("Dich'ter"));
    QTest::keyClick(second, Qt::Key_Enter);
    // Braces kept as a character class would find nothing; so would the apostrophe.
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"GOETHE\tdeutscher Dichter (Faust)"});
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), "Dichter");
    EXPECT_EQ(second->text(), "(Faust)");
    expectMainWindowBack<Eingabetext>(*haupt);

    ASSERT_TRUE(open(kSixLetters));  // one text again: no condition left from the second
    enter("Text1", QStringLiteral("Dichter"));
    EXPECT_EQ(haupt->session().sql(),
              "Select * from sechs WHERE begriff LIKE '*Dichter*' or bedeutung like '*Dichter*'");
}

TEST_F(EingabetextTest, AllLengthsHoldsForOneSearchAndEveryLengthButtonEndsIt) {
    ASSERT_TRUE(open(kAllLengths));
    QTest::keyClicks(box("Text1"), QStringLiteral("Dichter"));
    enter("Text2", QStringLiteral("   "));  // blanks are no second text
    const QStringList expected = List1(*haupt)->lines();
    EXPECT_GE(expected.size(), 12);
    EXPECT_EQ(expected.filter("dichter", Qt::CaseInsensitive), expected);
    EXPECT_EQ(List1(*haupt)->tabStop(), 80);
    expectMainWindowBack<Eingabetext>(*haupt);

    // Cancel, or Escape in either box, searches nothing, shows the result frame and forgets
    // all lengths.
    for (const char* escapeIn : {"", "Text1", "Text2"}) {
        SCOPED_TRACE(escapeIn);
        Frame2(*haupt)->hide();
        ASSERT_TRUE(open(kAllLengths));
        QTest::keyClicks(box("Text1"), QStringLiteral("Haus"));
        if (*escapeIn == 0) {
            QTest::mouseClick(child(dialog, "Command3"), Qt::LeftButton);
        } else {
            QTest::keyClick(box(escapeIn), Qt::Key_Escape);
        }
        EXPECT_FALSE(Frame2(*haupt)->isHidden());
        EXPECT_EQ(List1(*haupt)->lines(), expected);
        expectMainWindowBack<Eingabetext>(*haupt);
    }
    ASSERT_TRUE(open(kAllLengths));
    dialog->close();  // by the window system: however "alle" was left, a length button
    ASSERT_TRUE(open(kEightLetters));  // searches only its own length
    enter("Text1", QStringLiteral("   "));
    EXPECT_EQ(List1(*haupt)->lines(), fixtureLines(8));
    EXPECT_EQ(List1(*haupt)->tabStop(), 60);
}

TEST_F(EingabetextTest, SearchErrorsAreReportedAndTheListKeepsWhatWasFound) {
    haupt->session().execute("DROP TABLE sieben");
    ASSERT_TRUE(open(kAllLengths));
    enter("Text1", QStringLiteral(" "));
    EXPECT_EQ(List1(*haupt)->count(),
              static_cast<int>(fixtureEntries().size() - fixtureEntriesOfLength(7).size()));
    haupt->session().close();  // without a dictionary the search is reported, not run
    ASSERT_TRUE(open(kEightLetters));
    enter("Text1", QStringLiteral(" "));
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    for (const ShownMessage& m : fake.messageBox.shown()) {
        EXPECT_EQ(m.title, "Fehler bei der Suche");
    }
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("sieben"));
    EXPECT_TRUE(fake.messageBox.shown()[1].text.contains("Die Datenbank ist nicht geöffnet."));
    EXPECT_EQ(List1(*haupt)->count(), 0);
}

}  // namespace
}  // namespace vondrik::test
