// The snail window's controls and their places in its client area of 11600 x 7000 twips.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_controls.h"
#include "puzzles/snail_picture.h"
#include "puzzles/snail_window.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

// Wider and taller than first designed, so that long clues and the eleven answers are seen
// whole.
constexpr int kClientWidth = 11600;
constexpr int kClientHeight = 7000;
constexpr std::array<int, kSnailSide> kColumnLeft = {600, 1200, 1920, 2520, 3240, 3960};
constexpr int kButtonTop = 6540;
constexpr std::array<int, kSnailSide> kRowTop = {480, 1200, 1800, 2520, 3240, 3840};
const QColor kGreen(0, 255, 0);

// One stroke of the arrows around the grid, from one point to another (in twips).
class LineShape final : public QWidget {
  public:
    LineShape(QPoint from, QPoint to, QWidget* parent) : QWidget(parent) {
        const QRect area = QRect(from, to).normalized().adjusted(-45, -45, 45, 45);
        setGeometry(twipRect(area.left(), area.top(), area.width(), area.height()));
        from_ = QPoint(twipsToPixels(from.x()), twipsToPixels(from.y())) - pos();
        to_ = QPoint(twipsToPixels(to.x()), twipsToPixels(to.y())) - pos();
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(from_, to_);
    }

  private:
    QPoint from_;
    QPoint to_;
};

QLineEdit* makeBox(QWidget* parent, const QFont& font, const QColor& background) {
    auto* box = new LetterBox(parent);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setTextMargins(0, 0, 0, 0);
    box->setMaxLength(1);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    box->hide();
    return box;
}

}  // namespace

void Schnecken::buildArrows() {
    // Rightwards above row 1, downwards right of column 6, leftwards below row 6, upwards
    // left of column 1 (up to row 2): a shaft and two strokes of the head each.
    struct Arrow {
        QPoint from;
        QPoint to;
    };
    const Arrow arrows[] = {{{600, 210}, {4200, 210}},
                            {{4680, 600}, {4680, 4200}},
                            {{4200, 4680}, {600, 4680}},
                            {{150, 4200}, {150, 1200}}};
    int n = 1;
    for (const Arrow& a : arrows) {
        const int dx = (a.to.x() > a.from.x()) - (a.to.x() < a.from.x());
        const int dy = (a.to.y() > a.from.y()) - (a.to.y() < a.from.y());
        const QPoint back(-dx * 120, -dy * 120);
        const QPoint side(dy * 90, dx * 90);
        for (const auto& [from, to] : {std::pair{a.from, a.to}, std::pair{a.to + back + side, a.to},
                                       std::pair{a.to + back - side, a.to}}) {
            auto* line = new LineShape(from, to, this);
            line->setObjectName(QStringLiteral("Line%1").arg(n++));
        }
    }
}

void Schnecken::buildSpiral() {
    Picture1 = makeLabel(QString(), "Picture1", this);
    Picture1->setPixmap(QPixmap::fromImage(snailGridPicture()));
    Picture1->setGeometry(twipsToPixels(360), twipsToPixels(360), 274, 274);
    Picture1->hide();

    QFont letters(QStringLiteral("MS Sans Serif"));
    letters.setBold(true);
    letters.setPointSize(14);
    for (int i = 0; i < kSnailBoxes; ++i) {
        const GridCell cell = snailCell(i);
        const bool diagonal = cell.row == cell.column;
        QLineEdit* box = makeBox(this, letters, diagonal ? kGreen : Qt::white);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setGeometry(twipRect(kColumnLeft[cell.column - 1], kRowTop[cell.row - 1], 375, 495));
        Text1[i] = box;
    }
    takeLetterBoxes(Text1);  // in spiral order
    QFont solution = letters;
    solution.setPointSize(10);
    for (int j = 0; j < kSnailSide; ++j) {
        QLineEdit* box = makeBox(this, solution, kGreen);
        box->setObjectName(QStringLiteral("Text2_%1").arg(j));
        box->setGeometry(twipRect(6960 + j * 360, kButtonTop, 375, 375));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        Text2[j] = box;
    }

    buildNumberField("Label5", "Text3", {360, 4950});
}

void Schnecken::buildPanels() {
    List1 = new ClueList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(4920, 360, 6480, 4560));
    List1->hide();
    // A clue clicked takes the focus to the first box of its word.
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { moveTo(kSnailFirstBox[List1->row(item) + 1]); });
    List2 = new ClueList(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(twipRect(360, 5400, 4320, 1020));
    List2->setColumns(3);
    List2->hide();

    QFont bold = font();
    bold.setBold(true);
    Label1 = makeLabel(QStringLiteral("Bedeutung des Lösungswortes:"), "Label1", this);
    Label1->setFont(bold);
    Label1->setGeometry(twipRect(4920, 5040, 6480, 255));
    Label2 = makeLabel(QString(), "Label2", this);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(twipRect(4920, 5295, 6480, 1140));
    Label1->hide();
    Label2->hide();

    buildProgressBar({4920, 3240, 2400, 330}, SnailGenerator::kCompleteStage);
}

void Schnecken::buildButtons() {
    // The row is narrow up to the solution-word boxes: the captions get a slightly smaller
    // font and little padding, so none of them is cut off.
    constexpr int height = 375;
    Command1 = makeButton(QStringLiteral("Neues Rätsel erstellen"), "Command1", this,
                          twipRect(0, kButtonTop, 1890, height));
    Command2 = makeButton(QStringLiteral("Rätsel ausdrucken"), "Command2", this,
                          twipRect(1920, kButtonTop, 1650, height));
    Command5 = makeButton(QStringLiteral("Lösung einblenden"), "Command5", this,
                          twipRect(3600, kButtonTop, 1650, height));
    auto* help = makeButton(QStringLiteral("Hilfe"), "Command3", this,
                            twipRect(5280, kButtonTop, 690, height));
    auto* end = makeButton(QStringLiteral("Ende"), "Command4", this,
                           twipRect(6000, kButtonTop, 900, height));
    QFont captions = font();
    captions.setPointSizeF(8);
    for (QPushButton* button : {Command1, Command2, Command5, help, end}) {
        button->setFont(captions);
        button->setStyleSheet(QStringLiteral("QPushButton { padding: 0px 1px; }"));
    }
    Command2->hide();
    Command5->hide();
    setSolutionButton(Command5);

    QGroupBox* frame =
        buildHelpPanel(QStringLiteral("Rätselschnecke"), {4320, 0, 7280, 3255}, help);
    addHelpText(
        frame,
        QStringLiteral(
            "Der Endbuchstabe des ersten Wortes ist der Anfangsbuchstabe des zweiten und so "
            "weiter. Die Wörter müssen gemäß den Definitionen gefunden werden. Dann werden sie "
            "spiralförmig in die Figur (den Pfeilen folgend) eingetragen, wobei das erste "
            "waagerecht, das zweite senkrecht, das dritte von rechts nach lins, das vierte von "
            "unten nach oben etc. eingetragen werden muss. Das Lösungswort ergibt sich  in der "
            "Diagonalen von links oben nach rechts unten."),
        "Label3", {120, 255, 7040, 1860});
    addHelpText(
        frame,
        QStringLiteral("Bei  richtigen Eingabe eines Buchstabens wird dieser Blau dargestellt, "
                       "sollte die Eingabe nicht stimmen wird der Buchstabe schwarz bleiben."),
        "Label4", {120, 2130, 7040, 690});
    addHelpCloseButton(frame, QStringLiteral("alles klar"), "Command6", {5825, 2835, 1335, 360});

    connect(Command1, &QPushButton::clicked, this, &Schnecken::neuesRaetsel);
    connect(Command2, &QPushButton::clicked, this, &Schnecken::drucken);
    connect(Command5, &QPushButton::clicked, this, &Schnecken::loesung);
    connect(end, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

}  // namespace vondrik
