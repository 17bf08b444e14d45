// Paths of the backup set and whole-file reading with every failure reported.
#include "maintenance/backup_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dictionary/database.h"

namespace vondrik {

QString backupFolder(const AppFolder& folder) {
    return folder.appPath(u"Sicherung");
}

QString backupFileName(int length) {
    return QString::number(length) + QStringLiteral(".dat");
}

QString backupFile(const AppFolder& folder, int length) {
    return backupFolder(folder) + u'/' + backupFileName(length);
}

QString counterCopyFile(const AppFolder& folder) {
    return backupFolder(folder) + QStringLiteral("/upd.int");
}

QString counterFile(const AppFolder& folder) {
    return folder.appPath(u"daten/anzup.sis");
}

QString databaseFile(const AppFolder& folder) {
    return folder.appPath(QString::fromLatin1(kDictionaryRelativePath));
}

QString newDatabaseFile(const AppFolder& folder) {
    return databaseFile(folder) + QStringLiteral(".neu");
}

QString restoreMarkerFile(const AppFolder& folder) {
    return folder.appPath(u"daten/zurueckschreiben.dat");
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::optional<QByteArray> readFileBytes(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace vondrik
