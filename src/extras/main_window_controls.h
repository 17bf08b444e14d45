// The main window's own controls by their object names. The dialogs that belong to the main
// window are its children too and have controls of the same names (Text1, Command2, ...), so
// only widgets inside the main window itself count.
#pragma once

#include <QAction>
#include <QList>
#include <QString>
#include <QWidget>

namespace vondrik {

template <class T>
T* mainWindowControl(QWidget* mainWindow, const QString& name) {
    if (!mainWindow) {
        return nullptr;
    }
    for (T* control : mainWindow->findChildren<T*>(name)) {
        if (control->window() == mainWindow) {
            return control;
        }
    }
    return nullptr;
}

// A visible window of the main window's with that object name, such as an open dialog.
inline QWidget* openChildWindow(QWidget* mainWindow, const QString& name) {
    if (!mainWindow) {
        return nullptr;
    }
    for (QWidget* child : mainWindow->findChildren<QWidget*>(name)) {
        if (child->isWindow() && child->isVisible()) {
            return child;
        }
    }
    return nullptr;
}

// A menu item of the main window by its name.
inline QAction* mainWindowMenuItem(QWidget* mainWindow, const QString& name) {
    return mainWindow ? mainWindow->findChild<QAction*>(name) : nullptr;
}

}  // namespace vondrik
