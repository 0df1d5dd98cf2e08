// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CCommandRows.h"
#include "CommandIds.h"
#include "FuseMapLayout.h"
#include "Geometry.h"

#include <string>
#include <vector>

class CZYLDoc;
class IZylView;

// One drawing operation of the function annotations and row labels, so that
// the paint can render them and a test can read them without fonts.
struct CDrawItem
{
    enum Kind { RichText, PlainText, Bitmap };
    Kind kind = RichText;
    int x = 0;
    int y = 0;
    std::string text; // RichText (DrawRichText markup, 10 pt) and PlainText
    int bitmapId = 0; // Bitmap: its BitmapId (kBmpSigma)
    bool label = false; // a function's label, whose drawn width the rest of its line keeps clear of
};

// The Qt-free part of the fuse-map view: its commands, mouse editing,
// annotations and PAL simplification. The widget forwards events here with
// logical coordinates and repaints through IZylView. Every change of the
// document ends in the document's UpdateAllViews, which repaints the view
// and refills the open dialogs.
class CViewLogic
{
public:
    CViewLogic(CZYLDoc& doc, IZylView& view);
    // The command rows refer to this object.
    CViewLogic(const CViewLogic&) = delete;
    CViewLogic& operator=(const CViewLogic&) = delete;

    // Command ids of the view (device type, block structure, labels, array
    // commands, outputs 0..3, row labels, simplify, value popup 101..103).
    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    // Check mark / pressed state of a view command.
    bool IsChecked(int id) const;

    // The pencil cursor is shown over this logical point.
    bool IsFuseCursor(const ZPoint& logical) const;
    // A click (the left button has come up) at a logical point; screen is
    // where the value popup of a don't-care fuse opens.
    void OnLButtonDown(const ZPoint& logical, const ZPoint& screen);

    // The annotations and row labels of the current mode (nothing in PLA
    // mode or while the block structure is shown). The PROM annotation runs
    // the minimizer, so this writes the document's result storage.
    std::vector<CDrawItem> BuildAnnotations();

    // The minimized sum of products of PROM function f as the annotation
    // shows it ("" without minterms); runs the minimizer into f's storage.
    std::string PromSumOfProducts(int f);
    // The sum of the product terms of output f's four rows ("" when none).
    std::string PalRowSum(int f) const;

    // The don't-care cell of the last value popup.
    int PopupMinterm() const { return m_nPopupMinterm; }
    int PopupOutput() const { return m_nPopupOutput; }

    // The logical rectangle the row-label commands repaint.
    static ZRect RowLabelArea() { return FuseMapLayout::kRowLabelArea; }
    // The logical rectangle every click repaints (OR array, outputs,
    // annotations).
    static ZRect ClickRepaintArea() { return FuseMapLayout::kClickRepaintArea; }

private:
    void BuildCommands();
    // Device type and view options.
    void SwitchToProm();
    void SwitchToPal();
    void SwitchToPla();
    void ToggleFlag(int& flag);
    void ToggleRowLabels(int id);
    // Array commands.
    bool ArrayCommandApplies(bool inputArray);
    void SetAllInputFuses(int value);
    void SetAllOutputFuses(int value);
    void ToggleOutputFuses(int j);
    void SetPopupValue(int id);
    // PAL simplification.
    void SimplifyPal();
    // Mouse editing.
    bool ClickOrArray(const ZPoint& pt, const ZPoint& screen, int& popupChoice);
    bool ClickOutputGate(const ZPoint& pt);
    bool ClickAndArray(const ZPoint& pt);
    bool ClickRowGate(const ZPoint& pt);
    void RecomputePalRow(int r);
    void RederivePalColumn(int f);
    void DeviceChanged();
    // Annotations.
    void AddRowLabels(std::vector<CDrawItem>& items) const;
    void AddPromFunction(std::vector<CDrawItem>& items, int f);
    void AddPalFunction(std::vector<CDrawItem>& items, int f) const;

    CZYLDoc& m_doc;
    IZylView& m_view;
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
