// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TruthTableLogic.h"

#include <optional>

class QKeyEvent;

// What a key does on a surface whose cells take the keyboard (the truth
// table, the Karnaugh maps): move the cursor, or act on its cell as the
// mouse would. Space and Return are a left click, Shift+Space a
// Shift+click, the menu key and Shift+F10 open the value popup.
struct CCellKey
{
    enum Action
    {
        None,
        Click,
        ShiftClick,
        Popup
    };
    std::optional<CCursorKey> move;
    Action action = None;
};
CCellKey CellKeyOf(const QKeyEvent& event);
