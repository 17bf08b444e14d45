// Modal boxes on QMessageBox and QInputDialog. Button texts are set here so the boxes speak
// German whatever Qt translations are installed.
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
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

// The box wraps its text at blanks only; a longer run without one (a pasted address, a
// reminder typed without spaces) would run off its right edge. A zero-width space every so
// often lets it wrap there too and shows nothing.
constexpr int kLongestUnbrokenRun = 30;

QString wrappable(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / kLongestUnbrokenRun);
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestUnbrokenRun) {
            result.append(QChar(0x200B));
            run = 1;
        }
        result.append(c);
    }
    return result;
}

// Room beside a title for the window manager's icon and buttons.
constexpr int kTitleBarExtras = 140;

}  // namespace

MessageAnswer QtMessageBox::ask(const QString& text, const QString& title, MessageIcon icon,
                                MessageButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box.setText(wrappable(text));
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
    // Unlike the message box, the input box takes no account of its title, which a window
    // manager then cuts short ("'Suche kombinieren' ist aktiviert" in a box 201 pixels wide).
    // Its layout fixes the box's size from the controls, so the text box gets the width.
    if (auto* box = dialog.findChild<QLineEdit*>()) {
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        const int titleWidth = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle());
        box->setMinimumWidth(titleWidth + kTitleBarExtras - margins.left() - margins.right());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}

void QtBeeper::beep() {
    QApplication::beep();
}

}  // namespace vondrik
