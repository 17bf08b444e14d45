// Paths of the backup set and whole-file reading and writing with every failure reported.
#include "maintenance/backup_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool writeFileBytes(const QString& path, const QByteArray& bytes, bool replace) {
    if (replace) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        // commit() misses a failed write of a short text still in the buffer; flush sees it.
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

}  // namespace vondrik
