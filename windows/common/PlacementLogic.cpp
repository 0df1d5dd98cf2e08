// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlacementLogic.h"

#include <algorithm>

namespace {
int ClampAxis(int wanted, int extent, int screen)
{
    return std::max(0, std::min(wanted, screen - extent));
}
} // namespace

ZPoint ClampToScreen(const ZPoint& wanted, const ZSize& dialog, const ZSize& screen)
{
    return ZPoint{ClampAxis(wanted.x, dialog.cx, screen.cx), ClampAxis(wanted.y, dialog.cy, screen.cy)};
}
