// The window notbook: a slider that shifts the main window's list, background picture and
// control panel live, and buttons that save the shift for the next start or delete it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollBar;

namespace vondrik {

struct Platform;

class notbook : public QWidget {
    Q_OBJECT
  public:
    // A window of its own beside the main window, which owns it; it unloads when closed.
    notbook(Platform& platform, QWidget* mainWindow);

  signals:
    // The main window's list, picture and panel follow the slider at once.
    void shiftChanged(int twips);

  private:
    void onSlider(int value);
    void save();
    void remove();

    Platform& platform_;

    QLabel* Label1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;  // save
    QPushButton* Command2 = nullptr;  // delete
};

}  // namespace vondrik
