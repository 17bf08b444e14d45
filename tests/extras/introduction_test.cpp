// The introduction: its paging and typing steps, then the window on
// the real main window, with demonstrations that type into the main window's controls or the
// dialogs they open and run its searches as the user's own would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "extras/introduction.h"
#include "extras/introduction_window.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"

namespace vondrik::test {
namespace {

// The pages explain what their demonstrations type, and the combined search's meaning.
TEST(Introduction, PageTextsQuoteWhatTheDemonstrationsType) {
    for (int page = 2; page <= 4; ++page) {
        const IntroPage& p = introPages()[page - 1];
        // The anagram page explains its trailing '?' on its own.
        EXPECT_TRUE(p.text.contains(QString(p.example).remove(u'?'), Qt::CaseInsensitive)) << page;
        EXPECT_TRUE(p.text.contains(p.answer)) << page;
    }
}

// Switching pages in the middle of the typing is tested on the window.
TEST(Introduction, TypesOneMoreCharacterPerStepAndASecondClickGoesOn) {
    Introduction intro;
    intro.startDemonstration();
    for (int n = 1; n <= 8; ++n) {
        const auto step = intro.step();
        EXPECT_EQ(step.page, 1);
        EXPECT_EQ(step.typed, QString("#e#e#b#r").left(n));
        EXPECT_FALSE(step.finished);
        if (n == 2) {
            intro.startDemonstration();  // clicked again: the typing goes on
        }
    }
    EXPECT_TRUE(intro.step().finished);
    EXPECT_FALSE(intro.demonstrating());
    EXPECT_EQ(intro.step().page, 0);
}

const QStringList kDezember{"DEZEMBER\t12. Monat des Jahres"};
const QStringList kSchiller{"SCHILLER\tDichter der Glocke"};

class IntroductionTest : public HauptTest {
  protected:
    void SetUp() override {
        HauptTest::SetUp();
        haupt->menuAction("kleif")->trigger();
        haupt->menuAction("kleif")->trigger();  // the same window again, not a second one
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* open = qobject_cast<Form1*>(window); open && open->isVisible()) {
                ASSERT_FALSE(intro) << "two introductions";
                intro = open;
            }
        }
        ASSERT_TRUE(intro);
    }
    void click(const char* button, int times = 1) {
        for (int i = 0; i < times; ++i) {
            child<QPushButton>(intro, button)->click();
        }
    }
    // Clicks "Beispiel ansehen" and types `steps` characters, or to the end; returns the steps.
    int demonstrate(int steps = 50) {
        click("Command1");
        int done = 0;
        while (child<QTimer>(intro, "Timer1")->isActive() && done < steps) {
            intro->typingStep();
            ++done;
        }
        return done;
    }
    QStringList openDialogs() const {
        QStringList names;
        for (QWidget* w : haupt->findChildren<QWidget*>()) {
            if (w->isWindow() && w->isVisible()) {
                names << w->objectName();
            }
        }
        return names;
    }

    QPointer<Form1> intro;
};

// Each demonstration lists what the user's own search of its example lists, and that is
// something: a demonstration with an empty list demonstrates nothing.
TEST_F(IntroductionTest, PageOneTypesThePatternThenSearchesAsEnterWould) {
    EXPECT_EQ(demonstrate(7), 7);
    EXPECT_EQ(Text1(*haupt)->text(), "#e#e#b#");
    EXPECT_TRUE(List1(*haupt)->lines().isEmpty()) << "searched before the last step";
    EXPECT_FALSE(child<QTimer>(intro, "Timer2")->isActive()) << "the button stopped hopping";
    EXPECT_EQ(demonstrate(), 2);                 // a second click goes on typing
    EXPECT_EQ(fake.sound.played.size(), 9 + 1);  // the typing clicks, and the search's sound
    EXPECT_EQ(List1(*haupt)->lines(), kDezember);
    EXPECT_EQ(search("#e#e#b#r"), kDezember);
}

TEST_F(IntroductionTest, PageThreeAsksWithTheExampleAndUnticksCheck1) {
    click("Command2", 2);
    fake.inputBox.script({QStringLiteral("hauptstadt"), QString()});
    EXPECT_EQ(demonstrate(1), 1);
    EXPECT_TRUE(Check1(*haupt)->isChecked());
    demonstrate();
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(fake.inputBox.asked()[0].defaultText, "hauptstadt");
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"HANNOVER\tHauptstadt Niedersachsens"});
    EXPECT_FALSE(Check1(*haupt)->isChecked());

    // Cancelled, the box still searches: the empty condition matches every meaning.
    demonstrate();
    const QStringList combined = List1(*haupt)->lines();
    EXPECT_GE(combined.size(), 3);
    EXPECT_EQ(search("##n#####"), combined);
}

TEST_F(IntroductionTest, PagesTwoAndFourTypeIntoTheirDialogsAndStartThem) {
    click("Command2");
    EXPECT_EQ(demonstrate(7), 7);
    EXPECT_FALSE(haupt->isEnabled()) << "the length button's dialog locks the main window";
    EXPECT_EQ(openDialogs(), QStringList{"Eingabetext"});
    demonstrate();
    EXPECT_EQ(List1(*haupt)->lines(), kSchiller);
    EXPECT_TRUE(haupt->isEnabled());

    click("Command2", 2);
    EXPECT_EQ(demonstrate(), 10);
    EXPECT_EQ(Text17(*haupt)->text(), "hundsach?");
    EXPECT_EQ(List1(*haupt)->lines(), QStringList{"HANDSCHUH\tFingerling, Fäustling"});
    EXPECT_TRUE(openDialogs().isEmpty());
}

// A demonstration first closes the dialog another one left open; otherwise page 2 could not
// open its own, and page 1 would type into the locked main window. A combined demonstration
// left unfinished unticks its switch, however it ends.
TEST_F(IntroductionTest, ADemonstrationCleansUpWhatAnotherLeftHalfWay) {
    click("Command2", 3);
    demonstrate(2);  // page 4, two letters typed
    EXPECT_EQ(openDialogs(), QStringList{"Durcheinander"});
    click("Command4", 2);
    EXPECT_EQ(demonstrate(), 8);  // page 2 while the anagram dialog is open
    EXPECT_EQ(List1(*haupt)->lines(), kSchiller);
    EXPECT_TRUE(Text17(*haupt)->text().isEmpty()) << "the anagram dialog searched nothing";

    demonstrate(2);  // page 2 again, stopped half-way
    click("Command2");
    demonstrate(1);  // page 3, the switch ticked
    ASSERT_TRUE(Check1(*haupt)->isChecked());
    click("Command4", 2);
    EXPECT_EQ(demonstrate(), 9);  // page 1 instead: a plain pattern search
    EXPECT_TRUE(openDialogs().isEmpty());
    EXPECT_FALSE(Check1(*haupt)->isChecked());
    EXPECT_EQ(List1(*haupt)->lines(), kDezember);
    EXPECT_TRUE(fake.inputBox.asked().isEmpty());

    click("Command2", 2);
    demonstrate(1);
    ASSERT_TRUE(Check1(*haupt)->isChecked());
    click("Command3");  // "beenden" in the middle of the typing
    EXPECT_FALSE(Check1(*haupt)->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return intro.isNull(); }));
}

}  // namespace
}  // namespace vondrik::test
