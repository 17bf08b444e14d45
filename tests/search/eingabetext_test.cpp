// The text search's input dialog, opened from the real main window's length buttons.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "dictionary/cleaning.h"
#include "search/eingabetext.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

// Indices of the main window's length buttons.
constexpr int kSixLetters = 4;
constexpr int kEightLetters = 6;
constexpr int kAllLengths = 14;

// Result lines of every fixture entry, 2 letters first, whose word or meaning contains
// `text` regardless of case: what a one-text search over all lengths must list.
QStringList linesContaining(const QString& text) {
    QStringList lines;
    for (int length = 2; length <= 15; ++length) {
        for (const auto& e : fixtureEntriesOfLength(length)) {
            if (e.begriff.contains(text, Qt::CaseInsensitive) ||
                e.bedeutung.contains(text, Qt::CaseInsensitive)) {
                lines << resultLine(e.begriff, e.bedeutung);
            }
        }
    }
    return lines;
}

class EingabetextTest : public HauptTest {
  protected:
    // Clicks a length button and returns the dialog it opened.
    Eingabetext* open(int buttonIndex) {
        auto* button =
            haupt->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(buttonIndex));
        if (button == nullptr) {
            ADD_FAILURE() << "no length button " << buttonIndex;
            return nullptr;
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return openDialog();
    }

    static Eingabetext* openDialog() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Eingabetext*>(w);
            if (dialog != nullptr && dialog->isVisible()) {
                return dialog;
            }
        }
        return nullptr;
    }

    static QLineEdit* box(Eingabetext* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QLatin1String(name));
    }

    // After the dialog has gone: the main window is usable again, with the pattern box
    // focused and its text selected for the next input.
    void expectMainWindowBack() {
        EXPECT_EQ(openDialog(), nullptr);
        EXPECT_TRUE(haupt->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([this] { return haupt->Text1->hasFocus(); }));
        EXPECT_FALSE(haupt->Text1->text().isEmpty());
        EXPECT_EQ(haupt->Text1->selectedText(), haupt->Text1->text());
    }
};

TEST_F(EingabetextTest, DisablesTheMainWindowWhileOpen) {
    haupt->nur1 = 0;
    haupt->Text1->setText(QStringLiteral("Haus"));
    Eingabetext* dialog = open(kEightLetters);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_TRUE(box(dialog, "Text1")->isEnabled());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(haupt->nur1, 1);

    // Closed by the window system rather than a button.
    dialog->close();
    expectMainWindowBack();
    EXPECT_EQ(haupt->Text1->text(), "Haus");
}

TEST_F(EingabetextTest, EveryControlLiesInsideTheEllipse) {
    Eingabetext* dialog = open(kEightLetters);
    ASSERT_NE(dialog, nullptr);
    const QRegion ellipse = dialog->mask();
    ASSERT_FALSE(ellipse.isEmpty());
    EXPECT_FALSE(ellipse.contains(QPoint(2, 2)));
    for (const char* name : {"Label1", "Text1", "Label2", "Text2", "Command2", "Command3"}) {
        auto* control = dialog->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        const QRect r = control->geometry();
        for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            EXPECT_TRUE(ellipse.contains(corner)) << name;
        }
    }
    // The long note must not be cut off at the bottom.
    auto* note = dialog->findChild<QLabel*>(QStringLiteral("Label2"));
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
}

TEST_F(EingabetextTest, TimerPutsTheFocusIntoTheFirstBox) {
    Eingabetext* dialog = open(kEightLetters);
    ASSERT_NE(dialog, nullptr);
    auto* timer = dialog->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->isActive());
    auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("Command3"));
    cancel->setFocus();
    ASSERT_EQ(dialog->focusWidget(), cancel);

    EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }));
    EXPECT_EQ(dialog->focusWidget(), box(dialog, "Text1"));
    EXPECT_EQ(timer->interval(), 100);
}

TEST_F(EingabetextTest, EnterInTheSecondBoxSearchesCleanedTexts) {
    Eingabetext* dialog = open(kSixLetters);
    ASSERT_NE(dialog, nullptr);
    QPointer<QLineEdit> first = box(dialog, "Text1");
    QPointer<QLineEdit> second = box(dialog, "Text2");
    QTest::keyClicks(first, QStringLiteral("Dich'ter"));
    QTest::keyClicks(second, QStringLiteral("{Faust}"));
    QTest::keyClick(second, Qt::Key_Enter);

    // Braces kept as a character class would find nothing; so would the apostrophe.
    const QStringList expected{resultLine(u"Goethe", u"deutscher Dichter (Faust)")};
    EXPECT_EQ(haupt->List1->lines(), expected);
    EXPECT_EQ(haupt->ei, "*Dichter*");
    EXPECT_EQ(haupt->eii, "*(Faust)*");
    EXPECT_EQ(haupt->nur1, 0);
    EXPECT_EQ(haupt->Label2->text(), "1");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), "Dichter");
    EXPECT_EQ(second->text(), "(Faust)");
    expectMainWindowBack();
}

TEST_F(EingabetextTest, EmptyFirstBoxStartsNothing) {
    Eingabetext* dialog = open(kEightLetters);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(box(dialog, "Text2"), QStringLiteral("Haus"));
    box(dialog, "Text2")->setFocus();
    QTest::keyClick(box(dialog, "Text2"), Qt::Key_Return);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    EXPECT_EQ(openDialog(), dialog);
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), box(dialog, "Text1"));
    EXPECT_EQ(haupt->List1->count(), 0);
    EXPECT_TRUE(haupt->Frame2->isHidden());
    EXPECT_EQ(box(dialog, "Text2")->text(), "Haus");
}

TEST_F(EingabetextTest, BlankFirstBoxListsTheWholeTable) {
    Eingabetext* dialog = open(kEightLetters);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(box(dialog, "Text1"), QStringLiteral("   "));
    QTest::keyClick(box(dialog, "Text1"), Qt::Key_Return);

    const auto entries = fixtureEntriesOfLength(8);
    EXPECT_EQ(haupt->ei, "**");
    EXPECT_EQ(haupt->List1->count(), static_cast<int>(entries.size()));
    EXPECT_EQ(haupt->Label2->text(), QString::number(entries.size()));
    expectMainWindowBack();
}

TEST_F(EingabetextTest, BlankSecondBoxCountsAsNoSecondText) {
    Eingabetext* dialog = open(kAllLengths);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(box(dialog, "Text1"), QStringLiteral("Dichter"));
    QTest::keyClicks(box(dialog, "Text2"), QStringLiteral("   "));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    const QStringList expected = linesContaining(QStringLiteral("dichter"));
    ASSERT_GE(expected.size(), 12);
    EXPECT_EQ(haupt->nur1, 1);
    EXPECT_EQ(haupt->List1->lines(), expected);
    EXPECT_EQ(haupt->alle, 0);
    expectMainWindowBack();
}

TEST_F(EingabetextTest, CancelAfterAllLengthsSearchesNothingAndForgetsAllLengths) {
    haupt->Frame2->hide();
    Eingabetext* dialog = open(kAllLengths);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(haupt->alle, 1);
    QTest::keyClicks(box(dialog, "Text1"), QStringLiteral("Dichter"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);

    EXPECT_EQ(haupt->alle, 0);
    EXPECT_FALSE(haupt->Frame2->isHidden());
    EXPECT_EQ(haupt->List1->count(), 0);
    expectMainWindowBack();

    // The next text search covers only the length chosen.
    dialog = open(kEightLetters);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(box(dialog, "Text1"), QStringLiteral(" "));
    QTest::keyClick(box(dialog, "Text1"), Qt::Key_Return);
    const QStringList lines = haupt->List1->lines();
    EXPECT_EQ(lines.size(), static_cast<qsizetype>(fixtureEntriesOfLength(8).size()));
    for (const QString& line : lines) {
        EXPECT_EQ(line.section(u'\t', 0, 0).size(), 8) << line.toStdString();
    }
}

}  // namespace
}  // namespace vondrik::test
