// Elliptic input dialogs over the main window.
#include "ui/widgets/elliptic_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QTimer>
#include <QWindow>

#include "ui/widgets/task_list.h"

namespace vondrik {
namespace {

constexpr int kFocusDelayMs = 100;
constexpr int kGradientBands = 256;

}  // namespace

EllipticDialog::EllipticDialog(QWidget* mainWindow, const QString& name, const QString& title,
                               Gradient gradient)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      gradient_(gradient),
      lock_(mainWindow, this) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // It works on the main window's behalf and gets no task-list entry of its own.
    keepOutOfTaskList(*this);

    // The focus is set a moment after the window appears, once the window system has
    // activated it; setting it at once could be lost to the activation.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kFocusDelayMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (firstBox_) {
            firstBox_->setFocus();
        }
        Timer1->stop();
    });

    Timer1->start();
}

void EllipticDialog::submitOnEnter(QLineEdit* box) {
    submitBoxes_.append(box);
    box->installEventFilter(this);
}

void EllipticDialog::placeColumn(std::initializer_list<ColumnItem> items, QPushButton* left,
                                 QPushButton* right) {
    constexpr int kButtonWidth = 150;
    constexpr int kButtonHeight = 30;
    constexpr int kButtonGap = 24;
    const auto heightOf = [](const ColumnItem& item) {
        return item.widget->hasHeightForWidth() ? item.widget->heightForWidth(item.width)
                                                : item.widget->sizeHint().height();
    };
    int columnHeight = kButtonHeight;
    for (const ColumnItem& item : items) {
        columnHeight += heightOf(item) + item.gapAfter;
    }
    int y = (height() - columnHeight) / 2;
    for (const ColumnItem& item : items) {
        const int h = heightOf(item);
        item.widget->setGeometry((width() - item.width) / 2, y, item.width, h);
        y += h + item.gapAfter;
    }
    const int buttonsLeft = (width() - 2 * kButtonWidth - kButtonGap) / 2;
    left->setGeometry(buttonsLeft, y, kButtonWidth, kButtonHeight);
    right->setGeometry(buttonsLeft + kButtonWidth + kButtonGap, y, kButtonWidth, kButtonHeight);
}

void EllipticDialog::colourText(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

bool EllipticDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        submitBoxes_.contains(qobject_cast<QLineEdit*>(watched))) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirm();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The boxes leave Escape to the window, as a dialog's boxes do.
void EllipticDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void EllipticDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int h = height();
    for (int band = 0; band < kGradientBands; ++band) {
        const int top = band * h / kGradientBands;
        const int bottom = (band + 1) * h / kGradientBands;
        const int level = 255 - band;
        const QColor colour =
            gradient_ == Gradient::Blue ? QColor(0, 0, level) : QColor(0, level, 0);
        painter.fillRect(0, top, width(), bottom - top, colour);
    }
}

void EllipticDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMask(QRegion(1, 1, width() - 2, height() - 2, QRegion::Ellipse));
}

void EllipticDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    raise();
    activateWindow();
}

// Changing the flags through QWidget would hide and re-create the window; the window
// handle takes the new hint in place.
void EllipticDialog::dropTopMost() {
    const Qt::WindowFlags flags = windowFlags() & ~Qt::WindowStaysOnTopHint;
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle()) {
        window->setFlags(flags);
    }
}

// Every way out (start, cancel, the window's own close, the main window closing) passes
// here; the lock hands the main window back only once.
void EllipticDialog::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    lock_.release();
    event->accept();
}

}  // namespace vondrik
