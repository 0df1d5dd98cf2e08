// SPDX-License-Identifier: GPL-3.0-or-later
#include "TruthTableLogic.h"

#include "CZYLDoc.h"
#include "DeviceOps.h"
#include "PlacementLogic.h"
#include "Platform.h"
#include "TruthTableLayout.h"
#include "Utf8.h"

#include <algorithm>
#include <cstring>

const char* const kTableSopLimitMessage =
    "\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\nby this four SOP-term PAL.";
const char* const kTablePopupLimitMessage = "\n\nThe function entered cannot be implemented\n\nby this four minterm PAL.";

namespace {

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

// --- Entry changes ----------------------------------------------------------

// The value a left click gives an entry: Shift+click a don't care, a plain
// click turns '0' into '1' and '1' or 'X' into '0'.
char LeftClickValue(char entry, bool shiftClick)
{
    if (shiftClick)
        return 'X';
    return entry == '0' ? '1' : '0';
}

// PROM: Shift+click makes a don't care realised by a blown fuse; a plain
// click switches the fuse, and a don't care stays one.
void PromLeftClick(CZYLDoc& doc, const CTableCell& c, bool shiftClick)
{
    if (shiftClick)
        SetPromEntry(doc, c.f, c.r, 'X', 0);
    else
        TogglePromFuse(doc, c.f, c.r);
}

// PAL function f's column with entry r set to v.
Column PalColumnWith(const CZYLDoc& doc, int f, int r, char v)
{
    Column column;
    std::copy_n(doc.m_szPalTable[f], CZYLDoc::kRows, column.begin());
    column[static_cast<std::size_t>(r)] = v;
    return column;
}

bool PalLeftClick(CZYLDoc& doc, const CTableCell& c, bool shiftClick)
{
    // The refused entry stays visible while the message is up.
    const CPalRefusal refusal{true, [&doc] {
                                  doc.UpdateAllViews();
                                  ShowStandardMessage(kTableSopLimitMessage);
                              }};
    const char v = LeftClickValue(doc.m_szPalTable[c.f][c.r], shiftClick);
    return ProgramPalColumn(doc, c.f, PalColumnWith(doc, c.f, c.r, v), PalDontCares::Offered, refusal) ==
           ProgramResult::Programmed;
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
        if (cell)
            SetPromEntry(doc, cell->f, cell->r, v);
    } else {
        // Every function is programmed again from its ON-set alone.
        const CPalRefusal refusal{true, [] { ShowStandardMessage(kTablePopupLimitMessage); }};
        for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
            const ProgramResult result =
                cell && cell->f == f
                    ? ProgramPalColumn(doc, f, PalColumnWith(doc, f, cell->r, v), PalDontCares::Ignored, refusal)
                    : ProgramPalFunction(doc, f, PalDontCares::Ignored, refusal);
            change.refused = change.refused || result == ProgramResult::Refused;
        }
    }
    FinishChange(doc, before);
    return change;
}
