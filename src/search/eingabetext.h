// The input dialog of the text search: one or two free texts, then the search over the
// chosen length (or all lengths) runs in the main window.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vondrik {

class Haupt;

// An elliptic, top-most window that disables the main window while it is open and deletes
// itself when closed.
class Eingabetext : public QWidget {
    Q_OBJECT
  public:
    explicit Eingabetext(Haupt& haupt);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QTimer* Timer1 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void placeControls();
    void startSearch();
    void cancel();
    void dropTopMost();

    Haupt& haupt_;
    bool unloaded_ = false;
};

}  // namespace vondrik
