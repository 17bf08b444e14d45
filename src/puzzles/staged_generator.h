// What the puzzle generators share: one stage per step(), stages that may go back, and an end
// that is either a complete puzzle or a message (the dictionary failed, or it allows no
// puzzle). The caller runs step() until it returns false and lets window events run in
// between, so the user can stop or start anew between stages.
#pragma once

#include <QString>

namespace vondrik {

class StagedGenerator {
  public:
    enum class State { Idle, Generating, Complete, Failed };

    virtual ~StagedGenerator() = default;

    // Begins a new generation at the first stage; the random numbers drawn from here on alone
    // decide the puzzle.
    virtual void start() = 0;
    // Runs the stage due and returns whether another one is due. When it returns false the
    // state is Complete or Failed (message() says why).
    bool step();
    // Ends a generation in progress; nothing of it remains.
    void cancel();

    State state() const { return state_; }
    int stage() const { return stage_; }
    // Why the last generation ended without a puzzle, as the user is told.
    const QString& message() const { return message_; }
    // Stages run by the current or last generation.
    int stagesRun() const { return stagesRun_; }

  protected:
    struct Bounds {
        int firstStage;
        int completeStage;
        // Stages one generation may run before it ends with noPuzzleMessage(): a dictionary
        // that allows no puzzle would otherwise keep the window busy for ever.
        int stageLimit;
        // Stages after which an unfinished generation goes back to the first stage, as the
        // user would by starting anew; 0 for never.
        int restartStages;
    };

    explicit StagedGenerator(Bounds bounds) : bounds_(bounds), stage_(bounds.firstStage) {}

    // Begins a generation at the first stage.
    void begin();
    void setStage(int stage) { stage_ = stage; }
    // Ends the generation at once with noPuzzleMessage(), for a dictionary that plainly
    // cannot give a puzzle.
    void giveUp();

    // Runs one stage; it sets the next stage itself. May throw DatabaseError.
    virtual void runStage(int stage) = 0;
    // Forgets the puzzle built so far.
    virtual void discardPuzzle() = 0;
    virtual QString noPuzzleMessage() const = 0;

  private:
    void fail(QString message);

    const Bounds bounds_;
    State state_ = State::Idle;
    int stage_;
    int stagesRun_ = 0;
    QString message_;
};

}  // namespace vondrik
