// Length-to-table list.
#include "dictionary/length_tables.h"

namespace vondrik {

const std::array<LengthTable, kTableCount>& lengthTables() {
    static constexpr std::array<LengthTable, kTableCount> tables{{
        {2, "zwei"},
        {3, "drei"},
        {4, "vier"},
        {5, "fuenf"},
        {6, "sechs"},
        {7, "sieben"},
        {8, "acht"},
        {9, "neun"},
        {10, "zehn"},
        {11, "elf"},
        {12, "zwoelf"},
        {13, "dreizehn"},
        {14, "vierzehn"},
        {15, "fuenfzehn"},
    }};
    return tables;
}

std::optional<LengthTable> tableForLength(int length) {
    if (length < kShortestWord || length > kLongestWord) {
        return std::nullopt;
    }
    return lengthTables()[length - kShortestWord];
}

std::optional<LengthTable> tableByName(const QString& name) {
    for (const LengthTable& table : lengthTables()) {
        if (name.compare(QLatin1String(table.name), Qt::CaseInsensitive) == 0) {
            return table;
        }
    }
    return std::nullopt;
}

}  // namespace vondrik
