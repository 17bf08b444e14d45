// While a dialog that works on the main window's behalf is open, the main window takes no
// input. The lock disables it when taken and, when released (at the latest when it is
// destroyed), enables and activates it again; the main window then puts the focus where
// its user expects it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vondrik {

class MainWindowLock {
  public:
    // `dialog` is a child window of the main window and would be disabled with it; it is
    // kept usable.
    MainWindowLock(QWidget* mainWindow, QWidget* dialog);
    ~MainWindowLock() { release(); }
    MainWindowLock(const MainWindowLock&) = delete;
    MainWindowLock& operator=(const MainWindowLock&) = delete;

    // Safe to call more than once: only the first call gives the main window back.
    void release();

  private:
    QPointer<QWidget> mainWindow_;
    bool held_ = false;
};

}  // namespace vondrik
