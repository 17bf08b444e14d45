// Clue list lines, wrapped to the width of the list.
#include "puzzles/clue_list.h"

#include <QScrollBar>
#include <QStyle>

namespace vondrik {
namespace {

// The room the item view leaves around an item's text on either side.
int textMargin(const QWidget* list) {
    return list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
}

}  // namespace

ClueList::ClueList(QWidget* parent) : QListWidget(parent) {
    setTextElideMode(Qt::ElideNone);
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ClueList::setColumns(int columns) {
    columns_ = std::max(columns, 1);
    setFlow(columns_ > 1 ? QListView::TopToBottom : QListView::LeftToRight);
    setWrapping(columns_ > 1);
    layOut();
}

void ClueList::setLines(const QStringList& lines) {
    clear();
    addItems(lines);
    layOut();
}

QStringList ClueList::lines() const {
    QStringList result;
    for (int row = 0; row < count(); ++row) {
        result.append(item(row)->text());
    }
    return result;
}

void ClueList::fitTo(int textWidth) {
    for (int row = 0; row < count(); ++row) {
        const QRect wrapped = fontMetrics().boundingRect(QRect(0, 0, textWidth, 1 << 20),
                                                         Qt::TextWordWrap, item(row)->text());
        item(row)->setSizeHint(QSize(textWidth + 2 * textMargin(this), wrapped.height() + 2));
    }
}

void ClueList::layOut() {
    const int full = (width() - 2 * frameWidth()) / columns_ - 2 * textMargin(this);
    fitTo(full);
    int total = 0;
    for (int row = 0; row < count(); ++row) {
        total += item(row)->sizeHint().height();
    }
    if (columns_ == 1 && total > viewport()->height()) {
        fitTo(full - verticalScrollBar()->sizeHint().width());
    }
}

bool ClueList::showsEveryLine() {
    doItemsLayout();
    for (int row = 0; row < count(); ++row) {
        if (!viewport()->rect().contains(visualItemRect(item(row)))) {
            return false;
        }
    }
    return true;
}

void ClueList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    layOut();
}

}  // namespace vondrik
