// UTF-8 decoding for the hot paths (LIKE matching, reading result sets), where a general
// converter object per call costs more than the text itself.
#pragma once

#include <QChar>
#include <bit>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
inline qsizetype utf8ToUtf16(std::string_view text, char16_t* out) {
    char16_t* const start = out;
    size_t i = 0;
    while (i < text.size()) {
#if defined(__SSE2__)
        // Most dictionary text is ASCII: widen sixteen, eight or four bytes at a time up to the
        // first byte that is not. Writing all the units of a step is safe, since out has
        // room for as many units as there are bytes left.
        const __m128i zero = _mm_setzero_si128();
        while (text.size() - i >= 16) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
            const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(bytes));
            const int ascii = nonAscii == 0 ? 16 : std::countr_zero(nonAscii);
            i += ascii;
            out += ascii;
            if (ascii < 16) {
                break;
            }
        }
        if (text.size() - i >= 8) {
            const __m128i bytes =
                _mm_loadl_epi64(reinterpret_cast<const __m128i*>(text.data() + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
            const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(bytes)) & 0xFF;
            const int ascii = nonAscii == 0 ? 8 : std::countr_zero(nonAscii);
            i += ascii;
            out += ascii;
        }
        if (text.size() - i >= 4) {
            quint32 four;
            std::memcpy(&four, text.data() + i, sizeof four);
            if ((four & 0x80808080u) == 0) {
                const __m128i bytes = _mm_cvtsi32_si128(static_cast<int>(four));
                _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
                i += 4;
                out += 4;
            }
        }
        if (i >= text.size()) {
            break;
        }
#endif
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            *out++ = static_cast<char16_t>(text[i++]);
            continue;
        }
        const char32_t c = nextCodePoint(text, i);
        if (c > 0xFFFF) {
            *out++ = QChar::highSurrogate(c);
            *out++ = QChar::lowSurrogate(c);
        } else {
            *out++ = static_cast<char16_t>(c);
        }
    }
    return out - start;
}

inline qsizetype utf8ToUtf16(std::string_view text, QChar* out) {
    return utf8ToUtf16(text, reinterpret_cast<char16_t*>(out));
}

}  // namespace vondrik
