// Scrambling through a code-page-1252 table of our own: ICU's converter is built for whole
// files, and the backup converts tens of thousands of short lines.
#include "maintenance/scrambler.h"

#include <array>

#include "ui/cp1252.h"

namespace vondrik {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

struct CodePage {
    std::array<char16_t, 256> characters{};  // byte -> character, as decodeCp1252 reads it

    CodePage() {
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte) {
            all[byte] = static_cast<char>(byte);
        }
        const QString decoded = decodeCp1252(all);
        for (int byte = 0; byte < 256 && byte < decoded.size(); ++byte) {
            characters[byte] = decoded[byte].unicode();
        }
    }

    // The byte of a character; '?' when the code page lacks it (as encodeCp1252 does).
    quint8 byteOf(char16_t c) const {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            return static_cast<quint8>(c);
        }
        for (int byte = 0x80; byte < 0xA0; ++byte) {
            if (characters[byte] == c) {
                return static_cast<quint8>(byte);
            }
        }
        return '?';
    }
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

char16_t unit(char c) {
    return static_cast<unsigned char>(c);
}
char16_t unit(char16_t c) {
    return c;
}

// The key's bytes; an empty key leaves the text's bytes as they are.
QByteArray keyBytes(QStringView key) {
    QByteArray bytes;
    for (QChar c : key) {
        bytes.append(static_cast<char>(codePage().byteOf(c.unicode())));
    }
    return bytes.isEmpty() ? QByteArray(1, '\0') : bytes;
}

template <typename Digit>
std::optional<QString> decode(const Digit* digits, qsizetype count, QStringView key) {
    const CodePage& page = codePage();
    const QByteArray k = keyBytes(key);
    QString plain(count / 2, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(plain.data());
    qsizetype p = 0;
    for (qsizetype i = 0; i + 1 < count; i += 2) {
        const int high = hexValue(unit(digits[i]));
        const int low = hexValue(unit(digits[i + 1]));
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        const quint8 b = static_cast<quint8>(k[p]);
        p = (p + 1 == k.size()) ? 0 : p + 1;
        *out++ = page.characters[((high << 4) | low) ^ b];
    }
    return plain;
}

}  // namespace

void appendScrambled(QByteArray& out, QStringView plain, QStringView key) {
    const CodePage& page = codePage();
    const QByteArray k = keyBytes(key);
    qsizetype p = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain[i];
        if (c.isHighSurrogate() && i + 1 < plain.size() && plain[i + 1].isLowSurrogate()) {
            ++i;  // one '?' for the whole pair, as in the program's text files
        }
        const quint8 x = page.byteOf(c.unicode()) ^ static_cast<quint8>(k[p]);
        p = (p + 1 == k.size()) ? 0 : p + 1;
        out.append(kHexDigits[x >> 4]);
        out.append(kHexDigits[x & 0x0F]);
    }
}

QString Scramble(QStringView plain, QStringView key) {
    QByteArray hex;
    hex.reserve(plain.size() * 2);
    appendScrambled(hex, plain, key);
    return QString::fromLatin1(hex);
}

std::optional<QString> Unscramble(QStringView scrambled, QStringView key) {
    return decode(reinterpret_cast<const char16_t*>(scrambled.data()), scrambled.size(), key);
}

std::optional<QString> unscrambleBytes(QByteArrayView scrambled, QStringView key) {
    return decode(scrambled.data(), scrambled.size(), key);
}

}  // namespace vondrik
