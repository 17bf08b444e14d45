// The real message and input boxes, answered by clicking their buttons.
#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
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

}  // namespace
}  // namespace vondrik
