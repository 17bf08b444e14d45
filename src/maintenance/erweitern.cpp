// The dictionary editor window's behaviour. The work itself (statements, cleaning, logs) is
// done by DictionaryEditor; this file keeps the two lists in step with the database and turns
// outcomes into messages and beeps.
#include "maintenance/erweitern.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "dictionary/text.h"
#include "maintenance/editor_rows.h"
#include "ui/platform.h"
#include "ui/widgets/result_list.h"

namespace vondrik {
namespace {

bool isNavigationKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
}

}  // namespace

bool Erweitern::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == Text1 || watched == Text2)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            add();
            return true;
        }
    }
    // Moving through a list with the keys loads the entry, as a click does.
    if (event->type() == QEvent::KeyRelease && (watched == List1 || watched == List2)) {
        auto* list = static_cast<ResultList*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = list->currentIndex().row();
        const int loaded =
            quelle == (list == List1 ? 1 : 2) ? (list == List1 ? index1 : index2) : -1;
        if (isNavigationKey(key->key()) && !key->isAutoRepeat() && row >= 0 && row != loaded) {
            loadRow(list, row);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Erweitern::chooseLength(int index) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RowsResult result = editor_.chooseLength(index + 2);
    listtabs[0] = editorTabStop(index + 2);
    List1->clear();
    clearList2();
    quelle = 0;
    showRecordNumber();
    List1->setTabStops(listtabs[0]);
    List1->setLines(sortedRows(result.rows));
    clearFields();
    QApplication::restoreOverrideCursor();
    if (!result.error.isEmpty()) {
        reportFailure(QStringLiteral("Die Einträge konnten nicht gelesen werden."), result.error);
    }
}

void Erweitern::loadRow(ResultList* list, int row) {
    if (row < 0 || row >= list->count()) {
        return;
    }
    QString begriff = Text1->text();
    QString bedeutung = Text2->text();
    const EditResult result = editor_.load(list->line(row), begriff, bedeutung);
    switch (result.status) {
        case EditStatus::Done:
            Text1->setText(begriff);
            setMeaning(bedeutung);
            if (list == List1) {
                quelle = 1;
                index1 = row;
            } else {
                quelle = 2;
                index2 = row;
            }
            showRecordNumber();
            break;
        case EditStatus::NotFound:
            platform_.messageBox.show(
                QStringLiteral("Diesen Eintrag gibt es nicht mehr in der Datenbank; er wurde "
                               "wohl schon gelöscht. Wählen Sie die Länge neu, um die Liste "
                               "aufzufrischen."),
                QStringLiteral("Eintrag nicht gefunden"), MessageIcon::Information);
            break;
        case EditStatus::Failed:
            reportFailure(QStringLiteral("Der Eintrag konnte nicht gelesen werden."), result.error);
            break;
        default:
            break;
    }
}

void Erweitern::selectRow(ResultList* list, int row) {
    if (row < 0 || row >= list->count()) {
        return;
    }
    list->setCurrentIndex(list->model()->index(row, 0));
    loadRow(list, row);
}

void Erweitern::add() {
    QString begriff = Text1->text();
    QString bedeutung = Text2->text();
    const EditResult result = editor_.add(begriff, bedeutung);
    takeFields(begriff, bedeutung);
    switch (result.status) {
        case EditStatus::SameText:
            platform_.messageBox.show(QStringLiteral("Dieser Text ist genau der gleiche!"),
                                      QStringLiteral("Das funktioniert nicht"),
                                      MessageIcon::Information);
            break;
        case EditStatus::WrongLength:
            platform_.beeper.beep();
            Text1->setFocus();
            break;
        case EditStatus::Failed:
            reportFailure(QStringLiteral("Der Eintrag wurde nicht gespeichert."), result.error);
            break;
        case EditStatus::Done:
            finishSaved(result.logFile);
            break;
        default:
            break;
    }
}

void Erweitern::change() {
    QString begriff = Text1->text();
    QString bedeutung = Text2->text();
    const qint64 number = editor_.recordNumber();
    const EditResult result = editor_.change(begriff, bedeutung);
    if (result.status == EditStatus::Ignored) {
        return;  // nothing loaded: the fields stay as typed
    }
    takeFields(begriff, bedeutung);
    switch (result.status) {
        case EditStatus::SameText:
            platform_.messageBox.show(QStringLiteral("Dieser Text ist genau der gleiche!"),
                                      QStringLiteral("Das funktioniert nicht"),
                                      MessageIcon::Information);
            break;
        case EditStatus::WrongLength:
            platform_.beeper.beep();
            platform_.messageBox.show(QStringLiteral("Buchstabenanzahl stimmt nicht"),
                                      QStringLiteral("Fehler"));
            break;
        case EditStatus::Failed:
            reportFailure(QStringLiteral("Die Änderung wurde nicht gespeichert."), result.error);
            break;
        case EditStatus::Done: {
            List1->setTabStops(listtabs[0]);
            const QString row = editorRow(begriff, bedeutung, number);
            if (quelle == 1 && replaceRow(List1, index1, row)) {
                selectRow(List1, index1);
            } else if (quelle == 2 && replaceRow(List2, index2, row)) {
                selectRow(List2, index2);
            }
            finishSaved(result.logFile);
            break;
        }
        default:
            break;
    }
}

void Erweitern::remove() {
    const MessageAnswer answer = platform_.messageBox.show(
        QStringLiteral("Wollen Sie wirklich diesen Datensatz löschen! "),
        QStringLiteral("Ich frage lieber mal nach?"), MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        return;
    }
    const qint64 number = editor_.recordNumber();
    const EditResult result = editor_.remove();
    if (result.status == EditStatus::Failed) {
        reportFailure(QStringLiteral("Der Datensatz wurde nicht gelöscht."), result.error);
        return;
    }
    if (result.status != EditStatus::Done) {
        return;
    }
    clearFields();
    showRecordNumber();
    ResultList* list = quelle == 1 ? List1 : quelle == 2 ? List2 : nullptr;
    if (list) {
        const int index = quelle == 1 ? index1 : index2;
        // Only the row of the deleted entry goes, even if the selection has moved on. The
        // row that moves into its place is loaded and shown in the fields: a further delete
        // or change must reach only the entry the user sees.
        const bool found = index < list->count() && recordNumberOfRow(list->line(index)) == number;
        if (found) {
            list->model()->removeRow(index);
        }
        list->selectionModel()->clear();
        list->viewport()->update();
        if (found && list->count() > index) {
            selectRow(list, index);
        }
    }
}

void Erweitern::searchWord() {
    clearList2();
    const QString answer = platform_.inputBox.ask(QStringLiteral("Bitte Suchstring eingeben"),
                                                  QStringLiteral("Begriffsuche"), QString());
    const RowsResult result = editor_.searchWord(answer);
    if (!result.ran) {
        return;
    }
    listtabs[0] = editorTabStop(editor_.laenge());
    showRows(result);
}

void Erweitern::searchMeaning() {
    clearList2();
    const QString answer = platform_.inputBox.ask(QStringLiteral("Bitte Suchstring eingeben"),
                                                  QStringLiteral("Begriffsuche"), QString());
    const RowsResult result = editor_.searchMeaning(answer);
    if (!result.ran) {
        return;
    }
    listtabs[0] = editorTabStop(editor_.laenge());
    List1->setTabStops(listtabs[0]);
    showRows(result);
}

void Erweitern::fernsuche(int bedanzbuch, const QString& bedeintrag) {
    clearList2();
    const RowsResult result = editor_.fernsuche(bedanzbuch, bedeintrag);
    if (!result.ran) {
        return;
    }
    listtabs[0] = editorTabStop(editor_.laenge());
    List1->setTabStops(listtabs[0]);
    showRows(result);
}

void Erweitern::showEntry(const QString& word, const QString& meaning) {
    const int length = static_cast<int>(word.size());
    if (!tableForLength(length)) {
        return;
    }
    chooseLength(length - kShortestWord);
    fernsuche(length, meaning);
    // Several words of a length may share a meaning: the clicked one is loaded.
    int target = 0;
    for (int i = 0; i < List2->count(); ++i) {
        if (upperKeepLength(List2->line(i).section(u'\t', 0, 0)) == upperKeepLength(word)) {
            target = i;
            break;
        }
    }
    selectRow(List2, target);
}

// A cleared List2 no longer holds the row the loaded entry came from, so a later change
// must not write into whatever row now has that index.
void Erweitern::clearList2() {
    List2->clear();
    if (quelle == 2) {
        quelle = 0;
    }
}

// The search list gets the column of the chosen length too, so that long words keep clear
// of their meanings.
void Erweitern::showRows(const RowsResult& result) {
    List2->setTabStops(listtabs[0]);
    List2->setLines(result.rows);
    if (!result.error.isEmpty()) {
        reportFailure(QStringLiteral("Die Suche ist fehlgeschlagen."), result.error);
    }
}

void Erweitern::takeFields(const QString& begriff, const QString& bedeutung) {
    if (Text1->text() != begriff) {
        Text1->setText(begriff);
    }
    if (Text2->text() != bedeutung) {
        setMeaning(bedeutung);
    }
}

void Erweitern::clearFields() {
    Text1->clear();
    setMeaning(QString());
    Text1->setFocus();
}

// Typing stops at 90 characters, but a stored meaning may have up to 100 and must be shown
// (and changed) whole.
void Erweitern::setMeaning(const QString& text) {
    Text2->setMaxLength(std::max(kMeaningTypingLimit, static_cast<int>(text.size())));
    Text2->setText(text);
    Text2->setCursorPosition(0);  // a long meaning shows from its start
}

void Erweitern::showRecordNumber() {
    const qint64 number = editor_.recordNumber();
    Label3->setText(number == 0 ? QStringLiteral("Label3") : QString::number(number));
}

// Only the row that shows the same record is replaced.
bool Erweitern::replaceRow(ResultList* list, int row, const QString& text) {
    if (row < 0 || row >= list->count() ||
        recordNumberOfRow(list->line(row)) != recordNumberOfRow(text)) {
        return false;
    }
    list->model()->setData(list->model()->index(row, 0), text);
    return true;
}

void Erweitern::reportFailure(const QString& what, const QString& engineMessage) {
    platform_.messageBox.show(
        QStringLiteral("%1\n\nMeldung der Datenbank: %2").arg(what, engineMessage),
        QStringLiteral("Fehler in der Datenbank"), MessageIcon::Exclamation);
}

// A saved entry empties the fields; a log that could not be written is told about, since
// the change itself is already in the database.
void Erweitern::finishSaved(const QString& unwrittenLog) {
    clearFields();
    if (unwrittenLog.isEmpty()) {
        return;
    }
    platform_.messageBox.show(
        QStringLiteral("Die Datenbank ist geändert, aber die Protokolldatei\n%1\nkonnte nicht "
                       "geschrieben werden (schreibgeschützt oder nicht erreichbar).")
            .arg(unwrittenLog),
        QStringLiteral("Protokoll nicht geschrieben"), MessageIcon::Exclamation);
}

// Every way out (Ende, the close box, the main window closing) passes here.
void Erweitern::closeEvent(QCloseEvent* event) {
    lock_.release();
    event->accept();
}

}  // namespace vondrik
