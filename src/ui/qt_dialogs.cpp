// Modal boxes on QMessageBox and QInputDialog. Button texts are set here so the boxes speak
// German whatever Qt translations are installed.
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vondrik {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonLook {
    QString text;
    QMessageBox::ButtonRole role;
};

ButtonLook lookOf(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            return {QStringLiteral("&Ja"), QMessageBox::YesRole};
        case MessageAnswer::No:
            return {QStringLiteral("&Nein"), QMessageBox::NoRole};
        case MessageAnswer::Cancel:
            return {QStringLiteral("Abbrechen"), QMessageBox::RejectRole};
        case MessageAnswer::Ok:
            break;
    }
    return {QStringLiteral("OK"), QMessageBox::AcceptRole};
}

}  // namespace

MessageAnswer QtMessageBox::ask(const QString& text, const QString& title, MessageIcon icon,
                                MessageButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box.setText(text);
    box.setIcon(qtIcon(icon));

    const QList<MessageAnswer> answers = answersOffered(buttons);
    QList<QPushButton*> added;
    for (MessageAnswer answer : answers) {
        const ButtonLook look = lookOf(answer);
        added.append(box.addButton(look.text, look.role));
    }
    box.setDefaultButton(added.first());
    // Escape and the close box give the last button: Cancel, No, or the lone OK.
    box.setEscapeButton(added.last());

    box.exec();
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (box.clickedButton() == added.at(i)) {
            return answers.at(i);
        }
    }
    return answers.last();
}

QString QtInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}

void QtBeeper::beep() {
    QApplication::beep();
}

}  // namespace vondrik
