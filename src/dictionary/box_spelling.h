// Crossword spelling: one letter per box, Ä Ö Ü written AE OE UE and ß written SS, as German
// crosswords print them.
#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

namespace vondrik {

// The boxes of a word: capitals, Ä → AE, Ö → OE, Ü → UE, ß and ẞ → SS; apostrophes, hyphens,
// blanks and full stops take no box ("Straße" → "STRASSE", "O'Neill" → "ONEILL").
QString boxSpelling(QStringView word);

// A placeholder of a typed pattern, standing for any one letter: "#", "*", blank, "-", "."
// or "+".
bool isPatternPlaceholder(QChar c);

// The boxes of a typed pattern: every placeholder and mark stays one box, letters are spelt as
// in boxSpelling ("stra#e" → "STRA#E", "Ä#" → "AE#").
QString patternBoxes(QStringView pattern);

// Registers boxSpelling as the SQL function kaestchen(text), so that a statement can say what
// a search in crossword spelling looks for. Returns an SQLite result code.
int registerBoxSpelling(sqlite3* db);

}  // namespace vondrik
