// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChipDesign.h"

#include <string>

// The three exports of a ChipDesign: a JEDEC fuse file (JESD3) for a GAL16V8
// or GAL22V10, the sheet the student wires the chip by (pin table and
// equations), and a Verilog module. All return text; writing it to a file
// is the caller's.

// Empty when every output's products fit the chip; otherwise the message
// that refuses the export, naming the first output that does not fit, e.g.
// "Y1 needs 9 product terms, but pin 18 of the GAL16V8 has 8."
std::string CheckFits(const ChipDesign& design, Chip chip);

struct JedecResult
{
    std::string text;  // the whole file (STX .. ETX and checksum, CR LF lines)
    std::string error; // CheckFits' message; text is then empty
};

// The fuse file: every fuse listed, the architecture fuses of combinational
// active-high outputs, the pins and equations in N fields (names made ASCII:
// other characters written <U+XXXX>), the fuse checksum and the
// transmission checksum.
JedecResult JedecFile(const ChipDesign& design, Chip chip = Chip::GAL16V8);

// A plain-text outline of the chip seen from above, every pin numbered and
// named (an unused pin "NC"), with a title line naming the chip and the
// document, in UTF-8. Names are aligned by characters, for a fixed-width font.
std::string PinTable(const ChipDesign& design, Chip chip);

// One line an output: "Y0 (pin 19) = ^AB + C", the products in the notation
// of the device ("^" before a complemented input, "0" and "1" for the
// constants), product-0 terms left out.
std::string Equations(const ChipDesign& design, Chip chip);

// One synthesizable Verilog-2001 module, ports A, B, C, D, Y0, Y1, Y2, Y3 in
// that order, one continuous assignment an output. A port is named by its
// input's or output's name: ASCII letters, digits and "_" as they are, any
// other character as _uXXXX (its code point), "_" before a leading digit and
// after a Verilog or SystemVerilog keyword ("if" becomes "if_"), and "_2",
// "_3", ... after a name an earlier port took; the name as given follows in
// a comment. The module is "zyl_" and the document's name without folder
// and ".zyl" (its first 40 characters, other characters than ASCII letters
// and digits as "_"), "zyl_device" without one. The word "module" is
// written nowhere but in the declaration, also not in the comments.
std::string VerilogModule(const ChipDesign& design);
