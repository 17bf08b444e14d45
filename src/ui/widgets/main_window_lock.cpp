// The main-window lock.
#include "ui/widgets/main_window_lock.h"

namespace vondrik {

MainWindowLock::MainWindowLock(QWidget* mainWindow, QWidget* dialog) : mainWindow_(mainWindow) {
    if (!mainWindow_) {
        return;
    }
    held_ = true;
    mainWindow_->setEnabled(false);
    if (dialog) {
        dialog->setEnabled(true);
    }
}

void MainWindowLock::release() {
    if (!held_) {
        return;
    }
    held_ = false;
    if (mainWindow_) {
        mainWindow_->setEnabled(true);
        mainWindow_->activateWindow();
    }
}

}  // namespace vondrik
