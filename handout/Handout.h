// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class CZYLDoc;
class CZYLView;
class QPagedPaintDevice;

// The lab handout of the document's device, page by page, each page with a
// header (the document's name, its file, today's date, "page n of m"):
//   1. the fuse map, as the view draws it;
//   2. the truth tables of the four outputs and the four Karnaugh maps;
//   3. the equations: each output's minterms and don't cares and the sum of
//      products it holds, with its cost;
//   4. for each output, from a page of its own, its minimization steps as
//      the steps window's text (as many pages as they take).
// A PLA is drawn, not simulated: its handout is the fuse map and a page
// that says so. Everything is drawn as vector paths and text.
struct CHandoutSource
{
    CZYLDoc& doc;
    CZYLView& view; // paints the fuse map
    // The file the handout names: the document's path ("" when never saved).
    std::string path;
};

// Paints the handout on the device's pages; false when the painter cannot
// start on it.
bool PaintHandout(QPagedPaintDevice& device, const CHandoutSource& source);

// The handout as a PDF file (A4 portrait), written as every file of the
// program is (ReplaceFile: only over a regular file; a failed export leaves
// an earlier file as it was). False with "Cannot export PATH: reason."
bool ExportHandout(const std::string& path, const CHandoutSource& source, std::string& error);

// File > Export Handout...: asks for the PDF file (the document's name with
// ".pdf" suggested) and writes it; a failure is told in the standard box.
void ExportHandoutFromMenu(CZYLDoc& doc, CZYLView& view);
// File > Print Handout...: the print dialog (the platform's print
// question), then the handout on the printer chosen.
void PrintHandoutFromMenu(CZYLDoc& doc, CZYLView& view);
