// vondrik_assetgen <application folder>: writes the generated sounds and pictures.
#include "assetgen/assets.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // JPEG writing is a plugin; the application object sets up where plugins are looked for.
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: vondrik_assetgen <Anwendungsordner>\n");
        return 2;
    }
    QString error;
    if (!vondrik::assetgen::writeAllAssets(args.at(1), &error)) {
        std::fprintf(stderr, "vondrik_assetgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
