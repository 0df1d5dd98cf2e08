#include "DocFile.h"

#include <fstream>

// Placeholder until the file format lands: empty files, as before.
bool SaveDocument(const CZYLDoc&, const std::string& path, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = "Cannot write " + path + ".";
        return false;
    }
    return true;
}

bool LoadDocument(CZYLDoc&, const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Cannot open " + path + ".";
        return false;
    }
    return true;
}
