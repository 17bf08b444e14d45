// What a crossword fan would not accept, counted over many puzzle numbers of one kind: a
// puzzle that breaks its kind's rules, a word or a clue that comes twice in one puzzle, an
// answer that stands in a clue of its puzzle, a printed sheet that does not fit one page, a
// generation that ends without a puzzle. The checks are written apart from the generators'
// own, so that they catch what those miss. The quality report's, and its test's as well.
#pragma once

#include <QElapsedTimer>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "dictionary/text.h"
#include "puzzles/puzzle_number.h"
#include "puzzles/puzzle_sheets.h"
#include "puzzles/pyramid_generator.h"
#include "puzzles/snail_generator.h"
#include "puzzles/stairs_generator.h"
#include "ui/fake_platform.h"
#include "ui/qt_print_job.h"

namespace vondrik::test {

// An answer of a puzzle and the clue the user is shown for it.
struct ShownEntry {
    QString word;
    QString clue;
};

inline std::vector<ShownEntry> shownEntries(const Pyramid& p) {
    std::vector<ShownEntry> entries;
    for (int row = 2; row <= kPyramidRows; ++row) {
        entries.push_back({p.words[row], p.meanings[row]});
    }
    return entries;
}

inline std::vector<ShownEntry> shownEntries(const Snail& s) {
    std::vector<ShownEntry> entries;
    for (int n = 0; n <= kSnailWords; ++n) {
        entries.push_back({s.words[n], s.meanings[n]});
    }
    return entries;
}

inline std::vector<ShownEntry> shownEntries(const Stairs& s) {
    std::vector<ShownEntry> entries;
    for (int n = 1; n <= kStairsRows + 1; ++n) {
        entries.push_back({s.words[n], s.meanings[n]});
    }
    return entries;
}

// Each row holds every letter of the row above and has one letter more.
inline bool wellFormed(const Pyramid& p) {
    if (!QStringLiteral("AEHRLTONSI").contains(p.startLetter()) || p.startLetter().size() != 1) {
        return false;
    }
    for (int row = 2; row <= kPyramidRows; ++row) {
        for (QChar letter : p.words[row - 1]) {
            if (p.words[row].size() != row || !p.words[row].contains(letter)) {
                return false;
            }
        }
    }
    return true;
}

// Each word starts with the last letter of the one before; the diagonal spells the solution.
inline bool wellFormed(const Snail& s) {
    for (int n = 0; n <= kSnailWords; ++n) {
        if (s.words[n].size() != kSnailWordLength[n] ||
            (n >= 2 && s.words[n].front() != s.words[n - 1].back())) {
            return false;
        }
    }
    QString diagonal;
    for (int box : kSnailDiagonalBoxes) {
        diagonal += s.spiralText().at(box);
    }
    return diagonal == s.solutionWord();
}

// The staircase, read downwards, spells the solution word.
inline bool wellFormed(const Stairs& s) {
    for (int row = 1; row <= kStairsRows; ++row) {
        if (s.rowWord(row).size() != kStairsColumns) {
            return false;
        }
    }
    return s.solutionWord().size() == kStairsSolutionLength && s.staircase() == s.solutionWord();
}

inline const Pyramid& puzzleOf(const PyramidGenerator& g) {
    return g.pyramid();
}
inline const Snail& puzzleOf(const SnailGenerator& g) {
    return g.snail();
}
inline const Stairs& puzzleOf(const StairsGenerator& g) {
    return g.stairs();
}
inline PuzzleSheet sheetOf(const Pyramid& p, int number) {
    return pyramidSheet(p, number);
}
inline PuzzleSheet sheetOf(const Snail& s, int number) {
    return snailSheet(s, number);
}
inline PuzzleSheet sheetOf(const Stairs& s, int number) {
    return stairsSheet(s, number);
}

inline bool repeats(const std::vector<ShownEntry>& entries) {
    QSet<QString> words;
    QSet<QString> clues;
    for (const ShownEntry& e : entries) {
        words.insert(e.word);
        clues.insert(e.clue.trimmed().toCaseFolded());
    }
    return words.size() < static_cast<qsizetype>(entries.size()) ||
           clues.size() < static_cast<qsizetype>(entries.size());
}

inline bool answerInClue(const std::vector<ShownEntry>& entries) {
    for (const ShownEntry& answer : entries) {
        const QRegularExpression word(
            QStringLiteral("(?<![\\w])%1(?![\\w])").arg(QRegularExpression::escape(answer.word)),
            QRegularExpression::CaseInsensitiveOption |
                QRegularExpression::UseUnicodePropertiesOption);
        for (const ShownEntry& e : entries) {
            if (word.match(upperKeepLength(e.clue)).hasMatch()) {
                return true;
            }
        }
    }
    return false;
}

// Prints into a PDF on A4, the paper a printer without a default one gets, and counts its
// pages.
class PageCounter final : public Printer {
  public:
    std::unique_ptr<PrintJob> begin(const QString&) override {
        auto printer = std::make_unique<CountingPrinter>(pages_);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(dir_.filePath(QStringLiteral("sheet.pdf")));
        pages_ = 1;
        return std::make_unique<QtPrintJob>(std::move(printer), messages_);
    }
    int pages() const { return pages_; }

  private:
    class CountingPrinter final : public QPrinter {
      public:
        explicit CountingPrinter(int& pages) : QPrinter(HighResolution), pages_(pages) {}
        bool newPage() override {
            ++pages_;
            return QPrinter::newPage();
        }

      private:
        int& pages_;
    };

    QTemporaryDir dir_;
    FakeMessageBox messages_;
    int pages_ = 0;
};

struct QualityCount {
    int puzzles = 0;
    int failed = 0;
    int malformed = 0;
    int repeated = 0;
    int answerInClue = 0;
    int onePage = 0;
    std::vector<double> milliseconds;  // of each generation

    double percentile(double share) const {
        std::vector<double> sorted = milliseconds;
        std::sort(sorted.begin(), sorted.end());
        const auto at = static_cast<std::size_t>(std::ceil(share * sorted.size()));
        return sorted.empty() ? 0 : sorted[std::min(at, sorted.size()) - 1];
    }
};

// Generates puzzle numbers 1 to count with a Generator and checks each puzzle and its sheet.
template <typename Generator>
QualityCount countQuality(DictionarySession& session, int count) {
    QualityCount result;
    SeededRandom random(0);
    Generator generator(session, random);
    PageCounter printer;
    for (int number = 1; number <= count; ++number) {
        QElapsedTimer clock;
        clock.start();
        seedForPuzzle(random, number);
        generator.start();
        while (generator.step()) {
        }
        result.milliseconds.push_back(clock.nsecsElapsed() / 1e6);
        ++result.puzzles;
        if (generator.state() != StagedGenerator::State::Complete) {
            ++result.failed;
            continue;
        }
        const auto& puzzle = puzzleOf(generator);
        const std::vector<ShownEntry> entries = shownEntries(puzzle);
        result.malformed += wellFormed(puzzle) ? 0 : 1;
        result.repeated += repeats(entries) ? 1 : 0;
        result.answerInClue += answerInClue(entries) ? 1 : 0;
        printPuzzleSheet(printer, sheetOf(puzzle, number));
        result.onePage += printer.pages() == 1 ? 1 : 0;
    }
    return result;
}

}  // namespace vondrik::test
