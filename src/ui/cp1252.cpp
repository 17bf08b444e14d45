// Code page 1252 through Qt's ICU converters, with a visible '?' for characters the page lacks.
#include "ui/cp1252.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vondrik {
namespace {

constexpr const char* kCodePage = "windows-1252";

// The 256 characters the code page has. ICU's own stand-in for a missing character is the
// control code 0x1A, which would pass unnoticed; checking against this set first avoids it.
const QSet<char16_t>& representable() {
    static const QSet<char16_t> characters = [] {
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte) {
            all[byte] = static_cast<char>(byte);
        }
        QSet<char16_t> set;
        for (QChar c : decodeCp1252(all)) {
            set.insert(c.unicode());
        }
        return set;
    }();
    return characters;
}

}  // namespace

QString decodeCp1252(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

bool inCodePage1252(QChar c) {
    return representable().contains(c.unicode());
}

QByteArray encodeCp1252(QStringView text) {
    const QSet<char16_t>& known = representable();
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // one '?' for the whole surrogate pair
            safe.append(u'?');
        } else {
            safe.append(known.contains(c.unicode()) ? c : QChar(u'?'));
        }
    }
    QStringEncoder encoder(kCodePage);
    return encoder.encode(safe);
}

}  // namespace vondrik
