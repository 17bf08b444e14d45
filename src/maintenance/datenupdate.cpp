// The data update window: its controls in the designed client area of 5295 x 3675 twips, a
// run started by Command1, and closing while a run waits for the server.
#include "maintenance/datenupdate.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "maintenance/busy_frames.h"
#include "ui/platform.h"
#include "ui/widgets/open_once.h"

namespace vondrik {
namespace {

constexpr int kWidth = 353;   // 5295 twips
constexpr int kHeight = 245;  // 3675 twips
constexpr int kMargin = 10;
constexpr int kInner = kWidth - 2 * kMargin;
constexpr int kPicture = 32;
// The status line: three lines of its font, as the longest messages need.
constexpr int kStatusTop = 192;

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

Datenupdate::Datenupdate(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      update_(session, platform.http, platform.appFolder) {
    setObjectName(QStringLiteral("Datenupdate"));
    setWindowTitle(QStringLiteral("Datenupdate"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    buildControls();
    setFixedSize(kWidth, kHeight);
    showWarning();
    stopAnimation();
}

Datenupdate* Datenupdate::open(DictionarySession& session, Platform& platform,
                               QWidget* mainWindow) {
    return openOnce<Datenupdate>(mainWindow, session, platform);
}

void Datenupdate::buildControls() {
    Label3 = makeLabel(this, "Label3",
                       QStringLiteral("Um diese Funktion auszuführen, müssen Sie ONLINE sein."));
    Label3->setFont(arial(15.75, true));
    Label3->setStyleSheet(QStringLiteral("color: #ff0000;"));
    Label3->setWordWrap(true);

    Label1 = makeLabel(this, "Label1", QStringLiteral("Protokoll"));
    Label1->setGeometry(kMargin, 10, 120, 18);
    Label1->hide();

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(kMargin, 32, kInner, 112);
    // Skipped lines carry the line and the engine's reason: wrapped, they stay readable.
    List1->setWordWrap(true);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->hide();

    Command1 = makeButton(this, "Command1", QStringLiteral("Datenupdate starten"));
    Command1->setGeometry(kMargin, 152, 150, 30);
    Command2 = makeButton(this, "Command2", QStringLiteral("Beenden"));
    Command2->setGeometry(kWidth - kMargin - 90, 152, 90, 30);
    // The pictures share one place between the buttons and take turns there.
    const int pictureLeft = (kMargin + 150 + kWidth - kMargin - 90 - kPicture) / 2;
    for (int k = 0; k < BusyAnimation::kFrames; ++k) {
        auto* picture = makeLabel(this, "", QString());
        picture->setObjectName(QStringLiteral("Picture1_%1").arg(k));
        picture->setPixmap(busyFrame(k, kPicture));
        picture->setGeometry(pictureLeft, 151, kPicture, kPicture);
        Picture1[k] = picture;
    }

    Label2 = makeLabel(this, "Label2", QString());
    Label2->setGeometry(0, kStatusTop, kWidth, kHeight - kStatusTop);
    Label2->setFont(arial(8.25, true));
    Label2->setStyleSheet(
        QStringLiteral("background-color: #000000; color: #00ff00; padding: 2px 6px;"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(BusyAnimation::kIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &Datenupdate::animate);

    connect(Command1, &QPushButton::clicked, this, &Datenupdate::starten);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

// The warning covers the place of the log until a run starts.
void Datenupdate::showWarning() {
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(kMargin, 10, kInner, 134);
    Label3->show();
}

// The end of a successful run is announced beside the log's heading.
void Datenupdate::showFertig() {
    Label3->setText(QStringLiteral(" FERTIG "));
    Label3->setWordWrap(false);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3->setGeometry(kWidth / 2, 2, kWidth / 2 - kMargin, 30);
    Label3->show();
}

void Datenupdate::animate() {
    const int shown = animation_.step();
    for (int k = 0; k < BusyAnimation::kFrames; ++k) {
        Picture1[k]->setVisible(k == shown);
    }
}

void Datenupdate::stopAnimation() {
    Timer1->stop();
    for (QLabel* picture : Picture1) {
        picture->hide();
    }
}

void Datenupdate::protokoll(const QString& line) {
    List1->addItem(line);
    List1->scrollToBottom();
}

void Datenupdate::melden(const QString& line) {
    protokoll(line);
    Label2->setText(line);
}

void Datenupdate::starten() {
    if (update_.running()) {
        return;
    }
    List1->clear();
    List1->show();
    Label1->show();
    Label3->hide();
    Command1->setEnabled(false);
    Timer1->start();

    const UpdateResult result = update_.run({[this](const QString& line) { protokoll(line); },
                                             [this](const QString& line) { melden(line); }});

    stopAnimation();
    Command1->setEnabled(true);
    if (closeAfterRun_) {
        close();
        return;
    }
    if (result.outcome == UpdateOutcome::Applied) {
        showFertig();
    }
    if (result.newVersion) {
        platform_.messageBox.show(
            QStringLiteral("Es liegt eine neue Version von Vondrik 2000 zum Download bereit!"),
            QStringLiteral("kleine Info"), MessageIcon::Information);
    }
}

void Datenupdate::closeEvent(QCloseEvent* event) {
    // The run is still on the stack, waiting for the server: the window goes away only
    // once it has returned.
    if (update_.running()) {
        closeAfterRun_ = true;
        update_.stop();
        hide();
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace vondrik
