// The menu item that opens the data update window.
#include <QAction>

#include "maintenance/datenupdate.h"
#include "shell/haupt.h"

namespace vondrik {

void Haupt::connectUpdateMenu() {
    connect(menuAction(QStringLiteral("daupaus")), &QAction::triggered, this,
            [this] { Datenupdate::open(session_, platform_, this); });
}

}  // namespace vondrik
