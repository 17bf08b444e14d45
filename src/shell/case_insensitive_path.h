// Paths compared without regard to letter case, as the program's paths are meant: the
// picture chooser shows paths in lower case, which on a case-sensitive file system must be
// traced back to the real spelling before the file can be opened.
#pragma once

#include <QString>

namespace vondrik {

// The existing file or folder whose path equals `path` when letter case is ignored; `path`
// itself when it exists as written or when nothing matches. Where several spellings match,
// the first in name order wins.
QString existingPathIgnoringCase(const QString& path);

}  // namespace vondrik
