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
    QTRY_VERIFY(window.isNull());  // closed and unloaded

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
    QTRY_VERIFY(window.isNull());

    // A value beyond the range is clamped before it moves anything.
    ASSERT_TRUE(writeLines(app.file("nt.dat"), {"99999"}));
    start();
    expectShift(5000);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
