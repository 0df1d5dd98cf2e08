// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeachingWindows.h"

#include "CViewDialogs.h"

void AddTeachingWindows(CViewDialogs& dialogs)
{
    // One line a window: its command, its settings key and how it is made.
    (void)dialogs;
}
