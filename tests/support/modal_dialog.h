// Acting on a modal dialog from a test: the dialog's exec() blocks, so the action is queued
// to run as soon as the dialog is up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vondrik::test {

inline void whenModalAppears(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start(10);
}

}  // namespace vondrik::test
