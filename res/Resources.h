// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The ids and sizes of the pictures listed in Pictures.def, without Qt, so
// that the Qt-free view and dialog logic can name the pictures they place.
// Pictures.h draws them.

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

// Every picture, in the order of Pictures.def: its name (the file stem it
// goes by in exports), its kind and id, and the size it is drawn at.
enum class ZylPictureKind { Bitmap, Cursor, Image };
struct ZylPicture {
    const char* name;
    ZylPictureKind kind;
    int id;
    int width;
    int height;
};
extern const ZylPicture kZylPictures[];
extern const std::size_t kZylPictureCount;
