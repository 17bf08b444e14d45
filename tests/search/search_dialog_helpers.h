// Shared checks of the two elliptic search dialogs that sit over the main window.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <initializer_list>

#include "dictionary/cleaning.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"
#include "support/qt_printers.h"

namespace vondrik::test {

// The visible dialog of that class, or nullptr once it has gone.
template <class Dialog>
Dialog* visibleDialog() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<Dialog*>(w);
        if (dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Result lines of the fixture entries of a length that `fits` (all by default), in table order.
inline QStringList fixtureLines(
    int length, const std::function<bool(const FixtureEntry&)>& fits = [](const FixtureEntry&) {
        return true;
    }) {
    QStringList lines;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        if (fits(e)) {
            lines << resultLine(e.begriff, e.bedeutung);
        }
    }
    return lines;
}

// An open dialog keeps the main window disabled beneath it, shows every control and its
// whole note inside the ellipse, and its timer moves the focus into the first box.
inline void expectOpenOverMainWindow(Haupt& haupt, QWidget* dialog, QWidget* elsewhere,
                                     std::initializer_list<const char*> names) {
    EXPECT_FALSE(haupt.isEnabled());
    EXPECT_TRUE(dialog->isEnabled() && dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    const QRegion ellipse = dialog->mask();
    EXPECT_FALSE(ellipse.contains(QPoint(2, 2)));
    for (const char* name : names) {
        const QRect r = child(dialog, name)->geometry();
        for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            EXPECT_TRUE(ellipse.contains(corner)) << name;
        }
    }
    auto* note = child<QLabel>(dialog, "Label2");
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    elsewhere->setFocus();
    ASSERT_TRUE(QMetaObject::invokeMethod(child<QTimer>(dialog, "Timer1"), "timeout"));
    EXPECT_EQ(dialog->focusWidget(), child(dialog, "Text1"));
}

// After a dialog of that class has gone, the main window is usable again with the pattern
// box focused and its whole text selected for the next input.
template <class Dialog>
void expectMainWindowBack(Haupt& haupt) {
    EXPECT_EQ(visibleDialog<Dialog>(), nullptr);
    EXPECT_TRUE(haupt.isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&haupt] { return Text1(haupt)->hasFocus(); }));
    EXPECT_EQ(Text1(haupt)->selectedText(), Text1(haupt)->text());
}

}  // namespace vondrik::test
