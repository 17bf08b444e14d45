// Tracing a path component by component, ignoring letter case.
#include "shell/case_insensitive_path.h"

#include <QDir>
#include <QFileInfo>

namespace vondrik {

QString existingPathIgnoringCase(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path)) {
        return path;
    }
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (!QDir::isAbsolutePath(clean)) {
        return path;
    }
    const QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
    // Everything before the first component: "/" here, a drive such as "C:/" elsewhere.
    QString current = clean.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        if (current.isEmpty()) {
            current = part + u'/';  // the drive itself
            continue;
        }
        const QString direct = QDir(current).filePath(part);
        if (QFileInfo::exists(direct)) {
            current = direct;
            continue;
        }
        QString found;
        const QStringList entries = QDir(current).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        if (found.isEmpty()) {
            return path;
        }
        current = QDir(current).filePath(found);
    }
    return current;
}

}  // namespace vondrik
