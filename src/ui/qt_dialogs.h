// Message box, input box and beep on Qt widgets.
#pragma once

#include "ui/dialogs.h"

namespace vondrik {

// QMessageBox with German button texts, centred on the active window.
class QtMessageBox final : public MessageBox {
  protected:
    MessageAnswer ask(const QString& text, const QString& title, MessageIcon icon,
                      MessageButtons buttons) override;
};

// QInputDialog with German button texts.
class QtInputBox final : public InputBox {
  public:
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;
};

class QtBeeper final : public Beeper {
  public:
    void beep() override;
};

}  // namespace vondrik
