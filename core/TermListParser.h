// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the entry dialogs say of a list the parser refuses.
extern const char* const kTermListMessage;

// Copies of text without its leading / trailing spaces (code 32 only).
std::string TrimLeadingSpaces(std::string text);
std::string TrimTrailingSpaces(std::string text);

// Reads a list such as "1, 3, 7, 12" into numbers (capacity entries, 16 for
// every caller). Returns the count written (n >= 1); 0 for an empty list or
// one with an empty item (",1", "1,,2"); -1 for any character other than a
// digit, a space or a comma (the caller says kTermListMessage). It shows
// nothing itself.
// Spaces are skipped everywhere, so "1 2" reads as 12.
//
// Bounds: a number too large for an int is held as INT_MAX, which the
// callers' range checks report like any number above 15. A list of more
// numbers than the capacity never writes past it: its repeats are folded
// (a repeated number acts once for every caller), and if the distinct
// numbers still do not fit, the first number above 15 is kept in the last
// slot, so that the callers' range checks still see it.
int ParseTermList(std::string text, int* numbers, int capacity = 16);
