// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Boolean text with inline markup: "^x" draws x with a bar over it, "~d" and
// "~u" switch a subscript (2 pt smaller, 7 units lower) and a superscript
// (5 units higher) on and off, "~a" and "~r" insert gaps of 10 and 18 units.
// The layout step is pure and takes the width function; the painter draws it.

#include <functional>
#include <string>
#include <vector>

struct CRichGlyph
{
    char ch;
    int x;      // left edge, relative to the text origin
    int dy;     // vertical offset of the glyph's top
    bool small; // drawn in the small font
};

struct CRichBar
{
    int x1;
    int x2; // line from (x1, -1) to (x2, -1) relative to the text origin
};

struct CRichLayout
{
    std::vector<CRichGlyph> glyphs;
    std::vector<CRichBar> bars;
    int width = 0; // the final advance
};

// width(ch, small) gives the advance of one character in the normal or the
// small font.
CRichLayout LayoutRichText(const std::string& text, const std::function<int(char, bool)>& width);

class QPainter;
class QColor;

// Draws text at (x, y) (top-left of the first character, logical units)
// in "Arial" at pointSize tenths of a point (as at 96 dpi), restoring the
// painter's font, pen and colours afterwards.
void DrawRichText(QPainter& painter, int x, int y, const std::string& text, int pointSize, const QColor& textColour,
                  const QColor& backgroundColour);

class QFont;

// "Arial" at pointSize tenths of a point as a 96-dpi screen sizes it,
// whatever the real screen: the pixel height is rounded as Windows does
// (MulDiv(pt, 96, 72)), so 14 pt is 19 px, 10 pt 13 px and 8 pt 11 px.
int ZylFontPixelSize(int pointSize);
QFont ZylArialFont(int pointSize);
