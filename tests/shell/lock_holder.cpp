// Helper program for the single-copy tests: takes the program's lock on the folder given as
// its argument, reports "gesperrt" (or "besetzt" when another copy holds it) and then waits
// until it is killed, like a copy of the program that is still running.
#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "shell/instance_lock.h"
#include "ui/app_folder.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("Aufruf: lock_holder <Anwendungsordner>\n", stderr);
        return 2;
    }
    const vondrik::AppFolder folder(QString::fromLocal8Bit(argv[1]));
    vondrik::InstanceLock lock(folder.appPath(vondrik::kInstanceLockFile));
    const bool acquired = lock.acquire().outcome == vondrik::LockOutcome::Acquired;
    std::puts(acquired ? "gesperrt" : "besetzt");
    std::fflush(stdout);
    for (;;) {
        QThread::sleep(1);
    }
}
