// The introduction on the real main window: page buttons, and demonstrations that type into
// the main window's controls and run its searches.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "extras/introduction_window.h"
#include "search/search_controller.h"
#include "shell/haupt_fixture.h"

namespace vondrik::test {
namespace {

class IntroductionTest : public HauptTest {
  protected:
    Form1* open() {
        haupt->menuAction(QStringLiteral("kleif"))->trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* intro = qobject_cast<Form1*>(window); intro && intro->isVisible()) {
                return intro;
            }
        }
        return nullptr;
    }

    // Clicks "Beispiel ansehen" and runs the typing timer to the end; returns the steps.
    int demonstrate(Form1* intro) {
        intro->Command1->click();
        int steps = 0;
        while (intro->Timer1->isActive() && steps < 50) {
            intro->typingStep();
            ++steps;
        }
        return steps;
    }

    int clicks() const {
        int n = 0;
        for (const PlayedSound& sound : fake.sound.played) {
            n += sound.path == app.file("ton/12.wav") ? 1 : 0;
        }
        return n;
    }
};

TEST_F(IntroductionTest, PageButtonsOnTheFirstAndLastPage) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    EXPECT_EQ(intro->windowTitle(), "Begriffsuche mit schon vorhandenen Buchstaben");
    EXPECT_TRUE(intro->windowFlags() & Qt::Tool);  // no task-list entry of its own
    EXPECT_FALSE(intro->Command4->isVisible());
    EXPECT_TRUE(intro->Command2->isVisible());
    for (int i = 0; i < 3; ++i) {
        intro->Command2->click();
    }
    EXPECT_EQ(intro->introduction().page(), 4);
    EXPECT_TRUE(intro->Command4->isVisible());
    EXPECT_FALSE(intro->Command2->isVisible());
    EXPECT_TRUE(intro->Label1->text().endsWith(
        "was aus den Buchstaben 'HUNDSACH' und einem unbekannten Buchstaben ('?') werden kann."));
    // Menu again: the same window, not a second one.
    EXPECT_EQ(open(), intro);
}

// Each demonstration lists what the user's own search of its example lists, and that is
// something: a demonstration with an empty list demonstrates nothing.
TEST_F(IntroductionTest, PageOneEndsWithTheListOfTheTypedSearch) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command1->click();
    EXPECT_TRUE(Text1(*haupt)->text().isEmpty());
    EXPECT_FALSE(intro->Timer2->isActive());
    for (int n = 1; n <= 8; ++n) {
        intro->typingStep();
        EXPECT_EQ(Text1(*haupt)->text(), QString("#e#e#b#r").left(n));
        EXPECT_TRUE(List1(*haupt)->lines().isEmpty()) << "searched before the last step";
    }
    intro->typingStep();
    EXPECT_FALSE(intro->Timer1->isActive());
    EXPECT_EQ(clicks(), 9);
    const QStringList demonstrated = List1(*haupt)->lines();
    EXPECT_EQ(demonstrated, QStringList{"DEZEMBER\t12. Monat des Jahres"});
    EXPECT_EQ(haupt->session().sql(), "Select * from acht WHERE begriff LIKE '?e?e?b?r'");
    EXPECT_EQ(search(QStringLiteral("#e#e#b#r")), demonstrated);
}

TEST_F(IntroductionTest, PageThreeAsksWithTheExampleAndUnticksCheck1) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command2->click();
    intro->Command2->click();
    fake.inputBox.script({QStringLiteral("hauptstadt")});
    intro->Command1->click();
    intro->typingStep();
    EXPECT_TRUE(Check1(*haupt)->isChecked());
    EXPECT_EQ(demonstrate(intro), 8);
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(fake.inputBox.asked()[0].prompt, "Bitte Suchbegriff eingeben.");
    EXPECT_EQ(fake.inputBox.asked()[0].title, "'Suche kombinieren' ist aktiviert");
    EXPECT_EQ(fake.inputBox.asked()[0].defaultText, "hauptstadt");
    EXPECT_EQ(haupt->session().sql(),
              "Select * from acht WHERE begriff LIKE '??n?????' and "
              "bedeutung like '*hauptstadt*'");
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"HANNOVER\tHauptstadt Niedersachsens"});
    EXPECT_FALSE(Check1(*haupt)->isChecked());
}

TEST_F(IntroductionTest, CancellingPageThreesBoxSearchesEveryMeaning) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command2->click();
    intro->Command2->click();
    Check1(*haupt)->setChecked(true);
    fake.inputBox.script({QString()});
    demonstrate(intro);
    EXPECT_EQ(haupt->searches().state().kombitext, "**");
    EXPECT_EQ(haupt->session().sql(),
              "Select * from acht WHERE begriff LIKE '??n?????' and bedeutung like '**'");
    const QStringList combined = List1(*haupt)->lines();
    EXPECT_FALSE(Check1(*haupt)->isChecked());
    EXPECT_GE(combined.size(), 3);
    EXPECT_EQ(search(QStringLiteral("##n#####")), combined);
}

TEST_F(IntroductionTest, PageTwoTypesIntoTheTextSearchDialogAndStartsIt) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command2->click();
    intro->Command1->click();
    EXPECT_FALSE(haupt->isEnabled()) << "the length button's dialog locks the main window";
    QWidget* dialog = haupt->findChild<QWidget*>(QStringLiteral("Eingabetext"));
    ASSERT_TRUE(dialog);
    for (int n = 1; n <= 7; ++n) {
        intro->typingStep();
    }
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), "dichter");
    intro->typingStep();
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"SCHILLER\tDichter der Glocke"});
    EXPECT_TRUE(haupt->isEnabled());
}

TEST_F(IntroductionTest, PageFourTypesIntoTheAnagramDialog) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    for (int i = 0; i < 3; ++i) {
        intro->Command2->click();
    }
    EXPECT_EQ(demonstrate(intro), 10);
    EXPECT_EQ(Text17(*haupt)->text(), "hundsach?");
    EXPECT_EQ(haupt->session().sql(), "Select * from neun ");
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"HANDSCHUH\tFingerling, Fäustling"});
    EXPECT_TRUE(haupt->isEnabled());
}

// A demonstration first closes the dialog another one left open; otherwise page 2 could not
// open its own, and page 1 would type into the locked main window.
TEST_F(IntroductionTest, ADemonstrationClosesTheDialogOfAnother) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    const auto openDialogs = [this] {
        QStringList names;
        for (QWidget* w : haupt->findChildren<QWidget*>()) {
            if (w->isWindow() && w->isVisible()) {
                names << w->objectName();
            }
        }
        return names;
    };
    for (int i = 0; i < 3; ++i) {
        intro->Command2->click();
    }
    intro->Command1->click();  // page 4, two letters typed
    intro->typingStep();
    intro->typingStep();
    EXPECT_EQ(openDialogs(), QStringList{"Durcheinander"});

    intro->Command4->click();
    intro->Command4->click();  // page 2 while the anagram dialog is open
    EXPECT_EQ(demonstrate(intro), 8);
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"SCHILLER\tDichter der Glocke"});
    EXPECT_TRUE(Text17(*haupt)->text().isEmpty()) << "the anagram dialog searched nothing";

    intro->Command1->click();  // page 2 again, stopped half-way
    intro->typingStep();
    intro->typingStep();
    EXPECT_EQ(openDialogs(), QStringList{"Eingabetext"});
    intro->Command4->click();  // page 1 while the text search's dialog is open
    EXPECT_EQ(demonstrate(intro), 9);
    EXPECT_TRUE(openDialogs().isEmpty());
    EXPECT_TRUE(haupt->isEnabled());
    EXPECT_EQ(Text1(*haupt)->text(), "#e#e#b#r");
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"DEZEMBER\t12. Monat des Jahres"});
    EXPECT_EQ(haupt->searches().state().alle, 0);
}

// However the combined-search demonstration ends, the switch it ticked is unticked.
TEST_F(IntroductionTest, AnUnfinishedCombinedDemonstrationUnticksItsSwitch) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command2->click();
    intro->Command2->click();
    intro->Command1->click();
    intro->typingStep();
    ASSERT_TRUE(Check1(*haupt)->isChecked());
    intro->Command4->click();
    intro->Command4->click();
    EXPECT_EQ(demonstrate(intro), 9);  // page 1 instead: a plain pattern search
    EXPECT_FALSE(Check1(*haupt)->isChecked());
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"DEZEMBER\t12. Monat des Jahres"});
    EXPECT_TRUE(fake.inputBox.asked().isEmpty());

    intro->Command2->click();
    intro->Command2->click();
    intro->Command1->click();
    intro->typingStep();
    ASSERT_TRUE(Check1(*haupt)->isChecked());
    const QPointer<Form1> window = intro;
    intro->Command3->click();  // "beenden" in the middle of the typing
    EXPECT_FALSE(Check1(*haupt)->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

}  // namespace
}  // namespace vondrik::test
