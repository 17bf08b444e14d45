// What the main window's searches remember between a dialog and the search it starts: the
// search texts, the chosen length and the flags of the text search.
#pragma once

#include <QString>
#include <array>

namespace vondrik {

struct SearchState {
    QString ei;                          // pattern or first search text
    QString eii;                         // second search text
    QString kombitext;                   // meaning condition of the combined search
    int dagr = 0;                        // word length chosen with a length button
    int nur1 = 1;                        // 1: only one search text
    int alle = 0;                        // 1: the next text search runs over all lengths
    bool markenflag = false;             // the pattern holds same-letter marks
    std::array<int, 2> tabstopps{0, 0};  // the result list's tab stop, dialog units
};

}  // namespace vondrik
