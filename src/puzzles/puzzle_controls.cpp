// Controls shared by the puzzle windows.
#include "puzzles/puzzle_controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/twips.h"

namespace vondrik {

void LetterBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    setSelection(0, 1);
}

QLabel* makeLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

void applyPuzzleLook(QWidget& window) {
    QFont small = window.font();
    small.setPointSizeF(8.25);
    window.setFont(small);
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, kPuzzleGrey);
    window.setPalette(grey);
    window.setAutoFillBackground(true);
}

}  // namespace vondrik
