// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of ZYL (bitmaps, icons, cursors, the toolbar strip)
// and saves them as PNG files. Run it by hand after changing a picture and
// commit the PNGs; normal builds only compile the PNGs in.
//
//   drawpictures <output dir> [<check dir>]
//
// With a check directory it also writes contact sheets: every picture scaled
// up, and the pictures assembled the way the view and the symbols dialog
// put them together, so alignment faults are easy to see.
//
// The small pictures are drawn without antialiasing so that their lines stay
// one crisp pixel wide; the lines in them sit exactly where the view draws
// its own lines (fuse cells: crossing at (7, 7); AND gate: product line at
// y = 10; OR gate: output line at x = 9; input buffer: true line at x = 5,
// complemented line at x = 26).

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QString>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kGrey(192, 192, 192);
const QColor kDarkGrey(128, 128, 128);

QString g_outDir;
std::map<QString, QImage> g_saved; // every saved picture, for the contact sheets

QImage NewImage(int w, int h, bool transparent = false)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(transparent ? QColor(0, 0, 0, 0) : kWhite);
    return img;
}

void Save(const QString& name, const QImage& img)
{
    const QString path = g_outDir + "/" + name + ".png";
    if (!img.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    g_saved[name] = img;
}

QPen Pen(const QColor& c, int w = 1)
{
    QPen pen(c);
    pen.setWidth(w);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A line that covers both end points, one pixel wide.
void Line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c = kBlack)
{
    p.setPen(Pen(c));
    p.drawLine(x1, y1, x2, y2);
}

// A round dot of the given diameter centred on pixel (cx, cy).
void Dot(QPainter& p, int cx, int cy, int d, const QColor& c)
{
    const bool aa = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (d <= 3) {
        p.fillRect(cx - d / 2, cy - d / 2, d, d, c);
    } else {
        // Row spans of a disc, symmetric about the centre pixel.
        const int r = d / 2;
        for (int dy = -r; dy <= r; ++dy) {
            const int half = int(std::floor(std::sqrt(double(r * r) + 0.6 * r - double(dy * dy))));
            p.fillRect(cx - half, cy + dy, 2 * half + 1, 1, c);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, aa);
}

QFont Font(int pixelSize, bool bold = false, bool aa = true)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(aa ? QFont::PreferAntialias : QFont::NoAntialias);
    return f;
}

void Text(QPainter& p, const QRect& r, const QString& text, const QFont& font, const QColor& c,
          int flags = Qt::AlignCenter)
{
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, flags, text);
}

void TextAt(QPainter& p, int x, int top, const QString& text, const QFont& font, const QColor& c)
{
    p.setFont(font);
    p.setPen(c);
    const QFontMetrics fm(font);
    p.drawText(x, top + fm.ascent(), text);
}

// An arrow from (x1, y1) with its head at (x2, y2).
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2, double head = 7)
{
    const bool aa = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, true);
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
    p.setRenderHint(QPainter::Antialiasing, aa);
}

// --- Logic symbols ----------------------------------------------------------

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
    p.setBrush(kWhite);
    p.setPen(Pen(kBlack));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
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
    p.setBrush(kWhite);
    p.setPen(Pen(kBlack));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
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
    p.setBrush(kWhite);
    p.setPen(Pen(kBlack));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

// Input buffer in a 33 x 60 box at (ox, oy): the input comes from above at
// x = 16, the true output leaves at the bottom at x = 5 and the complemented
// one, behind an inversion bubble, at x = 26.
void InputBuffer(QPainter& p, int ox, int oy)
{
    Line(p, ox + 16, oy, ox + 16, oy + 10);
    QPolygon tri;
    tri << QPoint(ox + 3, oy + 10) << QPoint(ox + 29, oy + 10) << QPoint(ox + 16, oy + 34);
    p.setPen(Pen(kBlack));
    p.setBrush(kWhite);
    p.drawPolygon(tri);
    p.setBrush(Qt::NoBrush);
    // True output: from the apex down and out to the left-hand line.
    Line(p, ox + 16, oy + 35, ox + 16, oy + 40);
    Line(p, ox + 5, oy + 40, ox + 16, oy + 40);
    Line(p, ox + 5, oy + 40, ox + 5, oy + 59);
    // Complemented output: a bubble on the right slope near the apex, then
    // out to the right-hand line.
    p.setPen(Pen(kBlack));
    p.drawEllipse(QRect(ox + 20, oy + 24, 6, 6));
    Line(p, ox + 26, oy + 27, ox + 26, oy + 27);
    Line(p, ox + 27, oy + 27, ox + 26, oy + 27);
    Line(p, ox + 26, oy + 30, ox + 26, oy + 59);
}

// Fuse cell of 15 x 15 at (ox, oy): 0 blown (lines only), 1 intact (blue X),
// 2 hard-wired (blue dot).
void FuseCell(QPainter& p, int ox, int oy, int kind)
{
    Line(p, ox, oy + 7, ox + 14, oy + 7);
    Line(p, ox + 7, oy, ox + 7, oy + 14);
    if (kind == 1) {
        for (int d = 0; d < 2; ++d) {
            Line(p, ox + 3 + d, oy + 3, ox + 11, oy + 11 - d, kBlue);
            Line(p, ox + 3, oy + 3 + d, ox + 11 - d, oy + 11, kBlue);
            Line(p, ox + 11 - d, oy + 3, ox + 3, oy + 11 - d, kBlue);
            Line(p, ox + 11, oy + 3 + d, ox + 3 + d, oy + 11, kBlue);
        }
    } else if (kind == 2) {
        Dot(p, ox + 7, oy + 7, 7, kBlue);
    }
}

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
    const bool aa = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(c);
    pen.setWidthF(2);
    p.setPen(pen);
    p.drawPath(path);
    p.setRenderHint(QPainter::Antialiasing, aa);
}

// --- View bitmaps -----------------------------------------------------------

void DrawViewBitmaps()
{
    {   // 130: input buffer
        QImage img = NewImage(33, 60);
        QPainter p(&img);
        InputBuffer(p, 0, 0);
        p.end();
        Save("bmp130", img);
    }
    {   // 131: AND gate, product line in at y = 10 from the left, out to the right
        QImage img = NewImage(44, 21);
        QPainter p(&img);
        Line(p, 0, 10, 43, 10);
        AndGateRight(p, 8, 1, 25, 18);
        p.end();
        Save("bmp131", img);
    }
    {   // 132: OR gate pointing down, input from the top and output at x = 9
        QImage img = NewImage(19, 47);
        QPainter p(&img);
        Line(p, 9, 0, 9, 12);
        Line(p, 9, 30, 9, 46);
        OrGateDown(p, 1, 5, 16, 26);
        p.end();
        Save("bmp132", img);
    }
    {   // 133: AND array labels, brace opening upwards above a yellow band
        QImage img = NewImage(172, 138);
        QPainter p(&img);
        const char* words[2] = {"(hard-wired)", "(programmable)"};
        for (int half = 0; half < 2; ++half) {
            const int oy = half * 73;
            Brace(p, 4, 166, oy + 2, 14, true, kRed);
            p.fillRect(QRect(8, oy + 20, 156, 40), kYellow);
            Text(p, QRect(8, oy + 20, 156, 20), "AND array", Font(14, true), kBlue);
            Text(p, QRect(8, oy + 39, 156, 20), words[half], Font(14, true), kBlue);
        }
        p.end();
        Save("bmp133", img);
    }
    {   // 134: OR array labels, yellow band above a brace opening downwards
        QImage img = NewImage(104, 137);
        QPainter p(&img);
        const char* words[2] = {"(programmable)", "(hard-wired)"};
        for (int half = 0; half < 2; ++half) {
            const int oy = half * 69;
            p.fillRect(QRect(0, oy + 1, 104, 38), kYellow);
            Text(p, QRect(0, oy + 1, 104, 19), "OR array", Font(13, true), kBlue);
            Text(p, QRect(0, oy + 19, 104, 19), words[half], Font(13, true), kBlue);
            Brace(p, 14, 92, oy + 58, 14, false, kRed);
        }
        p.end();
        Save("bmp134", img);
    }
    const int kinds[3][2] = {{135, 1}, {137, 2}, {138, 0}};
    for (const auto& k : kinds) {
        QImage img = NewImage(15, 15);
        QPainter p(&img);
        FuseCell(p, 0, 0, k[1]);
        p.end();
        Save(QString("bmp%1").arg(k[0]), img);
    }
    {   // 140: capital sigma
        static const char* rows[15] = {
            "...........", "...........", ".#########.", ".##......#.", "..##.......",
            "...##......", "....##.....", ".....##....", "....##.....", "...##......",
            "..##.......", ".##......#.", ".#########.", "...........", "..........."};
        QImage img = NewImage(11, 15);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 11; ++x)
                if (rows[y][x] == '#')
                    img.setPixelColor(x, y, kBlack);
        Save("bmp140", img);
    }
    struct Block { int id; int w; const char* text; int size; };
    const Block blocks[] = {
        {143, 215, "Programmable\nAND\nArray", 22},
        {144, 215, "Fixed\nAND\nArray", 22},
        {145, 100, "Fixed\nOR\nArray", 18},
        {146, 100, "Program-\nmable\nOR\nArray", 18},
    };
    for (const Block& b : blocks) {
        QImage img = NewImage(b.w, 450);
        QPainter p(&img);
        p.fillRect(0, 0, b.w, 450, kRed);
        p.fillRect(3, 3, b.w - 6, 444, kYellow);
        Text(p, QRect(3, 3, b.w - 6, 444), b.text, Font(b.size, true), kBlue, Qt::AlignCenter);
        p.end();
        Save(QString("bmp%1").arg(b.id), img);
    }
    {   // 147: left arrow and Inputs. The view shows only the top 15 of
        // the 16 rows, so the word and the descender of its "p" stay in
        // rows 0 to 14, and the arrow sits on the middle of those rows.
        QImage img = NewImage(70, 16);
        QPainter p(&img);
        Arrow(p, QPointF(22, 7.5), QPointF(1, 7.5), kBlue, 3, 8);
        TextAt(p, 25, 0, "Inputs", Font(13, true), kBlue);
        p.end();
        Save("bmp147", img);
    }
    {   // 148: Outputs and right arrow
        QImage img = NewImage(79, 15);
        QPainter p(&img);
        TextAt(p, 1, 0, "Outputs", Font(13, true), kBlue);
        Arrow(p, QPointF(57, 7.5), QPointF(78, 7.5), kBlue, 3, 8);
        p.end();
        Save("bmp148", img);
    }
}

// --- Circuit symbols pictures -------------------------------------------------
// Both pictures are drawn in the dialog's client coordinates on a canvas and
// the bitmap is the part the dialog copies to (20, 30). The call-outs that
// are shown in one place only are cut from the canvas with the call-out
// drawn on, so their arrows can reach into the diagram.

constexpr int kPicX = 20;
constexpr int kPicY = 30;

// Vertical detail link in a 7 x 21 cell: wire at x + 3, end dots at y + 2 and
// y + 18, the link between them only when intact.
void VLink(QPainter& p, int x, int y, bool intact)
{
    Line(p, x + 3, y, x + 3, y + 2);
    Line(p, x + 3, y + 18, x + 3, y + 20);
    if (intact) {
        // The link: a short zigzag between the two end dots.
        Line(p, x + 3, y + 2, x + 3, y + 5);
        Line(p, x + 3, y + 5, x + 5, y + 7);
        Line(p, x + 5, y + 7, x + 1, y + 11);
        Line(p, x + 1, y + 11, x + 5, y + 15);
        Line(p, x + 5, y + 15, x + 3, y + 17);
        Line(p, x + 3, y + 17, x + 3, y + 18);
    }
    Dot(p, x + 3, y + 2, 3, kBlack);
    Dot(p, x + 3, y + 18, 3, kBlack);
}

// Horizontal detail link in a 21 x 7 cell: wire at y + 3, dots at x + 2 and
// x + 18.
void HLink(QPainter& p, int x, int y, bool intact)
{
    Line(p, x, y + 3, x + 2, y + 3);
    Line(p, x + 18, y + 3, x + 20, y + 3);
    if (intact) {
        Line(p, x + 2, y + 3, x + 5, y + 3);
        Line(p, x + 5, y + 3, x + 7, y + 5);
        Line(p, x + 7, y + 5, x + 11, y + 1);
        Line(p, x + 11, y + 1, x + 15, y + 5);
        Line(p, x + 15, y + 5, x + 17, y + 3);
        Line(p, x + 17, y + 3, x + 18, y + 3);
    }
    Dot(p, x + 2, y + 3, 3, kBlack);
    Dot(p, x + 18, y + 3, 3, kBlack);
}

// A labelled input with its buffer: the label above, the 33 x 60 buffer at
// (x, y); the true and complemented lines continue from y + 60 to yEnd.
void LabelledInput(QPainter& p, int x, int y, int yEnd, const QString& name)
{
    TextAt(p, x + 12, y - 16, name, Font(13, true), kBlack);
    InputBuffer(p, x, y);
    Line(p, x + 5, y + 59, x + 5, yEnd);
    Line(p, x + 26, y + 59, x + 26, yEnd);
}

// Names of the true and complemented lines, written with a bar.
void LineNames(QPainter& p, int xTrue, int xComp, int y, const QString& name)
{
    const QFont f = Font(11, false);
    TextAt(p, xTrue - 10, y, name, f, kBlack);
    TextAt(p, xComp + 3, y, name, f, kBlack);
    const int w = QFontMetrics(f).horizontalAdvance(name);
    Line(p, xComp + 3, y + 1, xComp + 2 + w, y + 1);
}

void CallOut(QPainter& p, QPointF from, QPointF to, const QColor& c, const QRect& textRect,
             const QString& text, int size = 12)
{
    Arrow(p, from, to, c, 2, 7);
    Text(p, textRect, text, Font(size, true), c, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

QImage Crop(const QImage& canvas, int x, int y, int w, int h)
{
    return canvas.copy(x, y, w, h);
}

// A call-out that stands on its own (used in two places): arrow from the
// lower right up to the top-left corner, the words below it.
QImage LooseCallOut(const QColor& c, const QString& text)
{
    QImage img = NewImage(56, 44);
    QPainter p(&img);
    Arrow(p, QPointF(22, 20), QPointF(1, 1), c, 2, 7);
    Text(p, QRect(10, 18, 46, 26), text, Font(12, true), c, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    p.end();
    return img;
}

void DrawPromPicture()
{
    QImage canvas = NewImage(800, 420);
    QPainter p(&canvas);
    TextAt(p, 40, 38, "Two-input PROM", Font(18, true), kBlack);

    // Detail diagram. Input lines A, A', B, B' at x = 70, 91, 130, 151.
    const int lineX[4] = {70, 91, 130, 151};
    LabelledInput(p, 65, 80, 233, "A");
    LabelledInput(p, 125, 80, 233, "B");
    for (int r = 0; r < 4; ++r) {
        const int yc = 150 + 25 * r;
        const int a = (r >> 1) & 1;
        const int b = r & 1;
        const int xa = a ? lineX[0] : lineX[1];
        const int xb = b ? lineX[2] : lineX[3];
        Line(p, xa, yc - 5, 195, yc - 5);
        Line(p, xb, yc + 5, 195, yc + 5);
        Dot(p, xa, yc - 5, 5, kBlack);
        Dot(p, xb, yc + 5, 5, kBlack);
        Line(p, 215, yc, 373, yc);
        AndGateRight(p, 190, yc - 10, 30, 20);
    }
    // The 16 links: link i = output c (i / 4), minterm r (i % 4), its cell at
    // (260 + 7i, 258), 7 x 21.
    for (int i = 0; i < 16; ++i) {
        const int r = i % 4;
        const int x = 263 + 7 * i;
        const int yc = 150 + 25 * r;
        Line(p, x, yc, x, 258);
        Dot(p, x, yc, 3, kBlack);
        VLink(p, 260 + 7 * i, 258, true);
        Line(p, x, 278, x, 300);
    }
    for (int c = 0; c < 4; ++c) {
        OrGateDown(p, 260.5 + 28 * c, 290, 26, 28);
        Line(p, 273 + 28 * c, 318, 273 + 28 * c, 330);
        TextAt(p, 267 + 28 * c, 331, QString("Y%1").arg(c), Font(11, true), kBlack);
    }
    LineNames(p, lineX[0], lineX[1], 236, "A");
    LineNames(p, lineX[2], lineX[3], 236, "B");

    // The arrow from the detail to the simplified diagram.
    Arrow(p, QPointF(385, 200), QPointF(440, 200), kRed, 4, 12);

    // Simplified diagram: inputs at x = 470, 491, 512, 533; rows at
    // y = 162 + 25r; OR columns at x = 627 + 21c.
    const int sLineX[4] = {470, 491, 512, 533};
    LabelledInput(p, 465, 95, 240, "A");
    LabelledInput(p, 507, 95, 240, "B");
    for (int c = 0; c < 4; ++c)
        Line(p, 627 + 21 * c, 150, 627 + 21 * c, 252);
    for (int r = 0; r < 4; ++r) {
        const int y = 162 + 25 * r;
        Line(p, 460, y, 698, y);
        const int a = (r >> 1) & 1;
        const int b = r & 1;
        Dot(p, a ? sLineX[0] : sLineX[1], y, 7, kBlue);
        Dot(p, b ? sLineX[2] : sLineX[3], y, 7, kBlue);
        AndGateRight(p, 553, y - 9, 25, 18);
        for (int c = 0; c < 4; ++c)
            FuseCell(p, 620 + 21 * c, 155 + 25 * r, 1);
    }
    for (int c = 0; c < 4; ++c) {
        OrGateDown(p, 619 + 21 * c, 250, 16, 26);
        Line(p, 627 + 21 * c, 276, 627 + 21 * c, 286);
        TextAt(p, 621 + 21 * c, 287, QString("Y%1").arg(c), Font(11, true), kBlack);
    }
    p.end();
    Save("bmp153", Crop(canvas, kPicX, kPicY, 744, 367));

    {   // 155: detail call-outs, No connection at A' and Hard-wired at B of minterm AB
        QImage c = canvas;
        QPainter q(&c);
        CallOut(q, QPointF(60, 278), QPointF(90, 234), kRed, QRect(27, 282, 110, 16), "No connection");
        CallOut(q, QPointF(150, 292), QPointF(131, 235), kBlue, QRect(112, 296, 92, 40), "Hard-wired connection");
        q.end();
        Save("bmp155", Crop(c, 25, 231, 180, 110));
    }
    {   // 156: the same for the simplified diagram (row AB: A dot, A' empty, B dot)
        QImage c = canvas;
        QPainter q(&c);
        CallOut(q, QPointF(462, 290), QPointF(489, 242), kRed, QRect(430, 293, 100, 16), "No connection");
        CallOut(q, QPointF(540, 272), QPointF(515, 242), kBlue, QRect(525, 275, 80, 40), "Hard-wired connection");
        q.end();
        Save("bmp156", Crop(c, 428, 237, 178, 105));
    }
    Save("bmp157", LooseCallOut(kBlue, "Intact fuse"));
    Save("bmp158", LooseCallOut(kRed, "Blown fuse"));
    {   // 159: blown vertical link
        QImage img = NewImage(7, 21);
        QPainter q(&img);
        VLink(q, 0, 0, false);
        q.end();
        Save("bmp159", img);
    }
}

void DrawPalPicture()
{
    QImage canvas = NewImage(800, 420);
    QPainter p(&canvas);
    TextAt(p, 40, 38, "PAL", Font(18, true), kBlack);

    // Detail diagram: input lines A, A', B, B' at x = 80, 101, 130, 151; the
    // link of input c into AND gate r at (186, 145 + 31r + 7c), 21 x 7.
    const int lineX[4] = {80, 101, 130, 151};
    LabelledInput(p, 75, 70, 263, "A");
    LabelledInput(p, 125, 70, 263, "B");
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
        TextAt(p, 335, mid - 7, QString("Y%1").arg(f), Font(11, true), kBlack);
    }
    LineNames(p, lineX[0], lineX[1], 266, "A");
    LineNames(p, lineX[2], lineX[3], 266, "B");

    Arrow(p, QPointF(362, 200), QPointF(418, 200), kRed, 4, 12);

    // Simplified diagram: input lines at x = 456 + 21c, rows y = 164 + 25r,
    // OR columns at x = 590 (Y0) and 611 (Y1).
    LabelledInput(p, 451, 92, 246, "A");
    LabelledInput(p, 493, 92, 246, "B");
    Line(p, 590, 152, 590, 258);
    Line(p, 611, 152, 611, 258);
    for (int r = 0; r < 4; ++r) {
        const int y = 164 + 25 * r;
        Line(p, 445, y, 620, y);
        for (int c = 0; c < 4; ++c)
            FuseCell(p, 449 + 21 * c, 157 + 25 * r, 1);
        AndGateRight(p, 543, y - 9, 25, 18);
        Dot(p, r < 2 ? 590 : 611, y, 7, kBlue);
    }
    for (int f = 0; f < 2; ++f) {
        OrGateDown(p, 582 + 21 * f, 256, 16, 26);
        Line(p, 590 + 21 * f, 282, 590 + 21 * f, 292);
        TextAt(p, 584 + 21 * f, 293, QString("Y%1").arg(f), Font(11, true), kBlack);
    }
    p.end();
    Save("bmp154", Crop(canvas, kPicX, kPicY, 744, 341));

    const auto cut = [&](const char* name, int x, int y, int w, int h, const std::function<void(QPainter&)>& draw) {
        QImage c = canvas;
        QPainter q(&c);
        draw(q);
        q.end();
        Save(name, Crop(c, x, y, w, h));
    };
    // Detail call-outs at fuse 15 (B' into AND gate 3, link at (186, 259)).
    cut("bmp162", 131, 268, 67, 46, [](QPainter& q) {
        CallOut(q, QPointF(160, 292), QPointF(192, 270), kBlue, QRect(133, 294, 64, 18), "Intact fuse", 11);
    });
    cut("bmp167", 131, 268, 67, 48, [](QPainter& q) {
        CallOut(q, QPointF(160, 292), QPointF(192, 270), kRed, QRect(133, 294, 64, 18), "Blown Fuse", 11);
    });
    // Simplified call-outs at fuse 15 (crossing at (519, 239)).
    cut("bmp163", 457, 245, 58, 52, [](QPainter& q) {
        CallOut(q, QPointF(490, 268), QPointF(512, 248), kBlue, QRect(459, 268, 56, 30), "Intact fuse");
    });
    cut("bmp168", 457, 245, 58, 52, [](QPainter& q) {
        CallOut(q, QPointF(490, 268), QPointF(512, 248), kRed, QRect(459, 268, 56, 30), "Blown Fuse");
    });
    // Hard-wired: the dot of Y1 and AND gate 3 at (611, 239).
    cut("bmp164", 624, 242, 120, 32, [](QPainter& q) {
        CallOut(q, QPointF(650, 258), QPointF(626, 244), kBlue, QRect(653, 243, 90, 30), "Hard-wired connection");
    });
    // No connection: Y1 and AND gate 0 at (611, 164).
    cut("bmp165", 623, 100, 110, 64, [](QPainter& q) {
        CallOut(q, QPointF(652, 130), QPointF(625, 160), kRed, QRect(645, 106, 86, 20), "No connection");
    });
    {   // 166: blown horizontal link
        QImage img = NewImage(21, 7);
        QPainter q(&img);
        HLink(q, 0, 0, false);
        q.end();
        Save("bmp166", img);
    }
}

// --- Icons ----------------------------------------------------------------

QImage AppIcon(int size)
{
    QImage img = NewImage(size, size, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 32.0, size / 32.0);
    QPen border(kRed);
    border.setWidthF(2);
    p.setPen(border);
    p.setBrush(kYellow);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    // A small fuse map: three input lines, three product lines.
    QPen line(kBlack);
    line.setWidthF(1.2);
    p.setPen(line);
    for (int k = 0; k < 3; ++k) {
        p.drawLine(QPointF(7 + 7 * k, 5), QPointF(7 + 7 * k, 27));
        p.drawLine(QPointF(4, 9 + 7 * k), QPointF(25, 9 + 7 * k));
    }
    QPen x(kBlue);
    x.setWidthF(1.8);
    p.setPen(x);
    const bool intact[3][3] = {{true, false, true}, {false, true, true}, {true, true, false}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QPointF o(7 + 7 * c, 9 + 7 * r);
            if (intact[r][c]) {
                p.drawLine(o + QPointF(-2.5, -2.5), o + QPointF(2.5, 2.5));
                p.drawLine(o + QPointF(2.5, -2.5), o + QPointF(-2.5, 2.5));
            }
        }
    // The AND gates on the product lines.
    p.setPen(line);
    p.setBrush(kWhite);
    for (int r = 0; r < 3; ++r) {
        QPainterPath g;
        const double y = 9 + 7 * r;
        g.moveTo(24, y - 2.8);
        g.lineTo(26, y - 2.8);
        g.arcTo(QRectF(23.2, y - 2.8, 5.6, 5.6), 90, -180);
        g.lineTo(24, y + 2.8);
        g.closeSubpath();
        p.drawPath(g);
    }
    p.end();
    return img;
}

QImage TermIcon(const QString& sign, const QString& letter)
{
    QImage img = NewImage(32, 32, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    TextAt(p, 0, 3, sign, Font(22, true), kBlack);
    TextAt(p, 14, 11, letter, Font(letter == "m" ? 15 : 14, true), kBlack);
    TextAt(p, 26, 3, "(", Font(22, false), kBlack);
    p.end();
    return img;
}

void DrawIcons()
{
    Save("ico128", AppIcon(32));
    Save("ico128_256", AppIcon(256));
    Save("ico137", TermIcon(QString(QChar(0x03A3)), "m"));
    Save("ico159", TermIcon(QString(QChar(0x03A0)), "M"));
}

// --- Cursors --------------------------------------------------------------

QPolygon ArrowShape(int ox, int oy)
{
    QPolygon a;
    a << QPoint(0, 0) << QPoint(0, 16) << QPoint(4, 12) << QPoint(7, 19) << QPoint(9, 18)
      << QPoint(6, 11) << QPoint(11, 11);
    a.translate(ox, oy);
    return a;
}

void DrawArrowCursor(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Pen(kBlack));
    p.setBrush(kWhite);
    p.drawPolygon(ArrowShape(0, 0));
    p.setBrush(Qt::NoBrush);
}

void DrawCursors()
{
    {   // 104: plain arrow, hot spot (0, 0)
        QImage img = NewImage(32, 32, true);
        QPainter p(&img);
        DrawArrowCursor(p);
        p.end();
        Save("cur104", img);
    }
    {   // 139: pencil pointing to the upper left, hot spot (0, 0) at its tip
        QImage img = NewImage(32, 32, true);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.rotate(45);
        // Along +x: tip 0..4 graphite, 4..9 wood, body 9..27, eraser 27..32.
        const double h = 3.5;
        QPolygonF wood;
        wood << QPointF(0.5, 0) << QPointF(9, -h) << QPointF(9, h);
        p.setPen(QPen(kBlack, 1));
        p.setBrush(QColor(240, 200, 140));
        p.drawPolygon(wood);
        QPolygonF lead;
        lead << QPointF(0, 0) << QPointF(4, -1.6) << QPointF(4, 1.6);
        p.setBrush(kBlack);
        p.drawPolygon(lead);
        p.setBrush(kYellow);
        p.drawRect(QRectF(9, -h, 18, 2 * h));
        p.setBrush(QColor(255, 150, 170));
        p.drawRect(QRectF(27, -h, 6, 2 * h));
        p.setPen(QPen(QColor(200, 160, 0), 1));
        p.drawLine(QPointF(10, 0), QPointF(26, 0));
        p.end();
        img.setPixelColor(0, 0, kBlack);
        img.setPixelColor(1, 1, kBlack);
        Save("cur139", img);
    }
    {   // 152: arrow with two overlapping pages at its lower right, hot spot (0, 0)
        QImage img = NewImage(32, 32, true);
        QPainter p(&img);
        DrawArrowCursor(p);
        for (int k = 0; k < 2; ++k) {
            const int x = 14 + 5 * k;
            const int y = 13 + 5 * k;
            p.setPen(Pen(kBlack));
            p.setBrush(kWhite);
            p.drawRect(x, y, 10, 12);
            p.setBrush(Qt::NoBrush);
            for (int l = 0; l < 4; ++l)
                Line(p, x + 2, y + 3 + 2 * l, x + 8, y + 3 + 2 * l, kDarkGrey);
        }
        p.end();
        Save("cur152", img);
    }
}

// --- Toolbar --------------------------------------------------------------

// A 3 x 5 pixel font for the words on the buttons.
const std::map<char, std::vector<const char*>>& PixelFont()
{
    static const std::map<char, std::vector<const char*>> font = {
        {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
        {'C', {".##", "#..", "#..", "#..", ".##"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
        {'M', {"#.#", "###", "#.#", "#.#", "#.#"}}, {'O', {"###", "#.#", "#.#", "#.#", "###"}},
        {'P', {"##.", "#.#", "##.", "#..", "#.."}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
        {'S', {".##", "#..", ".#.", "..#", "##."}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    };
    return font;
}

void PixelText(QImage& img, int x, int y, const char* text, const QColor& c)
{
    for (const char* s = text; *s; ++s, x += 4) {
        const auto& glyph = PixelFont().at(*s);
        for (int r = 0; r < 5; ++r)
            for (int k = 0; k < 3; ++k)
                if (glyph[r][k] == '#')
                    img.setPixelColor(x + k, y + r, c);
    }
}

void Pencil(QPainter& p, int ox)
{
    // A small pencil lying from the upper right down to its tip at the lower left.
    QPolygon body;
    body << QPoint(ox + 15, 7) << QPoint(ox + 13, 5) << QPoint(ox + 8, 10) << QPoint(ox + 10, 12);
    p.setPen(Pen(kBlack));
    p.setBrush(kYellow);
    p.drawPolygon(body);
    p.setBrush(Qt::NoBrush);
    Line(p, ox + 8, 11, ox + 7, 13, kBlack);
    Line(p, ox + 9, 12, ox + 7, 13, kBlack);
    Line(p, ox + 7, 13, ox + 7, 13, kBlack);
}

void MiniArray(QPainter& p, int ox)
{
    for (int k = 0; k < 3; ++k) {
        Line(p, ox + 2 + 4 * k, 0, ox + 2 + 4 * k, 8, kBlack);
        Line(p, ox + 0, 1 + 3 * k, ox + 13, 1 + 3 * k, kBlack);
    }
    const int dots[4][2] = {{2, 1}, {6, 4}, {10, 7}, {10, 1}};
    for (const auto& d : dots)
        p.fillRect(ox + d[0] - 1, d[1] - 1, 3, 3, kBlue);
}

void MiniAnd(QPainter& p, int ox)
{
    Line(p, ox + 0, 4, ox + 2, 4);
    QPainterPath g;
    g.moveTo(ox + 2, 0);
    g.lineTo(ox + 5, 0);
    g.arcTo(QRectF(ox + 1, 0, 8, 8), 90, -180);
    g.lineTo(ox + 2, 8);
    g.closeSubpath();
    p.setPen(Pen(kBlack));
    p.setBrush(kWhite);
    p.drawPath(g);
    p.setBrush(Qt::NoBrush);
    Line(p, ox + 9, 4, ox + 10, 4);
    // question mark
    static const char* q[8] = {".###.", "#...#", "....#", "...#.", "..#..", "..#..", ".....", "..#.."};
    for (int r = 0; r < 8; ++r)
        for (int k = 0; k < 5; ++k)
            if (q[r][k] == '#')
                p.fillRect(ox + 11 + k, r, 1, 1, kBlue);
}

void DrawToolbar()
{
    QImage img = NewImage(272, 15, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    auto ox = [](int button) { return 16 * (button - 1); };

    {   // 1 New: a blank page
        const int o = ox(1);
        QPolygon page;
        page << QPoint(o + 3, 1) << QPoint(o + 9, 1) << QPoint(o + 12, 4) << QPoint(o + 12, 14) << QPoint(o + 3, 14);
        p.setPen(Pen(kBlack));
        p.setBrush(kWhite);
        p.drawPolygon(page);
        p.setBrush(Qt::NoBrush);
        Line(p, o + 9, 1, o + 9, 4);
        Line(p, o + 9, 4, o + 12, 4);
    }
    {   // 2 Open: an opening folder
        const int o = ox(2);
        QPolygon back;
        back << QPoint(o + 1, 3) << QPoint(o + 4, 3) << QPoint(o + 5, 4) << QPoint(o + 11, 4) << QPoint(o + 11, 7)
             << QPoint(o + 1, 13);
        p.setPen(Pen(kBlack));
        p.setBrush(QColor(200, 160, 0));
        p.drawPolygon(back);
        QPolygon flap;
        flap << QPoint(o + 1, 13) << QPoint(o + 4, 7) << QPoint(o + 15, 7) << QPoint(o + 12, 13);
        p.setBrush(kYellow);
        p.drawPolygon(flap);
        p.setBrush(Qt::NoBrush);
    }
    {   // 3 Save: a diskette
        const int o = ox(3);
        p.fillRect(o + 1, 1, 14, 14, kBlack);
        p.fillRect(o + 2, 2, 12, 12, QColor(0, 0, 160));
        p.fillRect(o + 4, 2, 8, 5, kWhite);
        p.fillRect(o + 4, 9, 8, 5, kGrey);
        p.fillRect(o + 9, 10, 2, 3, kBlack);
    }
    {   // 4 Select region: a red rectangle with a blue arrow at its lower right
        const int o = ox(4);
        p.setPen(Pen(kRed));
        p.drawRect(o + 1, 1, 10, 9);
        Line(p, o + 14, 14, o + 9, 9, kBlue);
        Line(p, o + 15, 14, o + 10, 9, kBlue);
        Line(p, o + 9, 9, o + 13, 9, kBlue);
        Line(p, o + 9, 9, o + 9, 13, kBlue);
    }
    {   // 5 Copy region: two overlapping pages
        const int o = ox(5);
        for (int k = 0; k < 2; ++k) {
            const int x = o + 1 + 5 * k;
            const int y = 1 + 4 * k;
            p.setPen(Pen(kBlack));
            p.setBrush(kWhite);
            p.drawRect(x, y, 8, 9);
            p.setBrush(Qt::NoBrush);
            for (int l = 0; l < 3; ++l)
                Line(p, x + 2, y + 2 + 2 * l, x + 6, y + 2 + 2 * l, kDarkGrey);
        }
    }
    {   // 6 Print: a printer
        const int o = ox(6);
        p.setPen(Pen(kBlack));
        p.setBrush(kWhite);
        p.drawRect(o + 4, 1, 7, 5);
        p.setBrush(kGrey);
        p.drawRect(o + 1, 6, 13, 5);
        p.setBrush(kWhite);
        p.drawRect(o + 4, 11, 7, 3);
        p.setBrush(Qt::NoBrush);
        p.fillRect(o + 11, 8, 2, 1, QColor(0, 200, 0));
    }
    {   // 7 Block structure: two yellow blocks with red borders
        const int o = ox(7);
        p.fillRect(o + 1, 2, 8, 11, kRed);
        p.fillRect(o + 2, 3, 6, 9, kYellow);
        p.fillRect(o + 10, 2, 5, 11, kRed);
        p.fillRect(o + 11, 3, 3, 9, kYellow);
    }
    const char* types[3] = {"PROM", "PAL", "PLA"};
    for (int t = 0; t < 3; ++t) {   // 8..10 PROM, PAL, PLA
        const int o = ox(8 + t);
        MiniArray(p, o + 1);
        const int w = int(std::string(types[t]).size()) * 4 - 1;
        p.end();
        PixelText(img, o + (16 - w) / 2, 10, types[t], kRed);
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    const char* notes[2] = {"PROM", "PAL"};
    for (int t = 0; t < 2; ++t) {   // 11, 12 PROM minterms, PAL product terms
        const int o = ox(11 + t);
        MiniAnd(p, o);
        const int w = int(std::string(notes[t]).size()) * 4 - 1;
        p.end();
        PixelText(img, o + (16 - w) / 2, 10, notes[t], kRed);
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    {   // 13 Truth table: a red grid with A, B and 1, and a pencil
        const int o = ox(13);
        for (int k = 0; k < 3; ++k)
            Line(p, o + 4 * k, 0, o + 4 * k, 12, kRed);
        for (int k = 0; k < 3; ++k)
            Line(p, o, 6 * k, o + 8, 6 * k, kRed);
        p.end();
        PixelText(img, o + 1, 1, "A", kBlack);
        PixelText(img, o + 5, 1, "B", kBlack);
        PixelText(img, o + 5, 7, "1", kBlack);
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        Pencil(p, o);
    }
    const char* words[3] = {"SOP", "POS", "ABC"};
    for (int t = 0; t < 3; ++t) {   // 14..16 minterms, maxterms, names
        const int o = ox(14 + t);
        p.end();
        PixelText(img, o + 1, 1, words[t], kRed);
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        Pencil(p, o);
    }
    p.end();
    {   // 17 About: a yellow question mark with a dark outline
        const int o = ox(17);
        static const char* q[13] = {
            "....####....", "...######...", "..##....##..", "..##....##..", "........##..",
            ".......##...", "......##....", ".....##.....", ".....##.....", "............",
            ".....##.....", ".....##.....", "............"};
        for (int r = 0; r < 13; ++r)
            for (int k = 0; k < 12; ++k)
                if (q[r][k] == '#')
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int x = o + 2 + k + dx;
                            const int y = 1 + r + dy;
                            if (x >= o && x < o + 16 && y >= 0 && y < 15)
                                img.setPixelColor(x, y, kDarkRed);
                        }
        for (int r = 0; r < 13; ++r)
            for (int k = 0; k < 12; ++k)
                if (q[r][k] == '#')
                    img.setPixelColor(o + 2 + k, 1 + r, kYellow);
    }
    Save("toolbar128", img);
}

// The Karnaugh maps button: a 4 x 4 grid with a red group over two cells
// and a blue one wrapping round the corners.
void DrawKarnaughButton()
{
    QImage img = NewImage(16, 15, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(1, 1, 13, 13, kWhite);
    for (int k = 0; k <= 4; ++k) {
        Line(p, 1 + 3 * k, 1, 1 + 3 * k, 13, kBlack);
        Line(p, 1, 1 + 3 * k, 13, 1 + 3 * k, kBlack);
    }
    p.setPen(Pen(kRed));
    p.drawRect(5, 5, 5, 2);
    for (const QPoint corner : {QPoint(0, 0), QPoint(12, 0), QPoint(0, 12), QPoint(12, 12)})
        p.fillRect(corner.x() + 1, corner.y() + 1, 2, 2, kBlue);
    p.end();
    Save("karnaugh_button", img);
}

// The minimization steps button: the levels of the combining table, each
// shorter than the one above, down to the chosen cover in red.
void DrawStepsButton()
{
    QImage img = NewImage(16, 15, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(1, 0, 14, 15, kWhite);
    p.setPen(Pen(kBlack));
    p.drawRect(1, 0, 13, 14);
    for (int level = 0; level < 3; ++level)
        p.fillRect(3, 2 + 3 * level, 10 - 3 * level, 2, kBlue);
    p.fillRect(3, 11, 4, 2, kRed);
    p.end();
    Save("steps_button", img);
}

// --- Checks -----------------------------------------------------------------

void Blit(QPainter& p, int x, int y, const QString& name, int w = -1, int h = -1, int sx = 0, int sy = 0)
{
    const QImage& img = g_saved.at(name);
    if (w < 0)
        w = img.width();
    if (h < 0)
        h = img.height();
    w = std::min(w, img.width() - sx);
    h = std::min(h, img.height() - sy);
    p.drawImage(QPoint(x, y), img, QRect(sx, sy, w, h));
}

// Every picture of the program's list was drawn, at the size the program
// draws it, and nothing else was; false with the differences reported.
bool MatchesPictureList()
{
    struct Listed { QString name; int width, height; };
#define ZYL_BITMAP(id, number, width, height) {"bmp" #number, width, height},
#define ZYL_CURSOR(id, number, x, y) {"cur" #number, 32, 32},
#define ZYL_IMAGE(id, stem, width, height) {#stem, width, height},
    const Listed listed[] = {
#include "Pictures.def"
    };
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE
    bool ok = std::size(listed) == g_saved.size();
    for (const Listed& l : listed) {
        const auto it = g_saved.find(l.name);
        if (it == g_saved.end() || it->second.size() != QSize(l.width, l.height)) {
            std::fprintf(stderr, "%s: not drawn at %d x %d as listed in Pictures.def\n", qPrintable(l.name), l.width,
                         l.height);
            ok = false;
        }
    }
    if (std::size(listed) != g_saved.size())
        std::fprintf(stderr, "%zu pictures drawn, %zu listed in Pictures.def\n", g_saved.size(), std::size(listed));
    return ok;
}

void WriteSheets(const QString& dir)
{
    // 1. Every picture but the two large ones, scaled 4x with its name.
    {
        const int scale = 4;
        int x = 10, y = 10, rowH = 0;
        const int width = 2000;
        std::vector<std::pair<QPoint, QString>> placed;
        for (const auto& [name, img] : g_saved) {
            if (name == "bmp153" || name == "bmp154" || name == "ico128_256" || img.height() > 200)
                continue;
            const int w = img.width() * scale;
            const int h = img.height() * scale + 16;
            if (x + w > width) {
                x = 10;
                y += rowH + 10;
                rowH = 0;
            }
            placed.push_back({QPoint(x, y), name});
            x += w + 14;
            rowH = std::max(rowH, h);
        }
        QImage sheet(width, y + rowH + 10, QImage::Format_ARGB32);
        sheet.fill(QColor(220, 230, 220));
        QPainter p(&sheet);
        for (const auto& [pt, name] : placed) {
            const QImage& img = g_saved.at(name);
            p.drawImage(QRect(pt.x(), pt.y() + 16, img.width() * scale, img.height() * scale), img);
            TextAt(p, pt.x(), pt.y(), name, Font(12, true), kBlack);
        }
        p.end();
        sheet.save(dir + "/sheet_small.png");
    }
    // 2. The large pictures at 1x: blocks, labels, icon.
    {
        QImage sheet(900, 520, QImage::Format_ARGB32);
        sheet.fill(QColor(220, 230, 220));
        QPainter p(&sheet);
        int x = 10;
        for (const char* n : {"bmp143", "bmp144", "bmp145", "bmp146"}) {
            Blit(p, x, 10, n);
            x += g_saved.at(n).width() + 10;
        }
        Blit(p, x, 10, "ico128_256");
        p.end();
        sheet.save(dir + "/sheet_blocks.png");
    }
    // 3. A fuse map assembled as the view paints it (PROM, labels on), 2x.
    {
        QImage view = NewImage(700, 640);
        QPainter p(&view);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int k = 0; k < 4; ++k) {
            TextAt(p, 62 + 42 * k, 40, QString(QChar('A' + k)), Font(13), kBlack);
            Blit(p, 50 + 42 * k, 60, "bmp130", 32, 60);
            Line(p, 55 + 42 * k, 120, 55 + 42 * k, 539);
            Line(p, 76 + 42 * k, 120, 76 + 42 * k, 539);
        }
        for (int r = 0; r < 16; ++r) {
            Line(p, 40, 145 + 25 * r, 367, 145 + 25 * r);
            Blit(p, 218, 135 + 25 * r, "bmp131", 43, 21);
        }
        for (int j = 0; j < 4; ++j) {
            Blit(p, 275 + 21 * j, 535, "bmp132", 19, 47);
            Line(p, 284 + 21 * j, 120, 284 + 21 * j, 534);
        }
        Blit(p, 45, 565, "bmp133", 172, 63, 0, 0);
        Blit(p, 263, 50, "bmp134", 103, 62, 0, 0);
        for (int r = 0; r < 16; ++r) {
            for (int i = 0; i < 4; ++i) {
                const int c = ((r >> (3 - i)) & 1) ? 2 * i : 2 * i + 1;
                Blit(p, 48 + 21 * c, 138 + 25 * r, "bmp137", 15, 15);
            }
            for (int j = 0; j < 4; ++j)
                Blit(p, 277 + 21 * j, 138 + 25 * r, (r + j) % 5 ? "bmp135" : "bmp138", 15, 15);
            Blit(p, 535, 137 + 25 * r, "bmp140");
        }
        Blit(p, 210, 40, "bmp147", 100, 15);
        Blit(p, 185, 585, "bmp148", 100, 15);
        p.end();
        view.scaled(1400, 1280).save(dir + "/sheet_view.png");
    }
    // 4. The symbols dialog as it paints, with some fuses blown and the
    // call-outs on, for both pictures.
    for (int pic = 0; pic < 2; ++pic) {
        QImage dlg = NewImage(800, 420);
        QPainter p(&dlg);
        p.setPen(QColor(0, 200, 0));
        if (pic == 0) {
            Blit(p, 20, 30, "bmp153", 742, 370);
            for (int i : {5, 15, 2}) {
                const int c = i / 4, r = i % 4;
                Blit(p, 620 + 21 * c, 155 + 25 * r, "bmp138", 14, 14);
                Blit(p, 260 + 7 * i, 258, "bmp159", 7, 21);
            }
            Blit(p, 25, 231, "bmp155", 180, 110);
            Blit(p, 428, 237, "bmp156", 178, 110);
            Blit(p, 374, 270, "bmp158", 56, 44);
            Blit(p, 700, 247, "bmp158", 56, 44);
            dlg.copy(230, 130, 480, 200).scaled(1920, 800).save(dir + "/sheet_zoom0.png");
            dlg.copy(255, 250, 125, 50).scaled(1000, 400).save(dir + "/sheet_zoom0_links.png");
            p.setBrush(Qt::NoBrush);
            p.setPen(QColor(0, 200, 0));
            for (int i = 0; i < 16; ++i) {
                const int c = i / 4, r = i % 4;
                p.drawRect(260 + 7 * i, 258, 6, 20);
                p.drawRect(620 + 21 * c, 155 + 25 * r, 14, 14);
            }
        } else {
            Blit(p, 20, 30, "bmp154", 742, 338);
            for (int i : {15, 6, 9}) {
                const int c = i / 4, r = i % 4;
                Blit(p, 449 + 21 * c, 157 + 25 * r, "bmp138", 14, 14);
                Blit(p, 186, 145 + 31 * r + 7 * c, "bmp166", 21, 7);
            }
            Blit(p, 131, 268, "bmp167", 66, 50);
            Blit(p, 624, 242, "bmp164", 119, 40);
            Blit(p, 457, 245, "bmp168", 57, 51);
            Blit(p, 623, 100, "bmp165", 109, 63);
            dlg.copy(60, 120, 480, 200).scaled(1920, 800).save(dir + "/sheet_zoom1.png");
            dlg.copy(170, 140, 80, 130).scaled(480, 780).save(dir + "/sheet_zoom1_links.png");
            p.setPen(QColor(0, 200, 0));
            for (int i = 0; i < 16; ++i) {
                const int c = i / 4, r = i % 4;
                p.drawRect(186, 145 + 31 * r + 7 * c, 20, 6);
                p.drawRect(449 + 21 * c, 157 + 25 * r, 14, 14);
            }
        }
        p.end();
        dlg.scaled(1600, 840).save(dir + QString("/sheet_symbols%1.png").arg(pic));
        // Clean versions (no blown fuses, no call-outs, no frames) at 1x.
        QImage clean = NewImage(800, 420);
        QPainter c(&clean);
        Blit(c, 20, 30, pic == 0 ? "bmp153" : "bmp154");
        c.end();
        clean.save(dir + QString("/sheet_symbols%1_clean.png").arg(pic));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawpictures <output dir> [<check dir>]\n");
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_outDir);
    DrawViewBitmaps();
    DrawPromPicture();
    DrawPalPicture();
    DrawIcons();
    DrawCursors();
    DrawToolbar();
    DrawStepsButton();
    DrawKarnaughButton();
    if (!MatchesPictureList())
        return 1;
    if (argc > 2) {
        QDir().mkpath(QString::fromLocal8Bit(argv[2]));
        WriteSheets(QString::fromLocal8Bit(argv[2]));
    }
    return 0;
}
