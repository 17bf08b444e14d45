// The result list of the main window: one line per hit, the word, a TAB and the meaning,
// drawn with a tab stop so that the meanings form a column right of the words.
#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace vondrik {

class ResultList : public QListView {
    Q_OBJECT
  public:
    explicit ResultList(QWidget* parent = nullptr);

    // Replaces all lines at once: one model reset, no repaint per line.
    void setLines(const QStringList& lines);
    void clear();
    int count() const;
    QString line(int row) const;
    QStringList lines() const;

    // Tab stop in dialog units: a quarter of the average character width of the list font.
    void setTabStops(int dialogUnits);
    int tabStop() const { return tabStopUnits_; }
    int tabStopPixels() const;

    // The list's colours: background and text.
    void setColours(const QColor& background, const QColor& text);

    // Copies every line, one per line, to the clipboard.
    void copyAll() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QStringListModel* model_;
    int tabStopUnits_ = 0;
};

}  // namespace vondrik
