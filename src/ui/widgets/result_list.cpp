// Result list with a tab stop column and cheap bulk filling.
#include "ui/widgets/result_list.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace vondrik {
namespace {

class TabStopDelegate : public QStyledItemDelegate {
  public:
    explicit TabStopDelegate(const ResultList& list) : QStyledItemDelegate(nullptr), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        if (selected) {
            painter->fillRect(option.rect, palette.brush(QPalette::Highlight));
        }
        painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        QTextOption text(Qt::AlignLeft | Qt::AlignVCenter);
        text.setWrapMode(QTextOption::NoWrap);
        text.setTabArray({double(list_.tabStopPixels())});
        const QRectF area = QRectF(option.rect).adjusted(2, 0, 0, 0);
        painter->drawText(area, index.data(Qt::DisplayRole).toString(), text);
        painter->restore();
    }

  private:
    const ResultList& list_;
};

}  // namespace

ResultList::ResultList(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setItemDelegate(new TabStopDelegate(*this));
    setUniformItemSizes(true);  // thousands of lines lay out without measuring each one
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
}

void ResultList::setLines(const QStringList& lines) {
    model_->setStringList(lines);
}

void ResultList::clear() {
    model_->setStringList({});
}

int ResultList::count() const {
    return model_->rowCount();
}

QString ResultList::line(int row) const {
    return model_->data(model_->index(row), Qt::DisplayRole).toString();
}

QStringList ResultList::lines() const {
    return model_->stringList();
}

void ResultList::setTabStops(int dialogUnits) {
    tabStopUnits_ = dialogUnits;
    viewport()->update();
}

int ResultList::tabStopPixels() const {
    return tabStopUnits_ * fontMetrics().averageCharWidth() / 4;
}

void ResultList::setColours(const QColor& background, const QColor& text) {
    QPalette p = palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    setPalette(p);
}

void ResultList::copyAll() const {
    QApplication::clipboard()->setText(lines().join(u'\n'));
}

void ResultList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyAll();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace vondrik
