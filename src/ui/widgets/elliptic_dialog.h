// The shape and manners shared by the main window's small input dialogs: an elliptic,
// top-most window with a vertical gradient that locks the main window while it is open,
// gives its first box the focus a moment after it appears, and deletes itself when closed.
#pragma once

#include <QWidget>
#include <initializer_list>

#include "ui/widgets/main_window_lock.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vondrik {

class EllipticDialog : public QWidget {
    Q_OBJECT
  public:
    // Which colour channel runs from 255 at the top down to 0 at the bottom.
    enum class Gradient { Blue, Green };

    // Closes the dialog without a search, as its cancel button does; so does Escape.
    void reject() { cancel(); }
    // Starts as its start button does; the introduction's demonstrations type into the first
    // box and then start.
    void submit() { confirm(); }
    QLineEdit* firstBox() const { return firstBox_; }

  protected:
    EllipticDialog(QWidget* mainWindow, const QString& name, const QString& title,
                   Gradient gradient);

    // Enter in these boxes is swallowed and runs confirm().
    void submitOnEnter(QLineEdit* box);
    // The box that gets the focus when Timer1 fires.
    void setFirstBox(QLineEdit* box) { firstBox_ = box; }
    virtual void confirm() = 0;
    // The cancel button's action.
    virtual void cancel() = 0;

    // Keeps the window in place but lets other windows cover it again.
    void dropTopMost();
    // Colours a label's text.
    static void colourText(QLabel* label, const QColor& colour);

    // One control of the centred column and the space below it.
    struct ColumnItem {
        QWidget* widget;
        int width;
        int gapAfter;
    };
    // Centres the items one under the other and the two buttons side by side below them.
    // Heights follow the font, so that wrapping labels get as many lines as they need.
    void placeColumn(std::initializer_list<ColumnItem> items, QPushButton* left,
                     QPushButton* right);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QTimer* Timer1 = nullptr;  // gives the first box the focus once, a moment after showing
    Gradient gradient_;
    QLineEdit* firstBox_ = nullptr;
    QList<QLineEdit*> submitBoxes_;
    MainWindowLock lock_;
};

}  // namespace vondrik
