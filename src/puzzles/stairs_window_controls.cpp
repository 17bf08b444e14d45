// The stairs window's controls and their places in its client area of 11500 x 6660 twips.
// The letter boxes lie on the grid picture.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_controls.h"
#include "puzzles/stairs_picture.h"
#include "puzzles/stairs_window.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

// Wider than first designed, so that long clues are seen whole.
constexpr int kClientWidth = 11500;
constexpr int kClientHeight = 6660;

}  // namespace

void Treppen::buildGrid() {
    QLabel* picture = makeLabel(QString(), "Picture1", this);
    picture->setPixmap(QPixmap::fromImage(stairsPicture()));
    picture->setGeometry(twipsToPixels(240), twipsToPixels(120), 322, 277);

    QFont letters(QStringLiteral("MS Sans Serif"));
    letters.setBold(true);
    letters.setPointSize(18);
    for (int i = 0; i < kStairsBoxes; ++i) {
        auto* box = new LetterBox(picture);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setGeometry(stairsBoxRect(i));
        box->setFont(letters);
        // The picture draws the cells; a frame would leave the letter no room.
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setTextMargins(0, 0, 0, 0);
        box->setMaxLength(1);
        Text1[i] = box;
    }
    takeLetterBoxes(Text1);

    buildNumberField("Label4", "Text2", {240, 4500});
    buildProgressBar({240, 5040, 4830, 330}, StairsGenerator::kCompleteStage - 1);
}

void Treppen::buildPanels() {
    List1 = new ClueList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(5160, 120, 6240, 2760));
    // A clue clicked takes the focus to the first box of its row.
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { moveTo(firstBoxOfStairsRow(List1->row(item) + 1)); });
    List2 = new ClueList(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(twipRect(5160, 4200, 6240, 1800));

    QFont bold = font();
    bold.setBold(true);
    Label1 = makeLabel(QStringLiteral("Die Buchstaben der Treppe nennen abwärts gelesen:"),
                       "Label1", this);
    Label1->setFont(bold);
    Label1->setWordWrap(true);
    Label1->setGeometry(twipRect(5160, 2970, 6240, 480));
    Label2 = makeLabel(QString(), "Label2", this);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(twipRect(5160, 3450, 6240, 700));
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(List2),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)}) {
        w->hide();
    }
}

void Treppen::buildButtons() {
    constexpr int top = 6120;
    constexpr int height = 375;
    Command1 = makeButton(QStringLiteral("Rätsel erstellen"), "Command1", this,
                          twipRect(120, top, 1575, height));
    QPushButton* solution = makeButton(QStringLiteral("Lösung anzeigen"), "Command6", this,
                                       twipRect(1800, top, 1695, height));
    QPushButton* print = makeButton(QStringLiteral("Rätsel ausdrucken"), "Command2", this,
                                    twipRect(3600, top, 1695, height));
    QPushButton* help =
        makeButton(QStringLiteral("Hilfe"), "Command3", this, twipRect(5400, top, 975, height));
    QPushButton* end =
        makeButton(QStringLiteral("Ende"), "Command4", this, twipRect(6480, top, 975, height));
    setSolutionButton(solution);

    QGroupBox* frame = buildHelpPanel(QStringLiteral("Treppenrätsel"), {5040, 0, 6400, 3600}, help);
    addHelpText(
        frame,
        QStringLiteral("Tragen Sie die gesuchten Begriffe waagerecht ein. Bei richtiger Lösung "
                       "ergeben die Buchstaben der Treppe von oben nach unten gelesen einen "
                       "Begriff mit 12 Buchstaben.") +
            QString(38, QLatin1Char(' ')) +
            QStringLiteral("Bei  richtigen Eingabe eines Buchstabens wird dieser Blau "
                           "dargestellt, sollte die Eingabe nicht stimmen wird der Buchstabe "
                           "schwarz bleiben."),
        "Label3", {120, 300, 6160, 2640});
    addHelpCloseButton(frame, QStringLiteral("ist ja klar"), "Command5", {4945, 3090, 1335, 375});

    connect(Command1, &QPushButton::clicked, this, &Treppen::neuesRaetsel);
    connect(print, &QPushButton::clicked, this, &Treppen::drucken);
    connect(solution, &QPushButton::clicked, this, &Treppen::loesung);
    connect(end, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

}  // namespace vondrik
