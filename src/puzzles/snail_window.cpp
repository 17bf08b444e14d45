// The snail window's behaviour: generating stage by stage on a zero-interval timer,
// presenting, checking each box as the user types, the solution toggle and printing.
#include "puzzles/snail_window.h"

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
#include "puzzles/snail_picture.h"
#include "ui/platform.h"
#include "ui/widgets/open_once.h"

namespace vondrik {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QString kShowSolution = QStringLiteral("Lösung einblenden");
const QString kHideSolution = QStringLiteral("Lösung ausblenden");
const QString kTitle = QStringLiteral("Rätselschnecke");

void setLetterColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

}  // namespace

Schnecken::Schnecken(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      puzzleRandom_(1),
      generator_(session, puzzleRandom_) {
    setObjectName(QStringLiteral("Schnecken"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    platform_.random.reseed();
    buildWindow();
    Command1->setFocus();
}

Schnecken::~Schnecken() = default;

Schnecken* Schnecken::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Schnecken>(mainWindow, session, platform);
}

bool Schnecken::generating() const {
    return generator_.state() == SnailGenerator::State::Generating;
}

void Schnecken::neuesRaetsel() {
    beginGeneration(drawPuzzleNumber(platform_.random));
}

void Schnecken::raetselNummer() {
    const std::optional<int> number = parsePuzzleNumber(Text3->text());
    if (!number) {
        platform_.messageBox.show(puzzleNumberMessage(), QStringLiteral("Rätsel-Nr."),
                                  MessageIcon::Exclamation);
        Text3->setFocus();
        Text3->selectAll();
        return;
    }
    beginGeneration(*number);
}

// Also during a generation: a further click starts anew with the next number.
void Schnecken::beginGeneration(int number) {
    Timer1->stop();
    if (generating()) {
        generator_.cancel();
    }
    solutionShown_ = false;
    ready_ = false;
    snail_ = Snail();
    checker_.reset(QString());
    showPuzzle(false);
    for (QLineEdit* box : Text1) {
        box->clear();
        setLetterColour(box, kBlack);
    }
    for (QLineEdit* box : Text2) {
        box->clear();
    }
    puzzleNumber_ = number;
    Text3->setText(QString::number(number));
    seedForPuzzle(puzzleRandom_, number);
    generator_.start();
    ProgressBar1->setValue(generator_.stage());
    ProgressBar1->show();
    Timer1->start();
}

void Schnecken::stufe() {
    if (!generating()) {
        Timer1->stop();
        return;
    }
    ProgressBar1->setValue(generator_.stage());
    if (generator_.step()) {
        return;
    }
    Timer1->stop();
    ProgressBar1->setValue(SnailGenerator::kCompleteStage);
    ProgressBar1->hide();
    if (generator_.state() == SnailGenerator::State::Complete) {
        present();
        return;
    }
    const QString why = generator_.message();
    puzzleNumber_ = 0;
    Text3->clear();
    platform_.messageBox.show(
        why == SnailGenerator::noSnailMessage()
            ? why
            : QStringLiteral("Das Rätsel konnte nicht erstellt werden.\n\nMeldung der "
                             "Datenbank: %1")
                  .arg(why),
        kTitle, MessageIcon::Exclamation);
}

void Schnecken::present() {
    snail_ = generator_.snail();
    checker_.reset(snail_.spiralText());
    ready_ = true;
    List1->setLines(snail_.clueLines());
    List2->setLines(snail_.solutionLines());
    List2->hide();
    Command5->setText(kShowSolution);
    Label2->setText(snail_.solutionMeaning());
    showPuzzle(true);
}

void Schnecken::showPuzzle(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command5), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Picture1)}) {
        w->setVisible(on);
    }
    if (!on) {
        List2->hide();
    }
    for (QLineEdit* box : Text1) {
        box->setVisible(on);
    }
    for (QLineEdit* box : Text2) {
        box->setVisible(on);
    }
}

bool Schnecken::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        for (int i = 0; i < kSnailBoxes; ++i) {
            if (watched == Text1[i]) {
                pruefen(i);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Schnecken::pruefen(int box) {
    QLineEdit* current = Text1[box];
    const QString upper = upperKeepLength(current->text());
    if (upper != current->text()) {
        current->setText(upper);
    }
    // The sound comes on every key released over a right letter, as the hint promises.
    const bool right = ready_ && checker_.check(box, upper);
    setLetterColour(current, right ? kBlue : kBlack);
    if (right) {
        platform_.sound.play(platform_.appFolder.appPath(u"ton/1.wav"));
    }
    if (box < kSnailBoxes - 1) {
        Text1[box + 1]->setFocus();
        Text1[box + 1]->setSelection(0, 1);
    }
    for (int j = 0; j < kSnailSide; ++j) {
        Text2[j]->setText(Text1[kSnailDiagonalBoxes[j]]->text());
    }
    if (checker_.solved()) {
        platform_.messageBox.show(letterPuzzleSolvedMessage(solutionShown_),
                                  QStringLiteral("Vondrik 2000"));
    }
}

void Schnecken::hinweisGeklickt(int line) {
    if (line < 0 || line >= kSnailWords) {
        return;
    }
    QLineEdit* first = Text1[kSnailFirstBox[line + 1]];
    first->setFocus();
    first->setSelection(0, 1);
}

void Schnecken::loesung() {
    if (!ready_) {
        return;
    }
    const bool show = List2->isHidden();
    List2->setVisible(show);
    Command5->setText(show ? kHideSolution : kShowSolution);
    if (show) {
        solutionShown_ = true;
    }
}

void Schnecken::drucken() {
    if (!ready_) {
        return;
    }
    PuzzleSheet sheet;
    sheet.documentName = kTitle;
    sheet.leadingEmptyLine = true;
    sheet.picture = snailPrintPicture(4);
    sheet.lines = snail_.printLines();
    sheet.puzzleNumber = puzzleNumber_;
    printPuzzleSheet(platform_.printer, sheet);
}

void Schnecken::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    if (generating()) {
        generator_.cancel();
    }
    event->accept();
}

}  // namespace vondrik
