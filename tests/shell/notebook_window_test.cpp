// The notebook window: the slider shifts list, picture and panel live; its buttons save the
// shift in nt.dat or delete it, and the next start applies what was saved.
#include "shell/notebook_window.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "haupt_fixture.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"
#include "ui/twips.h"

namespace vondrik::test {
namespace {

class NotebookWindowTest : public HauptTest {
  protected:
    notbook* open() {
        haupt->menuAction("notebook")->trigger();
        return haupt->findChild<notbook*>();
    }

    // List and picture are shortened and the panel raised by `twips` from the base values.
    void expectShift(int twips) const {
        const int list = twipsToPixels(haupt->listBaseHeight()) - twipsToPixels(twips);
        EXPECT_EQ(List1(*haupt)->height(), list);
        EXPECT_EQ(Image1(*haupt)->height(), list);
        EXPECT_EQ(Frame1(*haupt)->y(), twipsToPixels(haupt->panelBaseTop()) - twipsToPixels(twips));
    }
};

TEST_F(NotebookWindowTest, SliderShiftsListPictureAndPanelLive) {
    notbook* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible() && window->isWindow());
    EXPECT_EQ(window->Command2->text(), "Wert löschen und wieder mit Originalwerten starten ");
    EXPECT_EQ(window->HScroll1->minimum(), -5000);
    EXPECT_EQ(window->HScroll1->maximum(), 5000);
    EXPECT_EQ(window->HScroll1->value(), 0);
    EXPECT_EQ(open(), window);  // the menu brings back the open window
    EXPECT_EQ(haupt->findChildren<notbook*>().size(), 1);

    window->HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the left arrow
    EXPECT_EQ(window->HScroll1->value(), -10);
    window->HScroll1->setValue(300);
    EXPECT_EQ(window->Label2->text(), "300");
    expectShift(300);
    EXPECT_FALSE(QFile::exists(app.file("nt.dat")));  // nothing saved yet

    // However far the slider goes, the panel stays inside the window.
    const QWidget* client = haupt->centralWidget();
    for (const int twips : {-5000, 5000}) {
        window->HScroll1->setValue(twips);
        EXPECT_GE(Frame1(*haupt)->y(), 0) << twips;
        EXPECT_LE(Frame1(*haupt)->geometry().bottom(), client->height()) << twips;
    }
}

TEST_F(NotebookWindowTest, SavedShiftIsUsedAtTheNextStartUntilItIsDeleted) {
    QPointer<notbook> window = open();
    window->HScroll1->setValue(500);
    window->Command1->click();
    EXPECT_EQ(readLines(app.file("nt.dat")), QStringList{" 500"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));  // closed and unloaded

    haupt->close();
    start();
    expectShift(500);
    window = open();
    EXPECT_EQ(window->HScroll1->value(), 500);
    EXPECT_EQ(window->Label2->text(), "500");
    expectShift(500);  // opening does not shift twice

    window->Command2->click();
    EXPECT_FALSE(QFile::exists(app.file("nt.dat")));
    expectShift(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));

    // A value beyond the range is clamped before it moves anything.
    ASSERT_TRUE(writeLines(app.file("nt.dat"), {"99999"}));
    start();
    expectShift(5000);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

// At start the shift comes from nt.dat, measured against the window as fitted to the screen:
// on a large screen every value once gave the same panel, about 340 pixels too high.
TEST_F(NotebookWindowTest, SavedShiftIsAppliedAtStartOnScreensOfEverySize) {
    for (const QRect area : {QRect(0, 0, 1920, 1080), QRect(0, 0, 1024, 768)}) {
        for (const int twips : {0, 10, 150, 2000, -150, -5000}) {
            SCOPED_TRACE(QStringLiteral("%1x%2, %3")
                             .arg(area.width())
                             .arg(area.height())
                             .arg(twips)
                             .toStdString());
            ASSERT_TRUE(writeLines(app.file("nt.dat"), {QStringLiteral(" %1").arg(twips)}));
            start(area);
            const QWidget* client = haupt->centralWidget();
            const QGroupBox* panel = Frame1(*haupt);
            // Designed with the panel at the bottom of the window, scaled to the screen.
            EXPECT_EQ(twipsToPixels(haupt->panelBaseTop()) + panel->height(), client->height());
            EXPECT_GE(haupt->frameGeometry().width(), area.width() * 3 / 4);
            // Raised by the saved value; nothing moves it below the window's bottom.
            expectShift(std::max(twips, 0));
            EXPECT_LE(panel->geometry().bottom(), client->height() - 1);
        }
    }
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
