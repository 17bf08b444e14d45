// Text helpers shared by every subsystem: length-keeping upper case and blank trimming.
#pragma once

#include <QString>

namespace vondrik {

// Upper case that keeps a word's length: "ß" stays "ß" (QString::toUpper would make "SS").
QString upperKeepLength(const QString& text);

// The same, on a string of one's own.
void upperInPlace(QString& text);

// Removes leading and trailing spaces only; tabs and line ends stay.
QString trimBlanks(const QString& text);

}  // namespace vondrik
