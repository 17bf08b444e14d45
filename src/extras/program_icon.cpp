// Loading the program icon.
#include "extras/program_icon.h"

#include "ui/text_file.h"

namespace vondrik {

QIcon programIcon(const AppFolder& folder) {
    const QString path = folder.appPath(kProgramIconFile);
    return FileExists(path) ? QIcon(path) : QIcon();
}

}  // namespace vondrik
