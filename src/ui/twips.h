// Twips (1/1440 inch), the unit of the window and print layouts, and screen pixels. The dpi
// (dots per inch, positive) is a parameter so other screen densities can be handled.
#pragma once

#include <QRect>

namespace vondrik {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kScreenDpi = 96;  // 15 twips per pixel

namespace detail {
// Division rounding to the nearest whole number, halves away from zero.
constexpr int roundedQuotient(long long numerator, long long denominator) {
    const long long half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                           : -((-numerator + half) / denominator));
}
}  // namespace detail

// Rounded to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips, int dpi = kScreenDpi) {
    return detail::roundedQuotient(static_cast<long long>(twips) * dpi, kTwipsPerInch);
}

// Rounded to the nearest twip, halves away from zero.
constexpr int pixelsToTwips(int pixels, int dpi = kScreenDpi) {
    return detail::roundedQuotient(static_cast<long long>(pixels) * kTwipsPerInch, dpi);
}

// A place given in twips, in pixels.
inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
inline QRect twipRect(QRect twips) {
    return twipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace vondrik
