// The searches behind the main window's pattern box, length buttons and anagram dialog.
#include "search/search_controller.h"

#include "dictionary/statements.h"
#include "dictionary/text.h"
#include "search/anagram.h"
#include "search/pattern_search.h"
#include "search/text_search.h"

namespace vondrik {

SearchController::SearchController(DictionarySession& session, QObject* parent)
    : QObject(parent), session_(session) {
    setObjectName(QStringLiteral("SearchController"));
}

void SearchController::finish(SearchResult result, int tabStop) {
    state_.tabstopps[0] = tabStop;
    result.tabStop = tabStop;
    emit finished(result);
}

void SearchController::musterSuche(int length, bool kombiniert, const QString& typed) {
    const auto table = tableForLength(length);
    if (!table) {
        return;
    }
    emit started();
    state_.ei = toLikePattern(state_.ei);
    const QString sql =
        kombiniert ? statement(Family::PatternWithMeaning, *table, {state_.ei, state_.kombitext})
                   : statement(Family::Pattern, *table, {state_.ei});
    RowFilter filter;
    if (state_.markenflag) {
        filter = [typed](QStringView word) { return passesSameLetterMarks(typed, word); };
    }
    finish(runSearch(session_, sql, filter), tabStopForLength(length));
}

void SearchController::textsuche() {
    emit started();
    const TextSearchInput input{state_.ei, state_.eii, state_.nur1 == 1};
    finish(searchOneLength(session_, state_.dagr, input), state_.tabstopps[0]);
}

void SearchController::allesuch() {
    emit started();
    const TextSearchInput input{state_.ei, state_.eii, state_.nur1 == 1};
    SearchResult result = searchAllLengths(session_, input);
    state_.alle = 0;
    finish(std::move(result), kAllLengthsTabStop);
}

void SearchController::anagramm(const QString& letters) {
    const auto table = tableForLength(static_cast<int>(letters.size()));
    if (!table) {
        // No word has that many letters; an old statement must not be rerun for them.
        return;
    }
    emit started();
    const LetterTable wanted(letters);
    const QString sql = statement(Family::WholeTableBlank, *table, {});
    finish(runSearch(session_, sql,
                     [&wanted](QStringView begriff) { return wanted.coveredBy(begriff); }),
           tabStopForLength(table->length));
}

}  // namespace vondrik
