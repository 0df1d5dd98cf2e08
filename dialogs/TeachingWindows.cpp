// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeachingWindows.h"

#include "CKarnaughDlg.h"
#include "CStepsDlg.h"
#include "CViewDialogs.h"
#include "CommandIds.h"

void AddTeachingWindows(CViewDialogs& dialogs)
{
    // One line a window: its command, its settings key and how it is made.
    dialogs.AddWindow(ID_SHOW_STEPS, "MinimizationSteps", [](CZYLDoc& doc, QWidget* owner) {
        return std::make_unique<CStepsDlg>(doc, owner);
    });
    dialogs.AddWindow(ID_EDIT_KARNAUGH, "KarnaughMaps", [](CZYLDoc& doc, QWidget* owner) {
        return std::make_unique<CKarnaughDlg>(doc, owner);
    });
}
