// The anagram dialog, opened from its menu item, and the main window's anagram search.
#include <QAction>
#include <QPushButton>
#include <algorithm>

#include "search/durcheinander.h"
#include "search_dialog_helpers.h"

namespace vondrik::test {
namespace {

QStringList linesOf(int length, const QStringList& words) {
    return fixtureLines(length,
                        [&words](const FixtureEntry& e) { return words.contains(e.begriff); });
}

class DurcheinanderTest : public HauptTest {
  protected:
    // Opens the dialog from its menu item; it becomes `dialog`.
    bool open() {
        haupt->menuAction(QStringLiteral("budu"))->trigger();
        dialog = visibleDialog<Durcheinander>();
        return dialog != nullptr;
    }

    QLineEdit* letterBox() { return dialog->findChild<QLineEdit*>("Text1"); }
    QPushButton* button(const char* name) { return dialog->findChild<QPushButton*>(name); }

    void enter(const QString& letters) {
        // QTest types Latin-1 only; other characters come in as a paste would bring them.
        const bool latin1 =
            std::all_of(letters.begin(), letters.end(), [](QChar c) { return c.unicode() < 0x80; });
        latin1 ? QTest::keyClicks(letterBox(), letters) : letterBox()->insert(letters);
        QTest::keyClick(letterBox(), Qt::Key_Return);
    }

    // Opens the dialog, enters the letters and returns the main list's lines.
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

TEST_F(DurcheinanderTest, OpensWithItsTextsAndCancelSearchesNothing) {
    ASSERT_TRUE(open());
    expectOpenOverMainWindow(*haupt, dialog, letterBox(), button("Command1"),
                             {"Label1", "Text1", "Label2", "Command2", "Command1"});
    EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(), "Geben Sie bitte die Buchstaben ein");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->text(),
              "Falls nicht alle Buchstaben bekannt sind, können Sie hier für die Unbekannten, "
              "ein Fragezeichen, oder eine Raute eingeben!");
    EXPECT_EQ(button("Command2")->text(), "Los geht's");
    EXPECT_EQ(button("Command1")->text(), "Abbrechen");
    // Bright green at the top, black at the bottom.
    const QImage look = dialog->grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() / 2, 0), QColor(0, 255, 0));
    EXPECT_EQ(look.pixelColor(look.width() / 2, look.height() - 2), QColor(0, 0, 0));

    // "Abbrechen" or Escape: nothing is searched.
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Abbrechen");
        ASSERT_TRUE(escape || dialog);
        if (escape) {
            ASSERT_TRUE(open());
        }
        Frame2(*haupt)->hide();
        QTest::keyClicks(letterBox(), QStringLiteral("eihne"));
        if (escape) {
            QTest::keyClick(letterBox(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(button("Command1"), Qt::LeftButton);
        }
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
        // "Rhein" holds e, h, i, n but only one "e".
        {"EIHNE", linesOf(5, {"Heine"}), "eihne"},
        // An apostrophe becomes an unknown letter instead of breaking the statement.
        {"'rein", linesOf(5, {"Rhein", "Birne"}), "#rein"},
        {"?#?#?#?#?#?#?#?", fixtureLines(15, [](const FixtureEntry&) { return true; }),
         "?#?#?#?#?#?#?#?"},
        // Lower case must not lengthen the input and so pick another table: "İ" stays one
        // character, an unknown letter.
        {"İab", linesOf(3, {"ABC"}), "İab"},
        {"İİİİİİİİİİİİİİİ", fixtureLines(15, [](const FixtureEntry&) { return true; }),
         "İİİİİİİİİİİİİİİ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        EXPECT_EQ(solve(QString::fromUtf8(c.letters)), c.expected);
        EXPECT_EQ(Text17(*haupt)->text(), QString::fromUtf8(c.handedOver));
        expectMainWindowBack<Durcheinander>(*haupt);
    }
    EXPECT_EQ(haupt->session().sql(), "Select * from fuenfzehn ");
    EXPECT_EQ(List1(*haupt)->tabStop(), 95);

    // A doubled letter must be doubled in the word.
    EXPECT_EQ(solve(QStringLiteral("hhein")), QStringList{});
    EXPECT_TRUE(Image1(*haupt)->isVisible() && Frame2(*haupt)->isVisible());
}

TEST_F(DurcheinanderTest, WrongLengthsOrNoDictionaryRunNoSearch) {
    const QStringList before = search(QStringLiteral("###r####"));
    const QString sqlBefore = haupt->session().sql();
    // Handed over directly, past the dialog's own checks: an old statement must not be rerun.
    for (const char* letters : {"  abcdefghijklmnopq ", "   "}) {
        Text17(*haupt)->setText(QString::fromUtf8(letters));
        haupt->anagramm();
        EXPECT_EQ(List1(*haupt)->lines(), before) << letters;
        EXPECT_EQ(haupt->session().sql(), sqlBefore);
    }
    Text17(*haupt)->clear();

    // Too few or too many characters keep the dialog open.
    ASSERT_TRUE(open());
    enter(QStringLiteral(" e "));
    letterBox()->clear();
    button("Command1")->setFocus();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
    EXPECT_EQ(dialog->focusWidget(), letterBox());

    enter(QStringLiteral("abcdefghijklmnop"));
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    const ShownMessage& message = fake.messageBox.shown().first();
    EXPECT_TRUE(message.text.contains(QStringLiteral("höchstens 15")))
        << message.text.toStdString();
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(visibleDialog<Durcheinander>(), dialog);
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_EQ(letterBox()->selectedText(), "abcdefghijklmnop");
    EXPECT_EQ(List1(*haupt)->lines(), before);
    EXPECT_EQ(haupt->session().sql(), sqlBefore);
    EXPECT_TRUE(Text17(*haupt)->text().isEmpty());

    letterBox()->setText(QStringLiteral("eihne"));  // shortened, the same dialog searches
    QTest::keyClick(letterBox(), Qt::Key_Return);
    EXPECT_EQ(List1(*haupt)->lines(), linesOf(5, {"Heine"}));

    haupt->session().close();
    EXPECT_TRUE(solve(QStringLiteral("eihne")).isEmpty());
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[1].title, "Fehler bei der Suche");
    EXPECT_TRUE(fake.messageBox.shown()[1].text.contains("Die Datenbank ist nicht geöffnet."));
}

}  // namespace
}  // namespace vondrik::test
