// Paths below the application folder, and the choice and first filling of that folder.
#include "ui/app_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/file_steps.h"

namespace vondrik {
namespace {

// Where a package puts the read-only copy, seen from the executable; the install rules of
// the build use the same layout (bin/ and share/vondrik2000/).
constexpr auto kInstalledCopy = QLatin1String("../share/vondrik2000");
constexpr auto kPerUserName = QLatin1String("vondrik2000");
constexpr auto kDaten = QLatin1String("daten");

bool isUsable(const QString& folder) {
    return QFileInfo(folder).isWritable() && QFileInfo(folder + u'/' + kDaten).isDir();
}

QString failure(const QString& folder, const QString& reason) {
    return QStringLiteral(
               "Vondrik 2000 kann seinen Datenordner\n%1\nnicht einrichten: %2\n\n"
               "Bitte prüfen Sie, ob der Ordner beschreibbar ist und genug Platz bietet.")
        .arg(QDir::toNativeSeparators(folder), reason);
}

QString cannotCreate(const QString& folder) {
    return QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.")
        .arg(QDir::toNativeSeparators(folder));
}

// Copies every file below source that target lacks; an existing file is never touched. Each
// file is written beside its place and renamed into it, so a start cut short leaves whole
// files only. Returns the reason of the first failure, or the empty text.
QString copyMissing(const FileSteps& files, const QString& source, const QString& target,
                    const QString& skipped = {}) {
    const QDir from(source);
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = from.relativeFilePath(path);
        if (!skipped.isEmpty() && relative.startsWith(skipped + u'/')) {
            continue;
        }
        const QString copy = target + u'/' + relative;
        if (QFileInfo::exists(copy)) {
            continue;
        }
        if (!QDir().mkpath(QFileInfo(copy).path())) {
            return cannotCreate(QFileInfo(copy).path());
        }
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            return QStringLiteral("Die Datei „%1“ lässt sich nicht lesen.")
                .arg(QDir::toNativeSeparators(path));
        }
        if (!files.writeFile(copy, in.readAll())) {
            return QStringLiteral("Die Datei „%1“ lässt sich nicht schreiben.")
                .arg(QDir::toNativeSeparators(copy));
        }
        files.mark();
    }
    return {};
}

// daten/ appears in one step, complete: it is filled beside its place and then renamed, so
// an interrupted first start is simply repeated. Later starts never copy into it, because
// a missing dictionary there may be one the program has just moved aside.
QString fillDaten(const FileSteps& files, const QString& installed, const QString& perUser) {
    const QString daten = perUser + u'/' + kDaten;
    if (QFileInfo(daten).isDir()) {
        return {};
    }
    const QString staging = daten + QStringLiteral(".neu");
    if (!files.removeFolder(staging) || !QDir().mkpath(staging)) {
        return cannotCreate(staging);
    }
    if (QString reason = copyMissing(files, installed + u'/' + kDaten, staging);
        !reason.isEmpty()) {
        return reason;
    }
    if (!files.replace(staging, daten)) {
        return cannotCreate(daten);
    }
    return {};
}

}  // namespace

AppFolder::AppFolder(const QString& root) : root_(QDir::cleanPath(root)) {}

QString AppFolder::appPath(QStringView relative) const {
    QString tail = relative.toString();
    tail.replace(u'\\', u'/');
    while (tail.startsWith(u'/')) {
        tail.remove(0, 1);
    }
    if (tail.isEmpty()) {
        return root_;
    }
    return QDir::cleanPath(root_ + u'/' + tail);
}

AppFolderPlaces AppFolderPlaces::ofThisProgram() {
    const QString own = QCoreApplication::applicationDirPath();
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {own, QDir::cleanPath(own + u'/' + kInstalledCopy),
            dataHome.isEmpty() ? QString() : QDir::cleanPath(dataHome + u'/' + kPerUserName)};
}

AppFolderChoice chooseAppFolder(const AppFolderPlaces& places, const FileSteps& files) {
    const AppFolder own(places.own);
    if (isUsable(places.own) || !QFileInfo(places.installed + u'/' + kDaten).isDir()) {
        return {own, {}};
    }
    if (places.perUser.isEmpty()) {
        return {own, failure(QStringLiteral("~/.local/share/") + kPerUserName,
                             QStringLiteral("Es ist kein persönlicher Ordner bekannt."))};
    }
    const AppFolder perUser(places.perUser);
    if (!QDir().mkpath(perUser.root())) {
        return {perUser,
                failure(perUser.root(), QStringLiteral("Der Ordner lässt sich nicht anlegen."))};
    }
    // Help, sounds and pictures a newer installation brings along reach existing folders too.
    QString reason = copyMissing(files, places.installed, perUser.root(), kDaten);
    if (reason.isEmpty()) {
        reason = fillDaten(files, places.installed, perUser.root());
    }
    return {perUser, reason.isEmpty() ? QString() : failure(perUser.root(), reason)};
}

}  // namespace vondrik
