// The stairs' stages: the solution word with its feasibility check, then the six rows.
#include "puzzles/stairs_generator.h"

#include <algorithm>

#include "dictionary/length_tables.h"
#include "puzzles/taken_entries.h"

namespace vondrik {

StairsGenerator::StairsGenerator(DictionarySession& session, RandomSource& random)
    : StagedGenerator({0, kCompleteStage, kStageLimit, 0}), random_(random), scans_(session) {}

QString StairsGenerator::noStairsMessage() {
    return QStringLiteral(
        "Aus den Begriffen dieses Wörterbuchs konnte kein Treppenrätsel gebildet werden.");
}

void StairsGenerator::start() {
    scans_.forget();
    pool_ = {};
    solutions_.clear();
    begin();
}

void StairsGenerator::discardPuzzle() {
    candidates_.clear();
    stairs_ = Stairs();
}

void StairsGenerator::runStage(int stage) {
    if (stage == 0) {
        chooseSolutionWord();
    } else {
        fillRow(stage);
    }
}

bool StairsGenerator::fitsRow(int row, const QString& upper) const {
    // Letters row and row + 1 are the row's two steps: solution letters 2 row - 1 and 2 row.
    // A word shorter than seven letters would put the separator's blanks into the grid.
    const QString& solution = stairs_.solutionWord();
    return upper.size() == kStairsColumns && upper.at(row - 1) == solution.at(2 * row - 2) &&
           upper.at(row) == solution.at(2 * row - 1);
}

bool StairsGenerator::rowCanBeFilled(int row) const {
    return std::ranges::any_of(pool_,
                               [&](const TableRow& entry) { return fitsRow(row, entry.upper); });
}

void StairsGenerator::chooseSolutionWord() {
    if (pool_.empty()) {
        const TableRows& sieben = scans_.rows(*tableForLength(kStairsColumns));
        pool_ = std::span(sieben).first(std::min<std::size_t>(sieben.size(), kPoolSize));
    }
    if (solutions_.count() == 0) {
        for (const TableRow& record : scans_.rows(*tableForLength(kStairsSolutionLength))) {
            if (record.upper.size() == kStairsSolutionLength) {
                solutions_.add(candidateText(record.begriff, record.bedeutung));
            }
        }
    }
    // A solution word whose meaning holds it would give the staircase away.
    const int j = drawUntaken(solutions_, random_, TakenEntries(), kStairsSolutionLength);
    if (j == 0 || pool_.empty()) {
        giveUp();  // no twelve-letter word, or no seven-letter word at all
        return;
    }
    const QString& text = solutions_.at(j);
    stairs_.words[1] = candidateWord(text, kStairsSolutionLength);
    stairs_.meanings[1] = candidateMeaning(text, kStairsSolutionLength);
    for (int row = 1; row <= kStairsRows; ++row) {
        if (!rowCanBeFilled(row)) {
            return;  // a new solution word is drawn at the next stage
        }
    }
    setStage(1);
}

void StairsGenerator::fillRow(int row) {
    // Stage 0 has made sure that every row finds a word, so the rows need no attempt
    // counter; only the rules of a fair puzzle can still leave a row without one.
    candidates_.clear();
    for (const TableRow& entry : pool_) {
        if (fitsRow(row, entry.upper)) {
            candidates_.add(candidateText(entry.begriff, entry.bedeutung));
        }
    }
    TakenEntries taken;
    taken.add(stairs_.words, stairs_.meanings, 1, row);
    const int j = drawUntaken(candidates_, random_, taken, kStairsColumns);
    if (j == 0) {
        setStage(0);  // a new solution word; never take a stale entry
        return;
    }
    const QString& text = candidates_.at(j);
    stairs_.words[row + 1] = candidateWord(text, kStairsColumns);
    stairs_.meanings[row + 1] = candidateMeaning(text, kStairsColumns);
    setStage(row + 1);
}

}  // namespace vondrik
