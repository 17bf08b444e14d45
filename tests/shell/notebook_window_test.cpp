// The notebook file nt.dat, and the notebook window: the slider shifts list, picture and panel
// live; its buttons save the shift in nt.dat or delete it, and the next start applies it.
#include "shell/notebook_window.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "haupt_fixture.h"
#include "shell/notebook_file.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"
#include "ui/twips.h"

namespace vondrik::test {
namespace {

// Writing " 500" and removing the file are tested through the window.
TEST(NotebookFile, NoBlankBeforeAMinusAndReadsKeptInRange) {
    TestAppFolder app;
    const AppFolder folder(app.path());
    EXPECT_EQ(readNotebookShift(folder), std::nullopt);
    EXPECT_TRUE(removeNotebookShift(folder));  // nothing to delete is fine
    ASSERT_TRUE(writeNotebookShift(folder, -300));
    EXPECT_EQ(bytesOf(app.file("nt.dat")), "-300\r\n");
    const struct {
        const char* line;
        std::optional<int> shift;
    } cases[] = {{"  500  ", 500}, {"0", 0},         {"120.4", 120},           {"-4999,6", -5000},
                 {"99999", 5000},  {"-7000", -5000}, {"kaputt", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : cases) {
        ASSERT_TRUE(writeLines(app.file("nt.dat"), {QString::fromUtf8(c.line)}));
        EXPECT_EQ(readNotebookShift(folder), c.shift) << c.line;
    }
}

class NotebookWindowTest : public HauptTest {
  protected:
    notbook* open() {
        haupt->menuAction("notebook")->trigger();
        return haupt->findChild<notbook*>();
    }
    QScrollBar* slider(notbook* window) const { return child<QScrollBar>(window, "HScroll1"); }

    // List and picture are shortened and the panel raised by `twips` from the base values.
    void expectShift(int twips) const {
        const int list = twipsToPixels(haupt->listBaseHeight()) - twipsToPixels(twips);
        EXPECT_EQ(List1(*haupt)->height(), list);
        EXPECT_EQ(Image1(*haupt)->height(), list);
        EXPECT_EQ(control<QGroupBox>(*haupt, "Frame1")->y(),
                  twipsToPixels(haupt->panelBaseTop()) - twipsToPixels(twips));
    }
};

TEST_F(NotebookWindowTest, SliderShiftsLiveAndTheSavedShiftHoldsUntilDeleted) {
    QPointer<notbook> window = open();
    ASSERT_TRUE(window);
    slider(window)->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the left arrow
    EXPECT_EQ(slider(window)->value(), -10);
    slider(window)->setValue(500);
    EXPECT_EQ(child<QLabel>(window, "Label2")->text(), "500");
    expectShift(500);
    EXPECT_FALSE(QFile::exists(app.file("nt.dat")));  // nothing saved yet
    child<QPushButton>(window, "Command1")->click();
    EXPECT_EQ(readLines(app.file("nt.dat")), QStringList{" 500"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));  // closed and unloaded

    haupt->close();
    start();
    expectShift(500);
    window = open();
    EXPECT_EQ(slider(window)->value(), 500);
    expectShift(500);  // opening does not shift twice
    child<QPushButton>(window, "Command2")->click();
    EXPECT_FALSE(QFile::exists(app.file("nt.dat")));
    expectShift(0);
}

// At start the shift comes from nt.dat, measured against the window as fitted to the screen:
// on a large screen every value once gave the same panel, about 340 pixels too high. However
// far a value goes, the panel stays inside the window.
TEST_F(NotebookWindowTest, SavedShiftIsAppliedAtStartOnScreensOfEverySize) {
    for (const QRect area : {QRect(0, 0, 1920, 1080), QRect(0, 0, 1024, 768)}) {
        for (const int twips : {0, 10, 150, 2000, -150, -5000, 99999}) {
            SCOPED_TRACE(QStringLiteral("%1x%2, %3")
                             .arg(area.width())
                             .arg(area.height())
                             .arg(twips)
                             .toStdString());
            ASSERT_TRUE(writeLines(app.file("nt.dat"), {QStringLiteral(" %1").arg(twips)}));
            start(area);
            const QWidget* client = haupt->centralWidget();
            const QGroupBox* panel = control<QGroupBox>(*haupt, "Frame1");
            // Designed with the panel at the bottom of the window, scaled to the screen.
            EXPECT_EQ(twipsToPixels(haupt->panelBaseTop()) + panel->height(), client->height());
            EXPECT_GE(haupt->frameGeometry().width(), area.width() * 3 / 4);
            // Raised by the saved value, clamped to the slider's range; never below the bottom.
            expectShift(std::clamp(twips, 0, 5000));
            EXPECT_GE(panel->y(), 0);
            EXPECT_LE(panel->geometry().bottom(), client->height() - 1);
        }
    }
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
