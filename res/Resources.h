// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The ids and sizes of the pictures listed in Pictures.def, without Qt, so
// that the Qt-free view and dialog logic can name the pictures they place.
// Pictures.h loads them.

// A bitmap's or a cursor's id is the number in its file name.
#define ZYL_BITMAP(id, number, width, height) id = number,
#define ZYL_CURSOR(id, number, x, y)
#define ZYL_IMAGE(id, stem, width, height)
enum BitmapId : int {
#include "Pictures.def"
};
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE

#define ZYL_BITMAP(id, number, width, height)
#define ZYL_CURSOR(id, number, x, y) id = number,
#define ZYL_IMAGE(id, stem, width, height)
enum CursorId : int {
#include "Pictures.def"
};
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE

#define ZYL_BITMAP(id, number, width, height)
#define ZYL_CURSOR(id, number, x, y)
#define ZYL_IMAGE(id, stem, width, height) id,
enum ImageId : int {
#include "Pictures.def"
};
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE

// Every picture: resource path (":/res/<file>") and the exact size it is
// drawn at, in the order of Pictures.def.
struct ZylPicture {
    const char* path;
    int width;
    int height;
};
extern const ZylPicture kZylPictures[];
extern const std::size_t kZylPictureCount;
