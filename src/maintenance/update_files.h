// The files of the data update: the server's index and numbered update files, their paths
// on the server and in the application folder, and the local counter of the last update
// applied (anzup.sis).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/app_folder.h"
#include "ui/file_steps.h"

namespace vondrik {

// The program's own version text, compared with the one the index announces.
inline constexpr const char16_t* kProgramVersion = u"Version 3.6";
// The status word of a valid index.
inline constexpr const char16_t* kIndexStatus = u"erfolgreich";

// Paths below the server root.
QString indexServerPath();                // "datenupdate/upd.dat"
QString updateServerPath(qint64 number);  // "datenupdate/7.upd"

// The local copies in the daten folder.
QString localIndexFile(const AppFolder& folder);
QString localUpdateFile(const AppFolder& folder, qint64 number);
// Deletes every "*.upd" in the daten folder, each removal synced.
void removeLocalUpdateFiles(const AppFolder& folder, const FileSteps& files);

// Leading-number conversion of the files: the digits at the start of the text (blanks
// before them skipped); 0 when there are none or the number is implausibly large.
qint64 leadingNumber(QStringView text);

struct UpdateIndex {
    QString status;     // first blank-separated piece of line 1
    qint64 newest = 0;  // N, the number of the newest update published
    QString version;    // line 2 without surrounding blanks
    bool valid() const { return status == QStringView(kIndexStatus); }
};

UpdateIndex parseIndex(const QByteArray& bytes);

// The two lines of an index announcing `newest`, as a publisher writes it.
QByteArray indexFileBytes(qint64 newest, const QString& version);

// The counter as stored after update `number` was applied: " 12 " and CR LF.
QByteArray counterBytes(qint64 number);
// The number the counter holds (first field, leading-number conversion); nothing when the
// file is missing or unreadable.
std::optional<qint64> readCounter(const QString& path);

// The lines of an update or index file. Update files are code page 1252, but a file that is
// valid UTF-8 and holds multi-byte sequences was saved by an editor that writes UTF-8 and is
// read as such (utf8 says so). Lines end at CR LF, or a lone LF or CR from other systems.
struct UpdateText {
    QStringList lines;
    bool utf8 = false;
};
UpdateText readUpdateText(const QByteArray& bytes);

// One line of an update file.
struct UpdateLine {
    enum Kind {
        Empty,      // fewer than two characters after trimming: skipped without a word
        NoTab,      // cannot be split into word and meaning
        Foreign,    // holds a character that has no code page 1252 spelling
        BadLength,  // the word has no length table (fewer than 2 or more than 15 characters)
        Entry,
    };
    Kind kind = Empty;
    QString text;  // the trimmed line
    QString word;
    QString meaning;
    bool respelled = false;  // characters outside code page 1252 were spelt in it
};

// Word and meaning as one key, to find an entry again; a TAB never occurs in either.
QString entryKey(QStringView word, QStringView meaning);

// Trims the line of blanks and splits it at its first TAB; a further TAB separates parts of
// the meaning and becomes a blank. Word and meaning lose control characters and are spelt in
// code page 1252, so what is checked is what would be stored.
UpdateLine parseUpdateLine(const QString& line);

// Why a line was not inserted, for the log; empty for Entry and Empty.
QString refusalReason(UpdateLine::Kind kind);

}  // namespace vondrik
