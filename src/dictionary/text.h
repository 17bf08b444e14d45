// Text helpers shared by every subsystem: length-keeping upper and lower case, blank trimming
// and user text made fit for one line of a file.
#pragma once

#include <QString>

namespace vondrik {

// Upper case that keeps a word's length: "ß" stays "ß" (QString::toUpper would make "SS").
QString upperKeepLength(const QString& text);

// The same, on a string of one's own.
void upperInPlace(QString& text);

// Lower case that keeps a text's length: "İ" becomes "i", where QString::toLower would make
// two characters of it.
QString lowerKeepLength(const QString& text);

// Removes leading and trailing spaces only; tabs and line ends stay.
QString trimBlanks(const QString& text);

// User text that goes into a line of a file (a top-ten name, a reminder's occasion): a CR or
// LF becomes a blank, every other control character (below 0x20, and 0x7F) is dropped, as
// the statement cleaning drops them.
QString singleLineText(const QString& text);

}  // namespace vondrik
