// The text search over one length table or all of them.
#include "search/text_search.h"

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "dictionary/text.h"

namespace vondrik {

std::optional<TextSearchInput> prepareTextSearch(QString& text1, QString& text2) {
    if (text1.isEmpty()) {
        return std::nullopt;
    }
    TextSearchInput input;
    text1 = cleanFreeText(text1);
    input.ei = u'*' + trimBlanks(text1) + u'*';
    if (!trimBlanks(text2).isEmpty()) {
        text2 = cleanFreeText(text2);
        input.eii = u'*' + trimBlanks(text2) + u'*';
        input.nur1 = false;
    }
    return input;
}

QString textSearchStatement(const LengthTable& table, const TextSearchInput& input) {
    return input.nur1 ? statement(Family::OneText, table, {input.ei})
                      : statement(Family::TwoTexts, table, {input.ei, input.eii});
}

SearchResult searchOneLength(DictionarySession& session, int length, const TextSearchInput& input) {
    const auto table = tableForLength(length);
    if (!table) {
        return {};
    }
    return runSearch(session, textSearchStatement(*table, input));
}

SearchResult searchAllLengths(DictionarySession& session, const TextSearchInput& input) {
    SearchResult result;
    for (const LengthTable& table : lengthTables()) {
        try {
            const Recordset& rows = session.open(textSearchStatement(table, input));
            if (!appendResultLines(rows, result.lines, {}, kMaxAllLengthsLines)) {
                result.tooMany = true;
                return result;
            }
        } catch (const DatabaseError& e) {
            if (result.error.isEmpty()) {
                result.error = e.message();
            }
        }
    }
    return result;
}

}  // namespace vondrik
