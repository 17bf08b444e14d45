// Statement-safe cleaning of user text and the result line of a search.
#pragma once

#include <QString>

namespace vondrik {

// Every variant first drops control characters and line separators (withoutControls): a
// pasted TAB, line end or NUL would otherwise be stored raw and break result lines and logs,
// or cut the statement short in the engine.

// Free text (text search, editor): apostrophes removed, brackets and braces to parentheses.
QString cleanFreeText(const QString& text);

// Patterns and anagram letters: apostrophes become "#", brackets and braces to parentheses.
QString cleanPattern(const QString& text);

// Text that must be stored exactly as it came (the data update's entries): apostrophes
// doubled, so the literal holds them and cannot end early; brackets stay, as an inserted
// value never reaches LIKE.
QString cleanLiteral(const QString& text);

// One line of a result list: the word in capitals, a TAB, the meaning as stored.
QString resultLine(QStringView begriff, QStringView bedeutung);

}  // namespace vondrik
