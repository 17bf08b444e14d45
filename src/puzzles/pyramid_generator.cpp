// The pyramid's stages: the start letter, then the rows with their backtracking.
#include "puzzles/pyramid_generator.h"

#include "dictionary/database.h"
#include "dictionary/length_tables.h"

namespace vondrik {

PyramidGenerator::PyramidGenerator(DictionarySession& session, RandomSource& random)
    : random_(random), scans_(session) {}

QString PyramidGenerator::noPyramidMessage() {
    return QStringLiteral(
        "Aus den Begriffen dieses Wörterbuchs konnte keine Rätselpyramide gebildet werden.");
}

void PyramidGenerator::start() {
    scans_.forget();
    candidates_.clear();
    pyramid_ = Pyramid();
    attempts_.fill(0);
    message_.clear();
    stage_ = 1;
    stagesRun_ = 0;
    state_ = State::Generating;
}

void PyramidGenerator::cancel() {
    candidates_.clear();
    pyramid_ = Pyramid();
    stage_ = 1;
    state_ = State::Idle;
}

bool PyramidGenerator::step() {
    if (state_ != State::Generating) {
        return false;
    }
    ++stagesRun_;
    try {
        if (stage_ == 1) {
            pickStartLetter();
        } else {
            fillRow(stage_);
        }
    } catch (const DatabaseError& error) {
        // A damaged or closed dictionary: the generation cannot go on, and the window shows
        // the engine's text instead of a half-built pyramid.
        pyramid_ = Pyramid();
        message_ = error.message();
        state_ = State::Failed;
        return false;
    }
    if (stage_ == kCompleteStage) {
        state_ = State::Complete;
    } else if (stagesRun_ >= kStageLimit) {
        pyramid_ = Pyramid();
        message_ = noPyramidMessage();
        state_ = State::Failed;
    } else if (stagesRun_ % kRestartStages == 0) {
        stage_ = 1;  // the attempt counters keep their values, as on a restart by hand
    }
    return state_ == State::Generating;
}

void PyramidGenerator::pickStartLetter() {
    const int k = choose(random_, static_cast<int>(kPyramidStartLetters.size()));
    pyramid_.words[1] = QString(QChar(kPyramidStartLetters[k - 1]));
    stage_ = 2;
}

void PyramidGenerator::fillRow(int row) {
    // Row 2 has no counter: when it finds nothing it draws a new start letter instead.
    if (row > 2 && ++attempts_[row] >= kAttemptLimit) {
        attempts_[row] = 0;
        stage_ = row - 1;
        return;
    }
    collectCandidates(row);
    const int j = candidates_.draw(random_);
    if (j == 0) {
        stage_ = row - 1;
        return;
    }
    const QString& text = candidates_.at(j);
    pyramid_.words[row] = candidateWord(text, row);
    pyramid_.meanings[row] = candidateMeaning(text, row);
    stage_ = row + 1;
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
