// Text search: one or two free texts looked for in words and meanings, of one length or all.
#pragma once

#include <QString>
#include <optional>

#include "dictionary/length_tables.h"
#include "search/search_run.h"

namespace vondrik {

struct TextSearchInput {
    QString ei;        // "*" + first text + "*"
    QString eii;       // "*" + second text + "*", used when nur1 is false
    bool nur1 = true;  // only one text
};

// The input dialog's clean-up: both boxes are cleaned in place (apostrophes removed,
// brackets to parentheses). Nothing when the first box is exactly empty; a second box of
// blanks only counts as no second text.
std::optional<TextSearchInput> prepareTextSearch(QString& text1, QString& text2);

QString textSearchStatement(const LengthTable& table, const TextSearchInput& input);

// Beyond this many lines the all-lengths search stops.
inline constexpr qsizetype kMaxAllLengthsLines = 30000;

// textsuche: the one table of a length.
SearchResult searchOneLength(DictionarySession& session, int length, const TextSearchInput& input);

// allesuch: all fourteen tables, 2 letters first. A failing table is passed over (its
// message kept in error) and the search goes on; past the line limit it stops with tooMany.
SearchResult searchAllLengths(DictionarySession& session, const TextSearchInput& input);

}  // namespace vondrik
