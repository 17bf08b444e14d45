// The about box.
#include "extras/about_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "extras/program_icon.h"
#include "ui/platform.h"

namespace vondrik {
namespace {

constexpr int kPulseMs = 2000;
constexpr int kIconPixels = 64;
constexpr int kLargestLinkPoints = 10;

QFrame* separator(QWidget* parent, int index) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1_%1").arg(index));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

Information::Information(Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      addresses_(readContactAddresses(platform.appFolder)) {
    setObjectName(QStringLiteral("Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Info zu Vondrik 2000 "));
    const QIcon icon = programIcon(platform.appFolder);
    setWindowIcon(icon);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(kIconPixels, kIconPixels);
    if (!icon.isNull()) {
        picIcon->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
    }

    lblTitle = new QLabel(QStringLiteral("Vondrik 2000"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(18);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(QStringLiteral("Version 3.6"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription[2] = makeLink(QStringLiteral("Homepage: ") + addresses_.homepage, 2);
    lblDescription[1] = makeLink(QStringLiteral("E-Mail: ") + addresses_.mail, 1);
    Line1[0] = separator(this, 0);
    Line1[1] = separator(this, 1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(100);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(heading, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(Line1[0]);
    layout->addWidget(lblDescription[2]);
    layout->addWidget(lblDescription[1]);
    layout->addWidget(Line1[1]);
    layout->addLayout(bottom);
    applySizes(pulse_.sizes());
    setMinimumWidth(420);
    resize(sizeHint().expandedTo(QSize(420, 0)));
    if (mainWindow) {
        move(mainWindow->geometry().center() - rect().center());
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kPulseMs);
    connect(Timer1, &QTimer::timeout, this, &Information::step);
    Timer1->start();
}

QLabel* Information::makeLink(const QString& text, int index) {
    auto* link = new QLabel(text, this);
    link->setObjectName(QStringLiteral("lblDescription_%1").arg(index));
    link->setCursor(Qt::PointingHandCursor);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    link->setPalette(palette);
    // The larger size decides the height, so the box does not jump while the links pulse.
    QFont large = link->font();
    large.setPointSize(kLargestLinkPoints);
    large.setUnderline(true);
    link->setMinimumHeight(QFontMetrics(large).height() + 4);
    link->setMinimumWidth(QFontMetrics(large).horizontalAdvance(text) + 8);
    link->installEventFilter(this);
    return link;
}

void Information::applySizes(LinkPulse::Sizes sizes) {
    const auto resizeFont = [](QLabel* label, int points) {
        QFont font = label->font();
        font.setPointSize(points);
        font.setUnderline(true);
        label->setFont(font);
    };
    resizeFont(lblDescription[1], sizes.mail);
    resizeFont(lblDescription[2], sizes.homepage);
}

void Information::step() {
    applySizes(pulse_.step());
}

bool Information::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Without a browser or mail program the open action fails quietly; the box stays.
        if (watched == lblDescription[2]) {
            platform_.urlOpener.open(homepageUrl(addresses_));
            return true;
        }
        if (watched == lblDescription[1]) {
            platform_.urlOpener.open(mailUrl(addresses_));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vondrik
