// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the desk writes names and values into its three formats. Names and
// file names are bytes: well-formed UTF-8 is kept as it is, and every byte
// outside a well-formed sequence becomes the four characters \xNN
// (uppercase hex), so every output is valid UTF-8 and still shows which
// bytes the name holds.
namespace DeskText {

// For a person: the escaping above, and control characters (U+0000 to
// U+001F, U+007F to U+009F) as \xNN too, so that a name can neither break
// a line nor steer the terminal.
std::string Display(std::string_view bytes);

// A JSON string literal (RFC 8259), quotes included: the escaping above,
// then '"', '\' and the control characters U+0000 to U+001F escaped.
std::string Json(std::string_view bytes);

// One CSV field (RFC 4180): the escaping above; quoted, with its quotes
// doubled, when it holds a comma, a quote, a CR or an LF. A field a
// spreadsheet would take for a formula (its first character = + - or @)
// gets a leading apostrophe and is quoted.
std::string Csv(std::string_view bytes);

// "1, 3, 7" (separator ", ") or "1,3,7" (separator ","), "" when empty.
std::string List(const std::vector<int>& numbers, std::string_view separator);

} // namespace DeskText
