#pragma once
// The colours of the scoreboard. Category labels share Gray with the end of a turn, which
// returns them to it.
#include <QRgb>

namespace colours {
inline constexpr QRgb White = qRgb(255, 255, 255);    // a best score; a category that fits
inline constexpr QRgb Gold = qRgb(255, 230, 0);       // any other score; the bonus once settled
inline constexpr QRgb LightRed = qRgb(255, 128, 128); // the running upper balance
inline constexpr QRgb Gray = qRgb(128, 128, 128);     // a category the dice do not fit
inline constexpr QRgb Silver = qRgb(192, 192, 192);   // rolls per open category
} // namespace colours
