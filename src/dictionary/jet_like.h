// LIKE with the pattern language the dictionary's statements are written in:
// "*" any run, "?" one character, "#" one digit, "[...]" one character of a set,
// letters compared without case (umlauts included; "ß" matches only itself).
#pragma once

#include <string_view>
#include <vector>

struct sqlite3;

namespace vondrik {

class JetPattern {
  public:
    explicit JetPattern(std::string_view utf8Pattern);

    bool matches(std::string_view utf8Text) const;

  private:
    enum class Kind { Literal, AnyOne, Digit, Set, Star };
    struct Range {
        char32_t low;
        char32_t high;
    };
    struct Token {
        Kind kind;
        char32_t literal = 0;  // folded
        bool negated = false;
        std::vector<Range> ranges;  // folded, for Set
    };

    bool tokenMatches(const Token& token, char32_t folded) const;
    std::vector<Token> tokens_;
};

// Folds a code point for case-blind comparison (lower case; "ß" stays "ß").
char32_t foldCase(char32_t c);

// Replaces the connection's LIKE operator (the two-argument "like" function) with JetPattern.
// Returns an SQLite result code.
int registerJetLike(sqlite3* db);

}  // namespace vondrik
