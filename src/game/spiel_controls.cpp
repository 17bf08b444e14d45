// The game window's controls, their places in the designed client area of 1000 x 690
// pixels, the menu, and fitting the window to the screen.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "game/game_texts.h"
#include "game/keyboard.h"
#include "game/spiel.h"
#include "ui/platform.h"
#include "ui/text_file.h"
#include "ui/twips.h"
#include "ui/widgets/size_form.h"

namespace vondrik {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 690;
constexpr int kFramesTop = 470;  // keyboard and score frames; the picture ends here
constexpr int kFramesHeight = 210;
constexpr int kBoxTop = 118;
constexpr int kBoxStep = 62;
constexpr int kKeyStep = 41;

// Panels and boxes: a warm white that stays calm against the green picture.
const QColor kPanel(250, 248, 238);
const QColor kInk(24, 44, 42);
// Texts straight on the picture get a veil of white behind them.
const QColor kVeil(255, 255, 255, 165);

QFont sized(const QFont& base, double points, bool bold = false) {
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

template <typename W>
W* make(QWidget* parent, const QString& name, QRect geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  double points, bool bold = false) {
    auto* label = make<QLabel>(parent, QLatin1String(name), geometry);
    label->setText(text);
    label->setFont(sized(label->font(), points, bold));
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* frame = make<QGroupBox>(parent, QLatin1String(name), geometry);
    frame->setTitle(title);
    frame->setAlignment(Qt::AlignHCenter);
    frame->setFont(sized(frame->font(), 10, true));
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kPanel);
    palette.setColor(QPalette::WindowText, kInk);
    frame->setPalette(palette);
    return frame;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        double points) {
    auto* button = make<QPushButton>(parent, QLatin1String(name), geometry);
    button->setText(caption);
    button->setFont(sized(button->font(), points, true));
    return button;
}

void veil(QLabel* label) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kVeil);
    palette.setColor(QPalette::WindowText, kInk);
    label->setPalette(palette);
}

}  // namespace

void Spiel::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->resize(kWidth, kHeight);
    // Below the picture its darkest green goes on, so the frames stand on one ground.
    client_->setAutoFillBackground(true);
    QPalette ground = client_->palette();
    ground.setColor(QPalette::Window, QColor(118, 170, 156));
    client_->setPalette(ground);

    Picture1 = make<QLabel>(client_, QStringLiteral("Picture1"), {0, 0, kWidth, kFramesTop});

    Label2 = makeLabel(client_, "Label2", {}, {30, 16, 940, 86}, 14, true);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignCenter);
    veil(Label2);
    Label2->hide();

    buildBoxes();

    Command2 =
        makeButton(client_, "Command2", QStringLiteral("Spiel starten"), {380, 232, 240, 64}, 16);
    connect(Command2, &QPushButton::clicked, this, &Spiel::startGame);

    Label13 = makeLabel(client_, "Label13", {}, {30, 412, 940, 40}, 13, true);
    Label13->setAlignment(Qt::AlignCenter);
    veil(Label13);
    Label13->hide();

    Frame3 = makeFrame(client_, "Frame3", {}, {220, 206, 560, 168});
    Label3 = makeLabel(Frame3, "Label3", {}, {10, 26, 540, 54}, 24, true);
    Label3->setAlignment(Qt::AlignCenter);
    Label4 = makeLabel(Frame3, "Label4", game::kSolutionText.toString(), {10, 82, 540, 30}, 12);
    Label4->setAlignment(Qt::AlignCenter);
    Command5 = makeButton(Frame3, "Command5", QStringLiteral("OK"), {230, 120, 100, 36}, 11);
    connect(Command5, &QPushButton::clicked, this, &Spiel::acknowledgeSolution);
    Frame3->hide();

    buildScoreFrames();
    buildKeyboard();

    Frame6 = makeFrame(client_, "Frame6", QStringLiteral("und so funktioniert das!"),
                       {110, 8, 780, 450});
    Label16 = makeLabel(Frame6, "Label16", game::kRulesText.toString(), {24, 34, 732, 352}, 14);
    Label16->setWordWrap(true);
    Label16->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command6 =
        makeButton(Frame6, "Command6", QStringLiteral("alles klar"), {320, 398, 140, 38}, 11);
    connect(Command6, &QPushButton::clicked, Frame6, &QWidget::hide);
    Frame6->hide();

    Frame2 = makeFrame(client_, "Frame2", QStringLiteral("TOP TEN"), {300, 8, 400, 450});
    for (int i = 0; i < game::HighscoreList::kEntries; ++i) {
        const int y = 36 + 36 * i;
        Label14[i] = make<QLabel>(Frame2, QStringLiteral("Label14_%1").arg(i), {24, y, 250, 30});
        Label14[i]->setFont(sized(Label14[i]->font(), 13));
        Label15[i] = make<QLabel>(Frame2, QStringLiteral("Label15_%1").arg(i), {280, y, 96, 30});
        Label15[i]->setFont(sized(Label15[i]->font(), 13, true));
        Label15[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Command3 = makeButton(Frame2, "Command3", QStringLiteral("ok"), {150, 404, 100, 36}, 11);
    connect(Command3, &QPushButton::clicked, Frame2, &QWidget::hide);
    Frame2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Spiel::blinkStep);
    flashTimer_ = new QTimer(this);
    flashTimer_->setObjectName(QStringLiteral("flashTimer"));
    flashTimer_->setInterval(70);
    connect(flashTimer_, &QTimer::timeout, this, &Spiel::flashStep);
}

void Spiel::buildBoxes() {
    const int left = (kWidth - (game::kLetterBoxes * kBoxStep - (kBoxStep - 54))) / 2;
    for (int i = 0; i < game::kLetterBoxes; ++i) {
        auto* box = make<QLineEdit>(client_, QStringLiteral("Text1_%1").arg(i),
                                    {left + i * kBoxStep, kBoxTop, 54, 62});
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(sized(box->font(), 24, true));
        box->setTextMargins(0, 0, 0, 0);
        box->hide();
        Text1[i] = box;
    }
}

void Spiel::buildScoreFrames() {
    Frame4 = makeFrame(client_, "Frame4", {}, {10, kFramesTop, 270, kFramesHeight});
    Label6 = makeLabel(Frame4, "Label6", QStringLiteral("Für diesen Begriff bleiben Ihnen noch"),
                       {12, 20, 246, 48}, 11);
    Label6->setWordWrap(true);
    Label5 = makeLabel(Frame4, "Label5", {}, {12, 68, 60, 46}, 24, true);
    Label5->setAlignment(Qt::AlignCenter);
    Label7 = makeLabel(Frame4, "Label7", QStringLiteral("Rateversuche"), {78, 76, 180, 30}, 11);
    Label9 =
        makeLabel(Frame4, "Label9", QStringLiteral("noch zu erreichende Punkte in dieser Runde"),
                  {12, 114, 246, 48}, 11);
    Label9->setWordWrap(true);
    Label10 = makeLabel(Frame4, "Label10", {}, {12, 160, 246, 42}, 22, true);

    Frame5 = makeFrame(client_, "Frame5", {}, {720, kFramesTop, 270, kFramesHeight});
    Label8 =
        makeLabel(Frame5, "Label8", QStringLiteral("Gesamtpunktzahl"), {12, 30, 246, 30}, 13, true);
    Label8->setAlignment(Qt::AlignCenter);
    Label11 = makeLabel(Frame5, "Label11", {}, {12, 70, 246, 96}, 36, true);
    Label11->setAlignment(Qt::AlignCenter);
}

void Spiel::buildKeyboard() {
    Frame1 = makeFrame(client_, "Frame1", {}, {290, kFramesTop, 420, kFramesHeight});
    // Rows of 10, 9 and 7 keys, each row set in a little further as on a typewriter.
    constexpr int kRowStart[] = {0, 10, 19, 26};
    constexpr int kRowIndent[] = {7, 27, 48};
    for (int row = 0; row < 3; ++row) {
        for (int i = kRowStart[row]; i < kRowStart[row + 1]; ++i) {
            const QRect place(kRowIndent[row] + (i - kRowStart[row]) * kKeyStep, 24 + 62 * row, 38,
                              54);
            auto* button = makeButton(Frame1, "", QString(game::buttonLetter(i)), place, 16);
            button->setObjectName(QStringLiteral("Command1_%1").arg(i));
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QPushButton::clicked, this, [this, i] { guessLetter(i); });
            Command1[i] = button;
        }
    }
    Command1[game::kLetterButtons] = make<QPushButton>(
        Frame1, QStringLiteral("Command1_%1").arg(game::kLetterButtons), {0, 0, 38, 54});
    Command1[game::kLetterButtons]->hide();
    Frame1->setEnabled(false);
}

void Spiel::buildMenu() {
    score = menuBar()->addAction(QStringLiteral("Highscoreliste"));
    score->setObjectName(QStringLiteral("score"));
    sounds = menuBar()->addMenu(QStringLiteral("Sound"));
    sounds->setObjectName(QStringLiteral("sounds"));
    sounds->menuAction()->setObjectName(QStringLiteral("sounds"));
    ans = sounds->addAction(QStringLiteral("an"));
    ans->setObjectName(QStringLiteral("ans"));
    auss = sounds->addAction(QStringLiteral("aus"));
    auss->setObjectName(QStringLiteral("auss"));
    for (QAction* item : {ans, auss}) {
        item->setCheckable(true);
    }
    ans->setChecked(true);
    hilf = menuBar()->addAction(QStringLiteral("Spielregeln"));
    hilf->setObjectName(QStringLiteral("hilf"));
    ende = menuBar()->addAction(QStringLiteral("Ende"));
    ende->setObjectName(QStringLiteral("ende"));

    connect(score, &QAction::triggered, this, [this] {
        Frame6->hide();
        Frame2->show();
        Frame2->raise();
    });
    connect(hilf, &QAction::triggered, this, [this] {
        Frame2->hide();
        Frame6->show();
        Frame6->raise();
    });
    connect(ans, &QAction::triggered, this, [this] { chooseSounds(true); });
    connect(auss, &QAction::triggered, this, [this] { chooseSounds(false); });
    connect(ende, &QAction::triggered, this, &QWidget::close);
}

void Spiel::fitToScreen(int notebookShift) {
    resize(kWidth, kHeight + menuBar()->sizeHint().height());
    layout()->activate();  // the client gets its designed size before it is measured
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize border = frameGeometry().size() - client_->size();
    scaleToFit(*this, *client_, area.size());
    // The layout hands the client its new size only when shown; the picture needs it now.
    client_->resize(frameGeometry().size() - border);

    // The notebook adjustment: the picture shorter, the frames below it higher. The frames
    // never climb over the solution box, which shares the picture with the bonus message.
    const int room = Label13->y() - Frame3->geometry().bottom() - 4;
    const int shift = std::min(twipsToPixels(notebookShift), std::max(0, room));
    if (shift != 0) {
        for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame4),
                           static_cast<QWidget*>(Frame5), static_cast<QWidget*>(Label13)}) {
            w->move(w->x(), w->y() - shift);
        }
        resize(width(), height() - shift);
        client_->resize(client_->width(), client_->height() - shift);
    }
    Picture1->setGeometry(0, 0, client_->width(), Frame4->y());
    Picture1->lower();

    const QString picture = platform_.appFolder.appPath(game::kBackgroundPicture);
    QPixmap pixmap;
    if (FileExists(picture) && pixmap.load(picture)) {
        // Filled without distortion: the picture scaled to cover the area, its middle kept.
        const QPixmap cover = pixmap.scaled(Picture1->size(), Qt::KeepAspectRatioByExpanding,
                                            Qt::SmoothTransformation);
        Picture1->setPixmap(cover.copy((cover.width() - Picture1->width()) / 2,
                                       (cover.height() - Picture1->height()) / 2, Picture1->width(),
                                       Picture1->height()));
    }

    for (int i = 0; i < game::kLetterBoxes; ++i) {
        boxHome_[i] = Text1[i]->pos();
    }
    nameColumn_ = Label14[0]->geometry();
    scoreColumn_ = Label15[0]->geometry();
    move(area.x() + std::max(0, (area.width() - frameGeometry().width()) / 2),
         area.y() + std::max(0, (area.height() - frameGeometry().height()) / 2));
}

}  // namespace vondrik
