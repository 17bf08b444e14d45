// The anagram solver's input dialog: the scrambled letters, with "?" or "#" for unknown
// ones, handed to the main window's anagram search.
#pragma once

#include "ui/widgets/elliptic_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vondrik {

class Durcheinander : public EllipticDialog {
    Q_OBJECT
  public:
    explicit Durcheinander(Haupt& haupt);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

  private:
    void confirm() override { start(); }
    void buildControls();
    void placeControls();
    void start();
    void cancel();
};

}  // namespace vondrik
