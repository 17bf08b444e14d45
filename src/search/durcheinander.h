// The anagram solver's input dialog: the scrambled letters, with "?" or "#" for unknown
// ones, handed over for the anagram search.
#pragma once

#include "ui/widgets/elliptic_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vondrik {

struct Platform;

class Durcheinander : public EllipticDialog {
    Q_OBJECT
  public:
    Durcheinander(Platform& platform, QWidget* mainWindow);

  signals:
    // The cleaned letters; the dialog closes right after.
    void lettersChosen(const QString& letters);
    // Closed without a search.
    void cancelled();

  private:
    void confirm() override { start(); }
    void buildControls();
    void placeControls();
    void start();
    void cancel() override;

    Platform& platform_;

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace vondrik
