// The real colour and font dialogs, answered from inside the running dialog, and the file
// dialog's filter (the file dialog itself is a plain call of Qt's).
#include "ui/qt_common_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QTimer>

#include <functional>
#include "support/modal_dialog.h"

namespace vondrik {
namespace {

using test::whenModalAppears;

TEST(QtFileFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter("Wav-Dateien|*.wav"), "Wav-Dateien (*.wav)");
    EXPECT_EQ(qtFileFilter("Bilder|*.jpg;*.bmp|Alle Dateien|*.*"),
              "Bilder (*.jpg *.bmp);;Alle Dateien (*.*)");
    EXPECT_EQ(qtFileFilter("ohne Muster"), "");
}

TEST(QtCommonDialogs, ColourDialogStartsFromTheGivenColourAndReportsTheChoice) {
    QtCommonDialogs dialogs;
    QColor shown;
    whenModalAppears([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(dialogs.chooseColour(12648447), 10 + 256 * 20 + 65536 * 30);
    EXPECT_EQ(shown, QColor(255, 255, 192));

    whenModalAppears([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.chooseColour(0), std::nullopt);
}

TEST(QtCommonDialogs, FontDialogReportsNameAndSize) {
    QtCommonDialogs dialogs;
    whenModalAppears([](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        QFont font = dialog->currentFont();
        font.setPointSizeF(17);
        dialog->setCurrentFont(font);
        dialog->accept();
    });
    const auto chosen = dialogs.chooseFont({QFont().family(), 9});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->size, 17);

    whenModalAppears([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.chooseFont({QFont().family(), 9}), std::nullopt);
}

}  // namespace
}  // namespace vondrik
