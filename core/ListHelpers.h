// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small integer-list helpers shared by the document, the minimizer and the
// dialogs. They are the lowest layer of the program and depend on nothing.

// 2 to the power n for 1 <= n <= 16; 1 for every other n (so n = 0 gives 1).
int PowerOfTwo(int n);

// Sorts the first n entries ascending in place; n < 2 leaves the list alone.
void SortList(int* list, int n);

// Sorts ascending, keeps each distinct value once at the front, sets the
// remaining n - k entries to -1 and returns k. n is at most 100.
int SortUniqueList(int* list, int n);

// Moves every entry that differs from value to the front, keeping their
// order, and returns their number k; entries from k on are left as they were.
int RemoveFromList(int* list, int n, int value);
