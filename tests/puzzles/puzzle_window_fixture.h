// What every puzzle window test needs: the window shown on a puzzle dictionary, its controls
// by name, and a generation run to its end stage by stage as Timer1 would run it.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "puzzle_dictionary.h"
#include "ui/fake_platform.h"

namespace vondrik::test {

// Types the text into the widget key by key, umlauts and "ß" included.
inline void typeText(QWidget* widget, const QString& text,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                            modifiers);
    }
}

template <typename Window, typename Generator>
class PuzzleWindowTest : public ::testing::Test {
  protected:
    explicit PuzzleWindowTest(const std::vector<PlacedEntry>& entries) : dictionary(entries) {
        window = new Window(dictionary.session, fake.platform, nullptr);
        window->show();
    }
    ~PuzzleWindowTest() override { delete window; }

    template <typename T = QWidget>
    T* control(const QString& name) {
        T* found = window->template findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* box(int i) { return control<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QPushButton* button(int n) { return control<QPushButton>(QStringLiteral("Command%1").arg(n)); }

    void finish() {
        for (int stages = 0; window->generating(); ++stages) {
            ASSERT_LT(stages, Generator::kStageLimit + 1);
            window->stufe();
        }
    }
    void generate() {
        button(1)->click();
        finish();
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    PuzzleDictionary dictionary;
    Window* window = nullptr;
};

}  // namespace vondrik::test
