// Running a puzzle generation stage by stage, with its bounds and its end.
#include "puzzles/staged_generator.h"

#include "dictionary/database.h"

namespace vondrik {

void StagedGenerator::begin() {
    discardPuzzle();
    message_.clear();
    stage_ = bounds_.firstStage;
    stagesRun_ = 0;
    state_ = State::Generating;
}

void StagedGenerator::cancel() {
    discardPuzzle();
    stage_ = bounds_.firstStage;
    state_ = State::Idle;
}

void StagedGenerator::giveUp() {
    fail(noPuzzleMessage());
}

void StagedGenerator::fail(QString message) {
    discardPuzzle();
    message_ = std::move(message);
    state_ = State::Failed;
}

bool StagedGenerator::step() {
    if (state_ != State::Generating) {
        return false;
    }
    ++stagesRun_;
    try {
        runStage(stage_);
    } catch (const DatabaseError& error) {
        // A damaged or closed dictionary: the generation cannot go on, and the window shows
        // the engine's text instead of a half-built puzzle.
        fail(QStringLiteral("Das Rätsel konnte nicht erstellt werden.\n\nMeldung der "
                            "Datenbank: %1")
                 .arg(error.message()));
        return false;
    }
    if (state_ != State::Generating) {
        return false;
    }
    if (stage_ == bounds_.completeStage) {
        state_ = State::Complete;
    } else if (stagesRun_ >= bounds_.stageLimit) {
        giveUp();
    } else if (bounds_.restartStages > 0 && stagesRun_ % bounds_.restartStages == 0) {
        stage_ = bounds_.firstStage;
    }
    return state_ == State::Generating;
}

}  // namespace vondrik
