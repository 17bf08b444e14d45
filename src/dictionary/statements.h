// The statement families sent to the dictionary: one template per family, one builder.
#pragma once

#include <QString>
#include <initializer_list>

#include "dictionary/length_tables.h"

namespace vondrik {

enum class Family {
    WarmUp,              // always on zwei, no inserts
    Pattern,             // P
    PatternWithMeaning,  // P, M
    OneText,             // X
    TwoTexts,            // X, Y
    Everything,          // no inserts
    WholeTableBlank,     // "Select * from t " with its trailing blank
    WholeTable,          // "Select * from t"
    EditorWord,          // X
    EditorMeaning,       // X
    OneRecord,           // N
    Change,              // W, M, N
    Delete,              // N
    Insert,              // W, M
};

// Builds the family's member for a table. Inserted texts go in exactly as given: callers
// clean user text first (cleaning.h). Throws std::invalid_argument on a wrong insert count.
QString statement(Family family, const LengthTable& table, std::initializer_list<QString> inserts);

// Convenience for record numbers, written in decimal.
QString statement(Family family, const LengthTable& table, qint64 recordNumber);

// Number of inserted texts a family expects.
int insertCount(Family family);

}  // namespace vondrik
