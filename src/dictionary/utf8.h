// UTF-8 decoding for the hot paths (LIKE matching, reading result sets), where a general
// converter object per call costs more than the text itself.
#pragma once

#include <QChar>
#include <string_view>

namespace vondrik {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes one UTF-8 sequence at text[i] and advances i. Broken sequences give U+FFFD.
inline char32_t nextCodePoint(std::string_view text, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return kReplacementCharacter;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
        c = (c << 6) | (byte(i++) & 0x3F);
    }
    return c;
}

// Writes the UTF-16 form of a UTF-8 text to out (room for text.size() units is enough) and
// returns the number of units written.
inline qsizetype utf8ToUtf16(std::string_view text, QChar* out) {
    QChar* const start = out;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            *out++ = QChar(b);  // most dictionary text is ASCII
            ++i;
            continue;
        }
        const char32_t c = nextCodePoint(text, i);
        if (c > 0xFFFF) {
            *out++ = QChar(QChar::highSurrogate(c));
            *out++ = QChar(QChar::lowSurrogate(c));
        } else {
            *out++ = QChar(static_cast<char16_t>(c));
        }
    }
    return out - start;
}

}  // namespace vondrik
