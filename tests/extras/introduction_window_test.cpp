// The introduction on the real main window: page buttons, and demonstrations that type into
// the main window's controls and run its searches.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "dictionary/length_tables.h"
#include "dictionary/statements.h"
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

    void addWord(const QString& word, const QString& meaning) {
        haupt->session().execute(
            statement(Family::Insert, *tableForLength(word.size()), {word, meaning}));
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
    EXPECT_FALSE(intro->Command4->isVisible());
    EXPECT_TRUE(intro->Command2->isVisible());
    for (int i = 0; i < 3; ++i) {
        intro->Command2->click();
    }
    EXPECT_EQ(intro->introduction().page(), 4);
    EXPECT_TRUE(intro->Command4->isVisible());
    EXPECT_FALSE(intro->Command2->isVisible());
    EXPECT_TRUE(intro->Label1->text().endsWith("was aus 'EROTNHREBTE' werden kann."));
    // Menu again: the same window, not a second one.
    EXPECT_EQ(open(), intro);
}

TEST_F(IntroductionTest, PageOneEndsWithTheListOfTheTypedSearch) {
    addWord(QStringLiteral("Riesseln"), QStringLiteral("Testwort eins"));
    addWord(QStringLiteral("Raesseln"), QStringLiteral("Testwort zwei"));
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command1->click();
    EXPECT_TRUE(Text1(*haupt)->text().isEmpty());
    EXPECT_FALSE(intro->Timer2->isActive());
    for (int n = 1; n <= 8; ++n) {
        intro->typingStep();
        EXPECT_EQ(Text1(*haupt)->text(), QString("r#e#s#l#").left(n));
        EXPECT_TRUE(List1(*haupt)->lines().isEmpty()) << "searched before the last step";
    }
    intro->typingStep();
    EXPECT_FALSE(intro->Timer1->isActive());
    EXPECT_EQ(clicks(), 9);
    const QStringList demonstrated = List1(*haupt)->lines();
    EXPECT_EQ(demonstrated.size(), 2);
    EXPECT_EQ(haupt->session().sql(), "Select * from acht WHERE begriff LIKE 'r?e?s?l?'");
    EXPECT_EQ(search(QStringLiteral("r#e#s#l#")), demonstrated);
}

TEST_F(IntroductionTest, PageThreeAsksWithTheExampleAndUnticksCheck1) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command2->click();
    intro->Command2->click();
    fake.inputBox.script({QStringLiteral("Spatz")});
    intro->Command1->click();
    intro->typingStep();
    EXPECT_TRUE(Check1(*haupt)->isChecked());
    EXPECT_EQ(demonstrate(intro), 8);
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(fake.inputBox.asked()[0].prompt, "Bitte Suchbegriff eingeben.");
    EXPECT_EQ(fake.inputBox.asked()[0].title, "'Suche kombinieren' ist aktiviert");
    EXPECT_EQ(fake.inputBox.asked()[0].defaultText, "dt. dichter");
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"SPERLING\tSpatz"});
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
              "Select * from acht WHERE begriff LIKE '???r????' and bedeutung like '**'");
    const QStringList combined = List1(*haupt)->lines();
    EXPECT_FALSE(Check1(*haupt)->isChecked());
    EXPECT_GE(combined.size(), 3);
    EXPECT_EQ(search(QStringLiteral("###r####")), combined);
}

TEST_F(IntroductionTest, PageTwoTypesIntoTheTextSearchDialogAndStartsIt) {
    addWord(QStringLiteral("Heinrich"), QStringLiteral("dt. Dichter (Vorname)"));
    Form1* intro = open();
    ASSERT_TRUE(intro);
    intro->Command2->click();
    intro->Command1->click();
    EXPECT_FALSE(haupt->isEnabled()) << "the length button's dialog locks the main window";
    QWidget* dialog = haupt->findChild<QWidget*>(QStringLiteral("Eingabetext"));
    ASSERT_TRUE(dialog);
    for (int n = 1; n <= 11; ++n) {
        intro->typingStep();
    }
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), "dt. dichter");
    intro->typingStep();
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"HEINRICH\tdt. Dichter (Vorname)"});
    EXPECT_TRUE(haupt->isEnabled());
}

TEST_F(IntroductionTest, PageFourTypesIntoTheAnagramDialog) {
    Form1* intro = open();
    ASSERT_TRUE(intro);
    for (int i = 0; i < 3; ++i) {
        intro->Command2->click();
    }
    EXPECT_EQ(demonstrate(intro), 12);
    EXPECT_EQ(Text17(*haupt)->text(), "erotnhrebte");
    EXPECT_EQ(haupt->session().sql(), "Select * from elf ");
    EXPECT_TRUE(haupt->isEnabled());
}

}  // namespace
}  // namespace vondrik::test
