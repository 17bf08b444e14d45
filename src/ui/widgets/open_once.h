// Windows beside the main window that exist once: opening one again brings the open window
// to the front instead of making a second. A new one that has not placed itself appears in
// the middle of the screen. The windows delete themselves when closed.
#pragma once

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <utility>

namespace vondrik {

namespace detail {

template <class Window>
Window* show(Window* window, bool created) {
    if (created && !window->testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = window->screen()) {
            window->move(screen->availableGeometry().center() - window->rect().center());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace detail

// A child window of the main window, built as Window(args..., mainWindow).
template <class Window, class... Args>
Window* openOnce(QWidget* mainWindow, Args&&... args) {
    Window* window = nullptr;
    if (mainWindow) {
        // These windows delete themselves when closed: one that is not shown only waits for
        // its deletion and must not be shown again.
        for (Window* open :
             mainWindow->findChildren<Window*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (open->isVisible()) {
                window = open;
                break;
            }
        }
    }
    const bool created = window == nullptr;
    if (created) {
        window = new Window(std::forward<Args>(args)..., mainWindow);
    }
    return detail::show(window, created);
}

// A window of its own, built as Window(args...), that stays usable while the main window is
// locked, as a child window would not; it goes when the main window goes. Closed ones that
// wait for deletion do not count.
template <class Window, class... Args>
Window* openOnceBeside(QWidget* mainWindow, Args&&... args) {
    Window* window = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        auto* open = qobject_cast<Window*>(candidate);
        if (open && open->isVisible()) {
            window = open;
        }
    }
    const bool created = window == nullptr;
    if (created) {
        window = new Window(std::forward<Args>(args)...);
        if (mainWindow) {
            QObject::connect(mainWindow, &QObject::destroyed, window, [window] { delete window; });
        }
    }
    return detail::show(window, created);
}

}  // namespace vondrik
