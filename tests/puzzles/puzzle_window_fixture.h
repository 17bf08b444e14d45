// What every puzzle window test needs: the window shown on a puzzle dictionary, its controls
// by name, and a generation run to its end stage by stage as Timer1 would run it; and the
// three windows side by side for the typed tests of the driver they share.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "puzzle_dictionary.h"
#include "puzzles/pyramid_window.h"
#include "puzzles/snail_window.h"
#include "puzzles/stairs_window.h"
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
    // The lines of the one page of the one document printed.
    QStringList printed() const {
        QStringList lines;
        const auto& documents = fake.printer.documents();
        EXPECT_TRUE(documents.size() == 1 && documents[0].pages.size() == 1);
        for (const PrintedLine& line : documents.value(0).pages.value(0).lines) {
            lines.append(line.text);
        }
        return lines;
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    PuzzleDictionary dictionary;
    Window* window = nullptr;
};

struct PyramidKind {
    using Window = Form4;
    using Generator = PyramidGenerator;
    static std::vector<PlacedEntry> entries() { return fixturePlus(pyramidChains()); }
    static constexpr int kFirstBox = 1;  // box 0 holds the given letter
    static constexpr const char* kNumberField = "Text2";
    static constexpr int kSolutionButton = 2;
    static constexpr int kPrintButton = 3;
    static constexpr const char* kSolution = "Label1_1";
    static const Pyramid& puzzle(const Window& w) { return w.pyramid(); }
    // The letter of every box, in box order.
    static QString letters(const Window& w) {
        return QStringList(w.pyramid().words.begin(), w.pyramid().words.end()).join(QString());
    }
    static QString noPuzzleMessage() { return Generator::noPyramidMessage(); }
};

struct SnailKind {
    using Window = Schnecken;
    using Generator = SnailGenerator;
    static std::vector<PlacedEntry> entries() { return spiralWords(); }
    static constexpr int kFirstBox = 0;
    static constexpr const char* kNumberField = "Text3";
    static constexpr int kSolutionButton = 5;
    static constexpr int kPrintButton = 2;
    static constexpr const char* kSolution = "List2";
    static const Snail& puzzle(const Window& w) { return w.snail(); }
    static QString letters(const Window& w) { return w.snail().spiralText(); }
    static QString noPuzzleMessage() { return Generator::noSnailMessage(); }
};

struct StairsKind {
    using Window = Treppen;
    using Generator = StairsGenerator;
    static std::vector<PlacedEntry> entries() { return stairsWords(); }
    static constexpr int kFirstBox = 0;
    static constexpr const char* kNumberField = "Text2";
    static constexpr int kSolutionButton = 6;
    static constexpr int kPrintButton = 2;
    static constexpr const char* kSolution = "List2";
    static const Stairs& puzzle(const Window& w) { return w.stairs(); }
    static QString letters(const Window& w) { return w.stairs().gridText(); }
    static QString noPuzzleMessage() { return Generator::noStairsMessage(); }
};

}  // namespace vondrik::test
