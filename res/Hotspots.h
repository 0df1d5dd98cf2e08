// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Hot spots of the cursor pictures in :/res (x, y in the 32 x 32 picture).
// All three point with their upper-left tip.
constexpr int kCursorHotspot104[2] = {0, 0}; // cur104.png: arrow
constexpr int kCursorHotspot139[2] = {0, 0}; // cur139.png: pencil, its lead tip
constexpr int kCursorHotspot152[2] = {0, 0}; // cur152.png: arrow with two pages (region copy)
