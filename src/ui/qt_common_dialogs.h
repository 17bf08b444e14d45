// Colour, font and file-open dialogs on QColorDialog, QFontDialog and QFileDialog.
#pragma once

#include "ui/common_dialogs.h"

namespace vondrik {

// "Wav-Dateien|*.wav" becomes "Wav-Dateien (*.wav)"; several pairs are joined with ";;".
// A last description without a pattern is dropped.
QString qtFileFilter(const QString& pairs);

class QtCommonDialogs final : public CommonDialogs {
  public:
    std::optional<int> chooseColour(int initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
};

}  // namespace vondrik
