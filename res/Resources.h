// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The pictures compiled into zyl_res, as loaded by the program: resource
// path (":/res/<name>") and the exact size each picture is drawn at.
struct ZylPicture {
    const char* path;
    int width;
    int height;
};

// All pictures of the resource file; the array ends with kZylPictureCount.
extern const ZylPicture kZylPictures[];
extern const std::size_t kZylPictureCount;
