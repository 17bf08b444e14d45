// The respelling tables: Greek letters occur in meanings of the thesaurus (β-Strahlung, π),
// the rest are Latin letters with accents that a decomposition takes apart.
#include "dictionary/storable_text.h"

#include "ui/cp1252.h"

namespace vondrik {
namespace {

bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// The German names of the Greek letters, in alphabet order from alpha (U+03B1 / U+0391).
constexpr const char* kGreekNames[] = {"alpha",
                                       "beta",
                                       "gamma",
                                       "delta",
                                       "epsilon",
                                       "zeta",
                                       "eta",
                                       "theta",
                                       "iota",
                                       "kappa",
                                       "lambda",
                                       "my",
                                       "ny",
                                       "xi",
                                       "omikron",
                                       "pi",
                                       "rho",
                                       "sigma",
                                       "sigma" /* final */,
                                       "tau",
                                       "ypsilon",
                                       "phi",
                                       "chi",
                                       "psi",
                                       "omega"};

std::optional<QString> greekName(char16_t c) {
    constexpr char16_t kSmallAlpha = 0x03B1, kSmallOmega = 0x03C9;
    constexpr char16_t kCapitalAlpha = 0x0391, kCapitalOmega = 0x03A9;
    if (c == 0x03BC) {
        return QString(QChar(0x00B5));  // the micro sign is the code page's mu
    }
    if (c >= kSmallAlpha && c <= kSmallOmega) {
        return QString::fromLatin1(kGreekNames[c - kSmallAlpha]);
    }
    // U+03A2 is unassigned; the capitals keep the small letters' positions.
    if (c >= kCapitalAlpha && c <= kCapitalOmega && c != 0x03A2) {
        QString name = QString::fromLatin1(kGreekNames[c - kCapitalAlpha]);
        name[0] = name[0].toUpper();
        return name;
    }
    return std::nullopt;
}

// The base letters of a decomposed character, when they all fit the code page.
std::optional<QString> withoutAccents(QChar c) {
    const QString parts = QString(c).normalized(QString::NormalizationForm_KD);
    QString base;
    for (QChar part : parts) {
        if (part.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        if (!inCodePage1252(part) || isControl(part.unicode())) {
            return std::nullopt;
        }
        base += part;
    }
    if (base.isEmpty() || base == QString(c)) {
        return std::nullopt;
    }
    return base;
}

}  // namespace

QString withoutControls(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!isControl(c.unicode())) {
            result += c;
        }
    }
    return result;
}

std::optional<QString> firstForeignCharacter(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!inCodePage1252(text[i])) {
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
            return text.mid(i, pair ? 2 : 1).toString();
        }
    }
    return std::nullopt;
}

std::optional<QString> codePageSpelling(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (inCodePage1252(c)) {
            result += c;
        } else if (const auto name = greekName(c.unicode())) {
            result += *name;
        } else if (const auto base = withoutAccents(c)) {
            result += *base;
        } else {
            return std::nullopt;
        }
    }
    return result;
}

}  // namespace vondrik
