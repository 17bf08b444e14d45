// Reading the copy and searching it. A substring search over one folded buffer is what makes
// the copy fast: no row is decoded, and the string matcher skips most characters unread.
#include "dictionary/entry_index.h"

#include <algorithm>
#include <cstring>

#include "dictionary/box_spelling.h"
#include "dictionary/database.h"
#include "dictionary/jet_like.h"
#include "dictionary/statements.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vondrik {
namespace {

// The first occurrence of needle in [from, stop), or nullptr. Sixteen positions at a time
// are tested for the needle's first and last byte together, so only the rare positions that
// have both are compared in full (glibc's memmem goes byte by byte through the text).
const char* findBytes(const char* from, const char* stop, std::string_view needle) {
    const std::size_t n = needle.size();
    if (n == 0 || std::size_t(stop - from) < n) {
        return nullptr;
    }
#if defined(__SSE2__)
    if (n >= 2) {
        const __m128i first = _mm_set1_epi8(needle.front());
        const __m128i last = _mm_set1_epi8(needle.back());
        const char* p = from;
        for (; p + n - 1 + 16 <= stop; p += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
            unsigned mask = unsigned(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
            while (mask != 0) {
                const int bit = __builtin_ctz(mask);
                if (std::memcmp(p + bit + 1, needle.data() + 1, n - 2) == 0) {
                    return p + bit;
                }
                mask &= mask - 1;
            }
        }
        from = p;
    }
#endif
    return static_cast<const char*>(memmem(from, std::size_t(stop - from), needle.data(), n));
}

}  // namespace

QString EntryIndex::fold(QStringView text) {
    QString folded = text.toString();
    for (QChar& c : folded) {
        if (!c.isSurrogate()) {
            c = QChar(char16_t(foldCase(c.unicode())));
        }
    }
    return folded;
}

std::string EntryIndex::foldedUtf8(QStringView text) {
    return fold(text).toStdString();
}

bool EntryIndex::isPlainText(QStringView text) {
    return !text.isEmpty() && !text.contains(u'*') && !text.contains(u'?') &&
           !text.contains(u'#') && !text.contains(u'[');
}

EntryIndex EntryIndex::read(Database& db) {
    EntryIndex index;
    index.byBoxes_.resize(2 * kLongestWord + 1);
    for (const LengthTable& table : lengthTables()) {
        index.tableStart_[table.length] = index.entries_.size();
        Recordset rs = db.OpenRecordset(statement(Family::WholeTable, table, {}));
        for (; !rs.Eof(); rs.MoveNext()) {
            IndexedEntry entry{table.length, rs.text(u"Begriff"), rs.text(u"Bedeutung"), {}};
            entry.boxes = boxSpelling(entry.begriff);
            index.start_.push_back(index.folded_.size());
            index.folded_ += foldedUtf8(entry.begriff);
            index.folded_ += '\n';
            index.folded_ += foldedUtf8(entry.bedeutung);
            index.folded_ += '\n';
            const auto boxes = std::size_t(entry.boxes.size());
            if (boxes >= index.byBoxes_.size()) {
                index.byBoxes_.resize(boxes + 1);
            }
            index.byBoxes_[boxes].push_back(index.entries_.size());
            index.entries_.push_back(std::move(entry));
        }
    }
    index.tableStart_[kLongestWord + 1] = index.entries_.size();
    index.start_.push_back(index.folded_.size());
    return index;
}

const std::vector<std::size_t>& EntryIndex::withBoxes(int boxes) const {
    static const std::vector<std::size_t> none;
    return boxes >= 0 && std::size_t(boxes) < byBoxes_.size() ? byBoxes_[boxes] : none;
}

bool EntryIndex::holds(std::size_t entry, std::string_view foldedText) const {
    const char* slice = folded_.data() + start_[entry];
    return findBytes(slice, folded_.data() + start_[entry + 1], foldedText) != nullptr;
}

void EntryIndex::findText(const std::vector<QString>& texts, int length,
                          const std::function<bool(std::size_t)>& visit) const {
    if (texts.empty()) {
        return;
    }
    std::vector<std::string> folded;
    for (const QString& text : texts) {
        folded.push_back(foldedUtf8(text));
    }
    std::size_t first = 0;
    std::size_t end = entries_.size();
    if (length != 0) {
        if (!tableForLength(length)) {
            return;
        }
        first = tableStart_[length];
        end = tableStart_[length + 1];
    }
    const std::string& needle = folded.front();
    const char* const base = folded_.data();
    const char* const stop = base + start_[end];
    const char* from = base + start_[first];
    auto entry = start_.begin() + std::ptrdiff_t(first);
    while (from < stop) {
        const char* hit = findBytes(from, stop, needle);
        if (!hit) {
            return;
        }
        // The entry whose slice holds the hit; hits only move forward.
        entry =
            std::upper_bound(entry, start_.begin() + std::ptrdiff_t(end), std::size_t(hit - base)) -
            1;
        const auto number = std::size_t(entry - start_.begin());
        const bool matchesAll =
            std::all_of(folded.begin() + 1, folded.end(),
                        [&](const std::string& text) { return holds(number, text); });
        if (matchesAll && !visit(number)) {
            return;
        }
        from = base + start_[number + 1];
        ++entry;
    }
}

}  // namespace vondrik
