// Reading one backup file into a new length table, with every line checked as it is read.
#pragma once

#include <QString>

#include "dictionary/database.h"

namespace vondrik {

// Appends the records of the backup file of words of the given length to table. Returns the
// first fault in German, naming the file and the line (missing file, a line that is not pairs
// of hex digits or lacks its line end, no TAB after unscrambling, a word of another length, a
// record the engine refuses); the empty text when every line is in.
QString fillTableFromBackup(TableAppender& table, const QString& path, int length);

}  // namespace vondrik
