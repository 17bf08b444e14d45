// Small helpers the tests share: files read and written as bytes, a full disk, and a window's
// controls found by their object names.
#pragma once

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <csignal>
#include <stdexcept>

namespace vondrik::test {

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<keine Datei>");
}

// Writes the bytes, making the folder first; throws when that fails.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

// Runs `write` while files may grow to `bytes` at most, as on a full disk; unlike a full
// disk, the limit holds even for root. Returns what `write` returns.
template <class Write>
auto withFileSizeLimit(rlim_t bytes, Write write) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

// The control of that object name below `parent`; a test naming a missing one fails.
template <class T = QWidget>
T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) {
        throw std::runtime_error("no control " + name.toStdString());
    }
    return found;
}

// An element of a control array: ("Command1", 6) is Command1_6.
template <class T = QWidget>
T* child(const QObject* parent, const QString& name, int index) {
    return child<T>(parent, name + u'_' + QString::number(index));
}

}  // namespace vondrik::test
