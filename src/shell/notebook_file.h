// The notebook file "\nt.dat": one number, the shift in twips by which the main window's
// list gets shorter and its control panel moves up. It exists only while a shift is saved.
#pragma once

#include <optional>

#include "ui/app_folder.h"

namespace vondrik {

inline constexpr char16_t kNotebookFile[] = u"\\nt.dat";
inline constexpr int kLargestNotebookShift = 5000;

// The saved shift, rounded to whole twips and kept within -5000 ... 5000; nothing when the
// file is missing, unreadable or holds no number.
std::optional<int> readNotebookShift(const AppFolder& folder);

// Replaces the file with the one number. False when it could not be written.
bool writeNotebookShift(const AppFolder& folder, int twips);

// Deletes the file if it exists. False only when an existing file could not be deleted.
bool removeNotebookShift(const AppFolder& folder);

}  // namespace vondrik
