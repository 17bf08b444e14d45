// The single-copy lock on a QLockFile: who holds a lock that is refused, and why a lock file
// cannot be made.
#include "shell/instance_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QSysInfo>
#include <QThread>
#include <optional>

namespace vondrik {
namespace {

// Less room than this on the folder's drive: the lock file found no place to be written.
constexpr qint64 kNearlyFull = 64 * 1024;

// A copy that is starting right now has made its lock file but not yet filled it.
constexpr unsigned long kWriteGraceMs = 200;

struct LockOwner {
    QString host;
    QByteArray hostId;
};

// The owner as the lock file names it: process number, program, computer name and (from
// newer writers) the computer's unique id, one per line. Nothing when the file is gone or
// names no process.
std::optional<LockOwner> readOwner(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    const QByteArray pid = file.readLine().trimmed();
    file.readLine();  // the program's name
    bool ok = false;
    if (const qint64 number = pid.toLongLong(&ok); !ok || number <= 0) {
        return std::nullopt;
    }
    LockOwner owner;
    owner.host = QString::fromUtf8(file.readLine().trimmed());
    owner.hostId = file.readLine().trimmed();
    return owner;
}

QString machineName() {
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

// Judged as QLockFile judges it: on this computer a lock whose process has died would have
// been taken over already, so a refused lock from here belongs to a running copy.
bool writtenHere(const LockOwner& owner) {
    const QByteArray ourId = QSysInfo::machineUniqueId();
    if (!owner.hostId.isEmpty() && !ourId.isEmpty()) {
        return owner.hostId == ourId;
    }
    return owner.host.isEmpty() || owner.host == machineName();
}

QString nativeFolderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

LockResult acquired() {
    return {LockOutcome::Acquired, {}, {}};
}

LockResult runningHere() {
    return {LockOutcome::RunningHere, {}, QStringLiteral("Vondrik 2000 ist schon bei der Arbeit!")};
}

LockResult otherHost(const QString& host, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    // A lock that names no computer gives no "there" to ask about: the question is whether
    // any other computer runs the program on this folder.
    const QString who =
        host.isEmpty() ? QStringLiteral(
                             "Die Sperrdatei %1 nennt keinen Besitzer; wahrscheinlich ist sie "
                             "bei einem Absturz unvollständig geblieben.\n\nLäuft Vondrik 2000 "
                             "gerade auf einem anderen Rechner, der diesen Anwendungsordner "
                             "benutzt, antworten Sie bitte mit Nein")
                             .arg(file)
                       : QStringLiteral(
                             "Vondrik 2000 wird von dem Rechner „%1“ benutzt oder wurde dort "
                             "nicht ordnungsgemäß beendet (Sperrdatei %2).\n\nLäuft Vondrik "
                             "2000 dort noch, antworten Sie bitte mit Nein")
                             .arg(host, file);
    return {LockOutcome::OtherHost, host,
            who + QStringLiteral(": zwei laufende Programme würden dieselbe Datenbank "
                                 "beschreiben.\n\nSperre aufheben und Vondrik 2000 starten?")};
}

LockResult failed(const QString& cause) {
    return {LockOutcome::Failed, {}, QStringLiteral("Vondrik 2000 kann nicht starten: ") + cause};
}

}  // namespace

InstanceLock::InstanceLock(const QString& lockFilePath) : lock_(lockFilePath) {
    // The program may run for days: only a dead owner makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

LockResult InstanceLock::acquire() {
    if (lock_.isLocked()) {
        return acquired();
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (lock_.tryLock(0)) {
            return acquired();
        }
        if (lock_.error() != QLockFile::LockFailedError) {
            return failure();
        }
        if (const auto owner = readOwner(path())) {
            return writtenHere(*owner) ? runningHere() : otherHost(owner->host, path());
        }
        // Gone meanwhile, or just being written by a copy starting now: look once more.
        QThread::msleep(kWriteGraceMs);
    }
    return otherHost(QString(), path());
}

LockResult InstanceLock::takeOver() {
    if (lock_.isLocked()) {
        return acquired();
    }
    // A copy on this computer that started meanwhile keeps its lock.
    const auto owner = readOwner(path());
    if (!(owner && writtenHere(*owner)) && !lock_.removeStaleLockFile() &&
        QFileInfo::exists(path())) {
        return failed(QStringLiteral("Die Sperrdatei %1 lässt sich nicht entfernen.")
                          .arg(QDir::toNativeSeparators(path())));
    }
    LockResult result = acquire();
    if (result.outcome == LockOutcome::OtherHost) {
        // Another computer locked the folder again in the meantime; no second question.
        return failed(QStringLiteral("Der Rechner „%1“ hat den Anwendungsordner %2 soeben "
                                     "wieder gesperrt.")
                          .arg(result.host, nativeFolderOf(path())));
    }
    return result;
}

LockResult InstanceLock::failure() const {
    const QString folder = nativeFolderOf(path());
    if (lock_.error() == QLockFile::PermissionError) {
        return failed(QStringLiteral("In den Anwendungsordner %1 darf nicht geschrieben werden. "
                                     "Bitte starten Sie das Programm aus einem Ordner, in dem "
                                     "Sie schreiben dürfen.")
                          .arg(folder));
    }
    if (!QFileInfo(QFileInfo(path()).absolutePath()).isDir()) {
        return failed(QStringLiteral("Der Anwendungsordner %1 ist nicht vorhanden.").arg(folder));
    }
    const QStorageInfo storage(QFileInfo(path()).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < kNearlyFull) {
        return failed(
            QStringLiteral("Auf dem Laufwerk des Anwendungsordners %1 ist kein Platz mehr frei.")
                .arg(folder));
    }
    return failed(QStringLiteral("Die Sperrdatei %1 lässt sich nicht anlegen.")
                      .arg(QDir::toNativeSeparators(path())));
}

}  // namespace vondrik
