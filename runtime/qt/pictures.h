// Picture assets rendered once per size and device pixel ratio; a repaint only draws a pixmap.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <vector>

#include "runtime/model.h"

namespace smk::qt {

// The asset rendered to fill `logical` (logical pixels, stretched without keeping proportions) at
// device pixel ratio `dpr`. Transparent where a metafile paints nothing.
QPixmap picture(const Asset& asset, QSizeF logical, qreal dpr);
// Renders the pictures not cached yet side by side on all cores, so that a screen shown for the
// first time finds them ready.
void prerender(const std::vector<std::pair<const Asset*, QSizeF>>& pictures, qreal dpr);
// The asset's natural size in logical pixels.
QSizeF naturalSize(const Asset& asset);
// Whether the asset's file exists and parses.
bool pictureValid(const Asset& asset);
// The window icon, rendered at the usual icon sizes.
const QIcon& programIcon();

}  // namespace smk::qt
