// The alarm setting panel.
#include "extras/alarm_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "extras/alarm_clock.h"

namespace vondrik {
namespace {

QScrollBar* makeScrollBar(const QString& name, int maximum, int start, int left, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setRange(0, maximum);
    bar->setValue(start);
    bar->setGeometry(left, 28, 24, 96);
    return bar;
}

QLabel* makeDisplay(const QString& name, const QString& text, int left, int width,
                    QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(14.25);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(left, 130, width, 32);
    return label;
}

}  // namespace

AlarmPanel::AlarmPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame3"));
    setGeometry(230, 120, 520, 236);
    setAutoFillBackground(true);
    buildControls();
    hide();
}

void AlarmPanel::buildControls() {
    VScroll1 = makeScrollBar(QStringLiteral("VScroll1"), 23, 12, 42, this);
    VScroll2 = makeScrollBar(QStringLiteral("VScroll2"), 59, 30, 112, this);
    Label4 = makeDisplay(QStringLiteral("Label4"), QStringLiteral("12"), 30, 48, this);
    Label6 = makeDisplay(QStringLiteral("Label6"), QStringLiteral(":"), 80, 16, this);
    Label5 = makeDisplay(QStringLiteral("Label5"), QStringLiteral("30"), 100, 48, this);
    // valueChanged also fires while the thumb is dragged.
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { Label4->setText(twoDigits(value)); });
    connect(VScroll2, &QScrollBar::valueChanged, this,
            [this](int value) { Label5->setText(twoDigits(value)); });

    Label7 = new QLabel(
        QStringLiteral("Da beim Rätseln so schnell die Zeit vergeht, und man dadurch den ein, "
                       "oder anderen Termin verpassen kann, haben Sie hier die Möglichkeit sich "
                       "erinnern zu lassen. Stellen Sie einfach nur die Uhrzeit ein und klicken "
                       "auf  WECKER aktivieren."),
        this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7->setGeometry(186, 24, 320, 150);

    Command2 = new QPushButton(QStringLiteral("Wecker aktivieren"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(12, 188, 170, 34);
    Command3 = new QPushButton(QStringLiteral("deaktivieren "), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(338, 188, 170, 34);
    connect(Command2, &QPushButton::clicked, this, [this] {
        hide();
        emit activated(VScroll1->value(), VScroll2->value());
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        hide();
        emit deactivated();
    });
}

void AlarmPanel::open() {
    show();
    raise();
}

}  // namespace vondrik
