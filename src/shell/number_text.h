// Numbers in the program's small text files: written in decimal with a blank before a
// non-negative value, read back with blanks ignored and either '.' or ',' as the decimal
// separator, so a file reads the same whatever locale wrote or reads it.
#pragma once

#include <QString>
#include <optional>

namespace vondrik {

// " 12648447", "-300", " 11.25": the shortest text that reads back as exactly this value.
QString formatNumber(double value);

// The number in `text`, or nothing when the text (blanks trimmed) is not a finite number.
std::optional<double> parseNumber(const QString& text);

// The number in `text` when it is a whole number, nothing otherwise.
std::optional<long long> parseWholeNumber(const QString& text);

}  // namespace vondrik
