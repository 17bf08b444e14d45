// The searches behind the main window's pattern box, length buttons and anagram dialog.
#include "search/search_controller.h"

#include "dictionary/box_spelling.h"
#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "dictionary/text.h"
#include "search/anagram.h"
#include "search/entry_search.h"
#include "search/pattern_search.h"
#include "search/text_search.h"

namespace vondrik {

SearchController::SearchController(DictionarySession& session, QObject* parent)
    : QObject(parent), session_(session) {
    setObjectName(QStringLiteral("SearchController"));
}

int SearchController::boxTabStop(int boxes) {
    // Room for the word and its boxes beside it: "STRAßE (STRASSE)".
    return tabStopForLength(2 * boxes + 3);
}

void SearchController::finish(SearchResult result, int tabStop) {
    result.tabStop = tabStop;
    emit finished(result);
}

int SearchController::patternLength(const QString& typed) const {
    return int(boxSpelling_ ? patternBoxes(typed).size() : typed.size());
}

bool SearchController::answerCombined(const QString& answer) {
    if (answer.isEmpty()) {
        return false;
    }
    setCombinedText(answer);
    return true;
}

void SearchController::setCombinedText(const QString& answer) {
    state_.kombitext = u'*' + cleanFreeText(answer) + u'*';
}

bool SearchController::enterPattern(const QString& typed, bool kombiniert) {
    if (typed.size() < 2) {
        return false;
    }
    state_.markenflag = hasSameLetterMarks(typed);
    runPattern(patternLength(typed), marksToPlaceholders(typed), kombiniert, typed);
    return true;
}

void SearchController::musterSuche(int length, const QString& typed, bool kombiniert) {
    runPattern(length, typed, kombiniert, typed);
}

void SearchController::runPattern(int length, const QString& pattern, bool kombiniert,
                                  const QString& typed) {
    const auto table = tableForLength(length);
    if (!table) {
        return;
    }
    emit started();
    if (boxSpelling_) {
        finish(searchPatternInBoxes(session_, typed, kombiniert ? &state_.kombitext : nullptr),
               boxTabStop(length));
        return;
    }
    const QString like = toLikePattern(pattern);
    const QString sql =
        kombiniert ? statement(Family::PatternWithMeaning, *table, {like, state_.kombitext})
                   : statement(Family::Pattern, *table, {like});
    RowFilter filter;
    if (state_.markenflag) {
        filter = [typed](QStringView word) { return passesSameLetterMarks(typed, word); };
    }
    finish(runSearch(session_, sql, filter), tabStopForLength(length));
}

void SearchController::chooseLength(int buttonIndex) {
    if (buttonIndex < 14) {
        state_.dagr = buttonIndex + 2;
        state_.alle = 0;  // a length button always means this one length
    } else {
        state_.alle = 1;
    }
}

void SearchController::startTextSearch(const TextSearchInput& input) {
    if (state_.alle == 0) {
        textsuche(input);
    } else {
        allesuch(input);
    }
}

void SearchController::textsuche(const TextSearchInput& input) {
    emit started();
    std::optional<SearchResult> copy = searchTextInCopy(session_, state_.dagr, input, boxSpelling_);
    finish(copy ? std::move(*copy) : searchOneLength(session_, state_.dagr, input),
           boxSpelling_ ? boxTabStop(state_.dagr) : tabStopForLength(state_.dagr));
}

void SearchController::allesuch(const TextSearchInput& input) {
    emit started();
    std::optional<SearchResult> copy = searchTextInCopy(session_, 0, input, boxSpelling_);
    SearchResult result = copy ? std::move(*copy) : searchAllLengths(session_, input);
    state_.alle = 0;
    finish(std::move(result), kAllLengthsTabStop);
}

QString SearchController::anagramm(const QString& handedOver) {
    const QString trimmed = trimBlanks(handedOver);
    if (trimmed.isEmpty()) {
        return trimmed;
    }
    // The length chooses the table: lower case must not lengthen "İ" into two characters.
    const QString letters = lowerKeepLength(trimmed);
    searchAnagram(letters);
    return letters;
}

void SearchController::searchAnagram(const QString& letters) {
    if (boxSpelling_) {
        const int boxes = int(patternBoxes(letters).size());
        if (!tableForLength(boxes)) {
            return;
        }
        emit started();
        finish(searchAnagramInBoxes(session_, letters), boxTabStop(boxes));
        return;
    }
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
