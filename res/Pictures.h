// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Resources.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include <cstddef>

class QPainter;

// The pictures of Pictures.def, drawn for the device they are shown on.

// Paints the w x h area at (sx, sy) of picture `id` with its top-left corner
// at logical (x, y), clipped to the picture's extent; an unknown id paints
// nothing. On a raster device it copies a rendering made at the painter's
// device scale (world scale times device pixel ratio) one to one onto the
// device pixels, rendered once and kept (in tiles where the picture is
// large); on any other device (PDF, SVG, printer, QPicture), and under a
// rotation or uneven scaling, it paints the drawing itself, so nothing
// raster is embedded.
void DrawZylPicture(QPainter& p, int id, int x, int y, int w, int h, int sx = 0, int sy = 0);

// The width of a one-unit line for the painter, as the pictures and the
// fuse map draw theirs: on a raster device the whole number of device
// pixels nearest to one unit (at least one), so that every line is equally
// thick at any scale; on any other device one unit.
double ZylLineWidth(const QPainter& p);

// A picture rendered for a device pixel ratio (set on the pixmap).
QPixmap ZylPixmap(ImageId id, qreal devicePixelRatio);
QPixmap ZylPixmap(PictureId id, qreal devicePixelRatio);
// Icons sharp at their size on screens of ratio 1 to 3 and larger sizes.
QIcon ZylIcon(ImageId id);
// Button `index` (16 x 15) of the toolbar strip kImgToolbar.
QIcon ZylToolbarIcon(int index);
// The cursor at the primary screen's pixel ratio, with its hot spot.
QCursor ZylCursor(CursorId id);

// What the renderings kept for DrawZylPicture hold (at most 8 MB, the least
// recently used dropped first), and how many renderings were ever made.
struct ZylPictureCacheUse {
    std::size_t bytes;
    std::size_t renders;
};
ZylPictureCacheUse ZylPictureCache();
