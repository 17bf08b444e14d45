// The stairs window's behaviour: generating stage by stage on a zero-interval timer,
// presenting, the arrow keys and the letter check in the grid, the solution toggle and
// printing.
#include "puzzles/stairs_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "dictionary/text.h"
#include "puzzles/clue_list.h"
#include "puzzles/puzzle_number.h"
#include "puzzles/puzzle_printout.h"
#include "puzzles/stairs_picture.h"
#include "ui/platform.h"
#include "ui/widgets/open_once.h"

namespace vondrik {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QString kShowSolution = QStringLiteral("Lösung anzeigen");
const QString kHideSolution = QStringLiteral("Lösung ausblenden");
const QString kTitle = QStringLiteral("Treppenrätsel");

void setLetterColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

std::optional<Arrow> arrowOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return Arrow::Left;
        case Qt::Key_Right:
            return Arrow::Right;
        case Qt::Key_Up:
            return Arrow::Up;
        case Qt::Key_Down:
            return Arrow::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

Treppen::Treppen(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      puzzleRandom_(1),
      generator_(session, puzzleRandom_) {
    setObjectName(QStringLiteral("Treppen"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    platform_.random.reseed();
    buildWindow();
    Command1->setFocus();
}

Treppen::~Treppen() = default;

Treppen* Treppen::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Treppen>(mainWindow, session, platform);
}

bool Treppen::generating() const {
    return generator_.state() == StairsGenerator::State::Generating;
}

void Treppen::neuesRaetsel() {
    beginGeneration(drawPuzzleNumber(platform_.random));
}

void Treppen::raetselNummer() {
    const std::optional<int> number = parsePuzzleNumber(Text2->text());
    if (!number) {
        platform_.messageBox.show(puzzleNumberMessage(), QStringLiteral("Rätsel-Nr."),
                                  MessageIcon::Exclamation);
        Text2->setFocus();
        Text2->selectAll();
        return;
    }
    beginGeneration(*number);
}

// Also during a generation: a further click starts anew with the next number.
void Treppen::beginGeneration(int number) {
    Timer1->stop();
    if (generating()) {
        generator_.cancel();
    }
    solutionShown_ = false;
    ready_ = false;
    stairs_ = Stairs();
    checker_.reset(QString());
    showClues(false);
    for (QLineEdit* box : Text1) {
        box->clear();
        setLetterColour(box, kBlack);
    }
    Command6->setText(kShowSolution);
    puzzleNumber_ = number;
    Text2->setText(QString::number(number));
    seedForPuzzle(puzzleRandom_, number);
    generator_.start();
    ProgressBar1->setValue(generator_.stage());
    ProgressBar1->show();
    Timer1->start();
}

void Treppen::stufe() {
    if (!generating()) {
        Timer1->stop();
        return;
    }
    ProgressBar1->setValue(generator_.stage());
    if (generator_.step()) {
        return;
    }
    Timer1->stop();
    ProgressBar1->hide();
    if (generator_.state() == StairsGenerator::State::Complete) {
        present();
        return;
    }
    const QString why = generator_.message();
    puzzleNumber_ = 0;
    Text2->clear();
    platform_.messageBox.show(
        why == StairsGenerator::noStairsMessage()
            ? why
            : QStringLiteral("Das Rätsel konnte nicht erstellt werden.\n\nMeldung der "
                             "Datenbank: %1")
                  .arg(why),
        kTitle, MessageIcon::Exclamation);
}

void Treppen::present() {
    stairs_ = generator_.stairs();
    checker_.reset(stairs_.gridText());
    ready_ = true;
    List1->setLines(stairs_.clueLines());
    List2->setLines(stairs_.solutionLines());
    Label2->setText(stairs_.solutionMeaning());
    showClues(true);
}

void Treppen::showClues(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2)}) {
        w->setVisible(on);
    }
    List2->hide();
}

bool Treppen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        for (int i = 0; i < kStairsBoxes; ++i) {
            if (watched == Text1[i]) {
                taste(i, static_cast<QKeyEvent*>(event)->key());
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Treppen::moveTo(int box) {
    Text1[box]->setFocus();
    Text1[box]->setSelection(0, 1);
}

void Treppen::taste(int box, int key) {
    // An arrow key at the border moves nowhere and counts as a typed key.
    if (const std::optional<Arrow> arrow = arrowOf(key)) {
        if (const std::optional<int> target = arrowTarget(box, *arrow)) {
            moveTo(*target);
            return;
        }
    }
    pruefen(box);
}

void Treppen::pruefen(int box) {
    QLineEdit* current = Text1[box];
    const QString upper = upperKeepLength(current->text());
    if (upper != current->text()) {
        current->setText(upper);
    }
    const bool right = ready_ && checker_.check(box, upper);
    setLetterColour(current, right ? kBlue : kBlack);
    if (right) {
        platform_.sound.play(platform_.appFolder.appPath(u"ton/1.wav"));
    }
    if (box < kStairsBoxes - 1) {
        moveTo(box + 1);
    }
    if (checker_.solved()) {
        platform_.messageBox.show(letterPuzzleSolvedMessage(solutionShown_),
                                  QStringLiteral("Vondrik 2000"));
    }
}

void Treppen::hinweisGeklickt(int line) {
    if (line >= 0 && line < kStairsRows) {
        moveTo(firstBoxOfStairsRow(line + 1));
    }
}

void Treppen::loesung() {
    const bool show = Command6->text() == kShowSolution;
    // Before the first puzzle there is nothing to show; the caption still changes.
    List2->setVisible(show && ready_);
    Command6->setText(show ? kHideSolution : kShowSolution);
    if (show && ready_) {
        solutionShown_ = true;
    }
}

void Treppen::drucken() {
    PuzzleSheet sheet;
    sheet.documentName = kTitle;
    sheet.leadingEmptyLine = false;
    sheet.picture = stairsPicture(4);
    // Before the first puzzle, and while one is made, the sheet holds the empty clue lines.
    sheet.lines = ready_ ? stairs_.printLines() : Stairs().printLines();
    sheet.puzzleNumber = ready_ ? puzzleNumber_ : 0;
    printPuzzleSheet(platform_.printer, sheet);
}

void Treppen::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    if (generating()) {
        generator_.cancel();
    }
    event->accept();
}

}  // namespace vondrik
