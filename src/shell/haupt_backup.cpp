// The main window's menu item for the backup window.
#include <QAction>

#include "maintenance/backup_window.h"
#include "shell/haupt.h"

namespace vondrik {

// The backup window works on the main window's own session: after a restore it is connected
// to the rebuilt dictionary, so the searches need nothing further.
void Haupt::connectBackupMenu() {
    connect(menuAction(QStringLiteral("sic")), &QAction::triggered, this,
            [this] { Form3::load(session_, platform_, this); });
}

}  // namespace vondrik
