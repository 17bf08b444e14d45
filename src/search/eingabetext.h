// The input dialog of the text search: one or two free texts, then the search over the
// chosen length (or all lengths) runs and the main window shows its result.
#pragma once

#include "ui/widgets/elliptic_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vondrik {

class SearchController;

class Eingabetext : public EllipticDialog {
    Q_OBJECT
  public:
    Eingabetext(SearchController& searches, QWidget* mainWindow);

  signals:
    // Closed without a search.
    void cancelled();

  private:
    void confirm() override { startSearch(); }
    void buildControls();
    void placeControls();
    void startSearch();
    void cancel() override;

    SearchController& searches_;

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};

}  // namespace vondrik
