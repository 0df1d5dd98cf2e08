// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CViewDialogs;

// The teaching windows that came after the program's own dialogs, each
// added with its command; they all follow the rule of CViewDialogs::AddWindow.
void AddTeachingWindows(CViewDialogs& dialogs);
