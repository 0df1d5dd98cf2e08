// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeskText.h"

#include "Utf8.h"

namespace DeskText {

namespace {

// The length of the well-formed UTF-8 sequence at text[i], 0 when there is
// none (Utf8.h's rules).
std::size_t SequenceAt(std::string_view text, std::size_t i)
{
    return Utf8::IsWellFormedAt(text, i) ? Utf8::CharLength(text, i) : 0;
}

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits)
{
    static const char kHex[] = "0123456789ABCDEF";
    out += prefix;
    for (int d = digits - 1; d >= 0; --d)
        out += kHex[(value >> (4 * d)) & 15];
}

// text with every byte outside a well-formed sequence written as \xNN.
std::string WellFormed(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceAt(text, i);
        if (length == 0) {
            AppendHex(out, "\\x", static_cast<unsigned char>(text[i]), 2);
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

// WellFormed(text), each character handed to write (as its bytes).
template <typename Write>
std::string EachCharacter(std::string_view text, Write write)
{
    const std::string valid = WellFormed(text);
    std::string out;
    out.reserve(valid.size());
    for (std::size_t i = 0; i < valid.size();) {
        const std::size_t length = SequenceAt(valid, i);
        write(out, std::string_view(valid).substr(i, length));
        i += length;
    }
    return out;
}

} // namespace

std::string Display(std::string_view bytes)
{
    return EachCharacter(bytes, [](std::string& out, std::string_view c) {
        const auto first = static_cast<unsigned char>(c[0]);
        if (c.size() == 1 && (first < 0x20 || first == 0x7F))
            AppendHex(out, "\\x", first, 2);
        else if (first == 0xC2 && static_cast<unsigned char>(c[1]) < 0xA0) // U+0080 to U+009F
            AppendHex(out, "\\x", static_cast<unsigned char>(c[1]), 2);
        else
            out += c;
    });
}

std::string Json(std::string_view bytes)
{
    return '"' + EachCharacter(bytes, [](std::string& out, std::string_view c) {
        const char first = c[0];
        if (first == '"' || first == '\\') {
            out += '\\';
            out += first;
        } else if (c.size() == 1 && static_cast<unsigned char>(first) < 0x20) {
            static const char kShort[] = "btn\\fr"; // short escapes of U+0008 to U+000D; none for U+000B
            const unsigned code = static_cast<unsigned char>(first);
            if (code >= 8 && code <= 13 && kShort[code - 8] != '\\')
                out += std::string{'\\', kShort[code - 8]};
            else
                AppendHex(out, "\\u", code, 4);
        } else {
            out += c;
        }
    }) + '"';
}

std::string Csv(std::string_view bytes)
{
    std::string text = WellFormed(bytes);
    // A spreadsheet takes a field that starts with = + - or @ for a formula,
    // so a hand-in's file name could run one in the teacher's gradebook: such
    // a field is kept as text by a leading apostrophe, and quoted.
    const bool formula = !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
    if (formula)
        text.insert(0, 1, '\'');
    else if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string List(const std::vector<int>& numbers, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text += separator;
        text += std::to_string(numbers[i]);
    }
    return text;
}

} // namespace DeskText
