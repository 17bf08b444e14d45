// The snail's stages: the solution word, then the spiral words with their backtracking.
#include "puzzles/snail_generator.h"

#include "dictionary/length_tables.h"
#include "puzzles/taken_entries.h"

namespace vondrik {

namespace {

// The solution letter (1 to 6) a spiral word holds besides its chained first letter, and
// where it holds it, so that the letter lands on its diagonal box.
struct DiagonalLetter {
    int position;  // letter of the word; 0 when the word holds none
    int solutionLetter;
};

constexpr std::array<DiagonalLetter, kSnailWords + 1> kDiagonalLetter = {{
    {0, 0},  // the solution word itself
    {0, 0},  // word 1 begins with solution letter 1 (its chained letter)
    {6, 6},
    {0, 0},
    {0, 0},
    {2, 2},
    {4, 5},
    {0, 0},
    {0, 0},
    {2, 3},
    {2, 4},
    {0, 0},
}};

}  // namespace

SnailGenerator::SnailGenerator(DictionarySession& session, RandomSource& random)
    : StagedGenerator({0, kCompleteStage, kStageLimit, kRestartStages}),
      random_(random),
      scans_(session) {}

QString SnailGenerator::noSnailMessage() {
    return QStringLiteral(
        "Aus den Begriffen dieses Wörterbuchs konnte keine Rätselschnecke gebildet werden.");
}

void SnailGenerator::start() {
    scans_.forget();
    attempts_.fill(0);
    begin();
}

void SnailGenerator::discardPuzzle() {
    candidates_.clear();
    snail_ = Snail();
}

void SnailGenerator::runStage(int stage) {
    if (stage == 0) {
        chooseSolutionWord();
    } else {
        fillWord(stage);
    }
}

int SnailGenerator::drawWord(int word) {
    collectCandidates(word);
    // The solution word's meaning is a clue as well.
    TakenEntries taken;
    taken.add(snail_.words, snail_.meanings, 0, word - 1);
    return drawUntaken(candidates_, random_, taken, kSnailWordLength[word]);
}

void SnailGenerator::chooseSolutionWord() {
    const int j = drawWord(0);
    if (j == 0) {
        giveUp();  // no six-letter word at all
        return;
    }
    take(0, j);
    setStage(1);
}

void SnailGenerator::fillWord(int word) {
    if (++attempts_[word] >= kAttemptLimit) {
        attempts_[word] = 0;
        setStage(word == 1 ? 1 : word - 1);
        return;
    }
    const int j = drawWord(word);
    if (j == 0) {
        // Nothing fits behind the word before: choose that one anew (for word 1, a new
        // solution word).
        setStage(word - 1);
        return;
    }
    take(word, j);
    setStage(word + 1);
}

void SnailGenerator::collectCandidates(int word) {
    const int length = kSnailWordLength[word];
    candidates_.clear();
    for (const TableRow& record : scans_.rows(*tableForLength(length))) {
        if (fits(word, record.upper)) {
            candidates_.add(candidateText(record.upper, record.bedeutung));
        }
    }
}

bool SnailGenerator::fits(int word, const QString& upper) const {
    // A word shorter than its table would put the separator's blanks into the spiral.
    if (upper.size() != kSnailWordLength[word]) {
        return false;
    }
    if (word == 0) {
        return true;
    }
    const QString& before = snail_.words[word - 1];
    // Word 1 begins with the first letter of the solution word, every later word with the
    // last letter of the word before.
    const QChar chained = word == 1 ? before.front() : before.back();
    if (upper.front() != chained) {
        return false;
    }
    const DiagonalLetter& diagonal = kDiagonalLetter[word];
    return diagonal.position == 0 ||
           upper.at(diagonal.position - 1) == snail_.words[0].at(diagonal.solutionLetter - 1);
}

void SnailGenerator::take(int word, int number) {
    const QString& text = candidates_.at(number);
    snail_.words[word] = candidateWord(text, kSnailWordLength[word]);
    snail_.meanings[word] = candidateMeaning(text, kSnailWordLength[word]);
}

}  // namespace vondrik
