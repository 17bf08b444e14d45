// Reading, replacing and appending code-page-1252 text files with CR LF line ends.
#include "ui/text_file.h"

#include <QFile>
#include <QFileInfo>

#include "ui/cp1252.h"
#include "ui/file_steps.h"

namespace vondrik {
namespace {

// A line end inside a line would split it into two when the file is read back.
QString oneLine(const QString& line) {
    QString result = line;
    result.replace(u'\r', u' ').replace(u'\n', u' ');
    return result;
}

}  // namespace

QByteArray textFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeCp1252(oneLine(line));
        bytes += "\r\n";
    }
    return bytes;
}

QStringList splitLines(const QString& text, LineEnds ends) {
    QStringList lines;
    QString current;
    bool open = false;  // whether characters follow the last line end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool crLf = c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        const bool lone = !crLf && (c == u'\r' || c == u'\n');
        if (crLf || (lone && ends == LineEnds::Any)) {
            i += crLf ? 1 : 0;
            lines.append(current);
            current.clear();
            open = false;
            continue;
        }
        current.append(lone ? QChar(u' ') : c);
        open = true;
    }
    if (open) {
        lines.append(current);
    }
    return lines;
}

std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!FileExists(path) || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return splitLines(decodeCp1252(file.readAll()), LineEnds::CrLf);
}

bool writeLines(const QString& path, const QStringList& lines) {
    return FileSteps().writeFile(path, textFileBytes(lines));
}

bool appendLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const QByteArray bytes = textFileBytes(lines);
    const bool written = file.write(bytes) == bytes.size();
    return file.flush() && written;
}

bool appendLine(const QString& path, const QString& line) {
    return appendLines(path, QStringList{line});
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

}  // namespace vondrik
