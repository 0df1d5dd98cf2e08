// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the circuit symbols dialog. Each diagram is drawn in the
// dialog's client coordinates on one canvas; a picture is the part of the
// canvas the dialog shows at its place, so the picture of the whole diagram
// starts at (20, 30), and a call-out that belongs to one spot carries the
// diagram under it, its arrow reaching into the drawing.
#include "PictureArt.h"

#include <QFontMetrics>
#include <QPainter>

namespace Art {
namespace {

// A detail link: upright in a 7 x 21 cell, the wire at x + 3 with end dots
// at y + 2 and y + 18, or across in a 21 x 7 cell, the same turned about
// the diagonal; the link between the dots (a short zigzag) only when intact.
void Link(QPainter& p, int x, int y, bool intact, bool upright)
{
    const auto line = [&](int a1, int b1, int a2, int b2) {
        if (upright)
            Line(p, x + a1, y + b1, x + a2, y + b2);
        else
            Line(p, x + b1, y + a1, x + b2, y + a2);
    };
    line(3, 0, 3, 2);
    line(3, 18, 3, 20);
    if (intact) {
        line(3, 2, 3, 5);
        line(3, 5, 5, 7);
        line(5, 7, 1, 11);
        line(1, 11, 5, 15);
        line(5, 15, 3, 17);
        line(3, 17, 3, 18);
    }
    for (const int b : {2, 18})
        Dot(p, upright ? x + 3 : x + b, upright ? y + b : y + 3, 3, kBlack);
}

void VLink(QPainter& p, int x, int y, bool intact) { Link(p, x, y, intact, true); }
void HLink(QPainter& p, int x, int y, bool intact) { Link(p, x, y, intact, false); }

// A labelled input with its buffer: the label above, the 33 x 60 buffer at
// (x, y); the true and complemented lines continue from y + 60 to yEnd.
void LabelledInput(QPainter& p, int x, int y, int yEnd, const QString& name)
{
    TextAt(p, x + 12, y - 16, name, Font(13, true), kBlack);
    InputBuffer(p, x, y);
    Line(p, x + 5, y + 59, x + 5, yEnd);
    Line(p, x + 26, y + 59, x + 26, yEnd);
}

// Names of the true and complemented lines, the complement written with a bar.
void LineNames(QPainter& p, int xTrue, int xComp, int y, const QString& name)
{
    const QFont f = Font(11, false);
    TextAt(p, xTrue - 10, y, name, f, kBlack);
    TextAt(p, xComp + 3, y, name, f, kBlack);
    const int w = QFontMetrics(f).horizontalAdvance(name);
    Line(p, xComp + 3, y + 1, xComp + 2 + w, y + 1);
}

void CallOut(QPainter& p, QPointF from, QPointF to, const QColor& c, const QRect& textRect, const char* text,
             int size = 12)
{
    Arrow(p, from, to, c, 2, 7);
    Text(p, textRect, QString::fromLatin1(text), Font(size, true), c, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

// A call-out that stands on its own (shown in two places): the arrow from
// the lower right up to the top-left corner, the words below it.
void LooseCallOut(QPainter& p, const QColor& c, const char* text)
{
    Arrow(p, QPointF(22, 20), QPointF(1, 1), c, 2, 7);
    Text(p, QRect(10, 18, 46, 26), QString::fromLatin1(text), Font(12, true), c,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

void PromDetail(QPainter& p)
{
    // Input lines A, A', B, B' at x = 70, 91, 130, 151.
    const int lineX[4] = {70, 91, 130, 151};
    LabelledInput(p, 65, 80, 233, QStringLiteral("A"));
    LabelledInput(p, 125, 80, 233, QStringLiteral("B"));
    for (int r = 0; r < 4; ++r) {
        const int yc = 150 + 25 * r;
        const int xa = (r >> 1) & 1 ? lineX[0] : lineX[1];
        const int xb = r & 1 ? lineX[2] : lineX[3];
        Line(p, xa, yc - 5, 195, yc - 5);
        Line(p, xb, yc + 5, 195, yc + 5);
        Dot(p, xa, yc - 5, 5, kBlack);
        Dot(p, xb, yc + 5, 5, kBlack);
        Line(p, 215, yc, 373, yc);
        AndGateRight(p, 190, yc - 10, 30, 20);
    }
    // The 16 links: link i = output i / 4, minterm i % 4, its cell at
    // (260 + 7i, 258), 7 x 21.
    for (int i = 0; i < 16; ++i) {
        const int x = 263 + 7 * i;
        const int yc = 150 + 25 * (i % 4);
        Line(p, x, yc, x, 258);
        Dot(p, x, yc, 3, kBlack);
        VLink(p, 260 + 7 * i, 258, true);
        Line(p, x, 278, x, 300);
    }
    for (int c = 0; c < 4; ++c) {
        OrGateDown(p, 260.5 + 28 * c, 290, 26, 28);
        Line(p, 273 + 28 * c, 318, 273 + 28 * c, 330);
        TextAt(p, 267 + 28 * c, 331, QStringLiteral("Y%1").arg(c), Font(11, true), kBlack);
    }
    LineNames(p, lineX[0], lineX[1], 236, QStringLiteral("A"));
    LineNames(p, lineX[2], lineX[3], 236, QStringLiteral("B"));
}

// The OR gates of a simplified diagram, 21 apart from x, their backs at y,
// each with its output line and its name Y0, Y1, ...
void SimpleOutputs(QPainter& p, int x, int y, int count)
{
    for (int c = 0; c < count; ++c) {
        const int left = x + 21 * c;
        OrGateDown(p, left, y, 16, 26);
        Line(p, left + 8, y + 26, left + 8, y + 36);
        TextAt(p, left + 2, y + 37, QStringLiteral("Y%1").arg(c), Font(11, true), kBlack);
    }
}

// Inputs at x = 470, 491, 512, 533; rows at y = 162 + 25r; OR columns at
// x = 627 + 21c.
void PromSimple(QPainter& p)
{
    const int lineX[4] = {470, 491, 512, 533};
    LabelledInput(p, 465, 95, 240, QStringLiteral("A"));
    LabelledInput(p, 507, 95, 240, QStringLiteral("B"));
    for (int c = 0; c < 4; ++c)
        Line(p, 627 + 21 * c, 150, 627 + 21 * c, 252);
    for (int r = 0; r < 4; ++r) {
        const int y = 162 + 25 * r;
        Line(p, 460, y, 698, y);
        Dot(p, (r >> 1) & 1 ? lineX[0] : lineX[1], y, 7, kBlue);
        Dot(p, r & 1 ? lineX[2] : lineX[3], y, 7, kBlue);
        AndGateRight(p, 553, y - 9, 25, 18);
        for (int c = 0; c < 4; ++c)
            FuseCell(p, 620 + 21 * c, 155 + 25 * r, Fuse::Intact);
    }
    SimpleOutputs(p, 619, 250, 4);
}

void PromCanvas(QPainter& p)
{
    TextAt(p, 40, 38, QStringLiteral("Two-input PROM"), Font(18, true), kBlack);
    PromDetail(p);
    Arrow(p, QPointF(385, 200), QPointF(440, 200), kRed, 4, 12);
    PromSimple(p);
}

// Input lines A, A', B, B' at x = 80, 101, 130, 151; the link of input c
// into AND gate r at (186, 145 + 31r + 7c), 21 x 7.
void PalDetail(QPainter& p)
{
    const int lineX[4] = {80, 101, 130, 151};
    LabelledInput(p, 75, 70, 263, QStringLiteral("A"));
    LabelledInput(p, 125, 70, 263, QStringLiteral("B"));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const int y = 148 + 31 * r + 7 * c;
            Line(p, lineX[c], y, 186, y);
            Dot(p, lineX[c], y, 3, kBlack);
            HLink(p, 186, 145 + 31 * r + 7 * c, true);
            Line(p, 206, y, 218, y);
        }
        const int yc = 159 + 31 * r;
        Line(p, 240, yc, 265, yc);
        AndGateRight(p, 214, 145 + 31 * r, 27, 28);
    }
    // Each OR gate is wired to its two AND gates.
    for (int f = 0; f < 2; ++f) {
        const int y0 = 159 + 62 * f;
        const int y1 = y0 + 31;
        const int mid = (y0 + y1) / 2;
        Line(p, 265, y0, 265, mid - 7);
        Line(p, 265, mid - 7, 290, mid - 7);
        Line(p, 265, y1, 265, mid + 7);
        Line(p, 265, mid + 7, 290, mid + 7);
        OrGateRight(p, 280, mid - 14, 36, 28);
        Line(p, 316, mid, 332, mid);
        TextAt(p, 335, mid - 7, QStringLiteral("Y%1").arg(f), Font(11, true), kBlack);
    }
    LineNames(p, lineX[0], lineX[1], 266, QStringLiteral("A"));
    LineNames(p, lineX[2], lineX[3], 266, QStringLiteral("B"));
}

// Input lines at x = 456 + 21c, rows at y = 164 + 25r, OR columns at
// x = 590 (Y0) and 611 (Y1).
void PalSimple(QPainter& p)
{
    LabelledInput(p, 451, 92, 246, QStringLiteral("A"));
    LabelledInput(p, 493, 92, 246, QStringLiteral("B"));
    Line(p, 590, 152, 590, 258);
    Line(p, 611, 152, 611, 258);
    for (int r = 0; r < 4; ++r) {
        const int y = 164 + 25 * r;
        Line(p, 445, y, 620, y);
        for (int c = 0; c < 4; ++c)
            FuseCell(p, 449 + 21 * c, 157 + 25 * r, Fuse::Intact);
        AndGateRight(p, 543, y - 9, 25, 18);
        Dot(p, r < 2 ? 590 : 611, y, 7, kBlue);
    }
    SimpleOutputs(p, 582, 256, 2);
}

void PalCanvas(QPainter& p)
{
    TextAt(p, 40, 38, QStringLiteral("PAL"), Font(18, true), kBlack);
    PalDetail(p);
    Arrow(p, QPointF(362, 200), QPointF(418, 200), kRed, 4, 12);
    PalSimple(p);
}

// The part of a canvas whose top-left corner is at (x, y).
void ShowFrom(QPainter& p, int x, int y, void (*canvas)(QPainter&))
{
    p.translate(-x, -y);
    canvas(p);
}

// The call-outs at PAL fuse 15: B' into AND gate 3 (link at (186, 259)) in
// the detail, the crossing at (519, 239) in the simplified diagram.
void PalDetailFuseCallOut(QPainter& p, const QColor& c, const char* text)
{
    ShowFrom(p, 131, 268, PalCanvas);
    CallOut(p, QPointF(160, 292), QPointF(192, 270), c, QRect(133, 294, 64, 18), text, 11);
}

void PalSimpleFuseCallOut(QPainter& p, const QColor& c, const char* text)
{
    ShowFrom(p, 457, 245, PalCanvas);
    CallOut(p, QPointF(490, 268), QPointF(512, 248), c, QRect(459, 268, 56, 30), text);
}

} // namespace

void PaintSymbolsProm(QPainter& p) { ShowFrom(p, 20, 30, PromCanvas); }
void PaintSymbolsPal(QPainter& p) { ShowFrom(p, 20, 30, PalCanvas); }

// No connection at A' and Hard-wired at B of minterm AB.
void PaintPromDetailCallOuts(QPainter& p)
{
    ShowFrom(p, 25, 231, PromCanvas);
    CallOut(p, QPointF(60, 278), QPointF(90, 234), kRed, QRect(27, 282, 110, 16), "No connection");
    CallOut(p, QPointF(150, 292), QPointF(131, 235), kBlue, QRect(112, 296, 92, 40), "Hard-wired connection");
}

// The same in the simplified diagram (row AB: A dot, A' empty, B dot).
void PaintPromSimpleCallOuts(QPainter& p)
{
    ShowFrom(p, 428, 237, PromCanvas);
    CallOut(p, QPointF(462, 290), QPointF(489, 242), kRed, QRect(430, 293, 100, 16), "No connection");
    CallOut(p, QPointF(540, 272), QPointF(515, 242), kBlue, QRect(525, 275, 80, 40), "Hard-wired connection");
}

void PaintIntactFuseCallOut(QPainter& p) { LooseCallOut(p, kBlue, "Intact fuse"); }
void PaintBlownFuseCallOut(QPainter& p) { LooseCallOut(p, kRed, "Blown fuse"); }
void PaintBlownVerticalLink(QPainter& p) { VLink(p, 0, 0, false); }
void PaintPalDetailIntactCallOut(QPainter& p) { PalDetailFuseCallOut(p, kBlue, "Intact fuse"); }
void PaintPalDetailBlownCallOut(QPainter& p) { PalDetailFuseCallOut(p, kRed, "Blown Fuse"); }
void PaintPalSimpleIntactCallOut(QPainter& p) { PalSimpleFuseCallOut(p, kBlue, "Intact fuse"); }
void PaintPalSimpleBlownCallOut(QPainter& p) { PalSimpleFuseCallOut(p, kRed, "Blown Fuse"); }

// Hard-wired: the dot of Y1 and AND gate 3 at (611, 239).
void PaintHardWiredCallOut(QPainter& p)
{
    ShowFrom(p, 624, 242, PalCanvas);
    CallOut(p, QPointF(650, 258), QPointF(626, 244), kBlue, QRect(653, 243, 90, 30), "Hard-wired connection");
}

// No connection: Y1 and AND gate 0 at (611, 164).
void PaintNoConnectionCallOut(QPainter& p)
{
    ShowFrom(p, 623, 100, PalCanvas);
    CallOut(p, QPointF(652, 130), QPointF(625, 160), kRed, QRect(645, 106, 86, 20), "No connection");
}

void PaintBlownHorizontalLink(QPainter& p) { HLink(p, 0, 0, false); }

} // namespace Art
