// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListHelpers.h"

#include <algorithm>

int PowerOfTwo(int n)
{
    if (n < 1 || n > 16)
        return 1;
    return 1 << n;
}

void SortList(int* list, int n)
{
    if (n < 2)
        return;
    // Lists are short (16 entries in practice): insertion sort beats the
    // general sort and keeps the helper free of allocation.
    for (int i = 1; i < n; ++i) {
        const int v = list[i];
        int j = i - 1;
        while (j >= 0 && list[j] > v) {
            list[j + 1] = list[j];
            --j;
        }
        list[j + 1] = v;
    }
}

int SortUniqueList(int* list, int n)
{
    if (n <= 0)
        return 0;
    SortList(list, n);
    int k = 1;
    for (int i = 1; i < n; ++i) {
        if (list[i] != list[k - 1])
            list[k++] = list[i];
    }
    std::fill(list + k, list + n, -1);
    return k;
}

int RemoveFromList(int* list, int n, int value)
{
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (list[i] != value)
            list[k++] = list[i];
    }
    return k;
}
