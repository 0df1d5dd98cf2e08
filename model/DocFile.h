#pragma once

#include <string>

class CZYLDoc;

// The document file: the whole device state as readable UTF-8 text.
// Save writes through a temporary file and a rename, so a failed save
// leaves the previous file as it was. Load changes the document only when
// the whole file was read without a problem; an empty file changes nothing.
// On failure both return false with a message naming the file and the
// first problem.
bool SaveDocument(const CZYLDoc& doc, const std::string& path, std::string& error);
bool LoadDocument(CZYLDoc& doc, const std::string& path, std::string& error);
