#include "PictureExport.h"

// Placeholder until picture export lands.
bool ExportPicture(const std::string& path, int, int, const std::function<void(QPainter&)>&, double,
                   std::string& error)
{
    error = "Cannot export " + path + ": not available.";
    return false;
}
