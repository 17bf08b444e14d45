// Scripted common dialogs.
#include "ui/fake_common_dialogs.h"

namespace vondrik {

void FakeCommonDialogs::scriptColours(std::initializer_list<std::optional<int>> answers) {
    for (const auto& answer : answers) {
        colours_.enqueue(answer);
    }
}

void FakeCommonDialogs::scriptFonts(std::initializer_list<std::optional<FontChoice>> answers) {
    for (const auto& answer : answers) {
        fonts_.enqueue(answer);
    }
}

void FakeCommonDialogs::scriptFiles(const QStringList& answers) {
    for (const QString& answer : answers) {
        files_.enqueue(answer);
    }
}

std::optional<int> FakeCommonDialogs::chooseColour(int initial) {
    colourStarts.append(initial);
    if (colours_.isEmpty()) {
        problems.append(QStringLiteral("unscripted colour dialog"));
        return std::nullopt;
    }
    return colours_.dequeue();
}

std::optional<FontChoice> FakeCommonDialogs::chooseFont(const FontChoice& initial) {
    fontStarts.append(initial);
    if (fonts_.isEmpty()) {
        problems.append(QStringLiteral("unscripted font dialog"));
        return std::nullopt;
    }
    return fonts_.dequeue();
}

QString FakeCommonDialogs::openFile(const QString& title, const QString& filter,
                                    const QString& folder) {
    QString answer;
    if (files_.isEmpty()) {
        problems.append(QStringLiteral("unscripted file dialog: ") + title);
    } else {
        answer = files_.dequeue();
    }
    filesAsked.append({title, filter, folder, answer});
    return answer;
}

}  // namespace vondrik
