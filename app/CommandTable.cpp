// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

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

} // namespace

const std::vector<CCommandEntry>& CommandTable()
{
    static const std::vector<CCommandEntry> table = {
        {57600, kFile, "&New\tCtrl+N", {"Ctrl+N"}, 0, "Create a new document\nNew", false, false},
        {57601, kFile, "&Open...\tCtrl+O", {"Ctrl+O"}, 1, "Open an existing document\nOpen", false, false},
        {57603, kFile, "&Save\tCtrl+S", {"Ctrl+S"}, 2, "Save the active document\nSave", false, false},
        {57604, kFile, "Save &As...", {}, -1, "Save the active document with a new name\nSave As", false, false},
        {32900, kFile, "&Export Picture...", {}, -1,
         "Export the fuse map as a PNG, SVG or PDF picture\nExport Picture", false, false},
        {57607, kFile, "&Print...\tCtrl+P", {"Ctrl+P"}, 5, "Print the active document\nPrint", false, true},
        {57609, kFile, "Print Pre&view", {}, -1, "Display full pages\nPrint Preview", false, false},
        {57606, kFile, "P&rint Setup...", {}, -1, "Change the printer and printing options\nPrint Setup", false, false},
        {57616, kFile, "Recent File", {}, -1, "Open this document", false, true},
        {57665, kFile, "E&xit", {}, -1, "Quit the application; prompts to save documents\nExit", false, true},
        {32787, kEditBy, "T&ruth Table", {}, 12, "Edit the functional value by means of Truth Table.", false, false},
        {32798, kEditBy, "M&interm Table", {}, 13, "Edit the function by entering the Minterms.", false, false},
        {32799, kEditBy, "M&axterm Table", {}, 14, "Edit the function by entering the Maxterms.", false, false},
        {32788, kEdit, "Variable and Function Names", {}, 15, "Edit the variable and function names.", false, false},
        {57643, kEdit, "&Undo\tCtrl+Z", {"Ctrl+Z", "Alt+Backspace"}, -1, "Undo the last action\nUndo", false, true},
        {57635, kEdit, "Cu&t\tCtrl+X", {"Ctrl+X", "Shift+Del"}, -1,
         "Cut the selection and put it on the Clipboard\nCut", false, true},
        {57634, kEdit, "&Copy\tCtrl+C", {"Ctrl+C", "Ctrl+Ins"}, -1,
         "Copy the selection and put it on the Clipboard\nCopy", false, false},
        {57637, kEdit, "&Paste\tCtrl+V", {"Ctrl+V", "Shift+Ins"}, -1, "Insert Clipboard contents\nPaste", false, false},
        {32792, kView, "&Block Structure", {}, 6, "Show the block structure of a ZYL.", true, false},
        {32773, kView, "A&ND Array Label", {}, -1, "View input AND Array label.", true, false},
        {32774, kView, "&OR Array Label", {}, -1, "View output OR Array Label.", true, false},
        {32777, kView, "PRO&M minterms", {}, 10, "Show the minterms of the PROM.", true, true},
        {32786, kView, "PA&L product terms", {}, 11, "Show the product terms of the AND gates of the PAL.", true, false},
        {59392, kView, "&Toolbar", {}, -1, "Show or hide the toolbar\nToggle ToolBar", true, true},
        {59393, kView, "&Status Bar", {}, -1, "Show or hide the status bar\nToggle StatusBar", true, false},
        {32789, kType, "P&ROM", {}, 7, "Set the ZYL to operate in PROM (Programmable Read-Only-Memory) mode.", true, false},
        {32790, kType, "P&AL", {}, 8, "Set the ZYL to operate in PAL (Programmable Array Logic) mode.", true, false},
        {32791, kType, "P&LA", {}, 9, "Set the ZYL to operate in PLA (Programmable Loigc Array) mode.", true, false},
        {32811, kSimplify, "&Connections in PAL", {}, -1,
         "Simplify the AND gate array connection for the functions in PAL.", false, false},
        {32771, kInput, "&Re-instate all fuses", {}, -1, "Re-instate all the fuse connections in the input arrary.",
         false, false},
        {32793, kInput, "B&low all fuses", {}, -1, "Blow all the fuses in the input array.", false, false},
        {32794, kOutputFor, "Output &0", {}, -1, "", true, false},
        {32795, kOutputFor, "Output &1", {}, -1, "", true, false},
        {32796, kOutputFor, "Output &2", {}, -1, "", true, false},
        {32797, kOutputFor, "Output &3", {}, -1, "", true, false},
        {32775, kOutput, "Re-&instate all fuses", {}, -1, "Reinstate all fuse connections in the output array.", false,
         false},
        {32785, kOutput, "&Blow All Fuses", {}, -1, "Blow all fuse connections in the output array.", false, false},
        {32814, kHelp, "Circuit symbols for ZYL...", {}, -1, "Show the circuit symbol for ZYL.", true, false},
        {57664, kHelp, "&About ZYL...", {}, 16, "Display program information, version number and copyright\nAbout",
         false, true},
        {32812, kNone, "Select Region", {}, 3, "Select a region for copying to the Clipboard.", true, false},
        {32813, kNone, "Copy Region", {}, 4, "Copy the selection and put it on the Clipboard\nCopy", false, false},
        // The pane keys: the view has a single pane, so they do nothing.
        {57680, kNone, "Next Pane", {"F6"}, -1, "", false, false},
        {57681, kNone, "Previous Pane", {"Shift+F6"}, -1, "", false, false},
    };
    return table;
}

const std::vector<int>& ToolbarLayout()
{
    static const std::vector<int> layout = {57600, 57601, 57603, 0,     32812, 32813, 0,     57607,
                                            0,     32792, 0,     32789, 32790, 32791, 0,     32777,
                                            32786, 0,     32787, 32798, 32799, 32788, 0,     57664};
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
