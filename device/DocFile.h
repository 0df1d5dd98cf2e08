// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

class CZYLDoc;
struct Device;

// The document file: the whole device state as readable UTF-8 text, one
// item a line, versioned on its first line ("ZYL 1"); docs/FILEFORMAT.md
// describes it.
//
// What is stored is the device (Device.h) as a user sets it: device type,
// both truth tables, the fuses of both arrays, the row and output toggles,
// the names and the display flags. The rows' product texts are built from
// the names read, and a file that the program's operations could not have
// written is refused (DocInvariants.h).

// Save writes the text through ReplaceFile (FileWrite.h): a failed save
// leaves the previous file as it was and nothing beside it, a symbolic link
// is followed to its target, only a regular file is replaced, a file
// without any write permission in its mode is refused ("the file is
// read-only"), also for root, and the file keeps its permissions, owner and
// group. StoreDocument below also records the path and clears the
// modified flag. On failure: false, error "Cannot save PATH: reason." (PATH
// with control characters and bad bytes escaped, Utf8::Escaped).
bool SaveDocument(const Device& device, const std::string& path, std::string& error);

// SaveDocument of the document's device, then on success
// doc.SetPathName(path) and doc.SetModifiedFlag(false).
bool StoreDocument(CZYLDoc& doc, const std::string& path, std::string& error);

// Load opens only a regular file (a folder, FIFO, device or socket is
// refused by its kind, at once), reads and checks the whole file before it
// changes anything, and admits only states the program's operations reach
// (DocInvariants.h). On success the device is replaced through the
// document's edit entry (its windows are told once, when anything differs),
// the path is recorded and the modified flag is cleared. An empty file (as
// older versions wrote) changes nothing of the device and also succeeds. On failure: false, the document exactly
// as it was, error "Cannot open PATH: line N: problem." (PATH escaped).
bool LoadDocument(CZYLDoc& doc, const std::string& path, std::string& error);

// The text SaveDocument writes. Deterministic: the same device gives the
// same bytes, and the text of every sound device reads back to the same
// device.
std::string SaveDocumentToString(const Device& device);

// The device a text describes, read and checked as LoadDocument does; name
// is the file name used in the messages. On failure device is untouched.
bool ReadDocument(std::string_view text, const std::string& name, Device& device, std::string& error);

// LoadDocument on text already in memory: the device replaced as a load
// replaces it, the path and the modified flag untouched.
bool LoadDocumentFromString(CZYLDoc& doc, std::string_view text, const std::string& name, std::string& error);
