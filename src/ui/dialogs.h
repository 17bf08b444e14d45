// Modal message and input boxes and the system beep, as windows ask for them.
#pragma once

#include <QList>
#include <QString>

namespace vondrik {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The answers a kind of box offers, its default button first.
inline QList<MessageAnswer> answersOffered(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return {MessageAnswer::Yes, MessageAnswer::No};
        case MessageButtons::OkCancel:
            return {MessageAnswer::Ok, MessageAnswer::Cancel};
        case MessageButtons::YesNoCancel:
            return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
        case MessageButtons::Ok:
            break;
    }
    return {MessageAnswer::Ok};
}

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows the box modally and returns the button the user chose.
    MessageAnswer show(const QString& text, const QString& title,
                       MessageIcon icon = MessageIcon::None,
                       MessageButtons buttons = MessageButtons::Ok) {
        return ask(text, title, icon, buttons);
    }

  protected:
    virtual MessageAnswer ask(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) = 0;
};

class InputBox {
  public:
    virtual ~InputBox() = default;
    // The text the user confirmed; cancelling gives the empty text.
    virtual QString ask(const QString& prompt, const QString& title,
                        const QString& defaultText) = 0;
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

}  // namespace vondrik
