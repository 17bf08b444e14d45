// The game window's actions: starting a game, guesses, the solution box, the end of a game
// with its top-ten entry, and showing the game's state.
#include "game/spiel.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "dictionary/dictionary_session.h"
#include "game/game_texts.h"
#include "game/word_draw.h"
#include "ui/platform.h"
#include "ui/widgets/open_once.h"

namespace vondrik {

using game::GameEvents;
using game::WordEnd;

namespace {

const QString kTitle = QStringLiteral("Rätseltraining");
constexpr int kSolvedPause = 8;  // flash steps

}  // namespace

Spiel::Spiel(DictionarySession& session, Platform& platform, int notebookShift, QWidget* mainWindow)
    : QMainWindow(mainWindow, Qt::Window), platform_(platform), game_(session, platform.random) {
    setObjectName(QStringLiteral("Spiel"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildMenu();
    const QString error = highscores_.load(platform_.appFolder);
    fitToScreen(notebookShift);
    showHighscores();
    showState();
    Timer1->start();
    if (!error.isEmpty()) {
        report(error);
    }
}

Spiel* Spiel::open(DictionarySession& session, Platform& platform, QWidget* mainWindow,
                   int notebookShift) {
    return openOnce<Spiel>(mainWindow, session, platform, notebookShift);
}

void Spiel::closeEvent(QCloseEvent* event) {
    // The game ends here: no animation runs on, and no top-ten entry is asked for.
    flashes_.clear();
    flashTimer_->stop();
    Timer1->stop();
    QMainWindow::closeEvent(event);
}

void Spiel::startGame() {
    if (flashing()) {
        return;
    }
    const GameEvents events = game_.start();
    if (!events.laidOut) {
        if (!events.message.isEmpty()) {
            report(events.message);
        }
        return;
    }
    Frame2->hide();
    Frame6->hide();
    Command2->hide();
    Label13->show();
    queueLayOut();
}

void Spiel::guessLetter(int button) {
    if (flashing() || !game_.buttonVisible(button)) {
        return;
    }
    const GameEvents events = game_.guess(button);
    if (events.sounds.isEmpty()) {
        return;  // not taken: no word in play
    }
    Frame1->setEnabled(false);
    Command1[button]->hide();
    Command1[game::kLetterButtons]->setText(game_.lastLetter());
    playSound(game::kClickSound);
    queueHits(events);
    if (events.miss) {
        queueMissRipple(events);
    }
    if (events.ended == WordEnd::Solved) {
        // The solved word stays a moment before the next one is laid out.
        for (int i = 0; i < kSolvedPause; ++i) {
            queueFlash([] {});
        }
    }
    queueFlash([this, events] { afterAction(events); });
}

void Spiel::acknowledgeSolution() {
    if (flashing()) {
        return;
    }
    const GameEvents events = game_.acknowledgeSolution();
    placeBoxes(0);
    Frame3->hide();
    afterAction(events);
}

void Spiel::afterAction(const GameEvents& events) {
    if (events.laidOut) {
        Frame2->hide();
        Label13->show();
        queueLayOut();
    } else if (events.gameOver) {
        gameOver(events);
    } else {
        showState();
    }
}

void Spiel::gameOver(const GameEvents& events) {
    showState();
    if (!events.message.isEmpty()) {
        report(events.message);
    }
    enterHighscore();
}

void Spiel::enterHighscore() {
    const qint64 total = game_.totalScore();
    if (!highscores_.qualifies(total)) {
        return;
    }
    const QString name = platform_.inputBox.ask(
        game::kNamePrompt.toString(), game::kNameTitle.toString(), highscores_.playerName());
    highscores_.insert(name, total);
    showHighscores();
    const QString error = highscores_.save();
    if (!error.isEmpty()) {
        report(error);
    }
}

void Spiel::showHighscores() {
    for (int i = 0; i < game::HighscoreList::kEntries; ++i) {
        // A score is never cut: one too wide for its column takes room from the name, up to
        // half of it.
        const QString& score = highscores_.entries()[i].score;
        const int needed = Label15[i]->fontMetrics().horizontalAdvance(score) + 4;
        const int extra = std::clamp(needed - scoreColumn_.width(), 0, nameColumn_.width() / 2);
        Label14[i]->setGeometry(nameColumn_.x(), Label14[i]->y(), nameColumn_.width() - extra,
                                Label14[i]->height());
        Label15[i]->setGeometry(scoreColumn_.x() - extra, Label15[i]->y(),
                                scoreColumn_.width() + extra, Label15[i]->height());
        Label15[i]->setText(score);
        Label15[i]->setToolTip(needed > Label15[i]->width() ? score : QString());

        // A name too long for its line ends in an ellipsis; the whole of it is the tooltip.
        const QString& name = highscores_.entries()[i].name;
        const QString shown =
            Label14[i]->fontMetrics().elidedText(name, Qt::ElideRight, Label14[i]->width());
        Label14[i]->setText(shown);
        Label14[i]->setToolTip(shown == name ? QString() : name);
    }
}

void Spiel::showState() {
    const int boxes = game_.boxCount();
    placeBoxes(boxes);
    for (int i = 0; i < boxes; ++i) {
        Text1[i]->setText(game_.boxText(i));
        paintBox(i, Qt::white);
        Text1[i]->show();
    }
    for (int i = 0; i < game::kLetterButtons; ++i) {
        Command1[i]->setVisible(game_.buttonVisible(i));
    }
    Command1[game::kLetterButtons]->setText(game_.lastLetter());
    Frame1->setEnabled(game_.keyboardEnabled());
    Label2->setText(game_.meaning());
    Label2->setVisible(game_.meaningVisible());
    Label3->setText(game_.hiddenWord());
    Frame3->setVisible(game_.phase() == game::GamePhase::SolutionShown);
    Command2->setVisible(game_.startButtonVisible());
    showNumbers();
    showBlink();
}

void Spiel::showNumbers() {
    Label5->setText(QString::number(game_.remainingMisses()));
    Label10->setText(QString::number(game_.reachablePoints()));
    Label11->setText(QString::number(game_.totalScore()));
    Label13->setText(game_.bonusMessage());
}

void Spiel::blinkStep() {
    game_.step();
    showBlink();
}

void Spiel::showBlink() {
    // The highlight: a bold caption on a warm yellow.
    const bool on = game_.startButtonHighlighted();
    QFont font = Command2->font();
    font.setBold(on);
    Command2->setFont(font);
    QPalette palette = Command2->palette();
    palette.setColor(QPalette::Button, on ? QColor(255, 214, 90) : QColor(250, 248, 238));
    Command2->setPalette(palette);
}

void Spiel::chooseSounds(bool on) {
    ans->setChecked(on);
    auss->setChecked(!on);
}

void Spiel::playSound(QStringView sound) {
    if (!auss->isChecked()) {
        platform_.sound.play(platform_.appFolder.appPath(sound));
    }
}

void Spiel::report(const QString& message) {
    platform_.messageBox.show(message, kTitle, MessageIcon::Exclamation);
}

}  // namespace vondrik
