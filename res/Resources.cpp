// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resources.h"

// Keep in step with zyl.qrc and the sizes drawn by tools/drawpictures.cpp.
const ZylPicture kZylPictures[] = {
    // Fuse-map view
    {":/res/bmp130.png", 33, 60},   // input buffer
    {":/res/bmp131.png", 44, 21},   // AND gate
    {":/res/bmp132.png", 19, 47},   // OR gate
    {":/res/bmp133.png", 172, 138}, // AND array labels (second at y = 73)
    {":/res/bmp134.png", 104, 137}, // OR array labels (second at y = 69)
    {":/res/bmp135.png", 15, 15},   // intact fuse
    {":/res/bmp137.png", 15, 15},   // hard-wired connection
    {":/res/bmp138.png", 15, 15},   // blown fuse
    {":/res/bmp140.png", 11, 15},   // sigma
    {":/res/bmp143.png", 215, 450}, // Programmable AND Array
    {":/res/bmp144.png", 215, 450}, // Fixed AND Array
    {":/res/bmp145.png", 100, 450}, // Fixed OR Array
    {":/res/bmp146.png", 100, 450}, // Programmable OR Array
    {":/res/bmp147.png", 70, 16},   // <- Inputs
    {":/res/bmp148.png", 79, 15},   // Outputs ->
    // Circuit symbols dialog
    {":/res/bmp153.png", 744, 367}, // PROM picture
    {":/res/bmp154.png", 744, 341}, // PAL picture
    {":/res/bmp155.png", 180, 110},
    {":/res/bmp156.png", 178, 105},
    {":/res/bmp157.png", 56, 44},
    {":/res/bmp158.png", 56, 44},
    {":/res/bmp159.png", 7, 21},    // blown vertical link
    {":/res/bmp162.png", 67, 46},
    {":/res/bmp163.png", 58, 52},
    {":/res/bmp164.png", 120, 32},
    {":/res/bmp165.png", 110, 64},
    {":/res/bmp166.png", 21, 7},    // blown horizontal link
    {":/res/bmp167.png", 67, 48},
    {":/res/bmp168.png", 58, 52},
    // Cursors, icons, toolbar
    {":/res/cur104.png", 32, 32},
    {":/res/cur139.png", 32, 32},
    {":/res/cur152.png", 32, 32},
    {":/res/ico128.png", 32, 32},
    {":/res/ico128_256.png", 256, 256},
    {":/res/ico137.png", 32, 32},
    {":/res/ico159.png", 32, 32},
    {":/res/toolbar128.png", 272, 15},
};

const std::size_t kZylPictureCount = sizeof(kZylPictures) / sizeof(kZylPictures[0]);
