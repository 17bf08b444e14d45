// The real colour, font and file dialogs, answered from inside the running dialog.
#include "ui/qt_common_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QTemporaryDir>
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

TEST(QtCommonDialogs, FileDialogShowsTitleAndFilterAndGivesEmptyWhenCancelled) {
    QTemporaryDir dir;
    const QString wave = dir.filePath("glocke.wav");
    QFile(wave).open(QIODevice::WriteOnly);
    QtCommonDialogs dialogs;
    QString title;
    QStringList filters;
    whenModalAppears([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        // Typed like a user would: selectFile() depends on the dialog's folder model having
        // caught up, which a second dialog in the same process does not always do in time.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("glocke.wav");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.openFile("Wählen Sie bitte Ihre gewünschte Sounddatei aus.",
                               "Wav-Dateien|*.wav", dir.path()),
              wave);
    EXPECT_EQ(title, "Wählen Sie bitte Ihre gewünschte Sounddatei aus.");
    EXPECT_EQ(filters, QStringList({"Wav-Dateien (*.wav)"}));

    whenModalAppears([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.openFile("Titel", "Wav-Dateien|*.wav", dir.path()), "");
}

}  // namespace
}  // namespace vondrik
