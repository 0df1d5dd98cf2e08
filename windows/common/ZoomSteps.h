// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The zoom of the fuse map and of the teaching windows moves in these steps,
// in percent of the drawing's actual size; every window that zooms uses
// them, so a stored zoom is always one of them.
constexpr std::array<int, 9> kZoomSteps = {50, 67, 80, 100, 125, 150, 200, 300, 400};
constexpr int kActualZoom = 100;
// One notch of a mouse wheel, in the wheel's angle units (an eighth of a degree).
constexpr int kWheelNotch = 120;

// The step nearest to a percentage (the lower one of two as near); a
// stored value from elsewhere snaps to it, one beyond the steps to the
// first or the last.
constexpr int NearestZoomStep(int percent)
{
    percent = percent < kZoomSteps.front() ? kZoomSteps.front() : percent > kZoomSteps.back() ? kZoomSteps.back() : percent;
    const auto distance = [percent](int step) { return step > percent ? step - percent : percent - step; };
    int best = kZoomSteps.front();
    for (int step : kZoomSteps)
        if (distance(step) < distance(best))
            best = step;
    return best;
}

// The step after (steps > 0) or before (steps < 0) the one nearest to
// percent, held at the first and the last step.
constexpr int ZoomStepFrom(int percent, int steps)
{
    int i = 0;
    while (kZoomSteps[static_cast<std::size_t>(i)] != NearestZoomStep(percent))
        ++i;
    i += steps;
    i = i < 0 ? 0 : i >= int(kZoomSteps.size()) ? int(kZoomSteps.size()) - 1 : i;
    return kZoomSteps[static_cast<std::size_t>(i)];
}

// The keys of the three zoom commands, in the portable text of key
// sequences: the main keyboard's, then the keypad's.
constexpr std::array<std::string_view, 3> kZoomInKeys = {"Ctrl++", "Ctrl+=", "Ctrl+Num++"};
constexpr std::array<std::string_view, 2> kZoomOutKeys = {"Ctrl+-", "Ctrl+Num+-"};
constexpr std::array<std::string_view, 2> kActualSizeKeys = {"Ctrl+0", "Ctrl+Num+0"};
