// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Boolean text with inline markup: "^x" draws x with a bar over it, "~d" and
// "~u" switch a subscript (2 pt smaller, 7 units lower) and a superscript
// (5 units higher) on and off, "~a" and "~r" insert gaps of 10 and 18 units.
// The text is UTF-8 and is walked character by character (code points, as
// the UTF-8 helpers split it): a bar or a subscript applies to one whole
// character, and a markup code consumes the whole character after "~".
// The layout step is pure and takes the width function; the painter draws it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CRichGlyph
{
    std::string text; // one whole character, its UTF-8 bytes
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

// width(character, small) gives the advance of one character (its UTF-8
// bytes) in the normal or the small font.
using RichWidth = std::function<int(std::string_view, bool)>;
CRichLayout LayoutRichText(const std::string& text, const RichWidth& width);

// A function name as the fuse map writes it under the OR array: a name of
// two characters as its first character and its second as a subscript that
// stays on to the end; a shorter name as it is; a longer one (no document
// holds one) as its first character. Characters are whole code points.
std::string FuseMapFunctionName(const std::string& name);

class QPainter;
class QColor;

// Draws text at (x, y) (top-left of the first character, logical units)
// in "Arial" at pointSize tenths of a point (as at 96 dpi), restoring the
// painter's font, pen and colours afterwards. Returns the width drawn, as
// its characters measure in the painter's font: a text wider than maxWidth
// (when that is above 0), such as a name of wide characters, is drawn
// narrowed to it, so that it never runs into what stands beside it.
int DrawRichText(QPainter& painter, int x, int y, const std::string& text, int pointSize, const QColor& textColour,
                 const QColor& backgroundColour, int maxWidth = 0);

class QFont;

// "Arial" at pointSize tenths of a point as a 96-dpi screen sizes it,
// whatever the real screen: the pixel height is rounded as Windows does
// (MulDiv(pt, 96, 72)), so 14 pt is 19 px, 10 pt 13 px and 8 pt 11 px.
int ZylFontPixelSize(int pointSize);
QFont ZylArialFont(int pointSize);
