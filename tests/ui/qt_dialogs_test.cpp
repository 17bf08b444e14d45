// The real message and input boxes, answered by clicking their buttons.
#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include "support/modal_dialog.h"

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

TEST(QtMessageBox, EachButtonOrEscapeGivesItsAnswer) {
    const struct {
        MessageButtons buttons;
        const char* click;  // nullptr: Escape
        MessageAnswer expected;
    } cases[] = {
        {MessageButtons::Ok, "OK", MessageAnswer::Ok},
        {MessageButtons::YesNo, "&Ja", MessageAnswer::Yes},
        {MessageButtons::YesNo, "&Nein", MessageAnswer::No},
        {MessageButtons::YesNo, nullptr, MessageAnswer::No},
        {MessageButtons::OkCancel, "Abbrechen", MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, "&Nein", MessageAnswer::No},
        {MessageButtons::YesNoCancel, "Abbrechen", MessageAnswer::Cancel},
    };
    QtMessageBox messages;
    for (const auto& c : cases) {
        whenModalAppears([&](QWidget* dialog) {
            c.click ? clickButton(dialog, c.click) : qobject_cast<QDialog*>(dialog)->reject();
        });
        EXPECT_EQ(messages.show("Text", "Titel", MessageIcon::None, c.buttons), c.expected)
            << (c.click ? c.click : "Escape");
    }
}

// The buttons' German texts are those clicked above.
TEST(QtMessageBox, ShowsTextTitleAndIcon) {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalAppears([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box == nullptr) {
            ADD_FAILURE() << "no message box";
            dialog->close();
            return;
        }
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        box->reject();
    });
    QtMessageBox messages;
    EXPECT_EQ(messages.show("Wirklich löschen?", "Löschen", MessageIcon::Exclamation,
                            MessageButtons::YesNoCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(text, "Wirklich löschen?");
    EXPECT_EQ(title, "Löschen");
    EXPECT_EQ(icon, QMessageBox::Warning);
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
        int labelWidth = 0;
        int neededWidth = 0;
        int boxWidth = 0;
        whenModalAppears([&](QWidget* dialog) {
            auto* label = dialog->findChild<QLabel*>("qt_msgbox_label");
            if (label == nullptr) {
                ADD_FAILURE() << "no label";
                dialog->close();
                return;
            }
            shown = label->text();
            labelWidth = label->width();
            neededWidth = label->minimumSizeHint().width();
            boxWidth = dialog->width();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        QtMessageBox().show(text, "Erinnerung", MessageIcon::Exclamation);
        EXPECT_EQ(shown.remove(QChar(0x200B)), text);
        EXPECT_LE(neededWidth, labelWidth) << "cut off at the right edge";
        EXPECT_LE(boxWidth, 1000);
    }
}

TEST(QtInputBox, ConfirmedTextComesBackAndCancelGivesEmpty) {
    QtInputBox input;
    QString shownDefault;
    whenModalAppears([&](QWidget* dialog) {
        auto* line = dialog->findChild<QLineEdit*>();
        if (line == nullptr) {
            ADD_FAILURE() << "no line edit";
            dialog->close();
            return;
        }
        shownDefault = line->text();
        line->setText("Meier");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(input.ask("Ihr Name:", "Bestenliste", "Spieler"), "Meier");
    EXPECT_EQ(shownDefault, "Spieler");

    whenModalAppears([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText("Meier");
        clickButton(dialog, "Abbrechen");
    });
    EXPECT_EQ(input.ask("Ihr Name:", "Bestenliste", "Spieler"), "");
}

// A window manager shows the title in the box's own width, beside its icon and buttons.
TEST(QtInputBox, IsWideEnoughForItsTitle) {
    const QString title = "'Suche kombinieren' ist aktiviert";
    int width = 0;
    int titleWidth = 0;
    whenModalAppears([&](QWidget* dialog) {
        width = dialog->width();
        titleWidth = dialog->fontMetrics().horizontalAdvance(title);
        clickButton(dialog, "Abbrechen");
    });
    QtInputBox().ask("Bitte Suchbegriff eingeben.", title, QString());
    EXPECT_GE(width, titleWidth + 100);
}

}  // namespace
}  // namespace vondrik
