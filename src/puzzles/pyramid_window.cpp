// The pyramid window's own part: its boxes, the rows checked as the user types, the yellow
// solved pyramid, the attempt counters and its sheet.
#include "puzzles/pyramid_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_sheets.h"
#include "ui/platform.h"
#include "ui/widgets/open_once.h"

namespace vondrik {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

}  // namespace

Form4::Form4(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : PuzzleWindow(platform, mainWindow,
                   {"Form4", QStringLiteral("Rätselpyramide"), QStringLiteral("Lösung einblenden"),
                    QStringLiteral("Lösung ausblenden")}),
      generator_(session, puzzleRandom_) {
    buildPyramid();
    buildPanels();
    buildButtons();
    Command[1]->setFocus();
}

Form4* Form4::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Form4>(mainWindow, session, platform);
}

int Form4::versuche(int row) const {
    if (row < 3 || row > kPyramidRows) {
        return 0;
    }
    return totalAttempts_[row] + (generating() ? generator_.attempts(row) : 0);
}

void Form4::setBoxColour(int box, const QColor& colour) {
    QPalette palette = Text1[box]->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    Text1[box]->setPalette(palette);
}

void Form4::clearPuzzle() {
    List1->hide();
    for (int i = 0; i < kPyramidBoxes; ++i) {
        Text1[i]->clear();
        setBoxColour(i, kWhite);
        Text1[i]->setReadOnly(i == 0);
        Text1[i]->show();
    }
    pyramid_ = Pyramid();
}

void Form4::showGenerating(bool on) {
    for (int n = 1; n <= 5; ++n) {
        Command[n]->setVisible(!on);
    }
    for (QWidget* w : {static_cast<QWidget*>(Command[6]), static_cast<QWidget*>(Command[7]),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label7)}) {
        w->setVisible(on);
    }
}

void Form4::showNoPuzzle() {
    List1->clear();
    List1->hide();
    for (QLineEdit* box : Text1) {
        box->clear();
        box->hide();
    }
}

void Form4::stageRun() {
    QStringList counts;
    for (int row = 3; row <= kPyramidRows; ++row) {
        counts.append(QString::number(versuche(row)));
    }
    Label7->setText(QStringLiteral("Versuche der Zeilen 3 bis 7: ") +
                    counts.join(QStringLiteral(" / ")));
}

// The generator counts afresh for each pyramid (so a number makes its pyramid again); the
// window keeps the counts of every generation since it was opened.
void Form4::generationEnded() {
    for (int row = 3; row <= kPyramidRows; ++row) {
        totalAttempts_[row] += generator_.attempts(row);
    }
}

void Form4::presentPuzzle() {
    pyramid_ = generator_.pyramid();
    checker_.reset(pyramid_);
    List1->show();
    List1->setLines(pyramid_.clueLines());
    Text1[0]->setText(pyramid_.startLetter());
    setBoxColour(0, kGreen);
    const QStringList solution = pyramid_.solutionLines();
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->setText(solution[i - 1]);
    }
}

void Form4::showSolution(bool on) {
    for (int i = 1; i < kPyramidRows; ++i) {
        Label1[i]->setVisible(on);
    }
}

// Only an unsolved pyramid on screen is checked: a key in the finished, yellow pyramid must
// neither colour it green again nor repeat the message.
void Form4::checkBox(int /*box*/) {
    if (!ready()) {
        return;
    }
    std::array<QString, kPyramidBoxes> texts;
    for (int i = 0; i < kPyramidBoxes; ++i) {
        texts[i] = Text1[i]->text();
    }
    const PyramidCheck check = checker_.check(texts);
    for (int row = 2; row <= kPyramidRows; ++row) {
        for (int i = firstBoxOfRow(row); i < firstBoxOfRow(row + 1); ++i) {
            setBoxColour(i, check.right[row] ? kGreen : kWhite);
        }
        if (check.turnedRight[row]) {
            platform_.sound.play(platform_.appFolder.appPath(u"ton/glocke1.wav"));
        }
    }
    if (!check.solved) {
        return;
    }
    for (int i = 0; i < kPyramidBoxes; ++i) {
        setBoxColour(i, kYellow);
        Text1[i]->setReadOnly(true);
    }
    announceSolved(solutionShown() ? QStringLiteral("Na ja, Sie haben das Rätsel zwar gelöst, "
                                                    "aber nur mit Hilfe der Lösungseinblendung!")
                                   : QStringLiteral("Prima Sie haben das Rätsel komplett gelöst !"),
                   true);
}

PuzzleSheet Form4::sheet() const {
    return pyramidSheet(pyramid_, puzzleNumber());
}

}  // namespace vondrik
