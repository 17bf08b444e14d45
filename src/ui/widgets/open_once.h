// Windows beside the main window that exist once: opening one again brings the open window
// to the front instead of making a second, and a new one appears in the middle of the screen.
#pragma once

#include <QScreen>
#include <QWidget>
#include <utility>

namespace vondrik {

// Window is built as Window(args..., mainWindow).
template <class Window, class... Args>
Window* openOnce(QWidget* mainWindow, Args&&... args) {
    Window* window = mainWindow
                         ? mainWindow->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly)
                         : nullptr;
    if (!window) {
        window = new Window(std::forward<Args>(args)..., mainWindow);
        if (const QScreen* screen = window->screen()) {
            window->move(screen->availableGeometry().center() - window->rect().center());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace vondrik
