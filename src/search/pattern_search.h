// The pattern search's text rules: placeholders, same-letter marks and the row filter.
#pragma once

#include <QString>

namespace vondrik {

// True when the pattern holds one of the same-letter marks "1" to "5".
bool hasSameLetterMarks(const QString& pattern);

// The marks 1..5 turned into "#", as handed to a search routine.
QString marksToPlaceholders(const QString& pattern);

// Every placeholder ("#", "*", blank, "-", ".", "+") becomes the one-character wildcard "?".
QString toLikePattern(const QString& pattern);

// Row filter for same-letter marks: all positions of one mark hold one letter, and that
// letter stands nowhere else in the word. word is compared in capitals.
bool passesSameLetterMarks(const QString& pattern, QStringView word);

// First tab stop of the result list for words of a length, in dialog units.
inline int tabStopForLength(int length) {
    return 20 + 5 * length;
}
inline constexpr int kAllLengthsTabStop = 80;

}  // namespace vondrik
