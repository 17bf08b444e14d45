// Program start: the real platform and the main window.
#include <QApplication>

#include "shell/haupt.h"
#include "ui/real_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vondrik 2000"));
    vondrik::RealPlatform real;
    vondrik::Haupt haupt(real.platform());
    if (!haupt.load()) {
        return 1;
    }
    haupt.show();
    return QApplication::exec();
}
