// Finding the help and reading its contents page.
#include "extras/help_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include "ui/text_file.h"

namespace vondrik {
namespace {

const QRegularExpression& linkPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"re(<a\b[^>]*\bhref\s*=\s*"([^"]*)"[^>]*>(.*?)</a\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

QString navigationBlock(const QString& html) {
    static const QRegularExpression nav(
        QStringLiteral(R"re(<nav\b[^>]*\bid\s*=\s*"inhalt"[^>]*>(.*?)</nav\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = nav.match(html);
    return match.hasMatch() ? match.captured(1) : html;
}

QString decodeEntity(const QString& name) {
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.startsWith(u"#x", Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                      : name.mid(1).toUInt(&ok);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            return QString::fromUcs4(&c, 1);
        }
        return {};
    }
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("auml"), QStringLiteral("ä")},
        {QStringLiteral("ouml"), QStringLiteral("ö")},
        {QStringLiteral("uuml"), QStringLiteral("ü")},
        {QStringLiteral("Auml"), QStringLiteral("Ä")},
        {QStringLiteral("Ouml"), QStringLiteral("Ö")},
        {QStringLiteral("Uuml"), QStringLiteral("Ü")},
        {QStringLiteral("szlig"), QStringLiteral("ß")},
        {QStringLiteral("ndash"), QStringLiteral("–")},
        {QStringLiteral("hellip"), QStringLiteral("…")},
    };
    return named.value(name);
}

}  // namespace

HelpDocument findHelp(const AppFolder& folder) {
    const QString pages = folder.appPath(kHelpPagesContents);
    if (FileExists(pages)) {
        return {HelpKind::Pages, pages};
    }
    const QString single = folder.appPath(kHelpSinglePage);
    if (FileExists(single)) {
        return {HelpKind::SinglePage, single};
    }
    return {};
}

QString readHtmlFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder.decode(bytes);
}

QString htmlToText(const QString& html) {
    static const QRegularExpression hidden(
        QStringLiteral(R"re(<(script|style|head)\b.*?</\1\s*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral(R"re(<[^>]*>)re"));
    static const QRegularExpression entity(QStringLiteral(R"re(&(#?[A-Za-z0-9]+);)re"));
    QString text = html;
    text.remove(hidden);
    text.replace(tag, QStringLiteral(" "));
    QString decoded;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& m : entity.globalMatch(text)) {
        decoded += QStringView(text).mid(last, m.capturedStart() - last);
        const QString replacement = decodeEntity(m.captured(1));
        decoded += replacement.isEmpty() ? m.captured(0) : replacement;
        last = m.capturedEnd();
    }
    decoded += QStringView(text).mid(last);
    return decoded.simplified();
}

QList<HelpTopic> helpContents(const QString& contentsPage) {
    QList<HelpTopic> topics;
    const QString html = readHtmlFile(contentsPage);
    const QDir folder = QFileInfo(contentsPage).absoluteDir();
    for (const QRegularExpressionMatch& m : linkPattern().globalMatch(navigationBlock(html))) {
        const QUrl link(m.captured(1));
        if (!link.scheme().isEmpty() || link.isEmpty()) {
            continue;
        }
        HelpTopic topic;
        topic.title = htmlToText(m.captured(2));
        topic.file = link.path().isEmpty() ? QFileInfo(contentsPage).absoluteFilePath()
                                           : QDir::cleanPath(folder.filePath(link.path()));
        topic.fragment = link.fragment();
        topics.append(topic);
    }
    return topics;
}

bool topicExists(const HelpTopic& topic) {
    if (!FileExists(topic.file)) {
        return false;
    }
    if (topic.fragment.isEmpty()) {
        return true;
    }
    const QRegularExpression id(QStringLiteral(R"re(\b(id|name)\s*=\s*"%1")re")
                                    .arg(QRegularExpression::escape(topic.fragment)));
    return readHtmlFile(topic.file).contains(id);
}

}  // namespace vondrik
