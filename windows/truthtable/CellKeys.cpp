// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellKeys.h"

#include <QKeyEvent>

CCellKey CellKeyOf(const QKeyEvent& event)
{
    CCellKey key;
    // The keypad's keys act as the main keyboard's.
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const bool shift = mods == Qt::ShiftModifier;
    if (mods != Qt::NoModifier && !shift)
        return key;
    switch (event.key()) {
    case Qt::Key_Left: key.move = CCursorKey::Left; break;
    case Qt::Key_Right: key.move = CCursorKey::Right; break;
    case Qt::Key_Up: key.move = CCursorKey::Up; break;
    case Qt::Key_Down: key.move = CCursorKey::Down; break;
    case Qt::Key_Home: key.move = CCursorKey::Home; break;
    case Qt::Key_End: key.move = CCursorKey::End; break;
    case Qt::Key_PageUp: key.move = CCursorKey::PageUp; break;
    case Qt::Key_PageDown: key.move = CCursorKey::PageDown; break;
    case Qt::Key_Space: key.action = shift ? CCellKey::ShiftClick : CCellKey::Click; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key.action = shift ? CCellKey::None : CCellKey::Click; break;
    case Qt::Key_Menu: key.action = CCellKey::Popup; break;
    case Qt::Key_F10: key.action = shift ? CCellKey::Popup : CCellKey::None; break;
    default: break;
    }
    if (shift && key.move)
        key.move.reset();
    return key;
}
