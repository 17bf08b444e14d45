// The pyramid's stages: the start letter, then the rows with their backtracking.
#include "puzzles/pyramid_generator.h"

#include "dictionary/length_tables.h"
#include "puzzles/taken_entries.h"

namespace vondrik {

PyramidGenerator::PyramidGenerator(DictionarySession& session, RandomSource& random)
    : StagedGenerator({1, kCompleteStage, kStageLimit, kRestartStages}),
      random_(random),
      scans_(session) {}

QString PyramidGenerator::noPyramidMessage() {
    return QStringLiteral(
        "Aus den Begriffen dieses Wörterbuchs konnte keine Rätselpyramide gebildet werden.");
}

void PyramidGenerator::start() {
    scans_.forget();
    attempts_.fill(0);
    begin();
}

void PyramidGenerator::discardPuzzle() {
    candidates_.clear();
    pyramid_ = Pyramid();
}

void PyramidGenerator::runStage(int stage) {
    if (stage == 1) {
        pickStartLetter();
    } else {
        fillRow(stage);
    }
}

void PyramidGenerator::pickStartLetter() {
    const int k = choose(random_, static_cast<int>(kPyramidStartLetters.size()));
    pyramid_.words[1] = QString(QChar(kPyramidStartLetters[k - 1]));
    setStage(2);
}

void PyramidGenerator::fillRow(int row) {
    // Row 2 has no counter: when it finds nothing it draws a new start letter instead.
    if (row > 2 && ++attempts_[row] >= kAttemptLimit) {
        attempts_[row] = 0;
        setStage(row - 1);
        return;
    }
    collectCandidates(row);
    // The given start letter is no answer; the rows above are.
    TakenEntries taken;
    taken.add(pyramid_.words, pyramid_.meanings, 2, row - 1);
    const int j = drawUntaken(candidates_, random_, taken, row);
    if (j == 0) {
        setStage(row - 1);
        return;
    }
    const QString& text = candidates_.at(j);
    pyramid_.words[row] = candidateWord(text, row);
    pyramid_.meanings[row] = candidateMeaning(text, row);
    setStage(row + 1);
}

void PyramidGenerator::collectCandidates(int row) {
    const QString& above = pyramid_.words[row - 1];
    candidates_.clear();
    for (const TableRow& record : scans_.rows(*tableForLength(row))) {
        // A word shorter than its table would put the separator's blanks into the pyramid.
        if (record.upper.size() != row) {
            continue;
        }
        bool fits = true;
        for (QChar letter : above) {
            if (!record.upper.contains(letter)) {
                fits = false;
                break;
            }
        }
        if (fits) {
            candidates_.add(candidateText(record.begriff, record.bedeutung));
        }
    }
}

}  // namespace vondrik
