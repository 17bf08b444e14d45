// Reading, writing and deleting the notebook file.
#include "shell/notebook_file.h"

#include <QFile>
#include <algorithm>
#include <cmath>

#include "shell/number_text.h"
#include "ui/text_file.h"

namespace vondrik {

std::optional<int> readNotebookShift(const AppFolder& folder) {
    const auto lines = readLines(folder.appPath(kNotebookFile));
    if (!lines || lines->isEmpty()) {
        return std::nullopt;
    }
    const auto value = parseNumber(lines->first());
    if (!value) {
        return std::nullopt;
    }
    // A value beyond the slider's range would push the panel out of the window.
    const double limited =
        std::clamp(*value, double(-kLargestNotebookShift), double(kLargestNotebookShift));
    return static_cast<int>(std::lround(limited));
}

bool writeNotebookShift(const AppFolder& folder, int twips) {
    return writeLines(folder.appPath(kNotebookFile), {formatNumber(twips)});
}

bool removeNotebookShift(const AppFolder& folder) {
    const QString path = folder.appPath(kNotebookFile);
    return !QFile::exists(path) || QFile::remove(path);
}

}  // namespace vondrik
