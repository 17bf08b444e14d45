// The anagram dialog, opened from its menu item, and the main window's anagram search.
#include <QAction>
#include <QPushButton>
#include <algorithm>

#include "search/durcheinander.h"
#include "search/search_controller.h"
#include "search_dialog_helpers.h"

namespace vondrik::test {
namespace {

QStringList linesOf(int length, const QStringList& words) {
    return fixtureLines(length,
                        [&words](const FixtureEntry& e) { return words.contains(e.begriff); });
}

class DurcheinanderTest : public HauptTest {
  protected:
    bool open() {
        haupt->menuAction(QStringLiteral("budu"))->trigger();
        dialog = visibleDialog<Durcheinander>();
        return dialog != nullptr;
    }
    QLineEdit* letterBox() { return child<QLineEdit>(dialog, "Text1"); }
    void enter(const QString& letters) {
        // QTest types Latin-1 only; other characters come in as a paste would bring them.
        const bool latin1 =
            std::all_of(letters.begin(), letters.end(), [](QChar c) { return c.unicode() < 0x80; });
        latin1 ? QTest::keyClicks(letterBox(), letters) : letterBox()->insert(letters);
        QTest::keyClick(letterBox(), Qt::Key_Return);
    }
    QStringList solve(const QString& letters) {
        if (!open()) {
            ADD_FAILURE() << "no dialog";
            return {};
        }
        enter(letters);
        return List1(*haupt)->lines();
    }

    Durcheinander* dialog = nullptr;
};

TEST_F(DurcheinanderTest, OpensGreenOverTheMainWindowAndCancelSearchesNothing) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Abbrechen");
        ASSERT_TRUE(open());
        if (!escape) {
            expectOpenOverMainWindow(*haupt, dialog, child(dialog, "Command1"),
                                     {"Label1", "Text1", "Label2", "Command2", "Command1"});
            const QImage look = dialog->grab().toImage();  // bright green at the top to black
            EXPECT_EQ(look.pixelColor(look.width() / 2, 0), QColor(0, 255, 0));
            EXPECT_EQ(look.pixelColor(look.width() / 2, look.height() - 2), QColor(0, 0, 0));
        }
        Frame2(*haupt)->hide();
        QTest::keyClicks(letterBox(), QStringLiteral("eihne"));
        escape ? QTest::keyClick(letterBox(), Qt::Key_Escape)
               : QTest::mouseClick(child(dialog, "Command1"), Qt::LeftButton);
        EXPECT_TRUE(Frame2(*haupt)->isVisible());
        EXPECT_EQ(List1(*haupt)->count(), 0);
        EXPECT_TRUE(Text17(*haupt)->text().isEmpty());
        expectMainWindowBack<Durcheinander>(*haupt);
    }
}

TEST_F(DurcheinanderTest, LettersFindTheWordsOfTheirLengthThatHoldThem) {
    const struct {
        const char* letters;
        QStringList expected;
        const char* handedOver;  // as Text17 shows it
    } cases[] = {
        {"EIHNE", linesOf(5, {"Heine"}), "eihne"},  // "Rhein" holds only one "e"
        {"hhein", {}, "hhein"},                     // a doubled letter must be doubled
        // An apostrophe becomes an unknown letter instead of breaking the statement.
        {"'rein", linesOf(5, {"Rhein", "Birne"}), "#rein"},
        {"?#?#?#?#?#?#?#?", fixtureLines(15), "?#?#?#?#?#?#?#?"},
        // Lower case must not lengthen the input and so pick another table: "İ" stays one
        // character, an unknown letter.
        {"İab", linesOf(3, {"ABC"}), "İab"},
        {"İİİİİİİİİİİİİİİ", fixtureLines(15), "İİİİİİİİİİİİİİİ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        EXPECT_EQ(solve(QString::fromUtf8(c.letters)), c.expected);
        EXPECT_EQ(Text17(*haupt)->text(), QString::fromUtf8(c.handedOver));
        expectMainWindowBack<Durcheinander>(*haupt);
    }
    EXPECT_EQ(haupt->session().sql(), "Select * from fuenfzehn ");
    EXPECT_EQ(List1(*haupt)->tabStop(), 95);
}

TEST_F(DurcheinanderTest, WrongLengthsOrNoDictionaryRunNoSearch) {
    const QStringList before = search(QStringLiteral("###r####"));
    const QString sqlBefore = haupt->session().sql();
    // Past the dialog's own checks: an old statement must not be rerun.
    for (const char* letters : {"  abcdefghijklmnopq ", "   "}) {
        haupt->searches().anagramm(QString::fromUtf8(letters));
        EXPECT_EQ(List1(*haupt)->lines(), before) << letters;
        EXPECT_EQ(haupt->session().sql(), sqlBefore);
    }

    // Too few or too many characters keep the dialog open.
    ASSERT_TRUE(open());
    enter(QStringLiteral(" e "));
    letterBox()->clear();
    QTest::mouseClick(child(dialog, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
    enter(QStringLiteral("abcdefghijklmnop"));
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains(QStringLiteral("höchstens 15")));
    EXPECT_EQ(visibleDialog<Durcheinander>(), dialog);
    EXPECT_EQ(letterBox()->selectedText(), "abcdefghijklmnop");
    EXPECT_EQ(haupt->session().sql(), sqlBefore);
    letterBox()->setText(QStringLiteral("eihne"));  // shortened, the same dialog searches
    QTest::keyClick(letterBox(), Qt::Key_Return);
    EXPECT_EQ(List1(*haupt)->lines(), linesOf(5, {"Heine"}));

    haupt->session().close();
    EXPECT_TRUE(solve(QStringLiteral("eihne")).isEmpty());
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_TRUE(fake.messageBox.shown()[1].text.contains("Die Datenbank ist nicht geöffnet."));
}

}  // namespace
}  // namespace vondrik::test
