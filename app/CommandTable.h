// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandIds.h"

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
    int buttonPicture = -1;            // a button picture of its own (an ImageId), for
                                       // buttons beyond the strip's; -1: none
};

const std::vector<CCommandEntry>& CommandTable();

// Toolbar layout: command ids in button order, kToolbarSeparator for a gap.
constexpr int kToolbarSeparator = 0;
const std::vector<int>& ToolbarLayout();

// The status-line prompt (text before "\n") and the tool tip (text after it).
std::string PromptOf(const std::string& prompt);
std::string ToolTipOf(const std::string& prompt);
