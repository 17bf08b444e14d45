// POSIX calls, because Qt's file classes neither sync a folder nor rename over an existing
// file in one step, and neither can swap two folders.
#include "ui/file_steps.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace vondrik {
namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString parentOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

void FileSteps::mark() const {
    if (seam_) {
        seam_();
    }
}

QString FileSteps::temporaryFor(const QString& path) {
    return path + QStringLiteral(".tmp");
}

bool FileSteps::syncFile(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool FileSteps::syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // Some file systems cannot sync a folder; their renames are as durable as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

bool FileSteps::writeScratchFile(const QString& path, const QByteArray& bytes) const {
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    // A crash test that ends the process here finds a half-written file.
    const qsizetype half = bytes.size() / 2;
    bool ok = writeAll(fd, bytes.constData(), half);
    if (ok) {
        mark();
        ok = writeAll(fd, bytes.constData() + half, bytes.size() - half) && ::fsync(fd) == 0;
    }
    return ::close(fd) == 0 && ok;
}

bool FileSteps::writeFile(const QString& path, const QByteArray& bytes) const {
    const QString temp = temporaryFor(path);
    if (!writeScratchFile(temp, bytes)) {
        QFile::remove(temp);
        return false;
    }
    mark();
    if (!replace(temp, path)) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

bool FileSteps::replace(const QString& from, const QString& to) const {
    if (std::rename(native(from).constData(), native(to).constData()) != 0) {
        return false;
    }
    syncFolder(parentOf(to));
    if (parentOf(from) != parentOf(to)) {
        syncFolder(parentOf(from));
    }
    return true;
}

bool FileSteps::remove(const QString& path) const {
    if (::unlink(native(path).constData()) != 0) {
        return errno == ENOENT;
    }
    syncFolder(parentOf(path));
    return true;
}

bool FileSteps::removeFolder(const QString& path) const {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    const bool removed = QDir(path).removeRecursively();
    syncFolder(parentOf(path));
    return removed;
}

bool FileSteps::exchange(const QString& a, const QString& b) const {
    if (::renameat2(AT_FDCWD, native(a).constData(), AT_FDCWD, native(b).constData(),
                    RENAME_EXCHANGE) != 0) {
        return false;
    }
    syncFolder(parentOf(a));
    return true;
}

}  // namespace vondrik
