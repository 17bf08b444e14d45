// Checking a puzzle letter by letter, as the snail and the stairs do: a box whose letter is
// right shows it in blue, and the puzzle is solved once every box is blue.
#pragma once

#include <QString>
#include <vector>

namespace vondrik {

class LetterBoxes {
  public:
    // Checks against these letters from now on: box k's letter is answer[k]. No box is right
    // yet. An empty answer (no puzzle on screen) has no box that could ever be right.
    void reset(const QString& answer);

    // Checks the text of a box after a key, in upper case as the box shows it: right when it
    // is exactly the box's letter. An empty box is never right, and neither is a box beyond
    // the answer.
    bool check(int box, const QString& upperText);

    bool isRight(int box) const;
    int rightCount() const { return right_; }
    // Every box of the answer holds its letter.
    bool solved() const { return !answer_.isEmpty() && right_ == answer_.size(); }

  private:
    QString answer_;
    std::vector<bool> isRight_;
    int right_ = 0;
};

// The message once a snail or stairs puzzle is solved; a milder one when the solution was
// shown on the way (even if it was hidden again).
QString letterPuzzleSolvedMessage(bool solutionShown);

}  // namespace vondrik
