// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures: the pixels the painters rely on where they are expected
// (line rows and columns that must meet the lines the view draws, patches
// that must fall on the fuses of the symbols pictures), sharp edges on a
// screen of pixel ratio 2, a bounded cache, and no raster image on vector
// devices.

#include "Pictures.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

const ZylPicture& Listed(const char* name)
{
    for (std::size_t i = 0; i < kZylPictureCount; ++i)
        if (std::strcmp(kZylPictures[i].name, name) == 0)
            return kZylPictures[i];
    qFatal("no picture %s", name);
}

// A picture as the program shows it: a bitmap on a see-through background,
// a cursor as its pixmap.
QImage Picture(const ZylPicture& pic)
{
    QImage img(pic.width, pic.height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (pic.kind == ZylPictureKind::Cursor)
        img = ZylCursor(CursorId(pic.id)).pixmap().toImage();
    else
        DrawZylPicture(*std::make_unique<QPainter>(&img), pic.id, 0, 0, pic.width, pic.height);
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Load(const char* name) { return Picture(Listed(name)); }

bool IsBlack(QRgb c) { return qAlpha(c) == 255 && qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; }
bool IsBlue(QRgb c) { return qAlpha(c) == 255 && qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }
bool IsWhite(QRgb c) { return c == qRgb(255, 255, 255); }

// Every black pixel of the patch is black in the picture at (x, y), or blue
// where the intact fuse's cross lies over it: the patch's lines continue the
// picture's lines.
bool PatchFits(const QImage& picture, const QImage& patch, int x, int y, int w, int h)
{
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            if (IsBlack(patch.pixel(px, py)) && !IsBlack(picture.pixel(x + px, y + py))
                && !IsBlue(picture.pixel(x + px, y + py)))
                return false;
    return true;
}

// The longest run of in-between pixels (neither near white nor black or
// blue ink) along device row `row` from x0 to x1: the widest blurred edge.
int BlurRun(const QImage& img, int row, int x0, int x1)
{
    int longest = 0;
    for (int x = x0, run = 0; x < x1; ++x) {
        const QRgb c = img.pixel(x, row);
        const bool clear = std::min({qRed(c), qGreen(c), qBlue(c)}) >= 224 || std::max(qRed(c), qGreen(c)) < 32;
        longest = std::max(longest, run = clear ? 0 : run + 1);
    }
    return longest;
}

void DrawEveryPicture(QPainter& p)
{
    for (std::size_t i = 0; i < kZylPictureCount; ++i)
        if (kZylPictures[i].kind == ZylPictureKind::Picture)
            DrawZylPicture(p, kZylPictures[i].id, 0, 0, kZylPictures[i].width, kZylPictures[i].height);
}

} // namespace

class TestRes : public QObject {
    Q_OBJECT
private slots:
    void keyPixels();
    void rowsTheViewNeverShowsBlank();
    void symbolsPatchesFitTheFuses();
    void sharpOnPixelRatioTwo();
    void linesMeetTheViewsAtEveryScale();
    void cacheBoundedAndRendersOnce();
    void vectorDevicesGetNoRasterImage();
};

void TestRes::keyPixels()
{
    // k black, b blue, w white, t transparent
    const struct { const char* name; int x, y; char c; } probes[] = {
        // Fuse cells: crossing at (7, 7), lines through the whole cell.
        {"fuse_intact", 7, 7, 'b'}, {"fuse_intact", 0, 7, 'k'}, {"fuse_intact", 14, 7, 'k'}, {"fuse_intact", 7, 0, 'k'},
        {"fuse_intact", 7, 14, 'k'}, {"fuse_intact", 3, 3, 'b'}, {"fuse_intact", 11, 3, 'b'},
        {"fuse_hard_wired", 7, 7, 'b'}, {"fuse_hard_wired", 0, 7, 'k'}, {"fuse_hard_wired", 7, 14, 'k'}, {"fuse_hard_wired", 1, 1, 'w'},
        {"fuse_blown", 7, 7, 'k'}, {"fuse_blown", 0, 7, 'k'}, {"fuse_blown", 14, 7, 'k'}, {"fuse_blown", 7, 0, 'k'},
        {"fuse_blown", 7, 14, 'k'}, {"fuse_blown", 3, 3, 'w'}, {"fuse_blown", 6, 6, 'w'},
        // AND gate: product line at y = 10 at both edges; OR gate: x = 9 at top and bottom.
        {"and_gate", 0, 10, 'k'}, {"and_gate", 42, 10, 'k'}, {"and_gate", 0, 9, 'w'},
        {"or_gate", 9, 0, 'k'}, {"or_gate", 9, 46, 'k'}, {"or_gate", 8, 46, 'w'},
        // Input buffer: input from the top at x = 16, outputs at x = 5 and 26.
        {"input_buffer", 16, 0, 'k'}, {"input_buffer", 5, 59, 'k'}, {"input_buffer", 26, 59, 'k'}, {"input_buffer", 16, 59, 'w'},
        // Sigma: top bar and white margin.
        {"sigma", 5, 2, 'k'}, {"sigma", 0, 0, 'w'},
        // Cursors point with pixel (0, 0); their far corner is see-through.
        {"pencil_cursor", 0, 0, 'k'}, {"pencil_cursor", 31, 0, 't'}, {"copy_cursor", 0, 0, 'k'}, {"copy_cursor", 31, 0, 't'},
        {"arrow_cursor", 0, 0, 'k'},
    };
    for (const auto& p : probes) {
        const QRgb c = Load(p.name).pixel(p.x, p.y);
        const bool ok = p.c == 'k' ? IsBlack(c) : p.c == 'b' ? IsBlue(c) : p.c == 'w' ? IsWhite(c) : qAlpha(c) == 0;
        QVERIFY2(ok, qPrintable(QStringLiteral("%1 (%2, %3): %4").arg(p.name).arg(p.x).arg(p.y).arg(c, 0, 16)));
    }
}

void TestRes::rowsTheViewNeverShowsBlank()
{
    // The view copies only part of some bitmaps: 15 of the 16 rows of the
    // Inputs label, one half or the other of each array label. Anything
    // drawn in the other rows would be cut off on the screen.
    const struct { const char* name; int first, last; } hidden[] = {
        {"inputs_arrow", 15, 15}, {"and_array_labels", 63, 72}, {"and_array_labels", 136, 137}, {"or_array_labels", 62, 68}, {"or_array_labels", 131, 136}};
    for (const auto& h : hidden) {
        const QImage img = Load(h.name);
        for (int y = h.first; y <= h.last; ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY2(IsWhite(img.pixel(x, y)), qPrintable(QStringLiteral("%1 (%2, %3)").arg(h.name).arg(x).arg(y)));
    }
}

void TestRes::symbolsPatchesFitTheFuses()
{
    // The dialog copies the pictures to (20, 30); fuse i lies in column i / 4
    // and row i % 4 of the simplified grid.
    const QImage prom = Load("symbols_prom");
    const QImage pal = Load("symbols_pal");
    const QImage blown = Load("fuse_blown");
    const QImage vlink = Load("blown_vertical_link");
    const QImage hlink = Load("blown_horizontal_link");
    for (int i = 0; i < 16; ++i) {
        const int c = i / 4;
        const int r = i % 4;
        QVERIFY2(PatchFits(prom, blown, 620 + 21 * c - 20, 155 + 25 * r - 30, 14, 14), qPrintable(QString::number(i)));
        QVERIFY2(PatchFits(prom, vlink, 260 + 7 * i - 20, 258 - 30, 7, 21), qPrintable(QString::number(i)));
        QVERIFY2(PatchFits(pal, blown, 449 + 21 * c - 20, 157 + 25 * r - 30, 14, 14), qPrintable(QString::number(i)));
        QVERIFY2(PatchFits(pal, hlink, 186 - 20, 145 + 31 * r + 7 * c - 30, 21, 7), qPrintable(QString::number(i)));
        // An intact fuse shows more than its blown patch: the cross, the link.
        QVERIFY(IsBlue(prom.pixel(620 + 21 * c - 20 + 3, 155 + 25 * r - 30 + 3)));
        QVERIFY(IsBlue(pal.pixel(449 + 21 * c - 20 + 3, 157 + 25 * r - 30 + 3)));
        QVERIFY(IsWhite(vlink.pixel(3, 10)) && IsBlack(prom.pixel(260 + 7 * i - 20 + 1, 258 - 30 + 11)));
        QVERIFY(IsWhite(hlink.pixel(10, 3)) && IsBlack(pal.pixel(186 - 20 + 11, 145 + 31 * r + 7 * c - 30 + 1)));
    }
}

void TestRes::sharpOnPixelRatioTwo()
{
    // Rows across the cross's strokes, the dot's sides and the gates' outlines.
    const struct { const char* name; int y; } scans[] = {{"fuse_intact", 5}, {"fuse_hard_wired", 6}, {"and_gate", 9}, {"or_gate", 12}};
    for (const auto& scan : scans) {
        const ZylPicture& pic = Listed(scan.name);
        QImage img(2 * (pic.width + 6), 2 * pic.height, QImage::Format_ARGB32);
        img.setDevicePixelRatio(2);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DrawZylPicture(p, pic.id, 0, 0, pic.width, pic.height);
            p.drawLine(pic.width + 3, 0, pic.width + 3, pic.height);
        }
        const int row = 2 * scan.y + 1;
        const int line = BlurRun(img, row, 2 * pic.width, img.width());
        QVERIFY2(BlurRun(img, row, 0, 2 * pic.width) <= line + 1, scan.name);
        // Drawn at the device's resolution, not enlarged from one pixel a unit.
        QImage blocky = Picture(pic).scaled(2 * pic.width, 2 * pic.height);
        blocky.setDevicePixelRatio(2);
        QVERIFY2(img.copy(0, 0, 2 * pic.width, 2 * pic.height) != blocky, scan.name);
    }
}

void TestRes::linesMeetTheViewsAtEveryScale()
{
    // A blown fuse whose crossing lies on a line of each direction drawn as
    // the view draws them: at every zoom, on screens of ratio 1 and 2, the
    // lines run through the cell with no gap at its edges.
    for (const qreal ratio : {1.0, 2.0})
        for (const qreal zoom : {0.5, 0.67, 0.8, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0}) {
            const qreal s = zoom * ratio;
            QImage img(int(60 * s), int(60 * s), QImage::Format_RGB32);
            img.setDevicePixelRatio(ratio);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                p.scale(zoom, zoom);
                p.setPen(QPen(Qt::black, std::max(1.0, std::round(s)) / s));
                p.drawLine(QLineF(0, 20, 59, 20));
                p.drawLine(QLineF(30, 0, 30, 59));
                DrawZylPicture(p, kPicFuseBlown, 23, 13, 15, 15);
            }
            int row = 0, column = 0;
            while (row < img.height() && !IsBlack(img.pixel(int(5 * s), row)))
                ++row;
            while (column < img.width() && !IsBlack(img.pixel(column, int(5 * s))))
                ++column;
            for (int d = int(2 * s); d < int(57 * s); ++d)
                QVERIFY2(IsBlack(img.pixel(d, row)) && IsBlack(img.pixel(column, d)),
                         qPrintable(QStringLiteral("zoom %1 ratio %2 at %3").arg(zoom).arg(ratio).arg(d)));
        }
}

void TestRes::cacheBoundedAndRendersOnce()
{
    QImage target(300, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&target);
    for (const qreal scale : {0.5, 0.67, 0.8, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0, 6.0}) {
        p.setTransform(QTransform::fromScale(scale, scale));
        DrawEveryPicture(p);
        QVERIFY(ZylPictureCache().bytes <= std::size_t(8) << 20);
    }
    p.setTransform(QTransform::fromScale(1.5, 1.5));
    DrawEveryPicture(p);
    const std::size_t renders = ZylPictureCache().renders;
    DrawEveryPicture(p);
    QCOMPARE(ZylPictureCache().renders, renders);
}

void TestRes::vectorDevicesGetNoRasterImage()
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    for (QPaintDevice* device : std::initializer_list<QPaintDevice*>{&generator, &writer})
        DrawEveryPicture(*std::make_unique<QPainter>(device));
    QVERIFY(svg.data().contains("<path") && !svg.data().contains("<image"));
    QVERIFY(pdf.data().size() > 1000 && !pdf.data().contains("/Subtype /Image"));
}

QTEST_MAIN(TestRes)
#include "test_res.moc"
