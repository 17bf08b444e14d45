// The random draw of the game's hidden word through the dictionary session.
#include "game/word_draw.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "dictionary/dictionary_session.h"
#include "dictionary/statements.h"
#include "game/game_texts.h"
#include "game/keyboard.h"
#include "ui/random_source.h"

namespace vondrik::game {

bool playable(const QString& begriff) {
    return begriff.size() <= kLongestGameWord &&
           std::any_of(begriff.begin(), begriff.end(), [](QChar c) { return buttonFor(c) >= 0; });
}

WordDraw drawWord(DictionarySession& session, RandomSource& random) {
    std::vector<LengthTable> untried;
    for (int length = kShortestGameWord; length <= kLongestGameWord; ++length) {
        untried.push_back(*tableForLength(length));
    }
    try {
        while (!untried.empty()) {
            const auto k =
                static_cast<std::size_t>(choose(random, static_cast<int>(untried.size())));
            const LengthTable table = untried[k - 1];
            // A snapshot keeps its rows, so the one result set gives both the count (after
            // MoveLast, as the engine needs) and the drawn record; opening it twice would
            // read the whole table twice for the same rows.
            Recordset records = session.open(statement(Family::WholeTable, table, {}));
            records.MoveLast();
            const qint64 n = records.RecordCount();
            if (n > 0) {
                const int r = choose(random, static_cast<int>(std::min<qint64>(n, INT_MAX)));
                records.MoveFirst();
                records.Move(r - 1);
                DrawnWord drawn{records.text("Begriff"), records.text("Bedeutung")};
                if (playable(drawn.begriff)) {
                    return {std::move(drawn), {}};
                }
            }
            untried.erase(untried.begin() + static_cast<std::ptrdiff_t>(k - 1));
        }
        return {std::nullopt, kNoWordMessage.toString()};
    } catch (const DatabaseError& e) {
        return {std::nullopt, kReadFailedMessage.toString().arg(e.message())};
    }
}

}  // namespace vondrik::game
