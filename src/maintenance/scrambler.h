// The reversible scrambling of the backup files: every code-page-1252 byte of a text XORed
// with a cyclic key and written as two capital hex digits.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace vondrik {

// The key of every backup; built in, never asked for and never stored.
inline constexpr QStringView kScrambleKey = u"vomek";

// The scrambled form of a text. Characters code page 1252 lacks are scrambled as '?', as
// everywhere the program writes that code page. The key restarts with every call.
QString Scramble(QStringView plain, QStringView key);

// The plain text of a scrambled one; hex digits may be in either case and an odd last
// character is ignored. Nothing when a pair is not two hex digits.
std::optional<QString> Unscramble(QStringView scrambled, QStringView key);

// The same two directions on the bytes of a file, which is how the backup writes and the
// restore reads them without converting every line to a QString and back.
void appendScrambled(QByteArray& out, QStringView plain, QStringView key);
std::optional<QString> unscrambleBytes(QByteArrayView scrambled, QStringView key);

}  // namespace vondrik
