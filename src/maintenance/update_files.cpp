// Reading and writing the data update's index, update lines and counter.
#include "maintenance/update_files.h"

#include <QDir>

#include <QStringDecoder>
#include <algorithm>

#include "dictionary/length_tables.h"
#include "dictionary/storable_text.h"
#include "dictionary/text.h"
#include "maintenance/backup_files.h"
#include "ui/cp1252.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

// More digits than this are no update number anyone publishes; reading them as 0 keeps a
// garbled file from sending the run after billions of downloads.
constexpr int kMaxDigits = 9;

bool hasHighBytes(const QByteArray& bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
}

}  // namespace

QString indexServerPath() {
    return QStringLiteral("datenupdate/upd.dat");
}

QString updateServerPath(qint64 number) {
    return QStringLiteral("datenupdate/%1.upd").arg(number);
}

QString localIndexFile(const AppFolder& folder) {
    return folder.appPath(u"daten/upd.dat");
}

QString localUpdateFile(const AppFolder& folder, qint64 number) {
    return folder.appPath(QStringLiteral("daten/%1.upd").arg(number));
}

void removeLocalUpdateFiles(const AppFolder& folder, const FileSteps& files) {
    const QDir daten(folder.appPath(u"daten"));
    const QStringList names =
        daten.entryList({QStringLiteral("*.upd")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        files.remove(daten.filePath(name));
    }
}

qint64 leadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    const qsizetype start = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
    }
    // Leading zeros carry no size.
    QStringView digits = text.mid(start, i - start);
    while (digits.size() > 1 && digits.front() == u'0') {
        digits = digits.mid(1);
    }
    if (digits.isEmpty() || digits.size() > kMaxDigits) {
        return 0;
    }
    return digits.toLongLong();
}

UpdateText readUpdateText(const QByteArray& bytes) {
    if (hasHighBytes(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError()) {
            return {splitLines(text, LineEnds::Any), true};
        }
    }
    return {splitLines(decodeCp1252(bytes), LineEnds::Any), false};
}

UpdateIndex parseIndex(const QByteArray& bytes) {
    const QStringList lines = readUpdateText(bytes).lines;
    UpdateIndex index;
    if (!lines.isEmpty()) {
        const QStringList pieces = lines[0].split(u' ');
        index.status = pieces.value(0);
        index.newest = leadingNumber(pieces.value(1));
    }
    if (lines.size() > 1) {
        index.version = trimBlanks(lines[1]);
    }
    return index;
}

QByteArray indexFileBytes(qint64 newest, const QString& version) {
    return encodeCp1252(QString::fromUtf16(kIndexStatus) + u' ' + QString::number(newest)) +
           "\r\n" + encodeCp1252(version) + "\r\n";
}

QByteArray counterBytes(qint64 number) {
    return ' ' + QByteArray::number(number) + " \r\n";
}

std::optional<qint64> readCounter(const QString& path) {
    const std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    // The first field ends at a comma or a line end.
    QString field = splitLines(decodeCp1252(*bytes), LineEnds::Any).value(0);
    field = field.left(field.indexOf(u',') < 0 ? field.size() : field.indexOf(u','));
    return leadingNumber(trimBlanks(field));
}

QString entryKey(QStringView word, QStringView meaning) {
    QString key;
    key.reserve(word.size() + 1 + meaning.size());
    key.append(word).append(u'\t').append(meaning);
    return key;
}

UpdateLine parseUpdateLine(const QString& line) {
    UpdateLine result;
    result.text = trimBlanks(line);
    if (result.text.size() < 2) {
        return result;
    }
    const qsizetype tab = result.text.indexOf(u'\t');
    if (tab < 0) {
        result.kind = UpdateLine::NoTab;
        return result;
    }
    QString meaning = result.text.mid(tab + 1);
    meaning.replace(u'\t', u' ');
    const QString word = withoutControls(result.text.left(tab));
    meaning = withoutControls(meaning);
    const std::optional<QString> spelledWord = codePageSpelling(word);
    const std::optional<QString> spelledMeaning = codePageSpelling(meaning);
    result.word = spelledWord.value_or(word);
    result.meaning = spelledMeaning.value_or(meaning);
    if (!spelledWord || !spelledMeaning) {
        result.kind = UpdateLine::Foreign;
        return result;
    }
    result.respelled = result.word != word || result.meaning != meaning;
    result.kind =
        tableForLength(int(result.word.size())) ? UpdateLine::Entry : UpdateLine::BadLength;
    return result;
}

QString refusalReason(UpdateLine::Kind kind) {
    switch (kind) {
        case UpdateLine::NoTab:
            return QStringLiteral("kein TAB zwischen Wort und Bedeutung");
        case UpdateLine::BadLength:
            return QStringLiteral("Wort nicht 2 bis 15 Zeichen lang");
        case UpdateLine::Foreign:
            return QStringLiteral("Zeichen außerhalb des Zeichensatzes Windows-1252");
        case UpdateLine::Empty:
        case UpdateLine::Entry:
            break;
    }
    return {};
}

}  // namespace vondrik
