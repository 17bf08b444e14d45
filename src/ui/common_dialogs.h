// The common dialogs for colours, fonts and opening files, as the preference panels ask for
// them. Colours travel in the program's own form (red + 256 * green + 65536 * blue) so that
// logic can use this interface without the GUI libraries.
#pragma once

#include <QString>
#include <optional>

namespace vondrik {

struct FontChoice {
    QString name;
    double size = 0;  // points, may have decimals

    bool operator==(const FontChoice&) const = default;
};

class CommonDialogs {
  public:
    virtual ~CommonDialogs() = default;

    // The colour the user confirmed; nothing when the dialog was cancelled.
    virtual std::optional<int> chooseColour(int initial) = 0;

    // The font the user confirmed; nothing when the dialog was cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;

    // The file the user picked, the empty text when the dialog was cancelled. The filter is
    // written as pairs "description|pattern", several pairs again separated by "|".
    virtual QString openFile(const QString& title, const QString& filter,
                             const QString& folder) = 0;
};

}  // namespace vondrik
