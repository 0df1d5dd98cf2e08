// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "Resources.h"
#include "ZoomSteps.h"

namespace {

using Path = std::vector<std::string>;

const Path kFile{"&File"};
const Path kEdit{"&Edit"};
const Path kEditBy{"&Edit", "F&unctional Value by"};
const Path kView{"&View"};
const Path kType{"&ZYL Type"};
const Path kSimplify{"Simplif&y"};
const Path kInput{"&Input Array"};
const Path kOutput{"&Output Array"};
const Path kOutputFor{"&Output Array", "Re-instate/blow F&uses for"};
const Path kHelp{"&Help"};
const Path kNone{};

template <std::size_t N>
std::vector<std::string> Keys(const std::array<std::string_view, N>& keys)
{
    return {keys.begin(), keys.end()};
}

// The commands in menu order, each with its menu, text, keys, button and
// prompts.
const std::vector<CCommandEntry> kCommands = {
    {ID_FILE_NEW, kFile, "&New\tCtrl+N", {"Ctrl+N"}, 0, "Create a new document\nNew", false, false},
    {ID_FILE_OPEN, kFile, "&Open...\tCtrl+O", {"Ctrl+O"}, 1, "Open an existing document\nOpen", false, false},
    {ID_FILE_SAVE, kFile, "&Save\tCtrl+S", {"Ctrl+S"}, 2, "Save the active document\nSave", false, false},
    {ID_FILE_SAVE_AS, kFile, "Save &As...", {}, -1, "Save the active document with a new name\nSave As", false, false},
    {ID_FILE_EXPORT, kFile, "&Export Picture...", {}, -1,
     "Export the fuse map as a PNG, SVG or PDF picture\nExport Picture", false, false},
    {ID_FILE_EXPORT_FUSES, kFile, "Export F&use File...", {}, -1,
     "Export the functions as a JEDEC fuse file for a GAL16V8 or GAL22V10 chip\nExport Fuse File", false, false},
    {ID_FILE_EXPORT_VERILOG, kFile, "Export Veri&log...", {}, -1,
     "Export the functions as a Verilog module\nExport Verilog", false, false},
    {ID_FILE_EXPORT_HANDOUT, kFile, "Export &Handout...", {}, -1,
     "Export the lab handout (fuse map, tables, Karnaugh maps, equations, steps) as a PDF file\nExport Handout", false,
     false},
    {ID_FILE_PRINT, kFile, "&Print...\tCtrl+P", {"Ctrl+P"}, 5, "Print the active document\nPrint", false, true},
    {ID_FILE_PRINT_PREVIEW, kFile, "Print Pre&view", {}, -1, "Display full pages\nPrint Preview", false, false},
    {ID_FILE_PRINT_HANDOUT, kFile, "Print Han&dout...", {}, -1, "Print the lab handout\nPrint Handout", false, false},
    {ID_FILE_PRINT_SETUP, kFile, "P&rint Setup...", {}, -1, "Change the printer and printing options\nPrint Setup", false, false},
    {ID_FILE_MRU_FILE1, kFile, "Recent File", {}, -1, "Open this document", false, true},
    {ID_APP_EXIT, kFile, "E&xit", {}, -1, "Quit the application; prompts to save documents\nExit", false, true},
    {ID_EDIT_TRUTH_TABLE, kEditBy, "T&ruth Table", {}, 12, "Edit the functional value by means of Truth Table.", false, false},
    {ID_EDIT_MINTERMS, kEditBy, "M&interm Table", {}, 13, "Edit the function by entering the Minterms.", false, false},
    {ID_EDIT_MAXTERMS, kEditBy, "M&axterm Table", {}, 14, "Edit the function by entering the Maxterms.", false, false},
    {ID_EDIT_KARNAUGH, kEditBy, "&Karnaugh Map", {}, -1, "Edit the functions on their Karnaugh maps.\nKarnaugh Maps",
     false, false, kImgKarnaughButton},
    {ID_EDIT_NAMES, kEdit, "Variable and Function Names", {}, 15, "Edit the variable and function names.", false, false},
    {ID_EDIT_UNDO, kEdit, "&Undo\tCtrl+Z", {"Ctrl+Z", "Alt+Backspace"}, -1, "Undo the last action\nUndo", false, true},
    {ID_EDIT_CUT, kEdit, "Cu&t\tCtrl+X", {"Ctrl+X", "Shift+Del"}, -1,
     "Cut the selection and put it on the Clipboard\nCut", false, true},
    {ID_EDIT_COPY, kEdit, "&Copy\tCtrl+C", {"Ctrl+C", "Ctrl+Ins"}, -1,
     "Copy the selection and put it on the Clipboard\nCopy", false, false},
    {ID_EDIT_PASTE, kEdit, "&Paste\tCtrl+V", {"Ctrl+V", "Shift+Ins"}, -1, "Insert Clipboard contents\nPaste", false, false},
    {ID_BLOCK_STRUCTURE, kView, "&Block Structure", {}, 6, "Show the block structure of a ZYL.", true, false},
    {ID_AND_LABEL, kView, "A&ND Array Label", {}, -1, "View input AND Array label.", true, false},
    {ID_OR_LABEL, kView, "&OR Array Label", {}, -1, "View output OR Array Label.", true, false},
    {ID_SHOW_MINTERMS, kView, "PRO&M minterms", {}, 10, "Show the minterms of the PROM.", true, true},
    {ID_SHOW_PRODUCT_TERMS, kView, "PA&L product terms", {}, 11, "Show the product terms of the AND gates of the PAL.", true, false},
    {ID_ZOOM_IN, kView, "Zoom &In\tCtrl++", Keys(kZoomInKeys), -1, "Enlarge the drawing.", false, true},
    {ID_ZOOM_OUT, kView, "Zoom O&ut\tCtrl+-", Keys(kZoomOutKeys), -1, "Reduce the drawing.", false, false},
    {ID_ZOOM_ACTUAL, kView, "&Actual Size\tCtrl+0", Keys(kActualSizeKeys), -1, "Show the drawing at its actual size.",
     false, false},
    {ID_VIEW_TOOLBAR, kView, "&Toolbar", {}, -1, "Show or hide the toolbar\nToggle ToolBar", true, true},
    {ID_VIEW_STATUS_BAR, kView, "&Status Bar", {}, -1, "Show or hide the status bar\nToggle StatusBar", true, false},
    {ID_TYPE_PROM, kType, "P&ROM", {}, 7, "Set the ZYL to operate in PROM (Programmable Read-Only-Memory) mode.", true, false},
    {ID_TYPE_PAL, kType, "P&AL", {}, 8, "Set the ZYL to operate in PAL (Programmable Array Logic) mode.", true, false},
    {ID_TYPE_PLA, kType, "P&LA", {}, 9, "Set the ZYL to operate in PLA (Programmable Loigc Array) mode.", true, false},
    {ID_SIMPLIFY_PAL, kSimplify, "&Connections in PAL", {}, -1,
     "Simplify the AND gate array connection for the functions in PAL.", false, false},
    {ID_SHOW_STEPS, kSimplify, "Show the &Steps...", {}, -1,
     "Show how the functions are minimized, step by step.\nMinimization Steps", false, false, kImgStepsButton},
    {ID_INPUT_REINSTATE_ALL, kInput, "&Re-instate all fuses", {}, -1, "Re-instate all the fuse connections in the input arrary.",
     false, false},
    {ID_INPUT_BLOW_ALL, kInput, "B&low all fuses", {}, -1, "Blow all the fuses in the input array.", false, false},
    {OutputCommand(0), kOutputFor, "Output &0", {}, -1, "", true, false},
    {OutputCommand(1), kOutputFor, "Output &1", {}, -1, "", true, false},
    {OutputCommand(2), kOutputFor, "Output &2", {}, -1, "", true, false},
    {OutputCommand(3), kOutputFor, "Output &3", {}, -1, "", true, false},
    {ID_OUTPUT_REINSTATE_ALL, kOutput, "Re-&instate all fuses", {}, -1, "Reinstate all fuse connections in the output array.", false,
     false},
    {ID_OUTPUT_BLOW_ALL, kOutput, "&Blow All Fuses", {}, -1, "Blow all fuse connections in the output array.", false, false},
    {ID_SYMBOLS, kHelp, "Circuit symbols for ZYL...", {}, -1, "Show the circuit symbol for ZYL.", true, false},
    {ID_APP_ABOUT, kHelp, "&About ZYL...", {}, 16, "Display program information, version number and copyright\nAbout",
     false, true},
    {ID_SELECT_REGION, kNone, "Select Region", {}, 3, "Select a region for copying to the Clipboard.", true, false},
    {ID_COPY_REGION, kNone, "Copy Region", {}, 4, "Copy the selection and put it on the Clipboard\nCopy", false, false},
    // The pane keys: the view has a single pane, so they do nothing.
    {ID_NEXT_PANE, kNone, "Next Pane", {"F6"}, -1, "", false, false},
    {ID_PREV_PANE, kNone, "Previous Pane", {"Shift+F6"}, -1, "", false, false},
};

} // namespace

const std::vector<CCommandEntry>& CommandTable() { return kCommands; }

const std::vector<int>& ToolbarLayout()
{
    static const std::vector<int> layout = {
        ID_FILE_NEW,     ID_FILE_OPEN,          ID_FILE_SAVE,        kToolbarSeparator,
        ID_SELECT_REGION, ID_COPY_REGION,       kToolbarSeparator,   ID_FILE_PRINT,
        kToolbarSeparator, ID_BLOCK_STRUCTURE,  kToolbarSeparator,   ID_TYPE_PROM,
        ID_TYPE_PAL,     ID_TYPE_PLA,           kToolbarSeparator,   ID_SHOW_MINTERMS,
        ID_SHOW_PRODUCT_TERMS, kToolbarSeparator, ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS,
        ID_EDIT_MAXTERMS, ID_EDIT_NAMES,        kToolbarSeparator,   ID_APP_ABOUT, ID_SHOW_STEPS,
        ID_EDIT_KARNAUGH};
    return layout;
}

std::string PromptOf(const std::string& prompt)
{
    return prompt.substr(0, prompt.find('\n'));
}

std::string ToolTipOf(const std::string& prompt)
{
    const std::size_t nl = prompt.find('\n');
    return nl == std::string::npos ? std::string() : prompt.substr(nl + 1);
}
