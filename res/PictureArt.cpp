// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing helpers shared by every picture, and the pictures of the fuse
// map. The lines of the small pictures sit exactly where the view draws its
// own lines: fuse cells cross at (7, 7), the AND gate's product line is at
// y = 10, the OR gate's output line at x = 9, the input buffer's true and
// complemented lines at x = 5 and x = 26.
#include "PictureArt.h"
#include "Pictures.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace Art {

bool PixelExact(const QPainter& p)
{
    const QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    const QTransform t = p.deviceTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

bool Shown(const QPainter& p, const QRectF& r) { return !p.hasClipping() || p.clipBoundingRect().intersects(r); }

Smooth::Smooth(QPainter& p, bool on)
    : m_p(p)
    , m_was(p.testRenderHint(QPainter::Antialiasing))
{
    p.setRenderHint(QPainter::Antialiasing, on);
}

Smooth::~Smooth() { m_p.setRenderHint(QPainter::Antialiasing, m_was); }

Outline::Outline(QPainter& p, bool smooth)
    : m_p(p)
    , m_shifted(!PixelExact(p))
{
    if (!m_shifted)
        return;
    p.save();
    p.translate(0.5, 0.5);
    p.setRenderHint(QPainter::Antialiasing, smooth);
}

Outline::~Outline()
{
    if (m_shifted)
        m_p.restore();
}

} // namespace Art

double ZylLineWidth(const QPainter& p)
{
    const QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return 1;
    const double scale = std::sqrt(std::abs(p.deviceTransform().determinant()));
    return scale > 0 ? std::max(1.0, std::round(scale)) / scale : 1;
}

namespace Art {

QPen Pen(const QPainter& p, const QColor& c)
{
    QPen pen(c);
    if (PixelExact(p))
        pen.setWidth(1);
    else
        pen.setWidthF(ZylLineWidth(p));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c)
{
    if (PixelExact(p)) {
        p.setPen(Pen(p, c));
        p.drawLine(x1, y1, x2, y2);
        return;
    }
    const double w = ZylLineWidth(p);
    if (x1 == x2 && y1 == y2) {
        const Smooth sharp(p, false);
        p.fillRect(QRectF(x1 + 0.5 - w / 2, y1 + 0.5 - w / 2, w, w), c);
        return;
    }
    // Straight ones sharp, on the device pixels a line of the view would
    // take, and along their length the whole pixels they cover at scale 1,
    // so one that ends at the picture's edge meets the view's line beyond
    // it; slanted ones smooth.
    // A line, not a filled rectangle, so that it keeps a device pixel where
    // the scale makes it thinner than one (print preview).
    if (x1 == x2 || y1 == y2) {
        const Smooth sharp(p, false);
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        if (x1 == x2)
            p.drawLine(QPointF(x1 + 0.5, std::min(y1, y2)), QPointF(x1 + 0.5, std::max(y1, y2) + 1));
        else
            p.drawLine(QPointF(std::min(x1, x2), y1 + 0.5), QPointF(std::max(x1, x2) + 1, y1 + 0.5));
        return;
    }
    const Smooth smooth(p, true);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void Dot(QPainter& p, int cx, int cy, int d, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (!PixelExact(p)) {
        const Smooth smooth(p, true);
        p.drawEllipse(QPointF(cx + 0.5, cy + 0.5), d / 2.0, d / 2.0);
    } else if (d <= 3) {
        const Smooth sharp(p, false);
        p.fillRect(cx - d / 2, cy - d / 2, d, d, c);
    } else {
        // Row spans of a disc, symmetric about the centre pixel.
        const Smooth sharp(p, false);
        const int r = d / 2;
        for (int dy = -r; dy <= r; ++dy) {
            const int half = int(std::floor(std::sqrt(double(r * r) + 0.6 * r - double(dy * dy))));
            p.fillRect(cx - half, cy + dy, 2 * half + 1, 1, c);
        }
    }
    p.setBrush(Qt::NoBrush);
}

void Pixel(QPainter& p, int x, int y, const QColor& c)
{
    const Smooth sharp(p, false);
    p.fillRect(x, y, 1, 1, c);
}

QFont Font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void Text(QPainter& p, const QRect& r, const QString& text, const QFont& font, const QColor& c, int flags)
{
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, flags, text);
}

void TextAt(QPainter& p, int x, int top, const QString& text, const QFont& font, const QColor& c)
{
    p.setFont(font);
    p.setPen(c);
    p.drawText(x, top + QFontMetrics(font).ascent(), text);
}

void TextInBox(QPainter& p, const QRectF& box, const QString& text, const QColor& fill, const QColor& edge,
               double edgeWidth)
{
    QPainterPath glyphs;
    glyphs.addText(0, 0, Font(40, true), text);
    const QRectF b = glyphs.boundingRect();
    QTransform fit;
    fit.translate(box.x(), box.y());
    fit.scale(box.width() / b.width(), box.height() / b.height());
    fit.translate(-b.x(), -b.y());
    const QPainterPath shape = fit.map(glyphs);
    const Smooth smooth(p, true);
    if (edge.isValid())
        p.strokePath(shape, QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(shape, fill);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width, double head)
{
    const Smooth smooth(p, true);
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double len = std::sqrt(dx * dx + dy * dy);
    const double ux = dx / len;
    const double uy = dy / len;
    const QPointF base(to.x() - ux * head, to.y() - uy * head);
    QPen pen(c);
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(from, base);
    QPolygonF tri;
    tri << to << QPointF(base.x() - uy * head * 0.5, base.y() + ux * head * 0.5)
        << QPointF(base.x() + uy * head * 0.5, base.y() - ux * head * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(tri);
    p.setBrush(Qt::NoBrush);
}

// --- Logic symbols ----------------------------------------------------------

namespace {

// A gate's outline, filled white so that wires drawn into it before are
// hidden.
void GateBody(QPainter& p, const QPainterPath& path)
{
    const Outline outline(p);
    p.setBrush(kWhite);
    p.setPen(Pen(p, kBlack));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

} // namespace

// AND gate pointing right: flat back at x, top y, w wide (straight part plus
// a half circle of radius h / 2), h high. The body is filled white so wires
// drawn into it before are hidden.
void AndGateRight(QPainter& p, int x, int y, int w, int h)
{
    const double r = h / 2.0;
    const double straight = w - r;
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + straight, y);
    path.arcTo(QRectF(x + straight - r, y, 2 * r, h), 90, -180);
    path.lineTo(x, y + h);
    path.closeSubpath();
    GateBody(p, path);
}

// OR gate pointing down: back (top) at y, w wide, h high, tip at
// (x + w / 2, y + h).
void OrGateDown(QPainter& p, double x, double y, double w, double h)
{
    const double cx = x + w / 2.0;
    QPainterPath path;
    path.moveTo(x, y);
    path.quadTo(cx, y + h * 0.28, x + w, y);
    path.cubicTo(x + w, y + h * 0.55, cx + w * 0.2, y + h * 0.85, cx, y + h);
    path.cubicTo(cx - w * 0.2, y + h * 0.85, x, y + h * 0.55, x, y);
    GateBody(p, path);
}

// OR gate pointing right: back at x, top y, w long, h high.
void OrGateRight(QPainter& p, double x, double y, double w, double h)
{
    const double cy = y + h / 2.0;
    QPainterPath path;
    path.moveTo(x, y);
    path.quadTo(x + w * 0.28, cy, x, y + h);
    path.cubicTo(x + w * 0.55, y + h, x + w * 0.85, cy + h * 0.2, x + w, cy);
    path.cubicTo(x + w * 0.85, cy - h * 0.2, x + w * 0.55, y, x, y);
    GateBody(p, path);
}

// Input buffer in a 33 x 60 box at (ox, oy): the input comes from above at
// x = 16, the true output leaves at the bottom at x = 5 and the complemented
// one, behind an inversion bubble, at x = 26.
void InputBuffer(QPainter& p, int ox, int oy)
{
    Line(p, ox + 16, oy, ox + 16, oy + 10);
    QPolygon tri;
    tri << QPoint(ox + 3, oy + 10) << QPoint(ox + 29, oy + 10) << QPoint(ox + 16, oy + 34);
    {
        const Outline outline(p);
        p.setPen(Pen(p, kBlack));
        p.setBrush(kWhite);
        p.drawPolygon(tri);
        p.setBrush(Qt::NoBrush);
    }
    // True output: from the apex down and out to the left-hand line.
    Line(p, ox + 16, oy + 35, ox + 16, oy + 40);
    Line(p, ox + 5, oy + 40, ox + 16, oy + 40);
    Line(p, ox + 5, oy + 40, ox + 5, oy + 59);
    // Complemented output: a bubble on the right slope near the apex, then
    // out to the right-hand line.
    {
        const Outline outline(p);
        p.setPen(Pen(p, kBlack));
        p.drawEllipse(QRect(ox + 20, oy + 24, 6, 6));
    }
    Line(p, ox + 26, oy + 27, ox + 27, oy + 27);
    Line(p, ox + 26, oy + 30, ox + 26, oy + 59);
}

// One stroke of the intact fuse's cross, from the upper left to the lower
// right; `mirrored` flips it about the cell's middle column.
void CrossStroke(QPainter& p, int ox, int oy, bool mirrored)
{
    if (PixelExact(p)) {
        for (int d = 0; d < 2; ++d) {
            if (!mirrored) {
                Line(p, ox + 3 + d, oy + 3, ox + 11, oy + 11 - d, kBlue);
                Line(p, ox + 3, oy + 3 + d, ox + 11 - d, oy + 11, kBlue);
            } else {
                Line(p, ox + 11 - d, oy + 3, ox + 3, oy + 11 - d, kBlue);
                Line(p, ox + 11, oy + 3 + d, ox + 3 + d, oy + 11, kBlue);
            }
        }
        return;
    }
    // The band the three-pixel staircase covers.
    QPolygonF band;
    band << QPointF(3, 3) << QPointF(5, 3) << QPointF(12, 10) << QPointF(12, 12) << QPointF(10, 12) << QPointF(3, 5);
    QTransform place;
    place.translate(ox, oy);
    if (mirrored)
        place.translate(15, 0).scale(-1, 1);
    const Smooth smooth(p, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(place.map(band));
    p.setBrush(Qt::NoBrush);
}

// Fuse cell of 15 x 15 at (ox, oy): the two lines crossing at (7, 7), and
// over them the mark of an intact (blue X) or hard-wired (blue dot) fuse.
void FuseCell(QPainter& p, int ox, int oy, Fuse kind)
{
    Line(p, ox, oy + 7, ox + 14, oy + 7);
    Line(p, ox + 7, oy, ox + 7, oy + 14);
    if (kind == Fuse::Intact) {
        CrossStroke(p, ox, oy, false);
        CrossStroke(p, ox, oy, true);
    } else if (kind == Fuse::HardWired) {
        Dot(p, ox + 7, oy + 7, 7, kBlue);
    }
}

namespace {

// A curly brace across x1..x2. tipDown: the middle point hangs below y and
// the arms rise to y (opening upwards); otherwise mirrored.
void Brace(QPainter& p, double x1, double x2, double y, double depth, bool tipDown, const QColor& c)
{
    const double s = tipDown ? 1 : -1;
    const double m = (x1 + x2) / 2;
    const double q = depth / 2;
    QPainterPath path;
    path.moveTo(x1, y);
    path.quadTo(x1, y + s * q, x1 + q, y + s * q);
    path.lineTo(m - q, y + s * q);
    path.quadTo(m, y + s * q, m, y + s * depth);
    path.quadTo(m, y + s * q, m + q, y + s * q);
    path.lineTo(x2 - q, y + s * q);
    path.quadTo(x2, y + s * q, x2, y);
    const Smooth smooth(p, true);
    QPen pen(c);
    pen.setWidthF(2);
    p.setPen(pen);
    p.drawPath(path);
}

// A red-bordered yellow block, the name of the array in its middle.
void Block(QPainter& p, int w, const char* text, int size)
{
    p.fillRect(0, 0, w, 450, kRed);
    p.fillRect(3, 3, w - 6, 444, kYellow);
    Text(p, QRect(3, 3, w - 6, 444), QString::fromLatin1(text), Font(size, true), kBlue);
}

} // namespace

// --- The fuse map's pictures ------------------------------------------------

void PaintInputBuffer(QPainter& p) { InputBuffer(p, 0, 0); }

// Product line in at y = 10 from the left, out to the right.
void PaintAndGate(QPainter& p)
{
    Line(p, 0, 10, 43, 10);
    AndGateRight(p, 8, 1, 25, 18);
}

// Pointing down, the input from the top and the output at x = 9.
void PaintOrGate(QPainter& p)
{
    Line(p, 9, 0, 9, 12);
    Line(p, 9, 30, 9, 46);
    OrGateDown(p, 1, 5, 16, 26);
}

// A brace opening upwards above a yellow band; hard-wired, then programmable.
void PaintAndArrayLabels(QPainter& p)
{
    const char* words[2] = {"(hard-wired)", "(programmable)"};
    for (int half = 0; half < 2; ++half) {
        const int oy = half * 73;
        if (!Shown(p, QRectF(0, oy, 172, 73)))
            continue;
        Brace(p, 4, 166, oy + 2, 14, true, kRed);
        p.fillRect(QRect(8, oy + 20, 156, 40), kYellow);
        Text(p, QRect(8, oy + 20, 156, 20), QStringLiteral("AND array"), Font(14, true), kBlue);
        Text(p, QRect(8, oy + 39, 156, 20), QString::fromLatin1(words[half]), Font(14, true), kBlue);
    }
}

// A yellow band above a brace opening downwards; programmable, then hard-wired.
void PaintOrArrayLabels(QPainter& p)
{
    const char* words[2] = {"(programmable)", "(hard-wired)"};
    for (int half = 0; half < 2; ++half) {
        const int oy = half * 69;
        if (!Shown(p, QRectF(0, oy, 104, 69)))
            continue;
        p.fillRect(QRect(0, oy + 1, 104, 38), kYellow);
        Text(p, QRect(0, oy + 1, 104, 19), QStringLiteral("OR array"), Font(13, true), kBlue);
        Text(p, QRect(0, oy + 19, 104, 19), QString::fromLatin1(words[half]), Font(13, true), kBlue);
        Brace(p, 14, 92, oy + 58, 14, false, kRed);
    }
}

void PaintFuseIntact(QPainter& p) { FuseCell(p, 0, 0, Fuse::Intact); }
void PaintFuseHardWired(QPainter& p) { FuseCell(p, 0, 0, Fuse::HardWired); }
void PaintFuseBlown(QPainter& p) { FuseCell(p, 0, 0, Fuse::Blown); }

// A capital sigma: bars of one pixel, the slants two pixels wide.
void PaintSigma(QPainter& p)
{
    if (PixelExact(p)) {
        static const char* rows[15] = {
            "...........", "...........", ".#########.", ".##......#.", "..##.......",
            "...##......", "....##.....", ".....##....", "....##.....", "...##......",
            "..##.......", ".##......#.", ".#########.", "...........", "..........."};
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 11; ++x)
                if (rows[y][x] == '#')
                    Pixel(p, x, y, kBlack);
        return;
    }
    QPolygonF sigma;
    sigma << QPointF(1, 2) << QPointF(10, 2) << QPointF(10, 4) << QPointF(9, 4) << QPointF(9, 3) << QPointF(3, 3)
          << QPointF(7.25, 7.25) << QPointF(2.5, 12) << QPointF(9, 12) << QPointF(9, 11) << QPointF(10, 11)
          << QPointF(10, 13) << QPointF(1, 13) << QPointF(1, 11.5) << QPointF(5, 7.5) << QPointF(1, 3.5);
    const Smooth smooth(p, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(sigma);
    p.setBrush(Qt::NoBrush);
}

void PaintProgrammableAndBlock(QPainter& p) { Block(p, 215, "Programmable\nAND\nArray", 22); }
void PaintFixedAndBlock(QPainter& p) { Block(p, 215, "Fixed\nAND\nArray", 22); }
void PaintFixedOrBlock(QPainter& p) { Block(p, 100, "Fixed\nOR\nArray", 18); }
void PaintProgrammableOrBlock(QPainter& p) { Block(p, 100, "Program-\nmable\nOR\nArray", 18); }

// A left arrow and Inputs. The view shows only the top 15 of the 16 rows,
// so the word and the descender of its "p" stay in rows 0 to 14, and the
// arrow sits on the middle of those rows.
void PaintInputsArrow(QPainter& p)
{
    Arrow(p, QPointF(22, 7.5), QPointF(1, 7.5), kBlue, 3, 8);
    TextAt(p, 25, 0, QStringLiteral("Inputs"), Font(13, true), kBlue);
}

void PaintOutputsArrow(QPainter& p)
{
    TextAt(p, 1, 0, QStringLiteral("Outputs"), Font(13, true), kBlue);
    Arrow(p, QPointF(57, 7.5), QPointF(78, 7.5), kBlue, 3, 8);
}

} // namespace Art
