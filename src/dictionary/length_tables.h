// The fourteen length tables: word length 2..15 to table name and back.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vondrik {

inline constexpr int kShortestWord = 2;
inline constexpr int kLongestWord = 15;
inline constexpr int kTableCount = kLongestWord - kShortestWord + 1;
inline constexpr int kMeaningSize = 100;

struct LengthTable {
    int length;        // word length, also the size of the Begriff field
    const char* name;  // table name in the database
};

// In the order 2..15, which is also the order in which tables are created and searched.
const std::array<LengthTable, kTableCount>& lengthTables();

// The table for a word length, or nothing for lengths outside 2..15.
std::optional<LengthTable> tableForLength(int length);

// The table with this name (names compared without case), or nothing.
std::optional<LengthTable> tableByName(const QString& name);

}  // namespace vondrik
