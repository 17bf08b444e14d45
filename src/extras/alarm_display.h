// The ringing alarm in the main window: Frame4 with the five pictures Picture1 of an alarm
// clock, all at one place and shown in turn, and below it the button Command17 "Wecker
// abstellen". A click on the clock stops the alarm as the button does.
#pragma once

#include <QFrame>
#include <array>

#include "extras/alarm_clock.h"
#include "ui/app_folder.h"

class QLabel;
class QPushButton;

namespace vondrik {

// Where the generated clock pictures lie below the application folder: frame 0 to 4.
QString clockPicturePath(const AppFolder& folder, int frame);

class AlarmDisplay : public QFrame {
    Q_OBJECT
  public:
    // Frame4 and the button both become children of `parent`, the client area, hidden.
    AlarmDisplay(const AppFolder& folder, QWidget* parent);

    // The alarm goes off: the frame and the button appear.
    void showRinging();
    // One animation step: this picture comes to the front.
    void showFrame(int frame);
    // The alarm was stopped: frame, pictures and button are hidden.
    void hideAll();

  signals:
    void stopRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<QLabel*, kClockFrames> Picture1{};
    QPushButton* Command17 = nullptr;
};

}  // namespace vondrik
