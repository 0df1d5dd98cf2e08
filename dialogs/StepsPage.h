// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepsText.h"

#include <functional>
#include <string>
#include <vector>

// The steps laid out on a page for the steps window: every run of text and
// every rule at its place, in pixels, y downwards. No Qt: the caller tells
// how wide a text is and how high a line; the window paints what it gets.
// Laying out is a single pass over the blocks, so it can follow every
// change of the document at once.

struct CStepsRect
{
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

struct CStepsPlaced
{
    CStepsRect box; // the run's text box: top at the line's top
    CStepsSpan span;
    bool heading = false;
};

struct CStepsPage
{
    std::vector<CStepsPlaced> texts;
    std::vector<CStepsRect> rules;  // thin lines: w or h is 1
    std::vector<CStepsRect> marked; // highlighted areas (the cover the rows hold)
    int width = 0;
    int height = 0;
};

struct CStepsMetrics
{
    // Width in pixels of text, in the bold face when strong.
    std::function<int(const std::string& text, bool strong)> width;
    int lineHeight = 16;
};

// pageWidth is where paragraphs wrap; tables keep their natural width. With
// options.pal the cover table gets the PAL column as StepsPalColumn makes it.
CStepsPage LayOutPage(const std::vector<CStepsBlock>& blocks, const CDerivation& d, const CStepsPalOptions& options,
                      int pageWidth, const CStepsMetrics& metrics);
