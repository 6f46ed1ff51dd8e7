// The one place where twips and points become pixels. A twip is 1/1440 inch; at 96 dots per inch
// 15 twips make one logical pixel, and a point is 4/3 of a logical pixel. The layout therefore does
// not depend on the display's dpi; the device pixel ratio takes care of dense screens.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <cmath>
#include <cstdint>

#include "runtime/model.h"

namespace smk::qt {

inline constexpr double kTwipsPerPixel = 15.0;

inline double px(std::int32_t twips) { return twips / kTwipsPerPixel; }
inline int pxRound(std::int32_t twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline QRectF controlRectF(const Control& c) { return {px(c.Left), px(c.Top), px(c.Width), px(c.Height)}; }
// A control's rectangle in whole pixels of a window drawn at `scale` (1 unless the display is too
// small for the window, see ScreenWindow).
inline QRect controlRect(const Control& c, double scale = 1.0) {
    auto at = [scale](std::int32_t twips) { return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel)); };
    int l = at(c.Left), t = at(c.Top);
    return {l, t, at(c.Left + c.Width) - l, at(c.Top + c.Height) - t};
}
inline QPointF point(std::int32_t x, std::int32_t y) { return {px(x), px(y)}; }
// A point on the window (logical pixels) as twips.
inline std::int32_t twips(double pixels) { return static_cast<std::int32_t>(std::floor(pixels * kTwipsPerPixel)); }
// Font sizes: 1 pt = 4/3 px (14.25 pt → 19 px).
inline int fontPixels(const FontDef& f) { return static_cast<int>(std::lround(f.points() * 4.0 / 3.0)); }

}  // namespace smk::qt
