// The pyramid window's controls and their places in the designed client area of
// 9525 x 5505 twips.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

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

void Form4::buildWindow() {
    applyPuzzleLook(*this);
    buildPyramid();
    buildPanels();
    buildButtons();
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

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
            box->installEventFilter(this);
            box->hide();
            Text1[i] = box;
        }
    }
    Text1[0]->setReadOnly(true);  // the given letter

    // The letter boxes take the keys one after another in reading order.
    for (int i = 1; i < kPyramidBoxes; ++i) {
        setTabOrder(Text1[i - 1], Text1[i]);
    }

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

    Label6 = makeLabel(QStringLiteral("Rätsel-Nr."), "Label6", this);
    Label6->setGeometry(twipRect(120, 3795, 900, 300));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twipRect(1020, 3765, 1020, 330));
    Text2->setMaxLength(6);
    Text2->setToolTip(
        QStringLiteral("Die Nummer des Rätsels. Geben Sie hier die Nummer eines früheren Rätsels "
                       "ein und drücken Sie die Eingabetaste, um genau dieses Rätsel wieder zu "
                       "erstellen."));
    connect(Text2, &QLineEdit::returnPressed, this, &Form4::raetselNummer);

    Picture1 = makeLabel(QString(), "Picture1", this);
    Picture1->setPixmap(QPixmap::fromImage(emptyPyramidPicture(4)));
    Picture1->setGeometry(twipRect(120, 240, 3150, 3150));
    Picture1->hide();
}

void Form4::buildPanels() {
    List1 = new ClueList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(3600, 240, 5775, 2460));
    List1->hide();

    Label2 = makeLabel(QStringLiteral("Erstelle nun das Rätsel"), "Label2", this);
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(12);
    Label2->setFont(heading);
    Label2->setGeometry(twipRect(3600, 480, 5775, 480));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, PyramidGenerator::kCompleteStage);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(twipRect(3600, 1140, 5775, 330));
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
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(ProgressBar1),
                       static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label3)}) {
        w->hide();
    }

    Frame1 = new QGroupBox(QStringLiteral("Pyramidenrätsel"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(3600, 240, 5775, 2760));
    QPalette yellow = Frame1->palette();
    yellow.setColor(QPalette::Window, kPuzzleLightYellow);
    Frame1->setPalette(yellow);
    Frame1->setAutoFillBackground(true);
    Label4 = makeLabel(
        QStringLiteral("Beginnend mit dem ersten Buchstaben ergänzen Sie von Zeile zu Zeile "
                       "immer einen weiteren Buchstaben, wobei Sie alle Buchstaben von den "
                       "höheren Kästchen stets mitverwenden. Der 1. Buchstabe ist schon "
                       "vorgegeben."),
        "Label4", Frame1);
    Label4->setGeometry(twipRect(120, 300, 5535, 900));
    Label5 = makeLabel(
        QStringLiteral("Klicken Sie mit der Maus auf die Pyramide und schreiben Sie die "
                       "Lösungen ein. Bei einer richtigen Lösung werden die Felder grün. Sobald "
                       "Sie das Rätsel komplett gelöst haben wechselt die Farbe zu Gelb."),
        "Label5", Frame1);
    Label5->setGeometry(twipRect(120, 1260, 5535, 900));
    for (QLabel* label : {Label4, Label5}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Command8 = makeButton(QStringLiteral("hab's schon kapiert!"), "Command8", Frame1,
                          twipRect(3555, 2250, 2100, 375));
    connect(Command8, &QPushButton::clicked, Frame1, &QWidget::hide);
    Frame1->hide();
}

void Form4::buildButtons() {
    constexpr int top = 5040;
    constexpr int height = 375;
    Command1 = makeButton(QStringLiteral("Neues Rätsel erstellen"), "Command1", this,
                          twipRect(120, top, 2295, height));
    Command2 = makeButton(QStringLiteral("Lösung einblenden"), "Command2", this,
                          twipRect(2535, top, 1935, height));
    Command3 = makeButton(QStringLiteral("Rätsel ausdrucken"), "Command3", this,
                          twipRect(4590, top, 1935, height));
    Command4 =
        makeButton(QStringLiteral("Hilfe"), "Command4", this, twipRect(6645, top, 1215, height));
    Command5 =
        makeButton(QStringLiteral("Ende"), "Command5", this, twipRect(7980, top, 1215, height));
    Command6 = makeButton(QStringLiteral("Abbrechen und neu beginnen"), "Command6", this,
                          twipRect(0, 4440, 2520, 495));
    Command7 =
        makeButton(QStringLiteral("Abbrechen"), "Command7", this, twipRect(7800, 4440, 1575, 495));
    Command6->hide();
    Command7->hide();

    connect(Command1, &QPushButton::clicked, this, &Form4::neuesRaetsel);
    connect(Command2, &QPushButton::clicked, this, &Form4::loesung);
    connect(Command3, &QPushButton::clicked, this, &Form4::drucken);
    connect(Command4, &QPushButton::clicked, this, [this] {
        Frame1->show();
        Frame1->raise();
    });
    connect(Command5, &QPushButton::clicked, this, &QWidget::close);
    connect(Command6, &QPushButton::clicked, this, &Form4::neuBeginnen);
    connect(Command7, &QPushButton::clicked, this, &Form4::abbrechen);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &Form4::stufe);
}

}  // namespace vondrik
