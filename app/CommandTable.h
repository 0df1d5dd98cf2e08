// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The command table of the main frame as data: menus, item texts (with their
// "&" mnemonics and "\t" accelerator hints), accelerators, toolbar buttons
// and status-line prompts. The frame builds its menus, toolbar and
// shortcuts from it; nothing else describes a command.
struct CCommandEntry
{
    int id;
    std::vector<std::string> menuPath; // top-level menu, then submenus; empty: toolbar only
    std::string text;                  // menu item text
    std::vector<std::string> keys;     // accelerators in QKeySequence portable text
    int toolbarImage;                  // index into the toolbar strip, -1: no button
    std::string prompt;                // "status line\ntool tip", or only the status line
    bool checkable;                    // shows a check mark / pressed state
    bool separatorBefore;              // a separator precedes the item in its menu
};

// Command ids of the application shell and the framework.
enum
{
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_EXPORT = 32900, // our own: the fuse map as a picture file
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616, // .. 57619 for the four recent files
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_OUTPUT_0 = 32794, // .. 32797
};

const std::vector<CCommandEntry>& CommandTable();

// Toolbar layout: command ids in button order, 0 for a separator.
const std::vector<int>& ToolbarLayout();

// The status-line prompt (text before "\n") and the tool tip (text after it).
std::string PromptOf(const std::string& prompt);
std::string ToolTipOf(const std::string& prompt);
