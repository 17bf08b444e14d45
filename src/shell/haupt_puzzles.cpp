// The main window's puzzle menu: the items that open the puzzle windows.
#include <QAction>

#include "puzzles/pyramid_window.h"
#include "puzzles/snail_window.h"
#include "puzzles/stairs_window.h"
#include "shell/haupt.h"

namespace vondrik {

void Haupt::connectPuzzleMenu() {
    connect(menuAction(QStringLiteral("pyra")), &QAction::triggered, this,
            [this] { Form4::open(session_, platform_, this); });
    connect(menuAction(QStringLiteral("schneck")), &QAction::triggered, this,
            [this] { Schnecken::open(session_, platform_, this); });
    connect(menuAction(QStringLiteral("trepp")), &QAction::triggered, this,
            [this] { Treppen::open(session_, platform_, this); });
}

}  // namespace vondrik
