// Acting on a modal dialog from a test: the dialog's exec() blocks, so the action is queued
// to run as soon as the dialog is up.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace vondrik::test {

// Runs `act` on the next visible modal dialog. A dialog may refuse to close at first (a
// file dialog still reading its folder does), so the action is repeated every 200 ms until
// that dialog has gone.
inline void whenModalAppears(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    auto target = std::make_shared<QPointer<QWidget>>();
    auto ticks = std::make_shared<int>(-1);  // -1 until the action has run once
    QObject::connect(poll, &QTimer::timeout, [poll, act, target, ticks] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool visible = modal && modal->isVisible();
        if (*ticks >= 0) {
            if (!visible || modal != target->data()) {
                poll->stop();
                poll->deleteLater();
            } else if (++*ticks % 20 == 0) {
                act(modal);
            }
            return;
        }
        if (visible) {
            *target = modal;
            *ticks = 0;
            act(modal);
        }
    });
    poll->start(10);
}

}  // namespace vondrik::test
