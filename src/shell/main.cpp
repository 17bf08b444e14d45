// Program start: the real platform, the single-copy lock and the splash window, which loads
// the main window when its time is up.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "shell/haupt.h"
#include "shell/instance_lock.h"
#include "shell/splash_window.h"
#include "ui/qt_dialogs.h"
#include "ui/real_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vondrik 2000"));
    // The standard dialogs (colour, font, files) speak German like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    const vondrik::AppFolderChoice folder =
        vondrik::chooseAppFolder(vondrik::AppFolderPlaces::ofThisProgram());
    if (!folder.error.isEmpty()) {
        vondrik::QtMessageBox().show(folder.error, QStringLiteral("Fehlermeldung"),
                                     vondrik::MessageIcon::Critical);
        return 1;
    }
    vondrik::RealPlatform real(folder.folder);
    vondrik::InstanceLock lock(real.platform().appFolder.appPath(vondrik::kInstanceLockFile));

    auto* splash = new vondrik::starter(real.platform(), lock);
    QPointer<vondrik::Haupt> haupt;
    QObject::connect(splash, &vondrik::starter::hauptShown,
                     [&haupt](vondrik::Haupt* shown) { haupt = shown; });
    QObject::connect(splash, &vondrik::starter::loadFailed, [] { QCoreApplication::exit(1); });
    if (!splash->load()) {
        const int status = splash->exitStatus();
        delete splash;
        return status;
    }
    const int code = QApplication::exec();
    delete haupt.data();  // closed but possibly not yet deleted; it uses the platform
    return code;
}
