// The result list's meaning box and the hand-over of its entries to the dictionary editor.
#include "search/result_list_actions.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>

#include "dictionary/length_tables.h"
#include "ui/platform.h"
#include "ui/widgets/result_list.h"

namespace vondrik {
namespace {

constexpr double kMeaningPointSize = 10;
const QColor kMeaningBackground(255, 255, 192);

QFont meaningFont(QFont font) {
    font.setPointSizeF(kMeaningPointSize);
    return font;
}

}  // namespace

bool splitResultLine(const QString& line, QString& word, QString& meaning) {
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0) {
        return false;
    }
    word = line.left(tab);
    meaning = line.mid(tab + 1);
    return true;
}

ResultListActions::ResultListActions(ResultList& list, Platform& platform)
    : QObject(list.parentWidget()), list_(list), platform_(platform) {
    setObjectName(QStringLiteral("ResultListActions"));
    QWidget* parent = list_.parentWidget();

    Label16 = new QLabel(parent);
    Label16->setObjectName(QStringLiteral("Label16"));
    Label16->hide();

    Text5 = new QLineEdit(parent);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setReadOnly(true);
    Text5->setFrame(false);
    QPalette palette = Text5->palette();
    palette.setColor(QPalette::Base, kMeaningBackground);
    palette.setColor(QPalette::Text, Qt::black);
    Text5->setPalette(palette);
    Text5->setAutoFillBackground(true);
    Text5->hide();

    // The box sits at the pointer, so every click and move would land on it. It lets them
    // through to the list beneath, which keeps it following the pointer; a click on it only
    // hides it.
    Text5->setAttribute(Qt::WA_TransparentForMouseEvents);
    list_.viewport()->setMouseTracking(true);
    list_.installEventFilter(this);
    list_.viewport()->installEventFilter(this);
}

void ResultListActions::showMeaning() {
    const QModelIndexList selected = list_.selectionModel()->selectedIndexes();
    QString word;
    QString meaning;
    if (selected.isEmpty() || !splitResultLine(list_.line(selected.first().row()), word, meaning)) {
        return;
    }
    Text5->setText(meaning);
    Text5->setFont(meaningFont(Text5->font()));
    Label16->setFont(meaningFont(Label16->font()));
    Label16->setText(QStringLiteral("   ") + meaning);
    Label16->adjustSize();
    Text5->resize(Label16->size());
    Text5->setCursorPosition(0);
    Text5->show();
    Text5->raise();
}

void ResultListActions::hideMeaning() {
    Text5->hide();
}

void ResultListActions::openEditorOn(int row) {
    QString word;
    QString meaning;
    if (row < 0 || row >= list_.count() || !splitResultLine(list_.line(row), word, meaning) ||
        !tableForLength(static_cast<int>(word.size()))) {
        noEntry();
        return;
    }
    hideMeaning();
    emit editRequested(word, meaning);
}

void ResultListActions::noEntry() {
    platform_.messageBox.show(QStringLiteral("Keinen Eintrag angeklickt!"),
                              QStringLiteral("Vondrik 2000"));
}

bool ResultListActions::overMeaning(QPoint inViewport) const {
    return Text5->isVisible() &&
           Text5->geometry().contains(list_.viewport()->mapTo(Text5->parentWidget(), inViewport));
}

bool ResultListActions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == list_.viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        switch (type) {
            case QEvent::MouseButtonPress:
                // A click on the meaning box only hides it; the line beneath stays as it was.
                clickOnMeaning_ = overMeaning(mouse->position().toPoint());
                hideMeaning();
                return clickOnMeaning_;
            case QEvent::MouseButtonDblClick:
                if (clickOnMeaning_) {
                    return true;
                }
                showMeaning();
                break;
            case QEvent::MouseMove:
                if (Text5->isVisible()) {
                    Text5->move(mouse->position().toPoint());
                }
                break;
            case QEvent::MouseButtonRelease:
                if (std::exchange(clickOnMeaning_, false)) {
                    return true;
                }
                if (mouse->button() == Qt::RightButton) {
                    const QModelIndex hit = list_.indexAt(mouse->position().toPoint());
                    openEditorOn(hit.isValid() ? hit.row() : -1);
                }
                break;
            default:
                break;
        }
    } else if (watched == &list_ && type == QEvent::FocusOut) {
        hideMeaning();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vondrik
