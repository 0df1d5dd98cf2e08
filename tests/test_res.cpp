// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in pictures: each one present at its exact size, and the
// pixels the painters rely on where they are expected (line rows and columns
// that must meet the lines the view draws, patches that must fall on the
// fuses of the symbols pictures).

#include "Resources.h"

#include <QDir>
#include <QImage>
#include <QtTest>

namespace {

QImage Load(const char* name)
{
    return QImage(QStringLiteral(":/res/%1.png").arg(QLatin1String(name))).convertToFormat(QImage::Format_ARGB32);
}

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

} // namespace

class TestRes : public QObject {
    Q_OBJECT
private slots:
    void everyPictureListedAtItsSize();
    void keyPixels();
    void rowsTheViewNeverShowsBlank();
    void symbolsPatchesFitTheFuses();
};

// Each listed picture loads at its size, and the view's bitmaps cover their
// whole area, since they are copied as they are over what is drawn below.
void TestRes::everyPictureListedAtItsSize()
{
    QCOMPARE(QDir(QStringLiteral(":/res")).entryList(QDir::Files).size(), qsizetype(kZylPictureCount));
    for (std::size_t i = 0; i < kZylPictureCount; ++i) {
        const QString path = QString::fromLatin1(kZylPictures[i].path);
        const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(img.size() == QSize(kZylPictures[i].width, kZylPictures[i].height), qPrintable(path));
        for (int y = 0; y < img.height() && path.contains(QLatin1String("/bmp")); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY2(qAlpha(img.pixel(x, y)) == 255, qPrintable(path));
    }
}

void TestRes::keyPixels()
{
    // k black, b blue, w white, t transparent
    const struct { const char* name; int x, y; char c; } probes[] = {
        // Fuse cells: crossing at (7, 7), lines through the whole cell.
        {"bmp135", 7, 7, 'b'}, {"bmp135", 0, 7, 'k'}, {"bmp135", 14, 7, 'k'}, {"bmp135", 7, 0, 'k'},
        {"bmp135", 7, 14, 'k'}, {"bmp135", 3, 3, 'b'}, {"bmp135", 11, 3, 'b'},
        {"bmp137", 7, 7, 'b'}, {"bmp137", 0, 7, 'k'}, {"bmp137", 7, 14, 'k'}, {"bmp137", 1, 1, 'w'},
        {"bmp138", 7, 7, 'k'}, {"bmp138", 0, 7, 'k'}, {"bmp138", 14, 7, 'k'}, {"bmp138", 7, 0, 'k'},
        {"bmp138", 7, 14, 'k'}, {"bmp138", 3, 3, 'w'}, {"bmp138", 6, 6, 'w'},
        // AND gate: product line at y = 10 at both edges; OR gate: x = 9 at top and bottom.
        {"bmp131", 0, 10, 'k'}, {"bmp131", 42, 10, 'k'}, {"bmp131", 0, 9, 'w'},
        {"bmp132", 9, 0, 'k'}, {"bmp132", 9, 46, 'k'}, {"bmp132", 8, 46, 'w'},
        // Input buffer: input from the top at x = 16, outputs at x = 5 and 26.
        {"bmp130", 16, 0, 'k'}, {"bmp130", 5, 59, 'k'}, {"bmp130", 26, 59, 'k'}, {"bmp130", 16, 59, 'w'},
        // Sigma: top bar and white margin.
        {"bmp140", 5, 2, 'k'}, {"bmp140", 0, 0, 'w'},
        // Cursors point with pixel (0, 0); their far corner is see-through.
        {"cur139", 0, 0, 'k'}, {"cur139", 31, 0, 't'}, {"cur152", 0, 0, 'k'}, {"cur152", 31, 0, 't'},
        {"cur104", 0, 0, 'k'},
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
        {"bmp147", 15, 15}, {"bmp133", 63, 72}, {"bmp133", 136, 137}, {"bmp134", 62, 68}, {"bmp134", 131, 136}};
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
    const QImage prom = Load("bmp153");
    const QImage pal = Load("bmp154");
    const QImage blown = Load("bmp138");
    const QImage vlink = Load("bmp159");
    const QImage hlink = Load("bmp166");
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

QTEST_MAIN(TestRes)
#include "test_res.moc"
