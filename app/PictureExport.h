// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class QPainter;

// Writes a picture of width x height logical units painted by paint to a
// file whose type follows the extension of path (case-insensitive):
//
// - .png: a raster image of round(width * scale) x round(height * scale)
//   pixels on a white background; the painter is scaled, so paint always
//   draws in logical units (scale 1: one pixel per unit, 96 dpi).
// - .svg: a drawing of width x height units at 96 dpi.
// - .pdf: one page exactly the size of the picture, at 96 units per inch.
//
// paint gets a painter with the origin at the top left of the picture and
// a white background already filled. Returns false with a message
// ("Cannot export PATH: reason.", PATH escaped) when the type is unknown, the size or
// scale is unusable or the file cannot be written. The picture is drawn in
// memory and written as every file of the program is (ReplaceFile in
// FileWrite.h: only over a regular file, a failed export leaves an earlier
// file of that name as it was); path is the system's bytes.
bool ExportPicture(const std::string& path, int width, int height, const std::function<void(QPainter&)>& paint,
                   double scale, std::string& error);

// The picture type of path from its extension: "png", "svg", "pdf", or ""
// for any other.
std::string PictureType(const std::string& path);
