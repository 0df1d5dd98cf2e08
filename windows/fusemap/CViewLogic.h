// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CCommandRows.h"
#include "CommandIds.h"
#include "Device.h"
#include "FuseMapLayout.h"
#include "Geometry.h"

#include <optional>
#include <string>
#include <vector>

class CZYLDoc;

// One drawing operation of the function annotations and row labels, so that
// the paint can render them and a test can read them without fonts.
struct CDrawItem
{
    enum Kind { RichText, PlainText, Picture };
    Kind kind = RichText;
    int x = 0;
    int y = 0;
    std::string text; // RichText (DrawRichText markup, 10 pt) and PlainText
    int pictureId = 0; // Picture: its PictureId (kPicSigma)
    bool label = false; // a function's label, whose drawn width the rest of its line keeps clear of
};

// What a point of the fuse map lands on: an OR cell (output f, row r), an
// output's OR gate (f), an AND cell (row r, column c) or a row's AND gate
// (r). The view turns a point into a cell here, once, and the logic below
// takes cells.
struct CFuseMapCell
{
    enum Kind { OrCell, OutputGate, AndCell, RowGate };
    Kind kind = OrCell;
    int f = 0;
    int r = 0;
    int c = 0;
    friend bool operator==(const CFuseMapCell&, const CFuseMapCell&) = default;
};
// The cell under a logical point, if any (FuseMapLayout's rectangles).
std::optional<CFuseMapCell> FuseMapHit(const ZPoint& logical);

// The Qt-free part of the fuse-map view: its commands, mouse editing,
// annotations and PAL simplification. Every change goes through the
// document's edit entry, whose notice repaints the view and refills the
// open dialogs; a command that changes nothing leaves the document as it
// was, unmodified.
class CViewLogic
{
public:
    explicit CViewLogic(CZYLDoc& doc);
    // The command rows refer to this object.
    CViewLogic(const CViewLogic&) = delete;
    CViewLogic& operator=(const CViewLogic&) = delete;

    // Command ids of the view (device type, block structure, labels, array
    // commands, outputs 0..3, row labels, simplify, value popup 101..103).
    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    // Check mark / pressed state of a view command.
    bool IsChecked(int id) const;

    // Whether a click on the cell changes the device (the pencil cursor is
    // shown over it): the programmable array of a PROM or a PAL, while the
    // block structure is not shown.
    bool IsEditable(const CFuseMapCell& cell) const;
    // A click (the left button has come up) on a cell: an OR fuse switches
    // or, on a don't care, asks its value in a popup at screen; an output's
    // gate runs its command; an AND fuse switches; a row's gate sets all its
    // fuses by the row's toggle. Nothing on a cell that is not editable.
    void Click(const CFuseMapCell& cell, const ZPoint& screen);

    // The annotations and row labels of the current type (nothing in PLA
    // mode or while the block structure is shown). Reads the device and the
    // document's cover cache.
    std::vector<CDrawItem> BuildAnnotations() const;

    // The minimized sum of products of PROM function f as the annotation
    // shows it ("" without minterms): the cache's first cover.
    std::string PromSumOfProducts(int f) const;
    // The sum of the product terms of output f's four rows ("" when none).
    std::string PalRowSum(int f) const;

    // The don't-care cell of the last value popup.
    int PopupMinterm() const { return m_nPopupMinterm; }
    int PopupOutput() const { return m_nPopupOutput; }

private:
    const Device& Dev() const;
    void BuildCommands();
    // Device type and view options.
    void SwitchTo(int typeCommand);
    void ToggleFlag(bool DisplayFlags::*flag);
    void ToggleRowLabels(int id);
    // Array commands.
    bool ArrayCommandApplies(bool inputArray);
    void SetAllInputFuses(bool intact);
    void SetAllOutputFuses(bool intact);
    void ToggleOutputFuses(int j);
    void SetPopupValue(int id);
    // PAL simplification.
    void SimplifyPal();
    // Mouse editing.
    void ClickOrFuse(int f, int r, const ZPoint& screen);
    void ClickAndFuse(int r, int c);
    void ClickRowGate(int r);
    // Annotations.
    void AddRowLabels(std::vector<CDrawItem>& items) const;
    void AddPromFunction(std::vector<CDrawItem>& items, int f) const;
    void AddPalFunction(std::vector<CDrawItem>& items, int f) const;

    CZYLDoc& m_doc;
    int m_nPopupMinterm = 0;
    int m_nPopupOutput = 0;
    CCommandRows m_commands;
};

// The annotation texts, shared by the PROM and PAL routines.
// The label of a function name: "Y~d0~d =" for two characters, else the
// first character and "  =".
std::string FunctionLabel(const std::string& name);
// " with don't care 7", " with don't cares (7, 9 )" (first kind) or
// " with don't cares ( 7, 9 )" (second kind); "" without don't cares.
std::string DontCareSuffix(const int* list, int n, bool blankAfterParenthesis);
