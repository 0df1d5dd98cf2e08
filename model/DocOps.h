// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CImplicant;
class CZYLDoc;

// The document's own computations, which keep the derived fields consistent
// after a fuse, a truth-table entry, a list or a name has changed. Each runs
// or does nothing in a mode where it does not apply; none reports anything.
// f is a function 0..3, r a row 0..15; out-of-range indices do nothing.
// Lists and rows are read as a sound document holds them (DocInvariants.h):
// ascending minterms 0..15, at most 16 to a list or a row.

// PAL: row r's text, masks and covered minterms from its fuses.
void UpdateRowTerm(CZYLDoc& doc, int r);
// PAL: row r's covered minterms from its masks.
void ExpandRowMinterms(CZYLDoc& doc, int r);
// The distinct minterms of rows 4f..4f+3 become the PAL ON-set of f.
void CollectPalMinterms(CZYLDoc& doc, int f);
// PROM: the table of f from its OR fuses and don't cares.
// PAL: the table of f from its ON-set, keeping uncovered 'X' entries.
void UpdateTruthTable(CZYLDoc& doc, int f);
// PROM: the lists of f from its table and OR fuses.
// PAL: the lists of all four functions from their tables.
void UpdateLists(CZYLDoc& doc, int f);
// The term pool of f: the slots of m_aTerms the minimizer fills with f's
// covers (solution s from slot 50 s on). f must be 0..3.
CImplicant* TermPool(CZYLDoc& doc, int f);
const CImplicant* TermPool(const CZYLDoc& doc, int f);
// Programs rows 4f..4f+3 with the first solution of f (at most 4 terms).
void LoadPalRows(CZYLDoc& doc, int f);
// Programs rows 4f..4f+3 with the given terms, texts as they stand; rows
// beyond nTerms (at most 4) carry the constant 0.
void LoadPalCover(CZYLDoc& doc, int f, const CImplicant* terms, int nTerms);
// The product text of every minterm from the variable names.
void BuildMintermLabels(CZYLDoc& doc);
