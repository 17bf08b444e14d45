// A copy of every dictionary entry in memory, in the order the tables deliver them, with the
// word and meaning folded for case-blind comparison and the word's crossword boxes. Free-text
// searches and searches in crossword spelling are answered from it several times faster than
// the engine can scan the tables; the answers are the rows the corresponding statements give.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/length_tables.h"

namespace vondrik {

class Database;

struct IndexedEntry {
    int length = 0;  // of the table that holds it
    QString begriff;
    QString bedeutung;  // a missing meaning reads as empty
    QString boxes;      // boxSpelling(begriff)
};

class EntryIndex {
  public:
    // Reads all fourteen tables ("Select * from <table>").
    static EntryIndex read(Database& db);

    const std::vector<IndexedEntry>& entries() const { return entries_; }

    // Whether a text can be looked for here: one without the wildcards "*", "?", "#" and "[",
    // whose LIKE pattern "*text*" is a plain substring test.
    static bool isPlainText(QStringView text);

    // Calls visit with the index of every entry whose word or meaning holds each of the plain
    // texts (letter case ignored as LIKE ignores it), in table order; `length` 0 means every
    // table. visit returns false to stop.
    void findText(const std::vector<QString>& texts, int length,
                  const std::function<bool(std::size_t)>& visit) const;

    // The indexes of the entries whose word has `boxes` boxes, in table order.
    const std::vector<std::size_t>& withBoxes(int boxes) const;

    // Whether the entry's word or meaning holds a plain text folded by foldedUtf8.
    bool holds(std::size_t entry, std::string_view foldedText) const;

    // The text folded as LIKE compares it.
    static QString fold(QStringView text);
    // The same as UTF-8, the form the copy searches in.
    static std::string foldedUtf8(QStringView text);

  private:
    std::vector<IndexedEntry> entries_;
    // Folded word, LF, folded meaning, LF, for all entries one after the other, in UTF-8 (a
    // substring of code points is a substring of their UTF-8 bytes, and memmem is fast); an LF
    // never occurs in a stored text, so no match spans two fields.
    std::string folded_;
    std::vector<std::size_t> start_;  // where each entry begins in folded_, and the end
    std::array<std::size_t, kLongestWord + 2> tableStart_{};  // first entry of each length
    std::vector<std::vector<std::size_t>> byBoxes_;
};

}  // namespace vondrik
