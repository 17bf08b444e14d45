// Searches answered from the session's copy of the entries: free texts in words and meanings,
// and the searches in crossword spelling (words counted in boxes, Ä = AE, ß = SS). Each one
// records in sql the statement that gives the same rows, so sql still says what was searched.
#pragma once

#include <QString>
#include <optional>

#include "dictionary/dictionary_session.h"
#include "dictionary/jet_like.h"
#include "search/search_run.h"
#include "search/text_search.h"

namespace vondrik {

// A LIKE pattern applied to a word or meaning of the copy. "*text*" with a plain text is a
// folded substring test; any other pattern goes through the LIKE matcher itself.
class FieldPattern {
  public:
    explicit FieldPattern(const QString& like);
    bool matches(QStringView text) const;
    // Word or meaning of an entry of the copy.
    bool matchesEntry(const EntryIndex& index, std::size_t entry) const;

  private:
    std::string folded_;  // the plain text, folded, in UTF-8; empty when jet_ decides
    std::optional<JetPattern> jet_;
};

// The result line of an entry in crossword spelling: the word in capitals, and its boxes in
// parentheses beside it where they differ ("STRAßE (STRASSE)"), a TAB, the meaning.
QString boxResultLine(const IndexedEntry& entry);

// The text search by length and over all lengths (length 0). In box spelling, length counts
// boxes and the lines show the boxes. Nothing is answered here (nothing returned) for a
// search the copy cannot answer faster: a text with wildcards outside crossword spelling.
std::optional<SearchResult> searchTextInCopy(DictionarySession& session, int length,
                                             const TextSearchInput& input, bool boxes);

// The pattern search in crossword spelling: `typed` is the pattern as typed (marks still in
// it); kombitext, when given, is the meaning condition of the combined search. The result's
// tab stop is left to the caller.
SearchResult searchPatternInBoxes(DictionarySession& session, const QString& typed,
                                  const QString* kombitext);

// The anagram in crossword spelling: words of as many boxes as the letters have, holding
// every typed letter.
SearchResult searchAnagramInBoxes(DictionarySession& session, const QString& letters);

}  // namespace vondrik
