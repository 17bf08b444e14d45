// What the dictionary may hold. Backups, update files and logs are code page 1252 text with
// CR LF line ends, so a word or meaning holds no control character or line separator and no
// character outside that code page: every backup then gives back exactly what it saved.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vondrik {

// Drops control characters (C0, DEL and C1) and the Unicode line and paragraph separators.
QString withoutControls(QStringView text);

// The first character the code page lacks, or nothing when the text fits it.
std::optional<QString> firstForeignCharacter(QStringView text);

// The text spelt in code page 1252: Greek letters by their German names ("β" → "beta", "Δ" →
// "Delta"), the Greek mu as the micro sign, letters with other accents without them ("ş" →
// "s"). Nothing when a character has no such spelling.
std::optional<QString> codePageSpelling(QStringView text);

}  // namespace vondrik
