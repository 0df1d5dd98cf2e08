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

// What lies under a run: the page, a marked row or a key cell.
enum class CStepsShade { Page, Row, Key };

struct CStepsPlaced
{
    CStepsRect box; // the run's text box: top at the line's top
    CStepsSpan span;
    bool heading = false;
    CStepsShade shade = CStepsShade::Page;
};

// A row of the covers' table as the keyboard reaches it: cover s, and the
// cover its "Program" link programs (-1 for a row without one).
struct CStepsStop
{
    CStepsRect row;
    int cover = -1;
    int program = -1;
};

struct CStepsPage
{
    std::vector<CStepsStop> stops;  // the covers' rows, in page order
    std::vector<CStepsPlaced> texts;
    std::vector<CStepsRect> rules;  // thin lines: w or h is 1
    std::vector<CStepsRect> marked; // the blocks' marked rows
    std::vector<CStepsRect> keys;   // the cells of key spans
    int width = 0;
    int height = 0;
};

struct CStepsMetrics
{
    // Width in pixels of text, in the bold face when strong.
    std::function<int(const std::string& text, bool strong)> width;
    int lineHeight = 16;
};

// pageWidth is where paragraphs wrap; a table is as wide as its columns,
// where a cell wider than about 40 characters wraps at its spaces.
CStepsPage LayOutPage(const std::vector<CStepsBlock>& blocks, int pageWidth, const CStepsMetrics& metrics);

// The page as a screen reader reads it, in order: the headings, the
// paragraphs, each table row as one text (every cell after its column's
// head: "#: 1; Cover: A'B + CD; Terms: 2"), and after a row with a
// "Program" link that link as a button ("Program cover 1").
struct CStepsReadItem
{
    enum Kind
    {
        Heading,
        Text,
        Button
    };
    Kind kind = Text;
    std::string text;
    int program = -1; // a button's cover
    int cover = -1;   // a row of the covers' table: its cover
};
std::vector<CStepsReadItem> StepsReadingOrder(const std::vector<CStepsBlock>& blocks);
