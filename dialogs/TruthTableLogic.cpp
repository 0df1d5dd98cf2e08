// SPDX-License-Identifier: GPL-3.0-or-later
#include "TruthTableLogic.h"

#include "CZYLDoc.h"
#include "DocOps.h"
#include "ListHelpers.h"
#include "Minimize.h"
#include "PlacementLogic.h"
#include "Platform.h"
#include "TruthTableLayout.h"
#include "Utf8.h"

#include <algorithm>
#include <cstring>
#include <vector>

const char* const kTableSopLimitMessage =
    "\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\nby this four SOP-term PAL.";
const char* const kTablePopupLimitMessage = "\n\nThe function entered cannot be implemented\n\nby this four minterm PAL.";

namespace {

const int kMaxPalTerms = 4;

// --- Lists of at most 16 distinct minterms --------------------------------

bool ListHas(const int* list, int n, int value)
{
    return std::find(list, list + n, value) != list + n;
}

// Removes value and keeps the list ascending.
void RemoveValue(int* list, int& n, int value)
{
    n = RemoveFromList(list, n, value);
    SortList(list, n);
}

// Appends value unless it is there already (a list holds each of the 16
// minterms at most once, so it never needs more than its 16 entries).
void AddValue(int* list, int& n, int value)
{
    if (n < CZYLDoc::kRows && !ListHas(list, n, value))
        list[n++] = value;
    SortList(list, n);
}

// --- The state of one PAL function, to set a refused change back ----------

struct CPalFunctionState
{
    char table[CZYLDoc::kRows];
    int minterms[CZYLDoc::kRows];
    int nMinterms;
    int dontCares[CZYLDoc::kRows];
    int nDontCares;
    int cover[CZYLDoc::kSolutions];
    std::vector<CImplicant> terms;
};

CPalFunctionState SavePalFunction(const CZYLDoc& doc, int f)
{
    CPalFunctionState s{};
    std::memcpy(s.table, doc.m_szPalTable[f], sizeof s.table);
    std::memcpy(s.minterms, doc.m_anPalMinterms[f], sizeof s.minterms);
    s.nMinterms = doc.m_nPalMinterms[f];
    std::memcpy(s.dontCares, doc.m_anPalDontCares[f], sizeof s.dontCares);
    s.nDontCares = doc.m_nPalDontCares[f];
    std::memcpy(s.cover, doc.m_aCover[f], sizeof s.cover);
    const CImplicant* first = &doc.m_aTerms[CZYLDoc::kTermSlots * f];
    s.terms.assign(first, first + CZYLDoc::kTermSlots);
    return s;
}

void RestorePalFunction(CZYLDoc& doc, int f, const CPalFunctionState& s)
{
    std::memcpy(doc.m_szPalTable[f], s.table, sizeof s.table);
    std::memcpy(doc.m_anPalMinterms[f], s.minterms, sizeof s.minterms);
    doc.m_nPalMinterms[f] = s.nMinterms;
    std::memcpy(doc.m_anPalDontCares[f], s.dontCares, sizeof s.dontCares);
    doc.m_nPalDontCares[f] = s.nDontCares;
    std::memcpy(doc.m_aCover[f], s.cover, sizeof s.cover);
    std::copy(s.terms.begin(), s.terms.end(), &doc.m_aTerms[CZYLDoc::kTermSlots * f]);
}

// --- What the device realises, to tell whether a handler changed it -------

struct CDeviceState
{
    char prom[CZYLDoc::kFunctions][CZYLDoc::kRows];
    char pal[CZYLDoc::kFunctions][CZYLDoc::kRows];
    int orFuse[CZYLDoc::kFunctions][CZYLDoc::kRows];
    int andFuse[CZYLDoc::kRows][CZYLDoc::kColumns];
    int palDontCares[CZYLDoc::kFunctions][CZYLDoc::kRows];
    int nPalDontCares[CZYLDoc::kFunctions];
};

CDeviceState SaveDevice(const CZYLDoc& doc)
{
    CDeviceState s{};
    std::memcpy(s.prom, doc.m_szPromTable, sizeof s.prom);
    std::memcpy(s.pal, doc.m_szPalTable, sizeof s.pal);
    std::memcpy(s.orFuse, doc.m_nOrFuse, sizeof s.orFuse);
    for (int r = 0; r < CZYLDoc::kRows; ++r)
        std::memcpy(s.andFuse[r], doc.m_andRow[r].m_nFuse, sizeof s.andFuse[r]);
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        s.nPalDontCares[f] = doc.m_nPalDontCares[f];
        std::copy(doc.m_anPalDontCares[f], doc.m_anPalDontCares[f] + s.nPalDontCares[f], s.palDontCares[f]);
    }
    return s;
}

bool SameDevice(const CDeviceState& a, const CDeviceState& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The windows redraw from the document; the modified flag follows a change
// of the device.
void FinishChange(CZYLDoc& doc, const CDeviceState& before)
{
    doc.UpdateAllViews();
    if (!SameDevice(before, SaveDevice(doc)))
        doc.SetModifiedFlag();
}

// --- Programming a PAL function -------------------------------------------

// Minimizes function f (with or without its don't cares) into its cover and
// pool slots; returns the number of terms of the first solution.
int MinimizePalFunction(CZYLDoc& doc, int f, bool useDontCares)
{
    // The minimizer wants disjoint lists: a don't care that the rows cover
    // is shown as '1' and belongs to the ON-set.
    int dontCares[CZYLDoc::kRows];
    int nDontCares = 0;
    if (useDontCares)
        for (int k = 0; k < doc.m_nPalDontCares[f] && k < CZYLDoc::kRows; ++k)
            if (!ListHas(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f], doc.m_anPalDontCares[f][k]))
                dontCares[nDontCares++] = doc.m_anPalDontCares[f][k];
    Minimize(doc.m_nPalMinterms[f], doc.m_anPalMinterms[f], nDontCares, dontCares, doc.m_aCover[f],
             &doc.m_aTerms[CZYLDoc::kTermSlots * f]);
    return doc.m_aCover[f][0];
}

// Names the cover terms of f after the variables and loads them into the
// rows 4f..4f+3.
void ProgramPalFunction(CZYLDoc& doc, int f)
{
    for (int t = 0; t < doc.m_aCover[f][0]; ++t) {
        CImplicant& term = doc.m_aTerms[CZYLDoc::kTermSlots * f + t];
        for (int i = 0; i < CZYLDoc::kVariables; ++i)
            term.m_strName[i] = doc.m_strVariableName[i];
        term.BuildTerm();
    }
    LoadPalRows(doc, f);
}

// --- Entry changes ----------------------------------------------------------

void PromLeftClick(CZYLDoc& doc, const CTableCell& c, bool shiftClick)
{
    if (shiftClick) {
        doc.m_szPromTable[c.f][c.r] = 'X';
        doc.m_nOrFuse[c.f][c.r] = 0;
    } else {
        doc.m_nOrFuse[c.f][c.r] = doc.m_nOrFuse[c.f][c.r] == 1 ? 0 : 1;
    }
    UpdateLists(doc, c.f);
    UpdateTruthTable(doc, c.f);
}

// Sets entry r of PAL function f to v and keeps its lists in step.
void SetPalEntry(CZYLDoc& doc, int f, int r, char v)
{
    doc.m_szPalTable[f][r] = v;
    if (v == '1') {
        AddValue(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f], r);
        RemoveValue(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f], r);
    } else if (v == 'X') {
        RemoveValue(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f], r);
        AddValue(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f], r);
    } else {
        RemoveValue(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f], r);
        RemoveValue(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f], r);
    }
}

// The value a left click gives an entry: Shift+click a don't care, a plain
// click turns '0' into '1' and '1' or 'X' into '0'.
char LeftClickValue(char entry, bool shiftClick)
{
    if (shiftClick)
        return 'X';
    return entry == '0' ? '1' : '0';
}

bool PalLeftClick(CZYLDoc& doc, const CTableCell& c, bool shiftClick)
{
    const CPalFunctionState before = SavePalFunction(doc, c.f);
    SetPalEntry(doc, c.f, c.r, LeftClickValue(doc.m_szPalTable[c.f][c.r], shiftClick));
    UpdateTruthTable(doc, c.f);
    if (MinimizePalFunction(doc, c.f, true) > kMaxPalTerms) {
        // The refused entry stays visible while the message is up.
        doc.UpdateAllViews();
        ShowStandardMessage(kTableSopLimitMessage);
        RestorePalFunction(doc, c.f, before);
        return false;
    }
    ProgramPalFunction(doc, c.f);
    return true;
}

} // namespace

// --- Geometry ---------------------------------------------------------------

// The dialog paints from the same layout.
ZRect TableClickRect(int f, int r) { return TruthTableLayout::ClickRect(f, r); }
ZRect TableOutputArea() { return TruthTableLayout::kOutputArea; }
ZRect TableNumbersRect() { return TruthTableLayout::kNumbersArea; }
ZRect TableTitlesRect() { return TruthTableLayout::kTitlesArea; }

std::optional<CTableCell> TableHitCell(const ZPoint& point)
{
    for (int f = 0; f < CZYLDoc::kFunctions; ++f)
        for (int r = 0; r < CZYLDoc::kRows; ++r)
            if (TableClickRect(f, r).Contains(point))
                return CTableCell{f, r};
    return std::nullopt;
}

bool TableOpensValuePopup(const ZPoint& rightClick) { return TableOutputArea().Contains(rightClick); }

const std::vector<std::string>& TableValuePopupItems()
{
    static const std::vector<std::string> items{"0", "1", "X"};
    return items;
}

char TableValueOfPopupItem(int index)
{
    static const char values[] = {'0', '1', 'X'};
    return index >= 0 && index < 3 ? values[index] : 0;
}

bool TableIsShiftClick(int flags) { return flags == kTableShift; }

char TableCellValue(const CZYLDoc& doc, int f, int r)
{
    if (f < 0 || f >= CZYLDoc::kFunctions || r < 0 || r >= CZYLDoc::kRows)
        return 0;
    if (doc.m_bProm == 1)
        return doc.m_szPromTable[f][r];
    if (doc.m_bPal == 1)
        return doc.m_szPalTable[f][r];
    return 0;
}

std::string TableFunctionTitle(const std::string& name)
{
    // The first and the last character, whole (a character may take several bytes).
    const std::size_t length = Utf8::CountChars(name);
    if (length < 2)
        return name;
    return std::string(Utf8::CharAtIndex(name, 0)) + "~d" + std::string(Utf8::CharAtIndex(name, length - 1));
}

ZPoint TableDialogPosition(const ZSize& screen, const ZSize& dialog)
{
    return ClampToScreen(ZPoint{screen.cx - 365, 0}, dialog, screen);
}

// --- Handlers ---------------------------------------------------------------

CTableChange TableLeftClick(CZYLDoc& doc, const ZPoint& point, bool shiftClick)
{
    CTableChange change;
    const std::optional<CTableCell> cell = TableHitCell(point);
    change.hit = cell.has_value();
    if (!cell || (doc.m_bProm != 1 && doc.m_bPal != 1))
        return change;

    const CDeviceState before = SaveDevice(doc);
    if (doc.m_bProm == 1)
        PromLeftClick(doc, *cell, shiftClick);
    else
        change.refused = !PalLeftClick(doc, *cell, shiftClick);
    FinishChange(doc, before);
    return change;
}

CTableChange TablePopupValue(CZYLDoc& doc, const ZPoint& rightClick, char v)
{
    CTableChange change;
    if (v != '0' && v != '1' && v != 'X')
        return change;
    const std::optional<CTableCell> cell = TableHitCell(rightClick);
    change.hit = cell.has_value();
    if (doc.m_bProm != 1 && doc.m_bPal != 1)
        return change;

    const CDeviceState before = SaveDevice(doc);
    if (doc.m_bProm == 1) {
        if (cell) {
            doc.m_szPromTable[cell->f][cell->r] = v;
            doc.m_nOrFuse[cell->f][cell->r] = v == '0' ? 0 : 1;
            UpdateLists(doc, cell->f);
        }
    } else {
        // Every function is programmed again from its ON-set alone.
        for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
            const CPalFunctionState saved = SavePalFunction(doc, f);
            if (cell && cell->f == f)
                SetPalEntry(doc, f, cell->r, v);
            UpdateTruthTable(doc, f);
            if (MinimizePalFunction(doc, f, false) > kMaxPalTerms) {
                ShowStandardMessage(kTablePopupLimitMessage);
                RestorePalFunction(doc, f, saved);
                change.refused = true;
                continue;
            }
            ProgramPalFunction(doc, f);
        }
    }
    FinishChange(doc, before);
    return change;
}
