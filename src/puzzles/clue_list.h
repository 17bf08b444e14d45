// The clue list of a puzzle window: one item per clue, a long clue wrapped onto as many
// lines as it needs, so that it is read to its end without scrolling sideways.
#pragma once

#include <QListWidget>
#include <QStringList>

namespace vondrik {

class ClueList : public QListWidget {
  public:
    explicit ClueList(QWidget* parent = nullptr);

    // Short lines, such as the answers, may stand in columns side by side, filled from top
    // to bottom.
    void setColumns(int columns);

    // Replaces the lines, each wrapped to the list's width (or its column's).
    void setLines(const QStringList& lines);
    QStringList lines() const;

    // Whether every line is seen whole, without scrolling.
    bool showsEveryLine();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Fits every item to a text width: the viewport, less a scroll bar when the items need
    // more height than there is.
    void layOut();
    void fitTo(int textWidth);

    int columns_ = 1;
};

}  // namespace vondrik
