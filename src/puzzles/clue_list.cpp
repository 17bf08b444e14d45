// Clue list lines and their horizontal extent.
#include "puzzles/clue_list.h"

#include <QFontMetricsF>
#include <QStyle>
#include <algorithm>

#include "ui/twips.h"

namespace vondrik {

ClueList::ClueList(QWidget* parent) : QListWidget(parent) {
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int ClueList::widestLine(const QStringList& lines, const QFont& font) {
    const QFontMetricsF metrics(font);
    constexpr int twipsPerPixel = kTwipsPerInch / kScreenDpi;
    int widest = 0;
    for (const QString& line : lines) {
        const int twips = static_cast<int>(metrics.horizontalAdvance(line) * twipsPerPixel);
        widest = std::max(widest, twips);
    }
    return widest / twipsPerPixel;
}

void ClueList::setLines(const QStringList& lines) {
    clear();
    extent_ = widestLine(lines, font());
    // The list scrolls as far as its widest item: every item gets the extent as its width,
    // with room for the margins the style draws text with.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int height = fontMetrics().height() + 2;
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, this);
        item->setSizeHint(QSize(extent_ + margin, height));
    }
}

QStringList ClueList::lines() const {
    QStringList result;
    for (int row = 0; row < count(); ++row) {
        result.append(item(row)->text());
    }
    return result;
}

}  // namespace vondrik
