// SPDX-License-Identifier: GPL-3.0-or-later
// The icons, the cursors and the toolbar's buttons.
#include "PictureArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <map>
#include <string>
#include <vector>

namespace Art {
namespace {

// The application icon in a 32 x 32 square: a small fuse map of three input
// and three product lines with their AND gates, on a yellow tile.
void AppIcon(QPainter& p)
{
    const Smooth smooth(p, true);
    QPen border(kRed);
    border.setWidthF(2);
    p.setPen(border);
    p.setBrush(kYellow);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
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
        for (int c = 0; c < 3; ++c)
            if (intact[r][c]) {
                const QPointF o(7 + 7 * c, 9 + 7 * r);
                p.drawLine(o + QPointF(-2.5, -2.5), o + QPointF(2.5, 2.5));
                p.drawLine(o + QPointF(2.5, -2.5), o + QPointF(-2.5, 2.5));
            }
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
    p.setBrush(Qt::NoBrush);
}

// A sum or product sign, the letter of the terms and an opening bracket.
void TermIcon(QPainter& p, QChar sign, const char* letter, int letterSize)
{
    const Smooth smooth(p, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    TextAt(p, 0, 3, QString(sign), Font(22, true), kBlack);
    TextAt(p, 14, 11, QString::fromLatin1(letter), Font(letterSize, true), kBlack);
    TextAt(p, 26, 3, QStringLiteral("("), Font(22, false), kBlack);
}

// The arrow every cursor starts from, its tip at (0, 0).
void ArrowCursor(QPainter& p)
{
    QPolygon a;
    a << QPoint(0, 0) << QPoint(0, 16) << QPoint(4, 12) << QPoint(7, 19) << QPoint(9, 18) << QPoint(6, 11)
      << QPoint(11, 11);
    const Smooth sharp(p, false);
    const Outline outline(p);
    p.setPen(Pen(p, kBlack));
    p.setBrush(kWhite);
    p.drawPolygon(a);
    p.setBrush(Qt::NoBrush);
}

// --- Toolbar ----------------------------------------------------------------

// Words on the buttons: a 3 x 5 pixel font, four pixels to a letter.
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

void PixelText(QPainter& p, int x, int y, const char* text, const QColor& c)
{
    const int width = int(std::string(text).size()) * 4 - 1;
    if (!PixelExact(p)) {
        TextInBox(p, QRectF(x, y, width, 5), QString::fromLatin1(text), c);
        return;
    }
    for (const char* s = text; *s; ++s, x += 4) {
        const auto& glyph = PixelFont().at(*s);
        for (int r = 0; r < 5; ++r)
            for (int k = 0; k < 3; ++k)
                if (glyph[r][k] == '#')
                    Pixel(p, x + k, y + r, c);
    }
}

// A word centred in the lower part of button at ox.
void ButtonWord(QPainter& p, int ox, const char* word)
{
    const int w = int(std::string(word).size()) * 4 - 1;
    PixelText(p, ox + (16 - w) / 2, 10, word, kRed);
}

// A small pencil lying from the upper right down to its tip at the lower left.
void Pencil(QPainter& p, int ox)
{
    QPolygon body;
    body << QPoint(ox + 15, 7) << QPoint(ox + 13, 5) << QPoint(ox + 8, 10) << QPoint(ox + 10, 12);
    {
        const Outline outline(p);
        p.setPen(Pen(p, kBlack));
        p.setBrush(kYellow);
        p.drawPolygon(body);
        p.setBrush(Qt::NoBrush);
    }
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

// An AND gate with a question mark behind it.
void MiniAnd(QPainter& p, int ox)
{
    Line(p, ox + 0, 4, ox + 2, 4);
    QPainterPath g;
    g.moveTo(ox + 2, 0);
    g.lineTo(ox + 5, 0);
    g.arcTo(QRectF(ox + 1, 0, 8, 8), 90, -180);
    g.lineTo(ox + 2, 8);
    g.closeSubpath();
    {
        const Outline outline(p);
        p.setPen(Pen(p, kBlack));
        p.setBrush(kWhite);
        p.drawPath(g);
        p.setBrush(Qt::NoBrush);
    }
    Line(p, ox + 9, 4, ox + 10, 4);
    if (!PixelExact(p)) {
        TextInBox(p, QRectF(ox + 11, 0, 5, 8), QStringLiteral("?"), kBlue);
        return;
    }
    static const char* q[8] = {".###.", "#...#", "....#", "...#.", "..#..", "..#..", ".....", "..#.."};
    for (int r = 0; r < 8; ++r)
        for (int k = 0; k < 5; ++k)
            if (q[r][k] == '#')
                Pixel(p, ox + 11 + k, r, kBlue);
}

void NewButton(QPainter& p, int o)
{
    QPolygon page;
    page << QPoint(o + 3, 1) << QPoint(o + 9, 1) << QPoint(o + 12, 4) << QPoint(o + 12, 14) << QPoint(o + 3, 14);
    {
        const Outline outline(p, false);
        p.setPen(Pen(p, kBlack));
        p.setBrush(kWhite);
        p.drawPolygon(page);
        p.setBrush(Qt::NoBrush);
    }
    Line(p, o + 9, 1, o + 9, 4);
    Line(p, o + 9, 4, o + 12, 4);
}

void OpenButton(QPainter& p, int o)
{
    QPolygon back;
    back << QPoint(o + 1, 3) << QPoint(o + 4, 3) << QPoint(o + 5, 4) << QPoint(o + 11, 4) << QPoint(o + 11, 7)
         << QPoint(o + 1, 13);
    QPolygon flap;
    flap << QPoint(o + 1, 13) << QPoint(o + 4, 7) << QPoint(o + 15, 7) << QPoint(o + 12, 13);
    const Outline outline(p);
    p.setPen(Pen(p, kBlack));
    p.setBrush(QColor(200, 160, 0));
    p.drawPolygon(back);
    p.setBrush(kYellow);
    p.drawPolygon(flap);
    p.setBrush(Qt::NoBrush);
}

void SaveButton(QPainter& p, int o)
{
    p.fillRect(o + 1, 1, 14, 14, kBlack);
    p.fillRect(o + 2, 2, 12, 12, QColor(0, 0, 160));
    p.fillRect(o + 4, 2, 8, 5, kWhite);
    p.fillRect(o + 4, 9, 8, 5, kGrey);
    p.fillRect(o + 9, 10, 2, 3, kBlack);
}

// A red rectangle with a blue arrow at its lower right.
void SelectButton(QPainter& p, int o)
{
    {
        const Outline outline(p, false);
        p.setPen(Pen(p, kRed));
        p.drawRect(o + 1, 1, 10, 9);
    }
    Line(p, o + 14, 14, o + 9, 9, kBlue);
    Line(p, o + 15, 14, o + 10, 9, kBlue);
    Line(p, o + 9, 9, o + 13, 9, kBlue);
    Line(p, o + 9, 9, o + 9, 13, kBlue);
}

// A page outlined at (x, y), w x h, with `lines` grey lines of text two
// apart, the first `first` below its top.
void Page(QPainter& p, int x, int y, int w, int h, int lines, int first)
{
    {
        const Outline outline(p, false);
        p.setPen(Pen(p, kBlack));
        p.setBrush(kWhite);
        p.drawRect(x, y, w, h);
        p.setBrush(Qt::NoBrush);
    }
    for (int l = 0; l < lines; ++l)
        Line(p, x + 2, y + first + 2 * l, x + w - 2, y + first + 2 * l, kDarkGrey);
}

// Two overlapping pages.
void CopyButton(QPainter& p, int o)
{
    for (int k = 0; k < 2; ++k)
        Page(p, o + 1 + 5 * k, 1 + 4 * k, 8, 9, 3, 2);
}

void PrintButton(QPainter& p, int o)
{
    {
        const Outline outline(p, false);
        p.setPen(Pen(p, kBlack));
        p.setBrush(kWhite);
        p.drawRect(o + 4, 1, 7, 5);
        p.setBrush(kGrey);
        p.drawRect(o + 1, 6, 13, 5);
        p.setBrush(kWhite);
        p.drawRect(o + 4, 11, 7, 3);
        p.setBrush(Qt::NoBrush);
    }
    p.fillRect(o + 11, 8, 2, 1, QColor(0, 200, 0));
}

// Two yellow blocks with red borders.
void BlocksButton(QPainter& p, int o)
{
    p.fillRect(o + 1, 2, 8, 11, kRed);
    p.fillRect(o + 2, 3, 6, 9, kYellow);
    p.fillRect(o + 10, 2, 5, 11, kRed);
    p.fillRect(o + 11, 3, 3, 9, kYellow);
}

// A red grid with A, B and 1, and a pencil.
void TruthTableButton(QPainter& p, int o)
{
    for (int k = 0; k < 3; ++k)
        Line(p, o + 4 * k, 0, o + 4 * k, 12, kRed);
    for (int k = 0; k < 3; ++k)
        Line(p, o, 6 * k, o + 8, 6 * k, kRed);
    PixelText(p, o + 1, 1, "A", kBlack);
    PixelText(p, o + 5, 1, "B", kBlack);
    PixelText(p, o + 5, 7, "1", kBlack);
    Pencil(p, o);
}

// A yellow question mark with a dark outline.
void AboutButton(QPainter& p, int o)
{
    if (!PixelExact(p)) {
        TextInBox(p, QRectF(o + 2, 1, 12, 13), QStringLiteral("?"), kYellow, kDarkRed, 2);
        return;
    }
    static const char* q[13] = {
        "....####....", "...######...", "..##....##..", "..##....##..", "........##..", ".......##...", "......##....",
        ".....##.....", ".....##.....", "............", ".....##.....", ".....##.....", "............"};
    for (int r = 0; r < 13; ++r)
        for (int k = 0; k < 12; ++k)
            if (q[r][k] == '#')
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = o + 2 + k + dx;
                        const int y = 1 + r + dy;
                        if (x >= o && x < o + 16 && y >= 0 && y < 15)
                            Pixel(p, x, y, kDarkRed);
                    }
    for (int r = 0; r < 13; ++r)
        for (int k = 0; k < 12; ++k)
            if (q[r][k] == '#')
                Pixel(p, o + 2 + k, 1 + r, kYellow);
}

} // namespace

void PaintAppIcon(QPainter& p) { AppIcon(p); }

void PaintAppIconLarge(QPainter& p)
{
    p.scale(8, 8);
    AppIcon(p);
}

void PaintMintermIcon(QPainter& p) { TermIcon(p, QChar(0x03A3), "m", 15); }
void PaintMaxtermIcon(QPainter& p) { TermIcon(p, QChar(0x03A0), "M", 14); }

void PaintArrowCursor(QPainter& p) { ArrowCursor(p); }

// A pencil pointing to the upper left, its lead's tip at (0, 0).
void PaintPencilCursor(QPainter& p)
{
    {
        const Smooth smooth(p, true);
        p.save();
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
        p.setBrush(Qt::NoBrush);
        p.restore();
    }
    // The very tip, solid so the hot spot shows.
    if (PixelExact(p)) {
        Pixel(p, 0, 0, kBlack);
        Pixel(p, 1, 1, kBlack);
    } else {
        const Smooth smooth(p, true);
        p.setPen(QPen(kBlack, 1.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 0), QPointF(2, 2));
    }
}

// The arrow with two overlapping pages at its lower right.
void PaintCopyCursor(QPainter& p)
{
    ArrowCursor(p);
    for (int k = 0; k < 2; ++k)
        Page(p, 14 + 5 * k, 13 + 5 * k, 10, 12, 4, 3);
}

// The strip of toolbar buttons, 16 x 15 each.
void PaintToolbar(QPainter& p)
{
    const Smooth sharp(p, false);
    const auto ox = [](int button) { return 16 * (button - 1); };
    NewButton(p, ox(1));
    OpenButton(p, ox(2));
    SaveButton(p, ox(3));
    SelectButton(p, ox(4));
    CopyButton(p, ox(5));
    PrintButton(p, ox(6));
    BlocksButton(p, ox(7));
    const char* types[3] = {"PROM", "PAL", "PLA"};
    for (int t = 0; t < 3; ++t) {
        MiniArray(p, ox(8 + t) + 1);
        ButtonWord(p, ox(8 + t), types[t]);
    }
    const char* notes[2] = {"PROM", "PAL"};
    for (int t = 0; t < 2; ++t) {
        MiniAnd(p, ox(11 + t));
        ButtonWord(p, ox(11 + t), notes[t]);
    }
    TruthTableButton(p, ox(13));
    const char* words[3] = {"SOP", "POS", "ABC"};
    for (int t = 0; t < 3; ++t) {
        PixelText(p, ox(14 + t) + 1, 1, words[t], kRed);
        Pencil(p, ox(14 + t));
    }
    AboutButton(p, ox(17));
}

// The minimization steps: the levels of the combining table, each shorter
// than the one above, down to the chosen cover in red.
void PaintStepsButton(QPainter& p)
{
    p.fillRect(1, 0, 14, 15, kWhite);
    {
        const Outline outline(p, false);
        p.setPen(Pen(p, kBlack));
        p.drawRect(1, 0, 13, 14);
    }
    for (int level = 0; level < 3; ++level)
        p.fillRect(3, 2 + 3 * level, 10 - 3 * level, 2, kBlue);
    p.fillRect(3, 11, 4, 2, kRed);
}

// The Karnaugh maps: a 4 x 4 grid with a red group over two cells and a blue
// one wrapping round the corners.
void PaintKarnaughButton(QPainter& p)
{
    p.fillRect(1, 1, 13, 13, kWhite);
    for (int k = 0; k <= 4; ++k) {
        Line(p, 1 + 3 * k, 1, 1 + 3 * k, 13, kBlack);
        Line(p, 1, 1 + 3 * k, 13, 1 + 3 * k, kBlack);
    }
    {
        const Outline outline(p, false);
        p.setPen(Pen(p, kRed));
        p.drawRect(5, 5, 5, 2);
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(12, 0), QPoint(0, 12), QPoint(12, 12)})
        p.fillRect(corner.x() + 1, corner.y() + 1, 2, 2, kBlue);
}

} // namespace Art
