// The clue list of a puzzle window: one line per clue, scrollable sideways as far as the
// widest line reaches, so a long meaning can be read to its end.
#pragma once

#include <QListWidget>
#include <QStringList>

namespace vondrik {

class ClueList : public QListWidget {
  public:
    explicit ClueList(QWidget* parent = nullptr);

    // Replaces the lines and sets the horizontal extent to the widest of them.
    void setLines(const QStringList& lines);
    QStringList lines() const;

    // The width of the widest line in the list's font, in whole pixels: its width in twips,
    // cut to a whole number, divided by the twips per pixel.
    int horizontalExtent() const { return extent_; }

    static int widestLine(const QStringList& lines, const QFont& font);

  private:
    int extent_ = 0;
};

}  // namespace vondrik
