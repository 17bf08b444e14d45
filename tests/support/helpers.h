// Small helpers the tests share: files read and written as bytes, and a window's controls
// found by their object names.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
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
