// What the three puzzle windows build their controls from: places in twips, the letter box,
// named labels and buttons, and the windows' grey look.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QRect>

#include "ui/twips.h"

class QLabel;
class QPushButton;

namespace vondrik {

inline const QColor kPuzzleGrey(212, 208, 200);
inline const QColor kPuzzleLightYellow(255, 255, 192);

// A letter box: a click selects its letter, so the next key typed replaces it.
class LetterBox final : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

QLabel* makeLabel(const QString& text, const char* name, QWidget* parent);
QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent, QRect geometry);

// The small font and grey background every puzzle window has.
void applyPuzzleLook(QWidget& window);

}  // namespace vondrik
