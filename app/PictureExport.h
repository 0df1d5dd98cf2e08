#pragma once

#include <functional>
#include <string>

class QPainter;

// Writes a picture of width x height logical units painted by paint to a
// .png (scaled by scale), .svg or .pdf file (96 logical units per inch).
// Returns false with a message on failure.
bool ExportPicture(const std::string& path, int width, int height, const std::function<void(QPainter&)>& paint,
                   double scale, std::string& error);
