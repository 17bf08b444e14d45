// The splash window starter: the first window of the program. It refuses a second copy,
// seeds the random generator, shows the program's name over a tiled background with a
// progress bar for 41 ticks of 50 ms, then loads and shows the main window and unloads.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/platform.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace vondrik {

class Haupt;
class InstanceLock;

inline constexpr int kSplashTicks = 41;

class starter : public QWidget {
    Q_OBJECT
  public:
    // The lock outlives the splash: it guards the folder for the whole run.
    starter(Platform& platform, InstanceLock& lock);

    // The load: false when the single-copy lock is not taken (another copy runs, the user
    // leaves another computer's lock in place, or no lock can be made), after the message;
    // the caller ends the program then, with exitStatus(). Otherwise the splash is shown and
    // its timer runs.
    bool load();
    // The program's exit status after a start that went no further: 1 when it could not
    // start ("Vondrik 2000 kann nicht starten: ..."), 0 when another copy already runs or the
    // user left another computer its lock, and after a start that went on.
    int exitStatus() const { return exitStatus_; }

    // One tick of Timer1: the bar moves on, and after the last tick the main window loads.
    void step();

  signals:
    // The main window is loaded and visible; it closes itself and deletes itself on closing.
    void hauptShown(vondrik::Haupt* haupt);
    // The main window's load ended the program (no database); the splash has gone.
    void loadFailed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void layOut(const QRect& screen);
    void startHaupt();

    Platform& platform_;
    InstanceLock& lock_;
    QImage tile_;
    int ticks_ = 0;
    int exitStatus_ = 0;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QProgressBar* Bar1 = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace vondrik
