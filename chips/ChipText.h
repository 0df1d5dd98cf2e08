// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text helpers the exports share (not part of the library's interface):
// the forms names take in plain text, in ASCII-only JEDEC fields and in
// Verilog comments. Names are read as code points with Utf8::Decode (a byte
// that starts no well-formed sequence is one U+FFFD).

#include "ChipDesign.h"

#include <string>
#include <string_view>

namespace ChipText {

// "<U+03A9>": how a character that cannot stand as itself is written.
std::string Escape(char32_t c);

// The name of input i (0..3) or output i (4..7), the default name when it
// is empty; Name gives it as Plain writes it.
std::string Raw(const ChipDesign& design, int i);
std::string Name(const ChipDesign& design, int i);
// UTF-8 with every control character and line separator escaped, a bad
// byte as U+FFFD.
std::string Plain(std::string_view text);
// Printable ASCII as it is, except the characters of also; the rest escaped.
std::string Ascii(std::string_view text, std::string_view also = {});
// Plain text for a Verilog // comment: the word "module" in any letter case
// written with its u escaped.
std::string Comment(std::string_view text);

// The products of output f in the device's notation ("^AB + C", "0", "1")
// with the input names given, product-0 terms left out; InputNames gives
// the inputs' names as Name does.
std::string Sum(const ChipDesign& design, int f, const std::array<std::string, 4>& names);
std::array<std::string, 4> InputNames(const ChipDesign& design);

// "GAL16V8 (also ATF16V8B): PAL device of lab.zyl", the type and the
// document's name as Plain writes them, each left out when empty.
std::string Title(const ChipDesign& design, Chip chip);

// "ATF16V8B" or "ATF22V10": the chip that takes the same file.
std::string_view Compatible(Chip chip);

} // namespace ChipText
