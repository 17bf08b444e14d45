// Window scaling: every control's place, size and font follow the window's new width.
#include <gtest/gtest.h>

#include <QLabel>

#include "ui/widgets/size_form.h"

namespace vondrik {
namespace {

TEST(SizeForm, DoublingTheWidthDoublesEveryControlAndFontOnce) {
    QWidget window;
    window.resize(400, 300);
    auto* frame = new QWidget(&window);
    frame->setGeometry(100, 150, 200, 100);
    QFont frameFont = frame->font();
    frameFont.setPointSizeF(8);
    frame->setFont(frameFont);
    auto* inner = new QLabel("x", frame);  // inherits the frame's font
    inner->setGeometry(5, 6, 40, 20);

    const int borderX = window.frameGeometry().width() - window.width();
    EXPECT_DOUBLE_EQ(modSizeForm(window, window, 2 * 400 + borderX), 2.0);
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(frame->geometry(), QRect(200, 300, 400, 200));
    EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 16);
    EXPECT_EQ(inner->geometry(), QRect(10, 12, 80, 40));
    EXPECT_DOUBLE_EQ(inner->font().pointSizeF(), 16);  // scaled once, not twice
}

// The main window's designed client area is 1000 x 685 under a menu bar; it must fit every
// common screen whole, scaled evenly, and fill it in the tighter direction.
TEST(SizeForm, FitsTheTighterDirectionOfEveryScreen) {
    const QSize client(1000, 685);
    const QSize border(0, 30);
    for (const QSize screen : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080),
                               QSize(2560, 1440), QSize(3840, 2160), QSize(1280, 1024)}) {
        const double f = fittingFactor(client, border, screen);
        const int width = int(client.width() * f) + border.width();
        const int height = int(client.height() * f) + border.height();
        EXPECT_LE(width, screen.width()) << screen.width();
        EXPECT_LE(height, screen.height()) << screen.width();
        EXPECT_TRUE(width >= screen.width() - 1 || height >= screen.height() - 1)
            << screen.width() << "x" << screen.height();
    }
}

}  // namespace
}  // namespace vondrik
