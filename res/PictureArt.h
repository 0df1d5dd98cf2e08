// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing of every picture of Pictures.def, as painter calls in the
// picture's own logical coordinates, (0, 0) to (width, height).
//
// Each picture is drawn two ways by the same code. On a raster device at a
// device scale of exactly 1 (no scaling, whole-pixel translation) it comes
// out pixel for pixel as it always has: aliased one-pixel lines, discs made
// of row spans, glyphs set pixel by pixel. Anywhere else (enlarged, reduced,
// on PDF, SVG or paper) the helpers draw the true shapes those pixels stand
// for: a line along the middle of the pixels it covered, a dot as a circle,
// a pixel glyph as an outline, curves antialiased.

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QString>

class QPainter;

namespace Art {

// One painting function per picture, as Pictures.def names it.
#define ZYL_PICTURE(id, paint, name, number, width, height) void paint(QPainter& p);
#define ZYL_CURSOR(id, paint, name, number, x, y) void paint(QPainter& p);
#define ZYL_IMAGE(id, paint, name, width, height) void paint(QPainter& p);
#include "Pictures.def"
#undef ZYL_PICTURE
#undef ZYL_CURSOR
#undef ZYL_IMAGE

inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kDarkRed(128, 0, 0);
inline const QColor kGrey(192, 192, 192);
inline const QColor kDarkGrey(128, 128, 128);

// True when the painter maps logical pixels one to one onto raster pixels.
bool PixelExact(const QPainter& p);

// Whether the painter's clip, if any, reaches into r: parts of a picture
// outside it are left out, for devices that do not clip.
bool Shown(const QPainter& p, const QRectF& r);

// Sets the antialiasing hint for its lifetime.
class Smooth {
public:
    Smooth(QPainter& p, bool on);
    ~Smooth();
    Smooth(const Smooth&) = delete;
    Smooth& operator=(const Smooth&) = delete;

private:
    QPainter& m_p;
    bool m_was;
};

// For shapes outlined with the one-pixel pen: away from exact pixels, shifts
// by half a unit so the pen lies on the pixels the aliased pen covers, and
// smooths the outline when asked (curves, slants).
class Outline {
public:
    explicit Outline(QPainter& p, bool smooth = true);
    ~Outline();
    Outline(const Outline&) = delete;
    Outline& operator=(const Outline&) = delete;

private:
    QPainter& m_p;
    bool m_shifted;
};

QPen Pen(const QPainter& p, const QColor& c);
// A line over the pixels from (x1, y1) to (x2, y2), both ends included.
void Line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c = kBlack);
// A filled disc of diameter d centred on pixel (cx, cy).
void Dot(QPainter& p, int cx, int cy, int d, const QColor& c);
// Marks pixel (x, y); on exact pixels the pixel itself, elsewhere a square.
void Pixel(QPainter& p, int x, int y, const QColor& c);
QFont Font(int pixelSize, bool bold = false);
void Text(QPainter& p, const QRect& r, const QString& text, const QFont& font, const QColor& c,
          int flags = Qt::AlignCenter);
// Text whose top is at `top`.
void TextAt(QPainter& p, int x, int top, const QString& text, const QFont& font, const QColor& c);
// Text outlines stretched to fill the box, standing in for pixel glyphs.
void TextInBox(QPainter& p, const QRectF& box, const QString& text, const QColor& fill,
               const QColor& edge = QColor(), double edgeWidth = 0);
// An arrow from `from` with its head at `to`.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2, double head = 7);

// The logic symbols, shared by the fuse map and the symbols pictures.
void AndGateRight(QPainter& p, int x, int y, int w, int h);
void OrGateDown(QPainter& p, double x, double y, double w, double h);
void OrGateRight(QPainter& p, double x, double y, double w, double h);
void InputBuffer(QPainter& p, int ox, int oy);
enum class Fuse { Blown, Intact, HardWired };
void FuseCell(QPainter& p, int ox, int oy, Fuse kind);

} // namespace Art
