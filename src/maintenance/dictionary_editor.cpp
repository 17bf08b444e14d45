// The editor's operations. Every failure of the engine or of a log file comes back to the
// window as text; nothing is logged for a statement that did not run.
#include "maintenance/dictionary_editor.h"

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "dictionary/storable_text.h"
#include "dictionary/text.h"
#include "maintenance/editor_rows.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

QString engineMessage(const std::exception& e) {
    if (const auto* db = dynamic_cast<const DatabaseError*>(&e)) {
        return db->message();
    }
    return QString::fromUtf8(e.what());
}

QString logLine(const QString& begriff, const QString& bedeutung) {
    return begriff + u'\t' + bedeutung;
}

// Backups and logs are code page 1252: a character outside it would come back from them as
// "?", so it is refused here with a word on how to write it instead.
std::optional<EditResult> foreignCharacter(const QString& begriff, const QString& bedeutung) {
    const std::optional<QString> foreign = firstForeignCharacter(begriff + bedeutung);
    if (!foreign) {
        return std::nullopt;
    }
    QString hint;
    if (const auto spelt = codePageSpelling(*foreign)) {
        hint = QStringLiteral(" Schreiben Sie es zum Beispiel als „%1“.").arg(*spelt);
    }
    return EditResult{EditStatus::Failed,
                      QStringLiteral("Das Zeichen „%1“ gehört nicht zum Zeichensatz Windows-1252 "
                                     "und kann nicht gespeichert werden.%2")
                          .arg(*foreign, hint),
                      {}};
}

}  // namespace

DictionaryEditor::DictionaryEditor(DictionarySession& session, const AppFolder& folder)
    : session_(session), folder_(folder) {}

QString DictionaryEditor::newEntryLog() const {
    return folder_.appPath(u"\\daten\\neu.dat");
}

QString DictionaryEditor::changeLog() const {
    return folder_.appPath(u"\\daten\\anders.dat");
}

void DictionaryEditor::forget() {
    recordNumber_ = 0;
    altbegriff_.clear();
    altbedeutung_.clear();
}

RowsResult DictionaryEditor::openRows(const QString& statementText) {
    RowsResult result;
    result.ran = true;
    try {
        Recordset rs = session_.open(statementText);
        result.rows.reserve(rs.RecordCount());
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            result.rows.append(editorRow(rs.textView(u"Begriff"), rs.textView(u"Bedeutung"),
                                         rs.Fields(u"Id").toLongLong()));
        }
    } catch (const std::exception& e) {
        result.error = engineMessage(e);
    }
    return result;
}

QString DictionaryEditor::execute(const QString& statementText) {
    try {
        session_.execute(statementText);
    } catch (const std::exception& e) {
        return engineMessage(e);
    }
    return {};
}

RowsResult DictionaryEditor::chooseLength(int length) {
    const auto chosen = tableForLength(length);
    if (!chosen) {
        return {};
    }
    laenge_ = length;
    // The record number belongs to the old table; the texts stay, so that adding the entry
    // just shown again is still recognised as unchanged.
    recordNumber_ = 0;
    return openRows(statement(Family::WholeTable, *chosen, {}));
}

EditResult DictionaryEditor::load(QStringView row, QString& begriff, QString& bedeutung) {
    const qint64 number = recordNumberOfRow(row);
    if (!table() || number == 0) {
        return {};
    }
    const RowsResult found = openRows(statement(Family::OneRecord, *table(), number));
    if (!found.error.isEmpty()) {
        return {EditStatus::Failed, found.error, {}};
    }
    const Recordset& record = session_.auswahl();
    if (record.Eof()) {
        return {EditStatus::NotFound, {}, {}};
    }
    recordNumber_ = record.Fields(u"Id").toLongLong();
    altbegriff_ = record.text(u"Begriff");
    altbedeutung_ = record.text(u"Bedeutung");
    begriff = altbegriff_;
    bedeutung = altbedeutung_;
    return {EditStatus::Done, {}, {}};
}

EditResult DictionaryEditor::add(QString& begriff, QString& bedeutung) {
    if (begriff.isEmpty() || bedeutung.isEmpty()) {
        return {};
    }
    begriff = cleanFreeText(begriff);
    bedeutung = cleanFreeText(bedeutung);
    if (begriff == altbegriff_ && bedeutung == altbedeutung_) {
        return {EditStatus::SameText, {}, {}};
    }
    if (const auto refused = foreignCharacter(begriff, bedeutung)) {
        return *refused;
    }
    const auto length = static_cast<int>(begriff.size());
    if (!tableForLength(length)) {
        return {};
    }
    if (length != laenge_) {
        return {EditStatus::WrongLength, {}, {}};
    }
    const QString error = execute(statement(Family::Insert, *table(), {begriff, bedeutung}));
    if (!error.isEmpty()) {
        return {EditStatus::Failed, error, {}};
    }
    EditResult result{EditStatus::Done, {}, {}};
    if (!appendLine(newEntryLog(), logLine(begriff, bedeutung))) {
        result.logFile = newEntryLog();
    }
    return result;
}

EditResult DictionaryEditor::change(QString& begriff, QString& bedeutung) {
    if (recordNumber_ == 0) {
        return {};
    }
    begriff = cleanFreeText(begriff);
    bedeutung = cleanFreeText(bedeutung);
    if (begriff == altbegriff_ && bedeutung == altbedeutung_) {
        return {EditStatus::SameText, {}, {}};
    }
    if (const auto refused = foreignCharacter(begriff, bedeutung)) {
        return *refused;
    }
    if (begriff.size() != laenge_) {
        return {EditStatus::WrongLength, {}, {}};
    }
    const QString error = execute(
        statement(Family::Change, *table(), {begriff, bedeutung, QString::number(recordNumber_)}));
    if (!error.isEmpty()) {
        return {EditStatus::Failed, error, {}};
    }
    EditResult result{EditStatus::Done, {}, {}};
    if (!appendLines(changeLog(),
                     {logLine(altbegriff_, altbedeutung_), logLine(begriff, bedeutung)})) {
        result.logFile = changeLog();
    }
    // The entry now reads like this; a second press of the button must not log it again.
    altbegriff_ = begriff;
    altbedeutung_ = bedeutung;
    return result;
}

EditResult DictionaryEditor::remove() {
    if (recordNumber_ == 0 || !table()) {
        return {};
    }
    const QString error = execute(statement(Family::Delete, *table(), recordNumber_));
    if (!error.isEmpty()) {
        return {EditStatus::Failed, error, {}};
    }
    // The number now names no entry; a change must not be sent to it.
    forget();
    return {EditStatus::Done, {}, {}};
}

RowsResult DictionaryEditor::searchWord(const QString& answer) {
    if (!table() || answer.isEmpty()) {
        return {};
    }
    const QString text = u'*' + cleanFreeText(trimBlanks(answer)) + u'*';
    return openRows(statement(Family::EditorWord, *table(), {text}));
}

RowsResult DictionaryEditor::searchMeaning(const QString& answer) {
    const QString text = cleanFreeText(trimBlanks(answer));
    if (text.isEmpty() || !table()) {
        return {};
    }
    return openRows(statement(Family::EditorMeaning, *table(), {u'*' + text + u'*'}));
}

RowsResult DictionaryEditor::fernsuche(int bedanzbuch, const QString& bedeintrag) {
    const auto chosen = tableForLength(bedanzbuch);
    if (!chosen) {
        return {};
    }
    if (bedanzbuch != laenge_) {
        forget();
    }
    laenge_ = bedanzbuch;
    return openRows(statement(Family::EditorMeaning, *chosen, {likeLiteral(bedeintrag)}));
}

}  // namespace vondrik
