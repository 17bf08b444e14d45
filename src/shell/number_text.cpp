// Locale-independent number text.
#include "shell/number_text.h"

#include <QLocale>
#include <cmath>

#include "dictionary/text.h"

namespace vondrik {

QString formatNumber(double value) {
    const QString digits = QString::number(value, 'g', QLocale::FloatingPointShortest);
    return value >= 0 ? u' ' + digits : digits;
}

std::optional<double> parseNumber(const QString& text) {
    QString number = trimBlanks(text);
    if (number.count(u',') + number.count(u'.') > 1) {
        return std::nullopt;  // group separators are never written, so this is no number
    }
    number.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> parseWholeNumber(const QString& text) {
    const auto value = parseNumber(text);
    if (!value || *value != std::trunc(*value) || std::fabs(*value) > 9e15) {
        return std::nullopt;
    }
    return static_cast<long long>(*value);
}

}  // namespace vondrik
