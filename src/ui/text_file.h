// The program's text files: code page 1252, one line per CR LF. Characters the code page
// lacks are written as '?' (see cp1252.h).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vondrik {

// The line ends a text is split at.
enum class LineEnds {
    // CR LF only, the line end of the program's own files. A lone CR or LF stands inside its
    // line as a blank, so a stray one cannot shift the lines after it (a name onto a score).
    CrLf,
    // CR LF, LF or CR, for files typed in an editor on any system.
    Any,
};

// Splits text into lines; a final line end does not start an empty line.
QStringList splitLines(const QString& text, LineEnds ends);

// All lines of a file, or nothing when the file cannot be opened.
std::optional<QStringList> readLines(const QString& path);

// The bytes of a file holding the lines, as writeLines writes them.
QByteArray textFileBytes(const QStringList& lines);

// Replaces the file with the given lines, each ending in CR LF; a CR or LF inside a line is
// written as a blank, so the file reads back with the same lines. The text is written as
// FileSteps::writeFile writes a file, so a failed write leaves the old file as it was.
bool writeLines(const QString& path, const QStringList& lines);

// Appends lines, each ending in CR LF (a CR or LF inside one as a blank), creating the file
// when it is missing.
bool appendLines(const QString& path, const QStringList& lines);
bool appendLine(const QString& path, const QString& line);

// True only for an existing regular file (a folder of that name does not count).
bool FileExists(const QString& path);

}  // namespace vondrik
