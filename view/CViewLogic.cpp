// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "DeviceOps.h"
#include "DocOps.h"
#include "Platform.h"

#include <algorithm>

// Device type, view options, array commands and the PAL simplification.
// Mouse editing is in CViewLogicMouse.cpp, the annotations in
// CViewLogicAnnotations.cpp.

namespace {

const char kPlaNotImplemented[] = "\n\nPLA is not commonly used, so this will not be implemented.";
const char kPromAndHardWired[] = "The input AND array in the PROM is hard-wired.\n\n";
const char kPalOrHardWired[] = "The output OR array for the PAL is hard-wired.";
const char kNotPal[] = "\n\nThe ZYL is not in PAL mode,\nno simplification will be processed.";
const char kTooManyTerms[] =
    "\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\nby this four minterm PAL.";
const char kPalNoMinterms[] = "\nThis is a PAL, \nthere is no fixed minterm \nat the output of the AND array.\n\n";
const char kPromNoProductTerms[] =
    "\nThis is a PROM, \nthere is no programmable product term \nat the output of the AND array.\n\n";
const char kPlaRowLabels[] = "\nThe PLA is not commonly used, so this will not be implemented.";

// A PROM output column of one value: every OR fuse intact ('1') or blown.
Column UniformColumn(int fuse)
{
    Column column;
    column.fill(fuse == 1 ? '1' : '0');
    return column;
}

} // namespace

CViewLogic::CViewLogic(CZYLDoc& doc, IZylView& view)
    : m_doc(doc)
    , m_view(view)
{
    BuildCommands();
}

void CViewLogic::BuildCommands()
{
    auto flag = [this](int CZYLDoc::*member) { return [this, member] { return m_doc.*member == 1; }; };
    m_commands.Add(ID_TYPE_PROM, [this] { SwitchToProm(); }, flag(&CZYLDoc::m_bProm));
    m_commands.Add(ID_TYPE_PAL, [this] { SwitchToPal(); }, flag(&CZYLDoc::m_bPal));
    m_commands.Add(ID_TYPE_PLA, [this] { SwitchToPla(); }, flag(&CZYLDoc::m_bPla));
    m_commands.Add(ID_BLOCK_STRUCTURE, [this] { ToggleFlag(m_doc.m_bBlockStructure); },
                   flag(&CZYLDoc::m_bBlockStructure));
    m_commands.Add(ID_AND_LABEL, [this] { ToggleFlag(m_doc.m_bAndLabel); }, flag(&CZYLDoc::m_bAndLabel));
    m_commands.Add(ID_OR_LABEL, [this] { ToggleFlag(m_doc.m_bOrLabel); }, flag(&CZYLDoc::m_bOrLabel));
    m_commands.Add(ID_SHOW_MINTERMS, [this] { ToggleRowLabels(ID_SHOW_MINTERMS); }, flag(&CZYLDoc::m_bShowMinterms));
    m_commands.Add(ID_SHOW_PRODUCT_TERMS, [this] { ToggleRowLabels(ID_SHOW_PRODUCT_TERMS); },
                   flag(&CZYLDoc::m_bShowProductTerms));
    auto inputFuses = [this](int value) {
        return [this, value] {
            if (ArrayCommandApplies(true))
                SetAllInputFuses(value);
        };
    };
    m_commands.Add(ID_INPUT_REINSTATE_ALL, inputFuses(1));
    m_commands.Add(ID_INPUT_BLOW_ALL, inputFuses(0));
    auto outputFuses = [this](int value) {
        return [this, value] {
            if (ArrayCommandApplies(false))
                SetAllOutputFuses(value);
        };
    };
    m_commands.Add(ID_OUTPUT_REINSTATE_ALL, outputFuses(1));
    m_commands.Add(ID_OUTPUT_BLOW_ALL, outputFuses(0));
    for (int j = 0; j < 4; ++j) {
        m_commands.Add(
            OutputCommand(j),
            [this, j] {
                if (ArrayCommandApplies(false))
                    ToggleOutputFuses(j);
            },
            [this, j] { return m_doc.m_nOutputToggle[j] == 1; });
    }
    m_commands.Add(ID_SIMPLIFY_PAL, [this] { SimplifyPal(); });
    for (int id : {ID_VALUE_0, ID_VALUE_1, ID_VALUE_X})
        m_commands.Add(id, [this, id] { SetPopupValue(id); });
}

bool CViewLogic::HandlesCommand(int id) const { return m_commands.Handles(id); }

bool CViewLogic::IsChecked(int id) const { return m_commands.IsChecked(id); }

void CViewLogic::OnCommand(int id) { m_commands.Run(id); }

void CViewLogic::DeviceChanged()
{
    m_doc.SetModifiedFlag();
    m_doc.UpdateAllViews();
}

// --- Device type and view options -------------------------------------------

// Switching to PROM or PAL converts nothing: each mode keeps its own tables,
// lists and fuses and shows them again.
void CViewLogic::SwitchToProm()
{
    if (m_doc.m_bProm == 1) {
        ShowDocMessage(&m_doc, "The ZYL is in PROM mode now.");
        return;
    }
    m_doc.m_bProm = 1;
    m_doc.m_bPal = 0;
    m_doc.m_bPla = 0;
    m_view.InvalidateView();
    DeviceChanged();
}

void CViewLogic::SwitchToPal()
{
    if (m_doc.m_bPal == 1) {
        ShowDocMessage(&m_doc, "The ZYL is in PAL mode now.");
        return;
    }
    m_doc.m_bPal = 1;
    m_doc.m_bProm = 0;
    m_doc.m_bPla = 0;
    m_view.InvalidateView();
    DeviceChanged();
}

// Nothing of the PLA is modelled, so its function dialogs are put away.
void CViewLogic::SwitchToPla()
{
    if (m_doc.m_bPla == 1) {
        ShowDocMessage(&m_doc, "The ZYL is in PLA mode now.");
        return;
    }
    m_doc.m_bPal = 0;
    m_doc.m_bProm = 0;
    m_doc.m_bPla = 1;
    m_view.HideDialogs();
    m_view.InvalidateView();
    DeviceChanged();
}

// Block structure and the array labels look at neither the device type nor
// the block structure.
void CViewLogic::ToggleFlag(int& flag)
{
    flag = (flag + 1) % 2;
    m_view.InvalidateView();
    DeviceChanged();
}

void CViewLogic::ToggleRowLabels(int id)
{
    if (m_doc.m_bBlockStructure == 1)
        return;
    if (m_doc.m_bPla == 1) {
        ShowStandardMessage(kPlaRowLabels);
        return;
    }
    const bool minterms = id == ID_SHOW_MINTERMS;
    if (minterms && m_doc.m_bPal == 1) {
        ShowStandardMessage(kPalNoMinterms);
        return;
    }
    if (!minterms && m_doc.m_bProm == 1) {
        ShowStandardMessage(kPromNoProductTerms);
        return;
    }
    int& flag = minterms ? m_doc.m_bShowMinterms : m_doc.m_bShowProductTerms;
    flag = (flag + 1) % 2;
    m_view.InvalidateViewRect(RowLabelArea());
    DeviceChanged();
}

// --- Array commands ----------------------------------------------------------

// Silent while the block structure is shown; otherwise the message of a
// hard-wired or unmodelled array, or true when the command applies.
bool CViewLogic::ArrayCommandApplies(bool inputArray)
{
    if (m_doc.m_bBlockStructure == 1)
        return false;
    if (m_doc.m_bPla == 1) {
        ShowStandardMessage(kPlaNotImplemented);
        return false;
    }
    if (inputArray) {
        if (m_doc.m_bProm == 1) {
            ShowStandardMessage(kPromAndHardWired);
            return false;
        }
        return m_doc.m_bPal == 1;
    }
    if (m_doc.m_bPal != 0) {
        ShowStandardMessage(kPalOrHardWired);
        return false;
    }
    return m_doc.m_bProm == 1;
}

// PAL: every AND fuse to value; the rows, the ON-sets and the truth-table
// columns follow, as after a click on a row's gate.
void CViewLogic::SetAllInputFuses(int value)
{
    for (int r = 0; r < CZYLDoc::kRows; ++r) {
        std::fill(std::begin(m_doc.m_andRow[r].m_nFuse), std::end(m_doc.m_andRow[r].m_nFuse), value);
        UpdateRowTerm(m_doc, r);
    }
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        CollectPalMinterms(m_doc, f);
        RederivePalColumn(f);
    }
    m_view.InvalidateView();
    DeviceChanged();
}

// PROM: every OR fuse to value; don't cares are overwritten, so each
// function ends with all sixteen minterms or none.
void CViewLogic::SetAllOutputFuses(int value)
{
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        SetPromColumn(m_doc, f, UniformColumn(value));
        m_doc.m_nOutputToggle[f] = value;
    }
    m_view.InvalidateView();
    DeviceChanged();
}

// PROM: the output's own toggle decides, not its fuses: from the default
// state the first use blows all sixteen.
void CViewLogic::ToggleOutputFuses(int j)
{
    m_doc.m_nOutputToggle[j] = (m_doc.m_nOutputToggle[j] + 1) % 2;
    SetPromColumn(m_doc, j, UniformColumn(m_doc.m_nOutputToggle[j]));
    m_view.InvalidateView();
    DeviceChanged();
}

// The value chosen for the don't-care OR fuse of the last popup (the cell
// is always one of the map's: a click sets it, and it starts at 0, 0).
void CViewLogic::SetPopupValue(int id)
{
    if (m_doc.m_bProm != 1 || id == ID_VALUE_X)
        return;
    SetPromEntry(m_doc, m_nPopupOutput, m_nPopupMinterm, id == ID_VALUE_1 ? '1' : '0');
    DeviceChanged();
}

// --- PAL simplification --------------------------------------------------------

// Each function's ON-set, without its don't cares, is minimized and its
// cover programmed into the function's four rows. A cover of more than four
// terms stops the command there: the functions before it stay simplified.
void CViewLogic::SimplifyPal()
{
    if (m_doc.m_bBlockStructure == 1)
        return;
    if (m_doc.m_bPal != 1) {
        ShowStandardMessage(kNotPal);
        return;
    }
    // The refused function keeps its table and lists; its cover storage
    // holds the refused cover.
    const CPalRefusal refusal{false, [this] {
                                  m_view.InvalidateView();
                                  ShowStandardMessage(kTooManyTerms);
                              }};
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        RederivePalColumn(f);
        if (ProgramPalFunction(m_doc, f, PalDontCares::Ignored, refusal) == ProgramResult::Refused)
            return;
        m_view.InvalidateView();
        DeviceChanged();
    }
}

// The PAL truth-table column of f from its ON-set, and the don't-care list
// from the column: a don't care that a row now covers is an ON minterm and
// leaves the list, so no minterm is listed as both.
void CViewLogic::RederivePalColumn(int f)
{
    UpdateTruthTable(m_doc, f);
    int n = 0;
    for (int r = 0; r < CZYLDoc::kRows; ++r)
        if (m_doc.m_szPalTable[f][r] == 'X')
            m_doc.m_anPalDontCares[f][n++] = r;
    m_doc.m_nPalDontCares[f] = n;
}
