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

// The keyboard cursor's focus cue: no mark until the user navigates by
// keyboard (a cursor key, or Tab into the surface), then a mark while the
// surface has the focus. Print, export and copy never draw it.
class CFocusCue
{
public:
    void Navigated() { m_shown = true; }
    bool Shows(bool hasFocus) const { return m_shown && hasFocus; }

private:
    bool m_shown = false;
};
