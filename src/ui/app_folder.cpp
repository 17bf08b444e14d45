// Paths below the application folder.
#include "ui/app_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace vondrik {

AppFolder::AppFolder(const QString& root) : root_(QDir::cleanPath(root)) {}

AppFolder AppFolder::ofExecutable() {
    return AppFolder(QCoreApplication::applicationDirPath());
}

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

}  // namespace vondrik
