// Compiled LIKE patterns. A statement compiles its pattern once: SQLite keeps the compiled
// form as auxiliary data of the constant pattern argument for the rows that follow.
#include "dictionary/jet_like.h"

#include "dictionary/utf8.h"

#include <sqlcipher/sqlite3.h>

#include <QChar>
#include <array>
#include <memory>

namespace vondrik {
namespace {

constexpr auto kAsciiFold = [] {
    std::array<char32_t, 256> table{};
    for (char32_t c = 0; c < 256; ++c) {
        table[c] = (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    return table;
}();

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

}  // namespace

char32_t foldCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 32;  // Latin-1 capitals, Ä Ö Ü among them
    }
    if (c < 0x100) {
        return c;  // ß and the other Latin-1 letters without a single capital partner
    }
    return QChar::toLower(c);
}

JetPattern::JetPattern(std::string_view utf8Pattern) {
    std::vector<char32_t> p;
    size_t i = 0;
    while (i < utf8Pattern.size()) {
        p.push_back(nextCodePoint(utf8Pattern, i));  // not folded yet: "[!" must stay visible
    }
    for (size_t k = 0; k < p.size(); ++k) {
        const char32_t c = p[k];
        if (c == U'*') {
            if (tokens_.empty() || tokens_.back().kind != Kind::Star) {
                tokens_.push_back(Token{Kind::Star, 0, false, {}});
            }
        } else if (c == U'?') {
            tokens_.push_back(Token{Kind::AnyOne, 0, false, {}});
        } else if (c == U'#') {
            tokens_.push_back(Token{Kind::Digit, 0, false, {}});
        } else if (c == U'[') {
            size_t close = k + 1;
            if (close < p.size() && p[close] == U'!') {
                ++close;
            }
            if (close < p.size() && p[close] == U']') {
                ++close;  // "[]]" style: a leading "]" is a member
            }
            while (close < p.size() && p[close] != U']') {
                ++close;
            }
            if (close >= p.size()) {
                tokens_.push_back(
                    Token{Kind::Literal, foldCase(c), false, {}});  // unclosed: plain "["
                continue;
            }
            Token set{Kind::Set, 0, false, {}};
            size_t m = k + 1;
            if (p[m] == U'!') {
                set.negated = true;
                ++m;
            }
            for (; m < close; ++m) {
                char32_t low = foldCase(p[m]);
                char32_t high = low;
                if (m + 2 < close && p[m + 1] == U'-') {
                    high = foldCase(p[m + 2]);
                    m += 2;
                }
                set.ranges.push_back({low, high});
            }
            tokens_.push_back(std::move(set));
            k = close;
        } else {
            tokens_.push_back(Token{Kind::Literal, foldCase(c), false, {}});
        }
    }
}

bool JetPattern::tokenMatches(const Token& token, char32_t folded) const {
    switch (token.kind) {
        case Kind::Literal:
            return token.literal == folded;
        case Kind::AnyOne:
            return true;
        case Kind::Digit:
            return isDigit(folded);
        case Kind::Set: {
            bool inside = false;
            for (const Range& r : token.ranges) {
                if (folded >= r.low && folded <= r.high) {
                    inside = true;
                    break;
                }
            }
            return inside != token.negated;
        }
        case Kind::Star:
            return false;
    }
    return false;
}

bool JetPattern::matches(std::string_view utf8Text) const {
    // Works on the UTF-8 bytes directly: ASCII folds through a table, and only characters
    // beyond ASCII are decoded.
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8Text.data());
    const size_t n = utf8Text.size();
    const size_t m = tokens_.size();
    const auto nextChar = [&](size_t& i) -> char32_t {
        const unsigned char b = bytes[i];
        if (b < 0x80) {
            ++i;
            return kAsciiFold[b];
        }
        return foldCase(nextCodePoint(utf8Text, i));
    };

    // Classic wildcard walk: remember the last "*" and retry one character further on a
    // mismatch. A "*" followed by a literal jumps straight to that literal's next occurrence.
    size_t t = 0;
    size_t p = 0;
    size_t starToken = m;  // none yet
    size_t starText = 0;
    const auto skipToLiteral = [&](size_t from) -> size_t {
        if (starToken + 1 >= m || tokens_[starToken + 1].kind != Kind::Literal) {
            return from;
        }
        const char32_t wanted = tokens_[starToken + 1].literal;
        if (wanted < 0x80) {
            // ASCII bytes compare through the table; a character beyond ASCII is decoded, as
            // one of them folds into ASCII too (the Kelvin sign into "k").
            while (from < n) {
                const unsigned char b = bytes[from];
                if (b < 0x80) {
                    if (kAsciiFold[b] == wanted) {
                        return from;
                    }
                    ++from;
                    continue;
                }
                size_t next = from;
                if (nextChar(next) == wanted) {
                    return from;
                }
                from = next;
            }
            return n;
        }
        while (from < n) {
            size_t next = from;
            if (nextChar(next) == wanted) {
                return from;
            }
            from = next;
        }
        return n;
    };
    while (t < n) {
        if (p < m && tokens_[p].kind == Kind::Star) {
            starToken = p++;
            if (p == m) {
                return true;  // a trailing "*" takes the rest
            }
            starText = skipToLiteral(t);
            if (starText >= n) {
                return false;
            }
            t = starText;
            continue;
        }
        if (p < m) {
            size_t next = t;
            if (tokenMatches(tokens_[p], nextChar(next))) {
                ++p;
                t = next;
                continue;
            }
        }
        if (starToken >= m) {
            return false;
        }
        p = starToken + 1;
        nextChar(starText);  // the "*" takes one more character
        starText = skipToLiteral(starText);
        if (starText >= n) {
            return false;
        }
        t = starText;
    }
    while (p < m && tokens_[p].kind == Kind::Star) {
        ++p;
    }
    return p == m;
}

namespace {

void jetLike(sqlite3_context* context, int, sqlite3_value** argv) {
    // SQLite calls like(pattern, text): the pattern comes first.
    const auto* patternText = sqlite3_value_text(argv[0]);
    const auto* valueText = sqlite3_value_text(argv[1]);
    if (!patternText || !valueText) {
        return;  // NULL in, NULL out: such a row never matches
    }
    const std::string_view value(reinterpret_cast<const char*>(valueText),
                                 sqlite3_value_bytes(argv[1]));
    auto* cached = static_cast<JetPattern*>(sqlite3_get_auxdata(context, 0));
    if (cached) {
        sqlite3_result_int(context, cached->matches(value) ? 1 : 0);
        return;
    }
    auto compiled = std::make_unique<JetPattern>(
        std::string_view(reinterpret_cast<const char*>(patternText), sqlite3_value_bytes(argv[0])));
    sqlite3_result_int(context, compiled->matches(value) ? 1 : 0);
    sqlite3_set_auxdata(context, 0, compiled.release(),
                        [](void* p) { delete static_cast<JetPattern*>(p); });
}

void refuseEscape(sqlite3_context* context, int, sqlite3_value**) {
    sqlite3_result_error(context, "LIKE mit ESCAPE wird nicht unterstützt", -1);
}

}  // namespace

int registerJetLike(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function(db, "like", 2, flags, nullptr, jetLike, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(db, "like", 3, flags, nullptr, refuseEscape, nullptr, nullptr);
    }
    return rc;
}

}  // namespace vondrik
