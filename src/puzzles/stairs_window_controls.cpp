// The stairs window's controls and their places in the designed client area of
// 9300 x 6660 twips. The letter boxes lie on the grid picture.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_controls.h"
#include "puzzles/stairs_picture.h"
#include "puzzles/stairs_window.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

constexpr int kClientWidth = 9300;
constexpr int kClientHeight = 6660;

}  // namespace

void Treppen::buildWindow() {
    applyPuzzleLook(*this);
    buildGrid();
    buildPanels();
    buildButtons();
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

void Treppen::buildGrid() {
    Picture1 = makeLabel(QString(), "Picture1", this);
    Picture1->setPixmap(QPixmap::fromImage(stairsPicture()));
    Picture1->setGeometry(twipsToPixels(240), twipsToPixels(120), 322, 277);

    QFont letters(QStringLiteral("MS Sans Serif"));
    letters.setBold(true);
    letters.setPointSize(18);
    for (int i = 0; i < kStairsBoxes; ++i) {
        auto* box = new LetterBox(Picture1);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setGeometry(stairsBoxRect(i));
        box->setFont(letters);
        // The picture draws the cells; a frame would leave the letter no room.
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setTextMargins(0, 0, 0, 0);
        box->setMaxLength(1);
        box->installEventFilter(this);
        Text1[i] = box;
    }
    for (int i = 1; i < kStairsBoxes; ++i) {
        setTabOrder(Text1[i - 1], Text1[i]);
    }

    Label4 = makeLabel(QStringLiteral("Rätsel-Nr."), "Label4", this);
    Label4->setGeometry(twipRect(240, 4500, 900, 300));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twipRect(1140, 4470, 1020, 330));
    Text2->setMaxLength(6);
    Text2->setToolTip(
        QStringLiteral("Die Nummer des Rätsels. Geben Sie hier die Nummer eines früheren Rätsels "
                       "ein und drücken Sie die Eingabetaste, um genau dieses Rätsel wieder zu "
                       "erstellen."));
    connect(Text2, &QLineEdit::returnPressed, this, &Treppen::raetselNummer);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, StairsGenerator::kCompleteStage - 1);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(twipRect(240, 5040, 4830, 330));
    ProgressBar1->hide();
}

void Treppen::buildPanels() {
    List1 = new ClueList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(5160, 120, 4095, 1980));
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { hinweisGeklickt(List1->row(item)); });
    List2 = new ClueList(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(twipRect(5400, 3720, 3135, 1425));

    QFont bold = font();
    bold.setBold(true);
    Label1 = makeLabel(QStringLiteral("Die Buchstaben der Treppe nennen abwärts gelesen:"),
                       "Label1", this);
    Label1->setFont(bold);
    Label1->setWordWrap(true);
    Label1->setGeometry(twipRect(5520, 2160, 3735, 480));
    Label2 = makeLabel(QString(), "Label2", this);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(twipRect(5160, 2880, 4095, 780));
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(List2),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)}) {
        w->hide();
    }

    Frame1 = new QGroupBox(QStringLiteral("Treppenrätsel"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(5040, 0, 4260, 3600));
    QPalette yellow = Frame1->palette();
    yellow.setColor(QPalette::Window, kPuzzleLightYellow);
    Frame1->setPalette(yellow);
    Frame1->setAutoFillBackground(true);
    Label3 = makeLabel(
        QStringLiteral("Tragen Sie die gesuchten Begriffe waagerecht ein. Bei richtiger Lösung "
                       "ergeben die Buchstaben der Treppe von oben nach unten gelesen einen "
                       "Begriff mit 12 Buchstaben.") +
            QString(38, QLatin1Char(' ')) +
            QStringLiteral("Bei  richtigen Eingabe eines Buchstabens wird dieser Blau "
                           "dargestellt, sollte die Eingabe nicht stimmen wird der Buchstabe "
                           "schwarz bleiben."),
        "Label3", Frame1);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(twipRect(120, 300, 4020, 2640));
    Command5 = makeButton(QStringLiteral("ist ja klar"), "Command5", Frame1,
                          twipRect(2805, 3090, 1335, 375));
    connect(Command5, &QPushButton::clicked, Frame1, &QWidget::hide);
    Frame1->hide();
}

void Treppen::buildButtons() {
    constexpr int top = 5880;
    constexpr int height = 375;
    Command1 = makeButton(QStringLiteral("Rätsel erstellen"), "Command1", this,
                          twipRect(120, top, 1575, height));
    Command6 = makeButton(QStringLiteral("Lösung anzeigen"), "Command6", this,
                          twipRect(1800, top, 1695, height));
    Command2 = makeButton(QStringLiteral("Rätsel ausdrucken"), "Command2", this,
                          twipRect(3600, top, 1695, height));
    Command3 =
        makeButton(QStringLiteral("Hilfe"), "Command3", this, twipRect(5400, top, 975, height));
    Command4 =
        makeButton(QStringLiteral("Ende"), "Command4", this, twipRect(6480, top, 975, height));

    connect(Command1, &QPushButton::clicked, this, &Treppen::neuesRaetsel);
    connect(Command2, &QPushButton::clicked, this, &Treppen::drucken);
    connect(Command6, &QPushButton::clicked, this, &Treppen::loesung);
    connect(Command3, &QPushButton::clicked, this, [this] {
        Frame1->show();
        Frame1->raise();
    });
    connect(Command4, &QPushButton::clicked, this, &QWidget::close);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &Treppen::stufe);
}

}  // namespace vondrik
