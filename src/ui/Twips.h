#pragma once
// Places in the design are in twips, 15 to a pixel on the 800 x 600 window.
#include <QRect>

namespace twips {
inline constexpr int PerPixel = 15;
constexpr int px(int t) {
    return t / PerPixel;
}
constexpr QRect rect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}
constexpr int fromPx(int p) {
    return p * PerPixel;
}
} // namespace twips
