// The platform's colour, font and file dialogs, with German captions, over the active window.
#include "ui/qt_common_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

namespace vondrik {

QString qtFileFilter(const QString& pairs) {
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');  // "*.jpg;*.bmp" lists patterns the Windows way
        filters.append(QStringLiteral("%1 (%2)").arg(parts.at(i), patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<int> QtCommonDialogs::chooseColour(int initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen =
        QColorDialog::getColor(start, QApplication::activeWindow(), QStringLiteral("Farbe"));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen.red() + 256 * chosen.green() + 65536 * chosen.blue();
}

std::optional<FontChoice> QtCommonDialogs::chooseFont(const FontChoice& initial) {
    QFont start(initial.name);
    if (initial.size > 0) {
        start.setPointSizeF(initial.size);
    }
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, QApplication::activeWindow(),
                                              QStringLiteral("Schriftart"));
    if (!ok) {
        return std::nullopt;
    }
    return FontChoice{chosen.family(), chosen.pointSizeF()};
}

QString QtCommonDialogs::openFile(const QString& title, const QString& filter,
                                  const QString& folder) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder,
                                        qtFileFilter(filter));
}

}  // namespace vondrik
