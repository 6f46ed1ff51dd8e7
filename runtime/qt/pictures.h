// Picture assets rendered once per size and device pixel ratio; a repaint only draws a pixmap.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <vector>

#include "runtime/model.h"

namespace smk::qt {

// The size in logical pixels an Image control draws `asset` at: its own size when it stretches its
// picture, the picture's natural size otherwise.
QSizeF drawnSize(const Control& image, const Asset& asset);
// The pixels a picture filling `logical` at device pixel ratio `dpr` is rendered at.
QSize pixelSize(QSizeF logical, qreal dpr);
// The asset rendered from its SVG at exactly `pixels` (on any thread).
QImage renderPicture(const Asset& asset, QSize pixels);
// Where the build keeps the asset rendered ahead of time at `pixels` (raw premultiplied ARGB32, row
// after row), for the sizes the screens draw at ratios 1 and 2.
QString prerenderedPath(const Asset& asset, QSize pixels);

// The asset rendered to fill `logical` (logical pixels, stretched without keeping proportions) at
// device pixel ratio `dpr`. Transparent where a metafile paints nothing.
QImage picture(const Asset& asset, QSizeF logical, qreal dpr);
// Unpacks (or, at other ratios, renders) the pictures not cached yet side by side on all cores, so
// that a screen shown for the first time finds them ready.
void prerender(const std::vector<std::pair<const Asset*, QSizeF>>& pictures, qreal dpr);
// The asset's natural size in logical pixels.
QSizeF naturalSize(const Asset& asset);
// The sizes of the window icon, in pixels, and the icon itself.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};
const QIcon& programIcon();

}  // namespace smk::qt
