// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

class CZYLDoc;

// The document file: the whole device state as readable UTF-8 text, one
// item a line, versioned on its first line ("ZYL 1"); docs/FILEFORMAT.md
// describes it.
//
// What is stored are the fields a user sets: device type, both truth
// tables, the fuses of both arrays, the row and output toggles, the names
// and the display flags. Everything derived from them (the minterm and
// don't-care lists, the row terms and their covered minterms, the minterm
// labels) is rebuilt with the document operations when a file is read, so
// a file never produces a state the operations would not produce. The
// minimizer's scratch area, the message text and the fixed geometry are not
// stored.

// Save writes the text through ReplaceFile (FileWrite.h): a failed save
// leaves the previous file as it was and nothing beside it, a symbolic link
// is followed to its target, only a regular file is replaced, a file
// without any write permission in its mode is refused ("the file is
// read-only"), also for root, and the file keeps its permissions, owner and
// group. It does not touch the document; StoreDocument below also records
// the path and clears the modified flag. On failure: false, error
// "Cannot save PATH: reason." (PATH with control characters and bad bytes
// escaped, Utf8::Escaped).
bool SaveDocument(const CZYLDoc& doc, const std::string& path, std::string& error);

// SaveDocument, then on success doc.SetPathName(path) and
// doc.SetModifiedFlag(false).
bool StoreDocument(CZYLDoc& doc, const std::string& path, std::string& error);

// Load opens only a regular file (a folder, FIFO, device or socket is
// refused by its kind, at once), reads and checks the whole file before it
// changes anything, and admits only states the program's operations reach
// (DocInvariants.h). On success the device state is replaced, the derived
// fields are rebuilt, the path is recorded, the modified flag is cleared and
// every view is told (UpdateAllViews). An empty file (as older versions wrote) changes nothing
// of the device and also succeeds. On failure: false, the document exactly
// as it was, error "Cannot open PATH: line N: problem." (PATH escaped).
bool LoadDocument(CZYLDoc& doc, const std::string& path, std::string& error);

// The text SaveDocument writes. Deterministic: the same state gives the same
// bytes. Out-of-range values in the document are written in their nearest
// sound form (any non-zero flag as 1, a PROM table entry other than X as the
// state of its OR fuse), so the text of every state the program's
// operations reach reads back to the same state.
std::string SaveDocumentToString(const CZYLDoc& doc);

// LoadDocument on text already in memory; name is the file name used in the
// messages. Does not touch the path or the modified flag and does not call
// UpdateAllViews.
bool LoadDocumentFromString(CZYLDoc& doc, std::string_view text, const std::string& name, std::string& error);

// The derived fields rebuilt from the stored ones, as a load does: the PROM
// lists from the PROM table and the OR fuses, every row's term and covered
// minterms from its fuses and the variable names, the PAL lists from the PAL
// table, the minterm labels. The device type is left as it was.
void RebuildDerivedFields(CZYLDoc& doc);
