// The pyramid window's behaviour: generating stage by stage on a zero-interval timer, so
// restart and cancel act between two stages; presenting; checking the rows as the user
// types; the solution toggle and printing.
#include "puzzles/pyramid_window.h"

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
#include "ui/platform.h"
#include "ui/widgets/open_once.h"

namespace vondrik {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QString kShowSolution = QStringLiteral("Lösung einblenden");
const QString kHideSolution = QStringLiteral("Lösung ausblenden");
const QString kTitle = QStringLiteral("Rätselpyramide");

void setBoxColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

}  // namespace

Form4::Form4(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      puzzleRandom_(1),
      generator_(session, puzzleRandom_) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    platform_.random.reseed();
    buildWindow();
    Command1->setFocus();
}

Form4::~Form4() = default;

Form4* Form4::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Form4>(mainWindow, session, platform);
}

bool Form4::generating() const {
    return generator_.state() == PyramidGenerator::State::Generating;
}

int Form4::versuche(int row) const {
    if (row < 3 || row > kPyramidRows) {
        return 0;
    }
    return totalAttempts_[row] + (generating() ? generator_.attempts(row) : 0);
}

void Form4::neuesRaetsel() {
    beginGeneration(drawPuzzleNumber(platform_.random));
}

void Form4::raetselNummer() {
    if (generating()) {
        return;
    }
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

void Form4::beginGeneration(int number) {
    List1->hide();
    for (int i = 0; i < kPyramidBoxes; ++i) {
        Text1[i]->clear();
        setBoxColour(Text1[i], kWhite);
        Text1[i]->setReadOnly(i == 0);
        Text1[i]->show();
    }
    // Nothing of the pyramid before is checked, shown or printed while the next is made.
    ready_ = false;
    pyramid_ = Pyramid();
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->hide();
    }
    showGenerating(true);
    startStages(number);
}

void Form4::startStages(int number) {
    puzzleNumber_ = number;
    Text2->setText(QString::number(number));
    seedForPuzzle(puzzleRandom_, number);
    generator_.start();
    ProgressBar1->setValue(generator_.stage());
    showAttempts();
    Timer1->start();
}

void Form4::stufe() {
    if (!generating()) {
        Timer1->stop();
        return;
    }
    ProgressBar1->setValue(generator_.stage());
    const bool more = generator_.step();
    showAttempts();
    if (more) {
        return;
    }
    endStages();
    if (generator_.state() == PyramidGenerator::State::Complete) {
        ProgressBar1->setValue(PyramidGenerator::kCompleteStage);
        ProgressBar1->hide();
        present();
        return;
    }
    const QString why = generator_.message();
    showIdle();
    platform_.messageBox.show(
        why == PyramidGenerator::noPyramidMessage()
            ? why
            : QStringLiteral("Das Rätsel konnte nicht erstellt werden.\n\nMeldung der "
                             "Datenbank: %1")
                  .arg(why),
        kTitle, MessageIcon::Exclamation);
}

void Form4::neuBeginnen() {
    if (!generating()) {
        return;
    }
    List1->clear();
    List1->hide();
    endStages();
    // A fresh number, so the number shown is always the one that makes the pyramid shown.
    startStages(drawPuzzleNumber(platform_.random));
}

void Form4::abbrechen() {
    if (!generating()) {
        return;
    }
    endStages();
    generator_.cancel();
    showIdle();
}

void Form4::endStages() {
    Timer1->stop();
    // The generator counts afresh for each pyramid (so a number makes its pyramid again);
    // the window keeps the counts of every generation since it was opened.
    for (int row = 3; row <= kPyramidRows; ++row) {
        totalAttempts_[row] += generator_.attempts(row);
    }
}

void Form4::showIdle() {
    List1->clear();
    List1->hide();
    showGenerating(false);
    Text1[0]->clear();
    for (QLineEdit* box : Text1) {
        box->hide();
    }
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->hide();
    }
    ready_ = false;
    pyramid_ = Pyramid();
    puzzleNumber_ = 0;
    Text2->clear();
}

void Form4::showGenerating(bool on) {
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        button->setVisible(!on);
    }
    for (QWidget* w : {static_cast<QWidget*>(Command6), static_cast<QWidget*>(Command7),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(ProgressBar1), static_cast<QWidget*>(Label7)}) {
        w->setVisible(on);
    }
    Label6->setEnabled(!on);
    Text2->setEnabled(!on);
}

void Form4::showAttempts() {
    QStringList counts;
    for (int row = 3; row <= kPyramidRows; ++row) {
        counts.append(QString::number(versuche(row)));
    }
    Label7->setText(QStringLiteral("Versuche der Zeilen 3 bis 7: ") +
                    counts.join(QStringLiteral(" / ")));
}

void Form4::present() {
    solutionShown_ = false;
    ready_ = true;
    pyramid_ = generator_.pyramid();
    checker_.reset(pyramid_);
    List1->show();
    List1->setLines(pyramid_.clueLines());
    Text1[0]->setText(pyramid_.startLetter());
    setBoxColour(Text1[0], kGreen);
    showGenerating(false);
    const QStringList solution = pyramid_.solutionLines();
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->setText(solution[i - 1]);
        Label1[i]->hide();
    }
    Command2->setText(kShowSolution);
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        for (int i = 0; i < kPyramidBoxes; ++i) {
            if (watched == Text1[i]) {
                pruefen(i);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::pruefen(int box) {
    QLineEdit* current = Text1[box];
    const QString upper = upperKeepLength(current->text());
    if (upper != current->text()) {
        current->setText(upper);
    }
    // Every key moves on, also one that types nothing; the last box keeps the focus.
    QLineEdit* target = Text1[box == kPyramidBoxes - 1 ? box : box + 1];
    target->setFocus();
    target->setSelection(0, 1);

    // Only an unsolved pyramid on screen is checked: a key in the finished, yellow pyramid
    // must neither colour it green again nor repeat the message.
    if (!ready_) {
        return;
    }
    std::array<QString, kPyramidBoxes> texts;
    for (int i = 0; i < kPyramidBoxes; ++i) {
        texts[i] = Text1[i]->text();
    }
    const PyramidCheck check = checker_.check(texts);
    for (int row = 2; row <= kPyramidRows; ++row) {
        for (int i = firstBoxOfRow(row); i < firstBoxOfRow(row + 1); ++i) {
            setBoxColour(Text1[i], check.right[row] ? kGreen : kWhite);
        }
        if (check.turnedRight[row]) {
            platform_.sound.play(platform_.appFolder.appPath(u"ton/glocke1.wav"));
        }
    }
    if (check.solved) {
        geloest();
    }
}

void Form4::geloest() {
    for (QLineEdit* box : Text1) {
        setBoxColour(box, kYellow);
        box->setReadOnly(true);
    }
    ready_ = false;
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->hide();
    }
    Command2->setText(kShowSolution);
    platform_.messageBox.show(
        solutionShown_ ? QStringLiteral("Na ja, Sie haben das Rätsel zwar gelöst, aber nur mit "
                                        "Hilfe der Lösungseinblendung!")
                       : QStringLiteral("Prima Sie haben das Rätsel komplett gelöst !"),
        QStringLiteral("Vondrik 2000"));
}

void Form4::loesung() {
    if (!ready_) {
        return;
    }
    const bool show = Command2->text() == kShowSolution;
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->setVisible(show);
    }
    Command2->setText(show ? kHideSolution : kShowSolution);
    if (show) {
        solutionShown_ = true;
    }
}

void Form4::drucken() {
    if (!ready_) {
        return;
    }
    PuzzleSheet sheet;
    sheet.documentName = kTitle;
    sheet.leadingEmptyLine = true;
    sheet.picture = Picture1->pixmap().toImage();
    sheet.lines = pyramid_.printLines();
    sheet.puzzleNumber = puzzleNumber_;
    printPuzzleSheet(platform_.printer, sheet);
}

void Form4::closeEvent(QCloseEvent* event) {
    if (generating()) {
        endStages();
        generator_.cancel();
    }
    event->accept();
}

}  // namespace vondrik
