// The puzzle life cycle shared by the three puzzle windows.
#include "puzzles/puzzle_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "dictionary/text.h"
#include "puzzles/letter_boxes.h"
#include "puzzles/puzzle_controls.h"
#include "puzzles/puzzle_number.h"
#include "ui/platform.h"

namespace vondrik {

void setLetterColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

PuzzleWindow::PuzzleWindow(Platform& platform, QWidget* mainWindow, PuzzleCaptions captions)
    : QWidget(mainWindow, Qt::Window), platform_(platform), captions_(std::move(captions)) {
    setObjectName(QLatin1String(captions_.objectName));
    setWindowTitle(captions_.title);
    setAttribute(Qt::WA_DeleteOnClose);
    platform_.random.reseed();
    applyPuzzleLook(*this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &PuzzleWindow::stufe);
}

PuzzleWindow::~PuzzleWindow() = default;

bool PuzzleWindow::generating() const {
    return generator().state() == StagedGenerator::State::Generating;
}

void PuzzleWindow::buildNumberField(const char* labelName, const char* fieldName, QPoint labelAt) {
    QLabel* label = makeLabel(QStringLiteral("Rätsel-Nr."), labelName, this);
    label->setGeometry(twipRect(labelAt.x(), labelAt.y(), 900, 300));
    numberField_ = new QLineEdit(this);
    numberField_->setObjectName(QLatin1String(fieldName));
    numberField_->setGeometry(twipRect(labelAt.x() + 900, labelAt.y() - 30, 1020, 330));
    // No length limit: a longer number pasted in is refused whole, never cut to a wrong one.
    numberField_->setToolTip(
        QStringLiteral("Die Nummer des Rätsels. Geben Sie hier die Nummer eines früheren Rätsels "
                       "ein und drücken Sie die Eingabetaste, um genau dieses Rätsel wieder zu "
                       "erstellen."));
    connect(numberField_, &QLineEdit::returnPressed, this, &PuzzleWindow::raetselNummer);
}

QProgressBar* PuzzleWindow::buildProgressBar(QRect place, int maximum) {
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(twipRect(place));
    ProgressBar1->hide();
    return ProgressBar1;
}

QGroupBox* PuzzleWindow::buildHelpPanel(const QString& title, QRect place, QPushButton* open) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipRect(place));
    QPalette yellow = frame->palette();
    yellow.setColor(QPalette::Window, kPuzzleLightYellow);
    frame->setPalette(yellow);
    frame->setAutoFillBackground(true);
    frame->hide();
    connect(open, &QPushButton::clicked, frame, [frame] {
        frame->show();
        frame->raise();
    });
    return frame;
}

void PuzzleWindow::addHelpText(QGroupBox* panel, const QString& text, const char* name,
                               QRect place) {
    QLabel* label = makeLabel(text, name, panel);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipRect(place));
}

QPushButton* PuzzleWindow::addHelpCloseButton(QGroupBox* panel, const QString& caption,
                                              const char* name, QRect place) {
    QPushButton* close = makeButton(caption, name, panel, twipRect(place));
    connect(close, &QPushButton::clicked, panel, &QWidget::hide);
    return close;
}

void PuzzleWindow::takeLetterBoxes(std::span<QLineEdit* const> boxes) {
    letterBoxes_.assign(boxes.begin(), boxes.end());
    for (std::size_t i = 0; i < letterBoxes_.size(); ++i) {
        QLineEdit* box = letterBoxes_[i];
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this,
                [this, i] { lettersEdited(static_cast<int>(i)); });
        if (i > 0) {
            setTabOrder(letterBoxes_[i - 1], box);
        }
    }
}

void PuzzleWindow::neuesRaetsel() {
    begin(drawPuzzleNumber(platform_.random));
}

// Also during a generation: the typed number is made instead.
void PuzzleWindow::raetselNummer() {
    const std::optional<int> number = parsePuzzleNumber(numberField_->text());
    if (!number) {
        platform_.messageBox.show(puzzleNumberMessage(), QStringLiteral("Rätsel-Nr."),
                                  MessageIcon::Exclamation);
        numberField_->setFocus();
        numberField_->selectAll();
        return;
    }
    begin(*number);
}

// A fresh number, so the number shown is always the one that makes the puzzle shown.
void PuzzleWindow::neuBeginnen() {
    if (generating()) {
        neuesRaetsel();
    }
}

void PuzzleWindow::abbrechen() {
    if (!generating()) {
        return;
    }
    cancelGeneration();
    ProgressBar1->hide();
    showGenerating(false);
    dropPuzzle();
}

void PuzzleWindow::dropPuzzle() {
    puzzleNumber_ = 0;
    numberField_->clear();
    showNoPuzzle();
}

void PuzzleWindow::begin(int number) {
    cancelGeneration();
    ready_ = false;
    solutionShown_ = false;
    hideSolution();
    clearPuzzle();
    puzzleNumber_ = number;
    numberField_->setText(QString::number(number));
    seedForPuzzle(puzzleRandom_, number);
    generator().start();
    ProgressBar1->setValue(generator().stage());
    ProgressBar1->show();
    showGenerating(true);
    stageRun();
    Timer1->start();
}

void PuzzleWindow::cancelGeneration() {
    Timer1->stop();
    if (generating()) {
        generationEnded();
        generator().cancel();
    }
}

void PuzzleWindow::stufe() {
    if (!generating()) {
        Timer1->stop();
        return;
    }
    ProgressBar1->setValue(generator().stage());
    const bool more = generator().step();
    stageRun();
    if (more) {
        return;
    }
    // The generation has ended by itself: complete, or failed with a message.
    Timer1->stop();
    generationEnded();
    ProgressBar1->setValue(ProgressBar1->maximum());
    ProgressBar1->hide();
    showGenerating(false);
    if (generator().state() == StagedGenerator::State::Complete) {
        ready_ = true;
        presentPuzzle();
        return;
    }
    dropPuzzle();
    platform_.messageBox.show(generator().message(), captions_.title, MessageIcon::Exclamation);
}

void PuzzleWindow::hideSolution() {
    solutionVisible_ = false;
    solutionButton_->setText(captions_.showSolution);
    showSolution(false);
}

void PuzzleWindow::loesung() {
    if (!ready_) {
        return;
    }
    solutionVisible_ = !solutionVisible_;
    solutionShown_ = solutionShown_ || solutionVisible_;
    solutionButton_->setText(solutionVisible_ ? captions_.hideSolution : captions_.showSolution);
    showSolution(solutionVisible_);
}

void PuzzleWindow::drucken() {
    if (canPrint()) {
        printPuzzleSheet(platform_.printer, sheet());
    }
}

void PuzzleWindow::moveTo(int box) {
    letterBoxes_[box]->setFocus();
    letterBoxes_[box]->setSelection(0, 1);
}

bool PuzzleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto found = std::find(letterBoxes_.begin(), letterBoxes_.end(), watched);
        if (found != letterBoxes_.end()) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (!text.isEmpty() && text.front().isPrint()) {
                // A letter typed into a full box replaces its letter.
                (*found)->selectAll();
            } else if (boxKey(static_cast<int>(found - letterBoxes_.begin()), key->key())) {
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Only a change the user made counts, never a key that types nothing (Shift, arrows, Enter,
// Escape): the focus moves on after a letter, never after a release or an erased letter.
void PuzzleWindow::lettersEdited(int box) {
    QLineEdit* current = letterBoxes_[box];
    const QString upper = upperKeepLength(current->text());
    if (upper != current->text()) {
        current->setText(upper);
    }
    if (!upper.isEmpty() && box + 1 < static_cast<int>(letterBoxes_.size())) {
        moveTo(box + 1);
    }
    checkBox(box);
}

void PuzzleWindow::clearLetters(LetterBoxes& checker) {
    checker.reset(QString());
    for (QLineEdit* box : letterBoxes_) {
        box->clear();
        setLetterColour(box, Qt::black);
    }
}

bool PuzzleWindow::checkLetter(LetterBoxes& checker, int box) {
    const bool wasSolved = checker.solved();
    const bool right = ready_ && checker.check(box, letterBoxes_[box]->text());
    setLetterColour(letterBoxes_[box], right ? QColor(0, 0, 255) : QColor(0, 0, 0));
    if (right) {
        platform_.sound.play(platform_.appFolder.appPath(u"ton/1.wav"));
    }
    return !wasSolved && checker.solved();
}

void PuzzleWindow::announceSolved(const QString& text, bool endPuzzle) {
    if (endPuzzle) {
        ready_ = false;
        hideSolution();
    }
    platform_.messageBox.show(text, QStringLiteral("Vondrik 2000"));
}

void PuzzleWindow::closeEvent(QCloseEvent* event) {
    cancelGeneration();
    event->accept();
}

}  // namespace vondrik
