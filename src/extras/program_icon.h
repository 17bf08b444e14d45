// The program's icon, laid into the application folder by the build.
#pragma once

#include <QIcon>

#include "ui/app_folder.h"

namespace vondrik {

inline constexpr const char16_t* kProgramIconFile = u"daten/vondrik.svg";

// The icon, or an empty one when the file is missing or cannot be read.
QIcon programIcon(const AppFolder& folder);

}  // namespace vondrik
