// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UTF-8 text as a sequence of Unicode code points, for names and messages.
// Names are stored as UTF-8 bytes but counted, cut and drawn by character.
//
// Every function accepts any bytes. A byte that does not start a well-formed
// sequence (a stray continuation byte, an overlong form, a surrogate, a value
// beyond U+10FFFF, a sequence cut short by the end of the text) is one
// character of its own, decoded as U+FFFD. So every byte belongs to exactly
// one character, and character boundaries are the same for every function.

#include <cstddef>
#include <string>
#include <string_view>

namespace Utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Number of bytes of the character that starts at text[i]: the length of the
// well-formed sequence there, else 1. i must be below text.size().
std::size_t CharLength(std::string_view text, std::size_t i);

// True when text[i] starts a well-formed sequence (i below text.size()).
bool IsWellFormedAt(std::string_view text, std::size_t i);

// True when every byte of text belongs to a well-formed sequence.
bool IsValid(std::string_view text);

// The code point of the character at text[i] (U+FFFD for a bad byte); i is
// advanced past it. i must be below text.size().
char32_t DecodeAt(std::string_view text, std::size_t& i);

// All code points of text, one per character.
std::u32string Decode(std::string_view text);

// The UTF-8 form of one code point; a surrogate or a value beyond U+10FFFF
// gives the form of U+FFFD.
std::string Encode(char32_t c);

// How many columns text takes in a fixed-width font: two for a wide or
// full-width character (East Asian Width W or F, as CJK ideographs), none
// for a combining mark, one for any other character.
std::size_t DisplayWidth(std::string_view text);

// Number of characters in text.
std::size_t CountChars(std::string_view text);

// Byte offset at which character n (counted from 0) starts; text.size() when
// text has n characters or fewer.
std::size_t OffsetOfChar(std::string_view text, std::size_t n);

// The first n characters of text (all of it when it is shorter); the cut is
// always at a character boundary.
std::string_view Truncate(std::string_view text, std::size_t n);

// The character that starts at character n, as its bytes; empty when text has
// n characters or fewer.
std::string_view CharAtIndex(std::string_view text, std::size_t n);

// Unicode's character properties and forms, as ICU knows them.

// True for a code point that prints nothing of its own: a control
// character (TAB, U+0085), a format character (U+200D, U+202E, U+FEFF), a
// line or paragraph separator (U+2028), any other default-ignorable one,
// a surrogate or a noncharacter (U+FFFE, U+FFFF).
bool IsNonPrinting(char32_t c);

// True for a combining mark (U+0301), which belongs on the character
// before it.
bool IsCombiningMark(char32_t c);

// text in Unicode normalization form C; text must be valid UTF-8.
std::string ToNfc(std::string_view text);

// text as it may be shown or echoed safely: every non-printing character
// and every byte of a malformed sequence written as an escape ("\t",
// "\n", "\r", "\xHH" for other ASCII controls and for bad bytes,
// "\uHHHH" or "\UHHHHHHHH" for the others); all else as it is.
std::string Escaped(std::string_view text);

} // namespace Utf8
