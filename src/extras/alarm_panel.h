// The alarm setting panel Frame3 of the main window: hour and minute on two scroll bars with
// two-digit displays, an explanation, and the buttons to set and to cancel the alarm.
#pragma once

#include <QGroupBox>

class QLabel;
class QPushButton;
class QScrollBar;

namespace vondrik {

class AlarmPanel : public QGroupBox {
    Q_OBJECT
  public:
    // A child of the main window's client area, hidden until opened.
    explicit AlarmPanel(QWidget* parent);

    // Menu item wecker.
    void open();

  signals:
    // The panel has closed; the alarm is to wait for this time, or to be cancelled.
    void activated(int hour, int minute);
    void deactivated();

  private:
    void buildControls();

    QScrollBar* VScroll1 = nullptr;   // hour, 0 to 23
    QScrollBar* VScroll2 = nullptr;   // minute, 0 to 59
    QLabel* Label4 = nullptr;         // hour display
    QLabel* Label5 = nullptr;         // minute display
    QLabel* Label6 = nullptr;         // ":"
    QLabel* Label7 = nullptr;         // explanation
    QPushButton* Command2 = nullptr;  // Wecker aktivieren
    QPushButton* Command3 = nullptr;  // deaktivieren
};

}  // namespace vondrik
