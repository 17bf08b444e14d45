// Colour, font and file dialogs for tests: answers come from scripts, every request is
// recorded. A request beyond the script is answered as a cancelled dialog and noted in
// problems, so a test can insist on a script that fits.
#pragma once

#include <QList>
#include <QQueue>
#include <QStringList>

#include "ui/common_dialogs.h"

namespace vondrik {

struct AskedFile {
    QString title;
    QString filter;
    QString folder;
    QString answer;
};

class FakeCommonDialogs final : public CommonDialogs {
  public:
    // std::nullopt in a script stands for a cancelled dialog; for files the empty text does.
    void scriptColours(std::initializer_list<std::optional<int>> answers);
    void scriptFonts(std::initializer_list<std::optional<FontChoice>> answers);
    void scriptFiles(const QStringList& answers);

    std::optional<int> chooseColour(int initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;

    QList<int> colourStarts;       // the initial colour of each colour dialog
    QList<FontChoice> fontStarts;  // the initial font of each font dialog
    QList<AskedFile> filesAsked;
    QStringList problems;

  private:
    QQueue<std::optional<int>> colours_;
    QQueue<std::optional<FontChoice>> fonts_;
    QQueue<QString> files_;
};

}  // namespace vondrik
