// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "Platform.h"

// Device type, view options, array commands and the PAL simplification.
// Mouse editing is in CViewLogicMouse.cpp, the annotations in
// CViewLogicAnnotations.cpp.

namespace {

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
Column UniformColumn(bool intact)
{
    Column column;
    column.fill(intact ? '1' : '0');
    return column;
}

DeviceType TypeOfCommand(int id)
{
    return id == ID_TYPE_PROM ? DeviceType::Prom : id == ID_TYPE_PAL ? DeviceType::Pal : DeviceType::Pla;
}

} // namespace

CViewLogic::CViewLogic(CZYLDoc& doc)
    : m_doc(doc)
{
    BuildCommands();
}

const Device& CViewLogic::Dev() const { return m_doc.Device(); }

void CViewLogic::BuildCommands()
{
    for (int id : {ID_TYPE_PROM, ID_TYPE_PAL, ID_TYPE_PLA})
        m_commands.Add(id, [this, id] { SwitchTo(id); }, [this, id] { return Dev().type == TypeOfCommand(id); });
    auto flag = [this](bool DisplayFlags::*member) { return [this, member] { return Dev().flags.*member; }; };
    for (const auto& command : {std::pair(ID_BLOCK_STRUCTURE, &DisplayFlags::blockStructure),
                                std::pair(ID_AND_LABEL, &DisplayFlags::andLabel),
                                std::pair(ID_OR_LABEL, &DisplayFlags::orLabel)}) {
        bool DisplayFlags::*member = command.second;
        m_commands.Add(command.first, [this, member] { ToggleFlag(member); }, flag(member));
    }
    m_commands.Add(ID_SHOW_MINTERMS, [this] { ToggleRowLabels(ID_SHOW_MINTERMS); }, flag(&DisplayFlags::showMinterms));
    m_commands.Add(ID_SHOW_PRODUCT_TERMS, [this] { ToggleRowLabels(ID_SHOW_PRODUCT_TERMS); },
                   flag(&DisplayFlags::showProductTerms));
    auto inputFuses = [this](bool intact) {
        return [this, intact] {
            if (ArrayCommandApplies(true))
                SetAllInputFuses(intact);
        };
    };
    m_commands.Add(ID_INPUT_REINSTATE_ALL, inputFuses(true));
    m_commands.Add(ID_INPUT_BLOW_ALL, inputFuses(false));
    auto outputFuses = [this](bool intact) {
        return [this, intact] {
            if (ArrayCommandApplies(false))
                SetAllOutputFuses(intact);
        };
    };
    m_commands.Add(ID_OUTPUT_REINSTATE_ALL, outputFuses(true));
    m_commands.Add(ID_OUTPUT_BLOW_ALL, outputFuses(false));
    for (int j = 0; j < Device::kFunctions; ++j) {
        m_commands.Add(
            OutputCommand(j),
            [this, j] {
                if (ArrayCommandApplies(false))
                    ToggleOutputFuses(j);
            },
            [this, j] { return Dev().outputToggles[static_cast<std::size_t>(j)]; });
    }
    m_commands.Add(ID_SIMPLIFY_PAL, [this] { SimplifyPal(); });
    for (int id : {ID_VALUE_0, ID_VALUE_1, ID_VALUE_X})
        m_commands.Add(id, [this, id] { SetPopupValue(id); });
}

bool CViewLogic::HandlesCommand(int id) const { return m_commands.Handles(id); }

bool CViewLogic::IsChecked(int id) const { return m_commands.IsChecked(id); }

void CViewLogic::OnCommand(int id) { m_commands.Run(id); }

// --- Device type and view options -------------------------------------------

// Switching converts nothing: each type keeps its own tables and fuses and
// shows them again. Nothing of the PLA is modelled; the dialog manager puts
// the function dialogs away when the type becomes PLA.
void CViewLogic::SwitchTo(int typeCommand)
{
    const DeviceType type = TypeOfCommand(typeCommand);
    if (Dev().type == type) {
        ShowZylMessage("The ZYL is in " + std::string(DeviceTypeName(type)) + " mode now.");
        return;
    }
    m_doc.Edit([type](DeviceEditor& e) { e.SetType(type); });
}

// Block structure and the array labels look at neither the device type nor
// the block structure.
void CViewLogic::ToggleFlag(bool DisplayFlags::*flag)
{
    m_doc.Edit([this, flag](DeviceEditor& e) { e.SetFlag(flag, !(Dev().flags.*flag)); });
}

void CViewLogic::ToggleRowLabels(int id)
{
    if (Dev().flags.blockStructure)
        return;
    if (Dev().type == DeviceType::Pla) {
        ShowStandardMessage(kPlaRowLabels);
        return;
    }
    const bool minterms = id == ID_SHOW_MINTERMS;
    if (minterms && Dev().type == DeviceType::Pal) {
        ShowStandardMessage(kPalNoMinterms);
        return;
    }
    if (!minterms && Dev().type == DeviceType::Prom) {
        ShowStandardMessage(kPromNoProductTerms);
        return;
    }
    ToggleFlag(minterms ? &DisplayFlags::showMinterms : &DisplayFlags::showProductTerms);
}

// --- Array commands ----------------------------------------------------------

// Silent while the block structure is shown; otherwise the message of a
// hard-wired or unmodelled array, or true when the command applies.
bool CViewLogic::ArrayCommandApplies(bool inputArray)
{
    if (Dev().flags.blockStructure)
        return false;
    const char* refusal = nullptr;
    if (Dev().type == DeviceType::Pla)
        refusal = kPlaNotImplemented;
    else if (inputArray && Dev().type == DeviceType::Prom)
        refusal = kPromAndHardWired;
    else if (!inputArray && Dev().type == DeviceType::Pal)
        refusal = kPalOrHardWired;
    if (refusal)
        ShowStandardMessage(refusal);
    return refusal == nullptr;
}

// PAL: every AND fuse intact (every row the product 0) or blown (1); the
// truth-table columns follow, as after a click on a row's gate.
void CViewLogic::SetAllInputFuses(bool intact)
{
    m_doc.Edit([intact](DeviceEditor& e) {
        for (int r = 0; r < Device::kRows; ++r)
            e.SetAndRow(r, intact ? ProductTerm::Zero() : ProductTerm::One());
        for (int f = 0; f < Device::kFunctions; ++f)
            e.RederivePalColumn(f);
    });
}

// PROM: every OR fuse to one state; don't cares are overwritten, so each
// function ends with all sixteen minterms or none.
void CViewLogic::SetAllOutputFuses(bool intact)
{
    m_doc.Edit([intact](DeviceEditor& e) {
        for (int f = 0; f < Device::kFunctions; ++f) {
            e.SetPromColumn(f, UniformColumn(intact));
            e.SetOutputToggle(f, intact);
        }
    });
}

// PROM: the output's own toggle decides, not its fuses: from the default
// state the first use blows all sixteen.
void CViewLogic::ToggleOutputFuses(int j)
{
    const bool intact = !Dev().outputToggles[static_cast<std::size_t>(j)];
    m_doc.Edit([j, intact](DeviceEditor& e) {
        e.SetOutputToggle(j, intact);
        e.SetPromColumn(j, UniformColumn(intact));
    });
}

// The value chosen for the don't-care OR fuse of the last popup (the cell
// is always one of the map's: a click sets it, and it starts at 0, 0).
void CViewLogic::SetPopupValue(int id)
{
    if (Dev().type != DeviceType::Prom || id == ID_VALUE_X)
        return;
    const char value = id == ID_VALUE_1 ? '1' : '0';
    m_doc.Edit([this, value](DeviceEditor& e) { e.SetPromEntry(m_nPopupOutput, m_nPopupMinterm, value); });
}

// --- PAL simplification --------------------------------------------------------

// Each function's ON-set, without its don't cares, is minimized and its
// cover programmed into the function's four rows. A cover of more than four
// terms stops the command there, shown in every window with the message
// over them: the functions before it stay simplified, the refused one keeps
// its rows.
void CViewLogic::SimplifyPal()
{
    if (Dev().flags.blockStructure)
        return;
    if (Dev().type != DeviceType::Pal) {
        ShowStandardMessage(kNotPal);
        return;
    }
    m_doc.Edit([](DeviceEditor& e) {
        const PalRefusal refusal{false, [&e] {
                                     e.Publish();
                                     ShowStandardMessage(kTooManyTerms);
                                 }};
        for (int f = 0; f < Device::kFunctions; ++f)
            if (e.ProgramPalFunction(f, PalDontCares::Ignored, refusal) == ProgramResult::Refused)
                return;
    });
}
