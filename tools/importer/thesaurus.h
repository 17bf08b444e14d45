// Turns the German OpenThesaurus file (MyThes format) into dictionary entries: every plain
// single word of a synonym group that is not a broader term becomes an answer whose meaning
// lists the other members of its group.
#pragma once

#include <QString>
#include <map>
#include <stdexcept>
#include <vector>

class QIODevice;

namespace vondrik::thesaurus {

// Bounds of an answer and its meaning; they match the dictionary's length tables.
inline constexpr int kShortestAnswer = 2;
inline constexpr int kLongestAnswer = 15;
inline constexpr int kMeaningLimit = 100;

// Unreadable or malformed thesaurus text; the message is German and names the line.
class ThesaurusError : public std::runtime_error {
  public:
    explicit ThesaurusError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// One member of a synonym group with its trailing notes removed.
struct Member {
    QString text;
    bool broader = false;  // marked "(Oberbegriff)"
};
using Group = std::vector<Member>;

struct Entry {
    QString word;
    QString meaning;
    friend bool operator==(const Entry&, const Entry&) = default;
};

// Removes the trailing notes in parentheses ("Valuta (fachspr.) (Oberbegriff)" → "Valuta")
// and tells whether one of them marks a broader term. Parentheses not preceded by a blank
// belong to the word ("Klamotte(n)") and stay.
Member parseMember(const QString& raw);

// Whether a member can be an answer: one word of 2 to 15 German letters.
bool isAnswerWord(const QString& text);

// The meaning of the member at index answer: the other members, synonyms first and broader
// terms after them, joined by ", " and cut after the last whole member that fits into 100
// characters. Members that alone are longer than that, and repeats of the word, are left out.
QString meaningFor(const Group& group, std::size_t answer);

// Reads all synonym groups of a thesaurus, each distinct group once, in file order.
// Throws ThesaurusError on a malformed file.
std::vector<Group> readGroups(QIODevice& device);

// Every backup and update file is code page 1252, so the dictionary holds only what that code
// page can carry: members are spelt in it ("β-Strahlung" → "beta-Strahlung"), and a member
// without such a spelling is left out of its group.
struct Respelling {
    int respelled = 0;
    int dropped = 0;
};
Respelling respellGroups(std::vector<Group>& groups);

// The entries of the groups, sorted by word as a dictionary would (ä as a, ß as ss). Words
// without any meaning are left out, and of entries with the same word (ignoring case) and the
// same meaning only the first one in the file stays.
std::vector<Entry> entriesOf(const std::vector<Group>& groups);

// Number of entries per word length.
std::map<int, int> countByLength(const std::vector<Entry>& entries);

}  // namespace vondrik::thesaurus
