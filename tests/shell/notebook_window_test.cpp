// The notebook window: the slider shifts list, picture and panel live; its buttons save the
// shift in nt.dat or delete it.
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
    int baseList() const { return twipsToPixels(haupt->listBaseHeight()); }
    int baseTop() const { return twipsToPixels(haupt->panelBaseTop()); }
    QByteArray ntBytes() const {
        QFile file(app.file("nt.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(fehlt)");
    }
};

TEST_F(NotebookWindowTest, OpensWithItsTextsAndTheSliderAtZero) {
    notbook* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), "Anpassung für Notebooks");
    EXPECT_TRUE(window->Label1->text().startsWith("Ändern und speichern Sie hier"));
    EXPECT_EQ(window->HScroll1->minimum(), -5000);
    EXPECT_EQ(window->HScroll1->maximum(), 5000);
    EXPECT_EQ(window->HScroll1->singleStep(), 10);
    EXPECT_EQ(window->HScroll1->value(), 0);
    EXPECT_EQ(window->Label2->text(), "0");
    EXPECT_EQ(window->Command2->text(), "Wert löschen und wieder mit Originalwerten starten ");
    EXPECT_EQ(open(), window);  // the menu brings back the open window
    EXPECT_EQ(haupt->findChildren<notbook*>().size(), 1);
}

TEST_F(NotebookWindowTest, SliderShiftsListPictureAndPanelLive) {
    notbook* window = open();
    window->HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the left arrow
    EXPECT_EQ(window->HScroll1->value(), -10);
    window->HScroll1->setValue(-300);
    EXPECT_EQ(window->Label2->text(), "-300");
    const int shift = twipsToPixels(300);  // 20 pixels
    EXPECT_EQ(haupt->List1->height(), baseList() + shift);
    EXPECT_EQ(haupt->Image1->height(), baseList() + shift);
    EXPECT_EQ(haupt->Frame1->y(), baseTop() + shift);
    EXPECT_FALSE(QFile::exists(app.file("nt.dat")));  // nothing saved yet
}

TEST_F(NotebookWindowTest, SavedShiftIsUsedAtTheNextStart) {
    QPointer<notbook> window = open();
    window->HScroll1->setValue(500);
    window->Command1->click();
    EXPECT_EQ(ntBytes(), " 500\r\n");
    QTRY_VERIFY(window.isNull());  // closed and unloaded

    haupt->close();
    start();
    const int shift = twipsToPixels(500);
    EXPECT_EQ(haupt->List1->height(), baseList() - shift);
    EXPECT_EQ(haupt->Frame1->y(), baseTop() - shift);
    window = open();
    EXPECT_EQ(window->HScroll1->value(), 500);
    EXPECT_EQ(window->Label2->text(), "500");
    EXPECT_EQ(haupt->Frame1->y(), baseTop() - shift);  // opening does not shift twice
}

TEST_F(NotebookWindowTest, DeletingRestoresTheBaseValues) {
    ASSERT_TRUE(writeLines(app.file("nt.dat"), {"-300"}));
    start();
    ASSERT_EQ(haupt->Frame1->y(), baseTop() + twipsToPixels(300));
    QPointer<notbook> window = open();
    EXPECT_EQ(window->HScroll1->value(), -300);
    window->Command2->click();
    EXPECT_FALSE(QFile::exists(app.file("nt.dat")));
    EXPECT_EQ(haupt->List1->height(), baseList());
    EXPECT_EQ(haupt->Image1->height(), baseList());
    EXPECT_EQ(haupt->Frame1->y(), baseTop());
    QTRY_VERIFY(window.isNull());
}

}  // namespace
}  // namespace vondrik::test
