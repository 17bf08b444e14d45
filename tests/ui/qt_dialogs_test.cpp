// The real message, input and colour boxes, answered from inside the running box.
#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "support/modal_dialog.h"
#include "ui/qt_common_dialogs.h"

namespace vondrik {
namespace {

using test::whenModalAppears;

void clickButton(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    dialog->close();
}

// The buttons carry their German texts; Escape answers as "Nein" or "Abbrechen".
TEST(QtMessageBox, EachButtonOrEscapeGivesItsAnswer) {
    const struct {
        MessageButtons buttons;
        const char* click;  // nullptr: Escape
        MessageAnswer expected;
    } cases[] = {
        {MessageButtons::Ok, "OK", MessageAnswer::Ok},
        {MessageButtons::YesNo, "&Ja", MessageAnswer::Yes},
        {MessageButtons::YesNo, nullptr, MessageAnswer::No},
        {MessageButtons::OkCancel, "Abbrechen", MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, "Abbrechen", MessageAnswer::Cancel},
    };
    for (const auto& c : cases) {
        whenModalAppears([&](QWidget* dialog) {
            c.click ? clickButton(dialog, c.click) : qobject_cast<QDialog*>(dialog)->reject();
        });
        EXPECT_EQ(QtMessageBox().show("Text", "Titel", MessageIcon::None, c.buttons), c.expected)
            << (c.click ? c.click : "Escape");
    }
}

// A long text wraps inside the box: with blanks at them, without (a 500-character reminder
// typed as one word) anywhere.
TEST(QtMessageBox, LongTextsWrapInsideTheBox) {
    QString words = "05.03   ";
    while (words.size() < 500) {
        words += "Geburtstag von Tante Erna ";
    }
    for (const QString& text : {words, "05.03   " + QString(492, u'x')}) {
        QString shown;
        int labelWidth = 0, neededWidth = 0, boxWidth = 0;
        whenModalAppears([&](QWidget* dialog) {
            auto* label = dialog->findChild<QLabel*>("qt_msgbox_label");
            shown = label ? label->text() : QString();
            labelWidth = label ? label->width() : 0;
            neededWidth = label ? label->minimumSizeHint().width() : 1;
            boxWidth = dialog->width();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        QtMessageBox().show(text, "Erinnerung", MessageIcon::Exclamation);
        EXPECT_EQ(shown.remove(QChar(0x200B)), text);
        EXPECT_LE(neededWidth, labelWidth) << "cut off at the right edge";
        EXPECT_LE(boxWidth, 1000);
    }
}

// Cancel gives the empty text; the box is wide enough for its title, which a window manager
// shows in the box's own width beside its icon and buttons.
TEST(QtInputBox, ConfirmedTextComesBackCancelGivesEmptyAndTheTitleFits) {
    const QString title = "'Suche kombinieren' ist aktiviert";
    QString shownDefault;
    int width = 0, titleWidth = 0;
    whenModalAppears([&](QWidget* dialog) {
        shownDefault = dialog->findChild<QLineEdit*>()->text();
        width = dialog->width();
        titleWidth = dialog->fontMetrics().horizontalAdvance(title);
        dialog->findChild<QLineEdit*>()->setText("Meier");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(QtInputBox().ask("Ihr Name:", title, "Spieler"), "Meier");
    EXPECT_EQ(shownDefault, "Spieler");
    EXPECT_GE(width, titleWidth + 100);
    whenModalAppears([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText("Meier");
        clickButton(dialog, "Abbrechen");
    });
    EXPECT_EQ(QtInputBox().ask("Ihr Name:", "Bestenliste", "Spieler"), "");
}

// Colours travel as red + 256 × green + 65536 × blue.
TEST(QtCommonDialogs, ColourDialogStartsFromTheGivenColourAndReportsTheChoice) {
    QColor shown;
    whenModalAppears([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(QtCommonDialogs().chooseColour(12648447), 10 + 256 * 20 + 65536 * 30);
    EXPECT_EQ(shown, QColor(255, 255, 192));
    whenModalAppears([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(QtCommonDialogs().chooseColour(0), std::nullopt);
}

}  // namespace
}  // namespace vondrik
