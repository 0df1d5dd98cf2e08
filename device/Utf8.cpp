// SPDX-License-Identifier: GPL-3.0-or-later
#include "Utf8.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

#include <cstdio>

namespace Utf8 {

namespace {

// Length of the well-formed sequence at text[i], 0 if there is none. The
// ranges of the second byte exclude overlong forms (E0, F0), surrogates (ED)
// and values beyond U+10FFFF (F4).
std::size_t SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned c = byte(i);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            lo = 0xA0;
        if (c == 0xED)
            hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            lo = 0x90;
        if (c == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (n > text.size() - i)
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned b = byte(i + k);
        if (b < (k == 1 ? lo : 0x80u) || b > (k == 1 ? hi : 0xBFu))
            return 0;
    }
    return n;
}

} // namespace

std::size_t CharLength(std::string_view text, std::size_t i)
{
    const std::size_t n = SequenceLength(text, i);
    return n == 0 ? 1 : n;
}

bool IsWellFormedAt(std::string_view text, std::size_t i) { return SequenceLength(text, i) != 0; }

bool IsValid(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = SequenceLength(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

char32_t DecodeAt(std::string_view text, std::size_t& i)
{
    const std::size_t n = SequenceLength(text, i);
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    if (n == 0) {
        ++i;
        return kReplacement;
    }
    char32_t c = n == 1 ? byte(i) : byte(i) & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k)
        c = (c << 6) | (byte(i + k) & 0x3Fu);
    i += n;
    return c;
}

std::u32string Decode(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();)
        out.push_back(DecodeAt(text, i));
    return out;
}

std::string Encode(char32_t c)
{
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        c = kReplacement;
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::size_t CountChars(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        ++n;
    return n;
}

std::size_t OffsetOfChar(std::string_view text, std::size_t n)
{
    std::size_t i = 0;
    for (; i < text.size() && n > 0; --n)
        i += CharLength(text, i);
    return i;
}

std::string_view Truncate(std::string_view text, std::size_t n) { return text.substr(0, OffsetOfChar(text, n)); }

std::string_view CharAtIndex(std::string_view text, std::size_t n)
{
    const std::size_t i = OffsetOfChar(text, n);
    return i < text.size() ? text.substr(i, CharLength(text, i)) : std::string_view();
}

bool IsNonPrinting(char32_t c)
{
    const auto code = static_cast<UChar32>(c);
    switch (u_charType(code)) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
    case U_SURROGATE:
        return true;
    default:
        return u_hasBinaryProperty(code, UCHAR_DEFAULT_IGNORABLE_CODE_POINT) ||
               u_hasBinaryProperty(code, UCHAR_NONCHARACTER_CODE_POINT);
    }
}

bool IsCombiningMark(char32_t c)
{
    const auto type = u_charType(static_cast<UChar32>(c));
    return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK || type == U_COMBINING_SPACING_MARK;
}

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t columns = 0;
    for (char32_t c : Decode(text)) {
        const auto width = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_EAST_ASIAN_WIDTH);
        columns += IsCombiningMark(c) ? 0 : width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
    }
    return columns;
}

std::string ToNfc(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    std::string out;
    icu::StringByteSink<std::string> sink(&out);
    if (U_SUCCESS(status))
        nfc->normalizeUTF8(0, icu::StringPiece(text.data(), static_cast<int32_t>(text.size())), sink, nullptr, status);
    return U_SUCCESS(status) ? out : std::string(text);
}

std::string Escaped(std::string_view text)
{
    std::string out;
    char escape[12];
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const bool wellFormed = IsWellFormedAt(text, i);
        const char32_t c = DecodeAt(text, i);
        if (wellFormed && !IsNonPrinting(c)) {
            out.append(text.substr(start, i - start));
            continue;
        }
        if (c == '\t' || c == '\n' || c == '\r') {
            out += c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
            continue;
        }
        if (!wellFormed || c < 0x80)
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[start]));
        else
            std::snprintf(escape, sizeof escape, c > 0xFFFF ? "\\U%08X" : "\\u%04X", static_cast<unsigned>(c));
        out += escape;
    }
    return out;
}

} // namespace Utf8
