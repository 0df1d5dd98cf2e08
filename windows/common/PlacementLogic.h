// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

// Where a dialog of the given size goes: the position its caller computes
// from the screen size, moved just enough that the whole dialog lies on the
// screen (top-left wins when the dialog is larger than the screen).
ZPoint ClampToScreen(const ZPoint& wanted, const ZSize& dialog, const ZSize& screen);
