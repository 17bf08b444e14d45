// The main window's way into the guessing game: the menu item that opens the game window.
#include <QAction>

#include "game/spiel.h"
#include "shell/haupt.h"
#include "shell/notebook_file.h"

namespace vondrik {

void Haupt::connectGameMenu() {
    connect(menuAction(QStringLiteral("spielen")), &QAction::triggered, this, [this] {
        Spiel::open(session_, platform_, this, readNotebookShift(platform_.appFolder).value_or(0));
    });
}

}  // namespace vondrik
