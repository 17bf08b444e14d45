// The three puzzle windows side by side for typed tests: what differs between them where the
// puzzle driver treats them alike.
#pragma once

#include "puzzle_dictionary.h"
#include "puzzles/pyramid_window.h"
#include "puzzles/snail_window.h"
#include "puzzles/stairs_window.h"

namespace vondrik::test {

inline QString letterPuzzleSolved(bool shown) {
    return shown ? QStringLiteral(
                       "Prima Sie haben das Rätsel komplett gelöst, das nächste mal "
                       "versuchen Sie das einmal ohne sich die Lösung anzeigen zu "
                       "lassen!")
                 : QStringLiteral("Prima Sie haben das Rätsel komplett gelöst !");
}

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
    static QString solvedMessage(bool shown) {
        return shown ? QStringLiteral(
                           "Na ja, Sie haben das Rätsel zwar gelöst, aber nur mit "
                           "Hilfe der Lösungseinblendung!")
                     : QStringLiteral("Prima Sie haben das Rätsel komplett gelöst !");
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
    static QString solvedMessage(bool shown) { return letterPuzzleSolved(shown); }
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
    static QString solvedMessage(bool shown) { return letterPuzzleSolved(shown); }
    static QString noPuzzleMessage() { return Generator::noStairsMessage(); }
};

}  // namespace vondrik::test
