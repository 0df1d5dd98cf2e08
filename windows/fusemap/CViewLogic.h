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
// Where the cell is drawn and answers a click (FuseMapLayout's rectangle).
ZRect FuseMapCellRect(const CFuseMapCell& cell);

// The keyboard cursor's moves over the programmable cells of a type, as a
// grid: a PROM's OR fuses (a column an output, a row a minterm) with the
// outputs' gates as a last row; a PAL's AND fuses (a row a product line, a
// column an input line) with the rows' gates as a last column. The cursor
// stops at the edges.
enum class CursorMove { Left, Right, Up, Down, RowStart, RowEnd, PageUp, PageDown, First, Last };
// Where the cursor starts: the PROM's OR fuse of output 0 at minterm 0, the
// PAL's AND fuse of row 0 in column 0 (input A); none in a PLA.
std::optional<CFuseMapCell> CursorStart(DeviceType type);
CFuseMapCell MovedCursor(const CFuseMapCell& from, CursorMove move);

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
    // shows it ("" without minterms): the terms the output holds.
    std::string PromSumOfProducts(int f) const;
    // The sum of the product terms of output f's four rows ("" when none).
    std::string PalRowSum(int f) const;

    // The keyboard cursor: a cell of the programmable array of the current
    // type (it starts again when the type changed); none in a PLA or while
    // the block structure is shown, where no key acts.
    std::optional<CFuseMapCell> Cursor() const;
    void MoveCursor(CursorMove move);
    // Space or Return: a click on the cursor's cell, the popup at screen.
    void ClickCursor(const ZPoint& screen);
    // The menu key: the value popup of a don't-care OR fuse, as its click
    // opens it; nothing elsewhere.
    void CursorMenu(const ZPoint& screen);

    // What a screen reader says of a cell: what it is, where, and its state
    // ("OR fuse, output Y1, minterm 5, blown", "AND fuse, row 3, input B
    // complemented, intact", "OR gate, output Y0", "AND gate, row 3, A'B"),
    // with the current names, a complement as a trailing apostrophe.
    std::string CellName(const CFuseMapCell& cell) const;
    // The annotations as lines of plain text, each with its function's name
    // ("Y0 = Σm ( 1, 3, 5 )", "Y0 = A'D + B'D"), in their order.
    std::vector<std::string> AnnotationLines() const;

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
    std::optional<CFuseMapCell> m_cursor;
    int m_nPopupMinterm = 0;
    int m_nPopupOutput = 0;
    CCommandRows m_commands;
};

// Rich text as it reads: a bar over a character ("^A") as a trailing
// apostrophe ("A'"), subscripts and gaps as plain characters.
std::string ReadableText(const std::string& markup);

// The annotation texts, shared by the PROM and PAL routines.
// The label of a function name: "Y~d0~d =" for two characters, else the
// first character and "  =".
std::string FunctionLabel(const std::string& name);
// " with don't care 7", " with don't cares (7, 9 )" (first kind) or
// " with don't cares ( 7, 9 )" (second kind); "" without don't cares.
std::string DontCareSuffix(const int* list, int n, bool blankAfterParenthesis);
