// The main window's help menu: the about box, the help, the introduction and the additional
// tooltips, and the program icon on the main window.
#include <QAction>
#include <QApplication>

#include "extras/about_window.h"
#include "extras/additional_tooltips.h"
#include "extras/help_viewer.h"
#include "extras/introduction_window.h"
#include "extras/program_icon.h"
#include "shell/haupt.h"

namespace vondrik {
namespace {

// The open window of that kind, if any; closed ones wait for deletion and do not count.
template <class W>
W* openWindow(const QList<W*>& candidates) {
    for (W* window : candidates) {
        if (window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

void Haupt::connectHelpMenu() {
    const QIcon icon = programIcon(platform_.appFolder);
    if (!icon.isNull()) {
        setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
    }
    // Lets the desktop match the windows with the program's menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vondrik2000"));
    connect(menuAction(QStringLiteral("info")), &QAction::triggered, this, [this] {
        Information* box = openWindow(findChildren<Information*>());
        if (!box) {
            box = new Information(platform_, this);
        }
        box->show();
        box->raise();
        box->activateWindow();
    });
    connect(menuAction(QStringLiteral("hian")), &QAction::triggered, this,
            [this] { openHelp(platform_, this); });
    connect(menuAction(QStringLiteral("kleif")), &QAction::triggered, this, [this] {
        QList<Form1*> open;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* intro = qobject_cast<Form1*>(window)) {
                open.append(intro);
            }
        }
        Form1* intro = openWindow(open);
        if (!intro) {
            intro = new Form1(platform_, searches_, this,
                              {[this](int length) { musterSuche(length); }});
            // The introduction is a window of its own and must not outlive the window it
            // drives.
            connect(this, &QObject::destroyed, intro, [intro] { delete intro; });
        }
        intro->show();
        intro->raise();
        intro->activateWindow();
    });
    connect(menuAction(QStringLiteral("akti")), &QAction::triggered, this,
            [this] { setAdditionalTooltips(this, true); });
    connect(menuAction(QStringLiteral("deakti")), &QAction::triggered, this,
            [this] { setAdditionalTooltips(this, false); });
}

}  // namespace vondrik
