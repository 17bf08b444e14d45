// The statistics panel: its grid of labels and the counting run behind the menu item.
#include "search/statistics_frame.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "dictionary/dictionary_session.h"
#include "ui/platform.h"

namespace vondrik {
namespace {

// Designed geometry in pixels of the main window's unscaled client area.
constexpr int kFrameWidth = 580;
constexpr int kMargin = 20;
constexpr int kCaptionWidth = 80;
constexpr int kColumnWidth = 115;
constexpr int kHeaderTop = 34;
constexpr int kRowHeight = 20;
constexpr int kLineGap = 8;  // room for the line above the total
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 12;

const char16_t* const kColumnCaptions[4] = {u"Datensätze", u"Begriffe", u"Erklärungen", u"Wörter"};

QLabel* makeLabel(const QString& text, const QString& name, Qt::Alignment alignment,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

int rowTop(int row) {
    const int top = kHeaderTop + kRowHeight * (row + 1);
    return row == StatisticsFrame::kTotalRow ? top + kLineGap : top;
}

}  // namespace

StatisticsFrame::StatisticsFrame(DictionarySession& session, Platform& platform, QWidget* parent)
    : QGroupBox(QStringLiteral(" Information über die bestehende Datenbank"), parent),
      session_(session),
      platform_(platform) {
    setObjectName(QStringLiteral("Frame7"));
    // The panel lies over the result list and the background picture.
    setAutoFillBackground(true);
    buildControls();
    resize(kFrameWidth, rowTop(kTotalRow) + kRowHeight + kButtonGap + kButtonHeight + kButtonGap);
    hide();
}

void StatisticsFrame::buildControls() {
    const int gridWidth = kCaptionWidth + 4 * kColumnWidth;
    const int gridLeft = (kFrameWidth - gridWidth) / 2;
    const int valuesLeft = gridLeft + kCaptionWidth;

    QFont bold = font();
    bold.setBold(true);
    for (int column = 0; column < 4; ++column) {
        Label11[column] = makeLabel(QString::fromUtf16(kColumnCaptions[column]),
                                    QStringLiteral("Label11_%1").arg(column), Qt::AlignRight, this);
        Label11[column]->setFont(bold);
        Label11[column]->setGeometry(valuesLeft + column * kColumnWidth, kHeaderTop,
                                     kColumnWidth - 6, kRowHeight);
    }

    std::array<std::array<QLabel*, kRows>*, 4> columns{&Label12, &Label13, &Label14, &Label15};
    for (int row = 0; row < kRows; ++row) {
        const QString caption = row == kTotalRow ? QStringLiteral("Gesamt")
                                                 : QStringLiteral("%1er").arg(row + kShortestWord);
        Label10[row] =
            makeLabel(caption, QStringLiteral("Label10_%1").arg(row), Qt::AlignLeft, this);
        Label10[row]->setGeometry(gridLeft, rowTop(row), kCaptionWidth, kRowHeight);
        for (int column = 0; column < 4; ++column) {
            const QString name = QStringLiteral("Label%1_%2").arg(12 + column).arg(row);
            QLabel* value = makeLabel(QString(), name, Qt::AlignRight, this);
            value->setGeometry(valuesLeft + column * kColumnWidth, rowTop(row), kColumnWidth - 6,
                               kRowHeight);
            (*columns[column])[row] = value;
        }
    }
    for (QLabel* label : {Label10[kTotalRow], Label12[kTotalRow], Label13[kTotalRow],
                          Label14[kTotalRow], Label15[kTotalRow]}) {
        label->setFont(bold);
    }

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(gridLeft, rowTop(kTotalRow) - kLineGap / 2 - 1, gridWidth, 3);

    Command10 = new QPushButton(QStringLiteral(" O K"), this);
    Command10->setObjectName(QStringLiteral("Command10"));
    Command10->setGeometry((kFrameWidth - kButtonWidth) / 2,
                           rowTop(kTotalRow) + kRowHeight + kButtonGap, kButtonWidth,
                           kButtonHeight);
    connect(Command10, &QPushButton::clicked, this, &QWidget::hide);
}

void StatisticsFrame::clearRows() {
    for (int row = 0; row < kRows; ++row) {
        for (QLabel* label : {Label12[row], Label13[row], Label14[row], Label15[row]}) {
            label->clear();
        }
    }
}

void StatisticsFrame::showRow(int row, const TableFigures& figures) {
    Label12[row]->setText(QString::number(figures.datensaetze));
    Label13[row]->setText(QString::number(figures.begriffe));
    Label14[row]->setText(QString::number(figures.erklaerungen));
    Label15[row]->setText(QString::number(figures.woerter));
}

// Centred in the area above the bottom panel, which the notebook adjustment may have raised.
void StatisticsFrame::placeOverList(int areaHeight) {
    move((parentWidget()->width() - width()) / 2, std::max(0, (areaHeight - height()) / 2));
}

void StatisticsFrame::anzdasa(int areaHeight) {
    // The menu stays usable while the rows fill; a second run inside the first would add
    // its totals onto the first one's.
    if (counting_) {
        return;
    }
    counting_ = true;
    clearRows();
    placeOverList(areaHeight);
    show();
    raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);

    TableFigures total;
    QString failure;
    for (int row = 0; row < kTableCount; ++row) {
        try {
            const TableFigures figures = countTable(session_, lengthTables()[row]);
            showRow(row, figures);
            total += figures;
        } catch (const DatabaseError& e) {
            failure = e.message();
            break;
        }
        emit rowFilled(row);
        QApplication::processEvents();
    }
    QApplication::restoreOverrideCursor();

    if (failure.isEmpty()) {
        showRow(kTotalRow, total);
        emit rowFilled(kTotalRow);
    } else if (window()->isVisible()) {
        // Without the total, the rows that are filled still tell what was counted.
        platform_.messageBox.show(
            QStringLiteral("Die Datenbank konnte nicht vollständig gelesen werden. Die Tabelle "
                           "zeigt nur die bis dahin gezählten Wortlängen.\n\nMeldung der "
                           "Datenbank: %1")
                .arg(failure),
            QStringLiteral("Datenbankgrösse"), MessageIcon::Exclamation);
    }
    counting_ = false;
}

}  // namespace vondrik
