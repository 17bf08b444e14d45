// The dictionary editor's work without its window: the chosen length, the loaded entry, the
// statements it sends through the dictionary session and the two edit logs.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"
#include "ui/app_folder.h"

namespace vondrik {

enum class EditStatus {
    Done,
    Ignored,      // nothing to do: a field empty, no entry loaded, word length out of range
    SameText,     // the fields hold exactly the loaded entry
    WrongLength,  // the word does not have the chosen length
    NotFound,     // the entry of a row no longer exists
    Failed,       // the engine refused the statement; error says why
};

struct EditResult {
    EditStatus status = EditStatus::Ignored;
    QString error;    // Failed: the engine's message
    QString logFile;  // Done, but this log could not be written
};

struct RowsResult {
    bool ran = false;  // false when nothing was asked of the database
    QStringList rows;  // editor rows in the order the result set delivered them
    QString error;     // the engine's message when the statement failed
};

class DictionaryEditor {
  public:
    DictionaryEditor(DictionarySession& session, const AppFolder& folder);

    int laenge() const { return laenge_; }                 // 0: no length chosen yet
    qint64 recordNumber() const { return recordNumber_; }  // 0: nothing loaded
    const QString& altbedeutung() const { return altbedeutung_; }

    // All entries of a length. Forgets the loaded entry's record number, which belongs to
    // the table of the old length; its texts still guard an unchanged add.
    RowsResult chooseLength(int length);

    // Loads the entry of an editor row into begriff and bedeutung. When it no longer exists,
    // the fields and the loaded entry stay as they were.
    EditResult load(QStringView row, QString& begriff, QString& bedeutung);

    // The fields are cleaned for the statement and the cleaned texts written back.
    EditResult add(QString& begriff, QString& bedeutung);
    EditResult change(QString& begriff, QString& bedeutung);
    EditResult remove();

    RowsResult searchWord(const QString& answer);
    RowsResult searchMeaning(const QString& answer);
    // The entries of bedanzbuch letters whose meaning is exactly bedeintrag.
    RowsResult fernsuche(int bedanzbuch, const QString& bedeintrag);

    QString newEntryLog() const;
    QString changeLog() const;

  private:
    std::optional<LengthTable> table() const { return tableForLength(laenge_); }
    RowsResult openRows(const QString& statementText);
    QString execute(const QString& statementText);  // the engine's message, empty on success
    void forget();

    DictionarySession& session_;
    const AppFolder& folder_;
    int laenge_ = 0;
    qint64 recordNumber_ = 0;
    QString altbegriff_;
    QString altbedeutung_;
};

}  // namespace vondrik
