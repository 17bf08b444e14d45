// The pyramid window's controls and their places in the designed client area of
// 9525 x 5505 twips.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_controls.h"
#include "puzzles/pyramid_picture.h"
#include "puzzles/pyramid_window.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

constexpr int kClientWidth = 9525;
constexpr int kClientHeight = 5505;
constexpr int kBoxSide = 495;
constexpr int kBoxStep = 480;
constexpr int kFirstRowTop = 240;
constexpr int kFirstRowLeft = 1560;

}  // namespace

void Form4::buildPyramid() {
    QFont letters(QStringLiteral("Courier New"));
    letters.setStyleHint(QFont::TypeWriter);
    letters.setBold(true);
    letters.setPointSize(18);
    for (int row = 1; row <= kPyramidRows; ++row) {
        const int top = kFirstRowTop + (row - 1) * kBoxStep;
        const int left = kFirstRowLeft - (row - 1) * kBoxStep / 2;
        for (int k = 0; k < row; ++k) {
            const int i = firstBoxOfRow(row) + k;
            auto* box = new LetterBox(this);
            box->setObjectName(QStringLiteral("Text1_%1").arg(i));
            box->setGeometry(twipRect(left + k * kBoxStep, top, kBoxSide, kBoxSide));
            box->setFont(letters);
            box->setAlignment(Qt::AlignCenter);
            box->setTextMargins(0, 0, 0, 0);
            // One letter per box: a row is right only as the boxes' letters one by one.
            box->setMaxLength(1);
            box->setAutoFillBackground(true);
            box->hide();
            Text1[i] = box;
        }
    }
    Text1[0]->setReadOnly(true);  // the given letter
    takeLetterBoxes(Text1);

    QFont solution = font();
    solution.setBold(true);
    for (int i = 1; i < kPyramidRows; ++i) {
        QLabel* label = makeLabel(QString(), "", this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setFont(solution);
        label->setGeometry(twipRect(i <= 3 ? 5160 : 7440, 2880 + ((i - 1) % 3) * 360, 2200, 300));
        label->hide();
        Label1[i] = label;
    }
    buildNumberField("Label6", "Text2", {120, 3795});

    QLabel* picture = makeLabel(QString(), "Picture1", this);
    picture->setPixmap(QPixmap::fromImage(emptyPyramidPicture(4)));
    picture->setGeometry(twipRect(120, 240, 3150, 3150));
    picture->hide();
}

void Form4::buildPanels() {
    // Down to the solution labels: six clues of two lines each fit without scrolling.
    List1 = new ClueList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(3600, 240, 5775, 2580));
    List1->hide();

    Label2 = makeLabel(QStringLiteral("Erstelle nun das Rätsel"), "Label2", this);
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(12);
    Label2->setFont(heading);
    Label2->setGeometry(twipRect(3600, 480, 5775, 480));
    buildProgressBar({3600, 1140, 5775, 330}, PyramidGenerator::kCompleteStage);
    Label7 = makeLabel(QString(), "Label7", this);
    Label7->setGeometry(twipRect(3600, 1560, 5775, 300));
    Label7->setStyleSheet(QStringLiteral("color: #505050"));
    Label3 = makeLabel(
        QStringLiteral("Es kann schon mal vorkommen, dass keine passenden Begriffe gefunden "
                       "werden, unterbrechen Sie dann einfach die Generierung des Rätsels."),
        "Label3", this);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(twipRect(2640, 4320, 5040, 720));
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Label3)}) {
        w->hide();
    }
}

void Form4::buildButtons() {
    constexpr int top = 5040;
    constexpr int height = 375;
    Command[1] = makeButton(QStringLiteral("Neues Rätsel erstellen"), "Command1", this,
                            twipRect(120, top, 2295, height));
    Command[2] = makeButton(QStringLiteral("Lösung einblenden"), "Command2", this,
                            twipRect(2535, top, 1935, height));
    Command[3] = makeButton(QStringLiteral("Rätsel ausdrucken"), "Command3", this,
                            twipRect(4590, top, 1935, height));
    Command[4] =
        makeButton(QStringLiteral("Hilfe"), "Command4", this, twipRect(6645, top, 1215, height));
    Command[5] =
        makeButton(QStringLiteral("Ende"), "Command5", this, twipRect(7980, top, 1215, height));
    Command[6] = makeButton(QStringLiteral("Abbrechen und neu beginnen"), "Command6", this,
                            twipRect(0, 4440, 2520, 495));
    Command[7] =
        makeButton(QStringLiteral("Abbrechen"), "Command7", this, twipRect(7800, 4440, 1575, 495));
    Command[6]->hide();
    Command[7]->hide();
    setSolutionButton(Command[2]);

    QGroupBox* frame =
        buildHelpPanel(QStringLiteral("Pyramidenrätsel"), {3600, 240, 5775, 2760}, Command[4]);
    addHelpText(
        frame,
        QStringLiteral("Beginnend mit dem ersten Buchstaben ergänzen Sie von Zeile zu Zeile "
                       "immer einen weiteren Buchstaben, wobei Sie alle Buchstaben von den "
                       "höheren Kästchen stets mitverwenden. Der 1. Buchstabe ist schon "
                       "vorgegeben."),
        "Label4", {120, 300, 5535, 900});
    addHelpText(
        frame,
        QStringLiteral("Klicken Sie mit der Maus auf die Pyramide und schreiben Sie die "
                       "Lösungen ein. Bei einer richtigen Lösung werden die Felder grün. Sobald "
                       "Sie das Rätsel komplett gelöst haben wechselt die Farbe zu Gelb."),
        "Label5", {120, 1260, 5535, 900});
    Command[8] = addHelpCloseButton(frame, QStringLiteral("hab's schon kapiert!"), "Command8",
                                    {3555, 2250, 2100, 375});

    connect(Command[1], &QPushButton::clicked, this, &Form4::neuesRaetsel);
    connect(Command[2], &QPushButton::clicked, this, &Form4::loesung);
    connect(Command[3], &QPushButton::clicked, this, &Form4::drucken);
    connect(Command[5], &QPushButton::clicked, this, &QWidget::close);
    connect(Command[6], &QPushButton::clicked, this, &Form4::neuBeginnen);
    connect(Command[7], &QPushButton::clicked, this, &Form4::abbrechen);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

}  // namespace vondrik
