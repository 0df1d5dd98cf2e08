// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every command of the program by its id, named once. The menus, toolbar
// and accelerators (the command table), the check marks and every handler
// use these names. The numbers are fixed: saved settings, the recent-file
// entries and the tests rely on them.
enum ZylCommandId : int
{
    // File (the framework's numbers) and our own exports.
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616, // .. 57619 for the four recent files
    ID_APP_EXIT = 57665,
    ID_FILE_EXPORT = 32900,
    ID_FILE_EXPORT_FUSES = 32904,   // the JEDEC fuse file for a real chip
    ID_FILE_EXPORT_VERILOG = 32905, // the Verilog module
    ID_FILE_EXPORT_HANDOUT = 32906, // the lab handout as a PDF file
    ID_FILE_PRINT_HANDOUT = 32907,  // the lab handout on the printer

    // Edit: the function dialogs, the names, and the framework's edit
    // commands, which have no handler and stay disabled.
    ID_EDIT_TRUTH_TABLE = 32787,
    ID_EDIT_NAMES = 32788,
    ID_EDIT_MINTERMS = 32798,
    ID_EDIT_MAXTERMS = 32799,
    ID_EDIT_KARNAUGH = 32801,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,

    // View: drawing options, row labels, the bars, the zoom of the drawing.
    ID_BLOCK_STRUCTURE = 32792,
    ID_AND_LABEL = 32773,
    ID_OR_LABEL = 32774,
    ID_SHOW_MINTERMS = 32777,
    ID_SHOW_PRODUCT_TERMS = 32786,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_ZOOM_IN = 32901,
    ID_ZOOM_OUT = 32902,
    ID_ZOOM_ACTUAL = 32903,

    // Device type.
    ID_TYPE_PROM = 32789,
    ID_TYPE_PAL = 32790,
    ID_TYPE_PLA = 32791,

    // Simplify, and the arrays.
    ID_SIMPLIFY_PAL = 32811,
    ID_SHOW_STEPS = 32815, // the minimization steps window
    ID_INPUT_REINSTATE_ALL = 32771,
    ID_INPUT_BLOW_ALL = 32793,
    ID_OUTPUT_0 = 32794, // .. 32797: re-instate/blow the fuses of output 0..3
    ID_OUTPUT_REINSTATE_ALL = 32775,
    ID_OUTPUT_BLOW_ALL = 32785,

    // Help.
    ID_SYMBOLS = 32814,
    ID_APP_ABOUT = 57664,

    // Toolbar only: region selection and copy.
    ID_SELECT_REGION = 32812,
    ID_COPY_REGION = 32813,

    // Accelerators that move between panes; a single pane has nowhere to go.
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,

    // The items "0", "1" and "X" of the value popup (fuse map and truth table).
    ID_VALUE_0 = 101,
    ID_VALUE_1 = 102,
    ID_VALUE_X = 103,
};

// The re-instate/blow command of output j (0..3).
constexpr int OutputCommand(int j) { return ID_OUTPUT_0 + j; }
