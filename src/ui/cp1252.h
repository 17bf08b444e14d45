// Code page 1252, the 8-bit Windows code page of all the program's text files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vondrik {

// Every byte has a character: the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the C1 control characters of the same number, as Windows itself reads
// them, so any file read and written back keeps its bytes.
QString decodeCp1252(QByteArrayView bytes);

// A character the code page lacks becomes one '?' (a character outside the 16-bit range
// counts as one), so it stays visible in the file instead of turning into a control code.
QByteArray encodeCp1252(QStringView text);

// Whether the code page has the character, so that it survives a file of the program.
bool inCodePage1252(QChar c);

}  // namespace vondrik
