// The anagram dialog and the main window's anagram search on the fixture dictionary, driven
// from the menu item as a user would.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "search/durcheinander.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

// Result lines of the fixture entries with these words, in table order; a word stored twice
// gives a line per entry.
QStringList linesOf(int length, const QStringList& words) {
    QStringList lines;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        if (words.contains(e.begriff)) {
            lines << resultLine(e.begriff, e.bedeutung);
        }
    }
    return lines;
}

QStringList wholeTable(int length) {
    QStringList lines;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        lines << resultLine(e.begriff, e.bedeutung);
    }
    return lines;
}

class DurcheinanderTest : public HauptTest {
  protected:
    Durcheinander* open() {
        QAction* budu = haupt->menuAction(QStringLiteral("budu"));
        if (budu == nullptr || !budu->isEnabled()) {
            ADD_FAILURE() << "menu item budu missing or disabled";
            return nullptr;
        }
        budu->trigger();
        return openDialog();
    }

    static Durcheinander* openDialog() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Durcheinander*>(w);
            if (dialog != nullptr && dialog->isVisible()) {
                return dialog;
            }
        }
        return nullptr;
    }

    static QLineEdit* letterBox(Durcheinander* dialog) {
        return dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    }

    // Opens the dialog, types the letters and presses Enter; returns the main list's lines.
    QStringList solve(const QString& letters) {
        Durcheinander* dialog = open();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog";
            return {};
        }
        QTest::keyClicks(letterBox(dialog), letters);
        QTest::keyClick(letterBox(dialog), Qt::Key_Return);
        return haupt->List1->lines();
    }

    // The dialog has gone and the main window is usable again, its pattern box focused with
    // the whole text selected.
    void expectMainWindowBack() {
        EXPECT_EQ(openDialog(), nullptr);
        EXPECT_TRUE(haupt->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([this] { return haupt->Text1->hasFocus(); }));
        EXPECT_EQ(haupt->Text1->selectedText(), haupt->Text1->text());
    }

    // Leaves lines in the list that a search must not touch.
    QStringList listSomething() { return search(QStringLiteral("###r####")); }
};

TEST_F(DurcheinanderTest, OpensOverADisabledMainWindow) {
    Durcheinander* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_TRUE(letterBox(dialog)->isEnabled());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);

    const auto caption = [dialog](const char* name) {
        auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
        auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
        return label ? label->text() : button ? button->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(caption("Label1"), "Geben Sie bitte die Buchstaben ein");
    EXPECT_EQ(caption("Label2"),
              "Falls nicht alle Buchstaben bekannt sind, können Sie hier für die Unbekannten, "
              "ein Fragezeichen, oder eine Raute eingeben!");
    EXPECT_EQ(caption("Command2"), "Los geht's");
    EXPECT_EQ(caption("Command1"), "Abbrechen");

    // Every control lies inside the ellipse, and the note is not cut off.
    const QRegion ellipse = dialog->mask();
    ASSERT_FALSE(ellipse.isEmpty());
    EXPECT_FALSE(ellipse.contains(QPoint(2, 2)));
    for (const char* name : {"Label1", "Text1", "Label2", "Command2", "Command1"}) {
        const QRect r = dialog->findChild<QWidget*>(QLatin1String(name))->geometry();
        for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            EXPECT_TRUE(ellipse.contains(corner)) << name;
        }
    }
    auto* note = dialog->findChild<QLabel*>(QStringLiteral("Label2"));
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));

    // Bright green at the top, black at the bottom.
    const QImage look = dialog->grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() / 2, 0), QColor(0, 255, 0));
    EXPECT_EQ(look.pixelColor(look.width() / 2, look.height() - 2), QColor(0, 0, 0));

    dialog->close();
    expectMainWindowBack();
}

TEST_F(DurcheinanderTest, TimerPutsTheFocusIntoTheLetterBoxOnce) {
    Durcheinander* dialog = open();
    ASSERT_NE(dialog, nullptr);
    auto* timer = dialog->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    ASSERT_TRUE(timer->isActive());
    auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    cancel->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }));
    EXPECT_EQ(dialog->focusWidget(), letterBox(dialog));
}

TEST_F(DurcheinanderTest, LettersWithoutUnknownsListOnlyPermutations) {
    // A second five-letter word of the same letters.
    haupt->DB->Execute(statement(Family::Insert, *tableForLength(5), {"Linse", "Hülsenfrucht"}));
    EXPECT_EQ(solve(QStringLiteral("nisel")), (QStringList{resultLine(u"Insel", u"Land im Meer"),
                                                           resultLine(u"Linse", u"Hülsenfrucht")}))
        << "fixture meaning of Insel changed?";
    EXPECT_EQ(haupt->Label2->text(), "2");
    EXPECT_EQ(haupt->sql, "Select * from fuenf ");
    EXPECT_EQ(haupt->tabstopps[0], 45);
    EXPECT_EQ(haupt->List1->tabStop(), 45);
    EXPECT_TRUE(haupt->List1->isVisible());
    EXPECT_FALSE(haupt->Image1->isVisible());
    ASSERT_FALSE(fake.sound.played.isEmpty());
    EXPECT_TRUE(fake.sound.played.last().path.endsWith("ton/glocke.wav"));
    expectMainWindowBack();

    // "Rhein" holds e, h, i, n but only one "e": no permutation of "Heine".
    EXPECT_EQ(solve(QStringLiteral("eihne")), linesOf(5, {"Heine"}));
    // A doubled letter must be doubled in the word.
    EXPECT_EQ(solve(QStringLiteral("hhein")), QStringList{});
    EXPECT_EQ(haupt->Label2->text(), "0");
    EXPECT_FALSE(haupt->List1->isVisible());
    EXPECT_TRUE(haupt->Image1->isVisible());
    EXPECT_TRUE(haupt->Frame2->isVisible());
    EXPECT_TRUE(fake.sound.played.last().path.endsWith("ton/oooch.wav"));
}

TEST_F(DurcheinanderTest, CapitalsAndSmallLettersGiveTheSameWords) {
    const QStringList small = solve(QStringLiteral("eihne"));
    EXPECT_EQ(haupt->Text17->text(), "eihne");
    EXPECT_EQ(solve(QStringLiteral("EIHNE")), small);
    EXPECT_EQ(haupt->Text17->text(), "eihne");
    EXPECT_EQ(small, linesOf(5, {"Heine"}));
    // Words stored in capitals or small letters are found alike.
    EXPECT_EQ(solve(QStringLiteral("UZ")), linesOf(2, {"Uz", "zu"}));
    EXPECT_EQ(solve(QStringLiteral("zU")), linesOf(2, {"Uz", "zu"}));
}

TEST_F(DurcheinanderTest, UnknownMarkersStandForAnyLetter) {
    EXPECT_EQ(solve(QStringLiteral("h?ein")), linesOf(5, {"Heine", "Rhein"}));
    EXPECT_EQ(solve(QStringLiteral("rei#n")), linesOf(5, {"Rhein", "Birne"}));
    EXPECT_EQ(haupt->List1->count(), 3);  // "Birne" is stored twice
    // An apostrophe becomes an unknown letter instead of breaking the statement.
    EXPECT_EQ(solve(QStringLiteral("'rein")), linesOf(5, {"Rhein", "Birne"}));
    EXPECT_EQ(haupt->Text17->text(), "#rein");
}

TEST_F(DurcheinanderTest, OnlyUnknownMarkersListTheWholeTable) {
    EXPECT_EQ(solve(QStringLiteral("###")), wholeTable(3));
    EXPECT_EQ(haupt->Label2->text(), QString::number(wholeTable(3).size()));
    // The longest input still has its table.
    EXPECT_EQ(solve(QStringLiteral("?#?#?#?#?#?#?#?")), wholeTable(15));
    EXPECT_EQ(haupt->tabstopps[0], 95);
}

TEST_F(DurcheinanderTest, TypedUmlautsAreOnlyUnknownPositions) {
    // "Gurke" has no umlaut and "Größe" no "ä": the umlauts only stand for any letter.
    EXPECT_EQ(solve(QStringLiteral("ÄgreÖ")), linesOf(5, {"Ärger", "Gurke", "Größe"}));
}

TEST_F(DurcheinanderTest, OneCharacterDoesNothing) {
    const QStringList before = listSomething();
    ASSERT_FALSE(before.isEmpty());
    Durcheinander* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(letterBox(dialog), QStringLiteral(" e "));
    QTest::keyClick(letterBox(dialog), Qt::Key_Return);
    EXPECT_EQ(openDialog(), dialog);
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_EQ(haupt->List1->lines(), before);
    EXPECT_TRUE(haupt->Text17->text().isEmpty());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());

    // An empty box only takes the focus back.
    letterBox(dialog)->clear();
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->setFocus();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(openDialog(), dialog);
    EXPECT_EQ(dialog->focusWidget(), letterBox(dialog));
    EXPECT_EQ(haupt->List1->lines(), before);
}

TEST_F(DurcheinanderTest, SixteenCharactersAreRefusedWithAMessage) {
    const QStringList before = listSomething();
    const QString sqlBefore = haupt->sql;
    Durcheinander* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(letterBox(dialog), QStringLiteral("abcdefghijklmnop"));
    QTest::keyClick(letterBox(dialog), Qt::Key_Return);

    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    const ShownMessage& message = fake.messageBox.shown().first();
    EXPECT_TRUE(message.text.contains(QStringLiteral("höchstens 15")))
        << message.text.toStdString();
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(openDialog(), dialog);
    EXPECT_EQ(letterBox(dialog)->text(), "abcdefghijklmnop");
    EXPECT_EQ(letterBox(dialog)->selectedText(), "abcdefghijklmnop");
    EXPECT_EQ(haupt->List1->lines(), before);
    EXPECT_EQ(haupt->sql, sqlBefore);
    EXPECT_TRUE(haupt->Text17->text().isEmpty());

    // Shortened, the same dialog searches.
    letterBox(dialog)->setText(QStringLiteral("eihne"));
    QTest::keyClick(letterBox(dialog), Qt::Key_Return);
    EXPECT_EQ(haupt->List1->lines(), linesOf(5, {"Heine"}));
    expectMainWindowBack();
}

TEST_F(DurcheinanderTest, CancelShowsTheResultFrameAndSearchesNothing) {
    haupt->Frame2->hide();
    Durcheinander* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(letterBox(dialog), QStringLiteral("eihne"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(haupt->Frame2->isVisible());
    EXPECT_EQ(haupt->List1->count(), 0);
    EXPECT_TRUE(haupt->Text17->text().isEmpty());
    expectMainWindowBack();
}

TEST_F(DurcheinanderTest, HandOverWithoutATableLeavesEverythingAsItWas) {
    const QStringList before = listSomething();
    const QString sqlBefore = haupt->sql;
    const int tabBefore = haupt->tabstopps[0];
    haupt->Text17->setText(QStringLiteral("  abcdefghijklmnopq "));
    haupt->anagramm();
    EXPECT_EQ(haupt->List1->lines(), before);
    EXPECT_EQ(haupt->sql, sqlBefore);
    EXPECT_EQ(haupt->tabstopps[0], tabBefore);

    haupt->Text17->setText(QStringLiteral("   "));
    haupt->anagramm();
    EXPECT_EQ(haupt->List1->lines(), before);
}

}  // namespace
}  // namespace vondrik::test
