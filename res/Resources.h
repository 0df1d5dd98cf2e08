// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The ids and sizes of the pictures listed in Pictures.def, without Qt, so
// that the Qt-free logic of the windows can name the pictures it places.
// Pictures.h draws them.

#define ZYL_PICTURE(id, paint, name, number, width, height) id = number,
#define ZYL_CURSOR(id, paint, name, number, x, y)
#define ZYL_IMAGE(id, paint, name, width, height)
enum PictureId : int {
#include "Pictures.def"
};
#undef ZYL_PICTURE
#undef ZYL_CURSOR
#undef ZYL_IMAGE

#define ZYL_PICTURE(id, paint, name, number, width, height)
#define ZYL_CURSOR(id, paint, name, number, x, y) id = number,
#define ZYL_IMAGE(id, paint, name, width, height)
enum CursorId : int {
#include "Pictures.def"
};
#undef ZYL_PICTURE
#undef ZYL_CURSOR
#undef ZYL_IMAGE

#define ZYL_PICTURE(id, paint, name, number, width, height)
#define ZYL_CURSOR(id, paint, name, number, x, y)
#define ZYL_IMAGE(id, paint, name, width, height) id,
enum ImageId : int {
#include "Pictures.def"
};
#undef ZYL_PICTURE
#undef ZYL_CURSOR
#undef ZYL_IMAGE

// Every picture, in the order of Pictures.def: its name, its kind and id,
// and the size it is drawn at.
enum class ZylPictureKind { Picture, Cursor, Image };
struct ZylPicture {
    const char* name;
    ZylPictureKind kind;
    int id;
    int width;
    int height;
};
extern const ZylPicture kZylPictures[];
extern const std::size_t kZylPictureCount;
