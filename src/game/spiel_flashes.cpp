// The game window's box animation: hits flash green, a miss runs red over every box, and a
// new word's boxes appear one after the other, each step with its sound. The steps are
// queued and played by the window's flash timer, so the player sees and hears each one.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "game/game_texts.h"
#include "game/spiel.h"

namespace vondrik {

void Spiel::queueFlash(std::function<void()> step) {
    flashes_.append(std::move(step));
    if (!flashTimer_->isActive()) {
        flashTimer_->start();
    }
}

void Spiel::flashStep() {
    if (flashes_.isEmpty()) {
        flashTimer_->stop();
        return;
    }
    const std::function<void()> next = flashes_.takeFirst();
    if (flashes_.isEmpty()) {
        // The last step may ask for a name or show a message; no tick may come in between.
        flashTimer_->stop();
    }
    next();
}

void Spiel::finishFlashes() {
    while (flashing()) {
        flashStep();
    }
}

void Spiel::queueHits(const game::GameEvents& events) {
    for (int box : events.hits) {
        const QString letter = events.word.mid(box, 1);
        queueFlash([this, box, letter] {
            Text1[box]->setText(letter);
            paintBox(box, QColor(0, 255, 0));
            playSound(game::kHitSound);
        });
        queueFlash([] {});  // green a moment longer
        queueFlash([this, box] { paintBox(box, Qt::white); });
    }
}

void Spiel::queueMissRipple(const game::GameEvents& events) {
    queueFlash([this] { playSound(game::kMissSound); });
    const int boxes = static_cast<int>(events.word.size());
    for (int box = 0; box < boxes; ++box) {
        queueFlash([this, box] {
            if (box > 0) {
                paintBox(box - 1, Qt::white);
            }
            paintBox(box, QColor(255, 0, 0));
            playSound(game::kMissSound);
        });
    }
    queueFlash([this, boxes] { paintBox(boxes - 1, Qt::white); });
}

void Spiel::queueLayOut() {
    Frame1->setEnabled(false);
    Frame3->hide();
    Command2->hide();
    Label2->setText(game_.meaning());
    Label3->setText(game_.hiddenWord());
    showNumbers();
    const int boxes = game_.boxCount();
    placeBoxes(boxes);
    for (int i = 0; i < boxes; ++i) {
        queueFlash([this, i] {
            Text1[i]->setText(game_.boxText(i));
            paintBox(i, Qt::white);
            Text1[i]->show();
            playSound(game::kBoxSound);
        });
    }
    queueFlash([this] { showState(); });
}

void Spiel::placeBoxes(int count) {
    // The boxes of a word stand in the middle of the row; the rest go back to their places.
    const int step = boxHome_[1].x() - boxHome_[0].x();
    const int offset = (game::kLetterBoxes - count) * step / 2;
    for (int i = 0; i < game::kLetterBoxes; ++i) {
        Text1[i]->hide();
        Text1[i]->move(i < count ? boxHome_[i] + QPoint(offset, 0) : boxHome_[i]);
    }
}

void Spiel::paintBox(int box, const QColor& colour) {
    QPalette palette = Text1[box]->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    Text1[box]->setPalette(palette);
}

}  // namespace vondrik
