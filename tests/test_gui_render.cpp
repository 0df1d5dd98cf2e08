// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen rendering of the fuse map and of the rich-text helper, probed
// at the drawing's fixed coordinates.
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DrawRichText.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <memory>
#include <string_view>

namespace {

bool IsDark(QRgb c)
{
    return qGray(c) < 128;
}

bool IsWhite(QRgb c)
{
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}

int DarkPixels(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += IsDark(img.pixel(x, y)) ? 1 : 0;
    return n;
}

// The w x h area of the image at (x, y) is exactly the picture id from
// source (sx, sy).
bool AreaIsBitmap(const QImage& img, int x, int y, int id, int w, int h, int sx = 0, int sy = 0)
{
    const QImage pic = CViewBitmaps::Get().Bitmap(id).toImage().convertToFormat(QImage::Format_RGB32);
    w = std::min(w, pic.width() - sx);
    h = std::min(h, pic.height() - sy);
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if ((img.pixel(x + dx, y + dy) & 0xffffff) != (pic.pixel(sx + dx, sy + dy) & 0xffffff))
                return false;
    return true;
}

bool CellIs(const QImage& img, const ZPoint& pt, int id)
{
    return AreaIsBitmap(img, pt.x, pt.y, id, 15, 15);
}

bool HavePictures(std::initializer_list<int> ids)
{
    for (int id : ids)
        if (CViewBitmaps::Get().Bitmap(id).isNull())
            return false;
    return true;
}

void SetMode(CZYLDoc& doc, int mode)
{
    doc.m_bProm = mode == 0;
    doc.m_bPal = mode == 1;
    doc.m_bPla = mode == 2;
}

// Widths for the pure layout: every normal glyph 8, every small glyph 5,
// whatever its number of bytes.
int FakeWidth(std::string_view ch, bool small)
{
    return ch == " " ? 3 : (small ? 5 : 8);
}

// The characters of a layout, each of which must be one whole code point.
QString GlyphTexts(const CRichLayout& layout)
{
    QString out;
    for (const CRichGlyph& g : layout.glyphs) {
        const QString ch = QString::fromStdString(g.text);
        if (ch.toUcs4().size() != 1)
            return QStringLiteral("<not one character: %1>").arg(ch);
        out += ch;
    }
    return out;
}

} // namespace

class TestGuiRender : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CZYLView> m_view;

    QImage Render() { return m_view->RenderImage(); }

private slots:
    void init()
    {
        m_doc = std::make_unique<CZYLDoc>();
        m_view = std::make_unique<CZYLView>(*m_doc);
    }
    void cleanup()
    {
        m_view.reset();
        m_doc.reset();
    }

    void fontSizesFollowWindowsRounding_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("pixels");
        QTest::newRow("14 pt") << 140 << 19;
        QTest::newRow("10 pt") << 100 << 13;
        QTest::newRow("8 pt") << 80 << 11;
        QTest::newRow("12 pt") << 120 << 16;
    }
    void fontSizesFollowWindowsRounding()
    {
        QFETCH(int, pointSize);
        QFETCH(int, pixels);
        QCOMPARE(ZylFontPixelSize(pointSize), pixels);
        QCOMPARE(ZylArialFont(pointSize).pixelSize(), pixels);
    }

    void titleUnderlineEndsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("end");
        QTest::newRow("PROM") << 0 << 400;
        QTest::newRow("PAL") << 1 << 310;
        QTest::newRow("PLA") << 2 << 310;
    }
    void titleUnderlineEndsByMode()
    {
        QFETCH(int, mode);
        QFETCH(int, end);
        SetMode(*m_doc, mode);
        const QImage img = Render();
        QVERIFY(IsDark(img.pixel(50, 30)));
        QVERIFY(IsDark(img.pixel(end - 1, 30)));
        QVERIFY(IsWhite(img.pixel(end, 30)));
        QVERIFY(IsWhite(img.pixel(49, 30)));
        // The title text sits in its band and covers most of the underline's length.
        QVERIFY(DarkPixels(img, QRect(50, 6, end - 50, 22)) > 200);
        QVERIFY(DarkPixels(img, QRect(end - 60, 6, 50, 22)) > 10);
        QCOMPARE(DarkPixels(img, QRect(end + 40, 6, 100, 22)), 0);
    }

    void linesRunThroughTheArrays()
    {
        const QImage img = Render();
        for (int k = 0; k < 4; ++k) {
            QVERIFY(IsDark(img.pixel(55 + 42 * k, 125)));  // true input line
            QVERIFY(IsDark(img.pixel(76 + 42 * k, 125)));  // complemented input line
            QVERIFY(IsDark(img.pixel(76 + 42 * k, 539)));
            QVERIFY(IsWhite(img.pixel(76 + 42 * k, 540)));
            QVERIFY(IsDark(img.pixel(284 + 21 * k, 125))); // output line
        }
        for (int r = 0; r < 16; ++r) {
            QVERIFY(IsDark(img.pixel(40, 145 + 25 * r)));
            QVERIFY(IsDark(img.pixel(367, 145 + 25 * r)));
            QVERIFY(IsWhite(img.pixel(368, 145 + 25 * r)));
            QVERIFY(IsWhite(img.pixel(39, 145 + 25 * r)));
        }
        // Variable names above the buffers, function names below the OR gates.
        for (int k = 0; k < 4; ++k) {
            QVERIFY(DarkPixels(img, QRect(62 + 42 * k, 40, 12, 16)) > 5);
            QVERIFY(DarkPixels(img, QRect(280 + 21 * k, 585, 16, 22)) > 5);
        }
    }

    void promShowsDecoderDotsAndIntactOrFuses()
    {
        if (!HavePictures({135, 137, 138}))
            QSKIP("fuse pictures not built in");
        const QImage img = Render();
        int dots = 0;
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < 8; ++c) {
                const int i = c / 2;
                const bool trueLine = ((r >> (3 - i)) & 1) != 0;
                const bool expected = (c % 2 == 0) == trueLine;
                const bool dot = CellIs(img, m_doc->m_ptAndCell[c][r], 137);
                QCOMPARE(dot, expected);
                dots += dot ? 1 : 0;
            }
        QCOMPARE(dots, 64);
        // Row 0 on the complemented lines, row 15 on the true ones.
        for (int i = 0; i < 4; ++i) {
            QVERIFY(CellIs(img, m_doc->m_ptAndCell[2 * i + 1][0], 137));
            QVERIFY(CellIs(img, m_doc->m_ptAndCell[2 * i][15], 137));
        }
        for (int j = 0; j < 4; ++j)
            for (int r = 0; r < 16; ++r)
                QVERIFY(CellIs(img, m_doc->m_ptOrCell[j][r], 135));
    }

    void promShowsBlownOrFuse()
    {
        if (!HavePictures({135, 138}))
            QSKIP("fuse pictures not built in");
        m_doc->m_nOrFuse[2][9] = 0;
        const QImage img = Render();
        QVERIFY(CellIs(img, m_doc->m_ptOrCell[2][9], 138));
        QVERIFY(CellIs(img, m_doc->m_ptOrCell[2][8], 135));
    }

    void palShowsDiagonalDotsAndAndFuses()
    {
        if (!HavePictures({135, 137, 138}))
            QSKIP("fuse pictures not built in");
        SetMode(*m_doc, 1);
        m_doc->m_andRow[3].m_nFuse[5] = 0;
        const QImage img = Render();
        int dots = 0;
        for (int j = 0; j < 4; ++j)
            for (int r = 0; r < 16; ++r) {
                const bool dot = CellIs(img, m_doc->m_ptOrCell[j][r], 137);
                QCOMPARE(dot, r / 4 == j);
                QVERIFY(!CellIs(img, m_doc->m_ptOrCell[j][r], 135));
                dots += dot ? 1 : 0;
            }
        QCOMPARE(dots, 16);
        int intact = 0;
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < 8; ++c)
                intact += CellIs(img, m_doc->m_andRow[r].m_ptCell[c], 135) ? 1 : 0;
        QCOMPARE(intact, 127);
        QVERIFY(CellIs(img, m_doc->m_andRow[3].m_ptCell[5], 138));
    }

    void plaShowsEveryCellIntact()
    {
        if (!HavePictures({135}))
            QSKIP("fuse pictures not built in");
        SetMode(*m_doc, 2);
        // Whatever the model holds, a PLA shows intact fuses.
        m_doc->m_nOrFuse[1][1] = 0;
        m_doc->m_andRow[0].m_nFuse[0] = 0;
        const QImage img = Render();
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 8; ++c)
                QVERIFY(CellIs(img, m_doc->m_ptAndCell[c][r], 135));
            for (int j = 0; j < 4; ++j)
                QVERIFY(CellIs(img, m_doc->m_ptOrCell[j][r], 135));
        }
    }

    void blockStructureHidesFusesKeepsFrame_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("andBlock");
        QTest::addColumn<int>("orBlock");
        QTest::newRow("PROM") << 0 << 144 << 146;
        QTest::newRow("PAL") << 1 << 143 << 145;
        QTest::newRow("PLA") << 2 << 143 << 146;
    }
    void blockStructureHidesFusesKeepsFrame()
    {
        QFETCH(int, mode);
        QFETCH(int, andBlock);
        QFETCH(int, orBlock);
        SetMode(*m_doc, mode);
        m_doc->m_bShowMinterms = 1;
        m_doc->m_bShowProductTerms = 1;
        m_doc->m_bBlockStructure = 1;
        const QImage img = Render();
        // Title, names and the product lines between the two blocks stay.
        QVERIFY(DarkPixels(img, QRect(50, 6, 250, 22)) > 200);
        QVERIFY(IsDark(img.pixel(50, 30)));
        QVERIFY(DarkPixels(img, QRect(62, 40, 12, 16)) > 5);
        for (int r = 0; r < 16; ++r)
            QVERIFY(IsDark(img.pixel(265, 145 + 25 * r)));
        // Nothing right of the OR block: no annotations, no row labels.
        QCOMPARE(DarkPixels(img, QRect(380, 40, 1024 - 380, 860 - 40)), 0);
        if (!HavePictures({130, 135, 137, 143, 144, 145, 146}))
            QSKIP("pictures not built in");
        for (int k = 0; k < 4; ++k)
            QVERIFY(AreaIsBitmap(img, 50 + 42 * k, 60, 130, 32, 60));
        QVERIFY(AreaIsBitmap(img, 40, 120, andBlock, 215, 450));
        QVERIFY(AreaIsBitmap(img, 275, 120, orBlock, 100, 450));
        for (int r = 0; r < 16; ++r)
            for (int j = 0; j < 4; ++j) {
                QVERIFY(!CellIs(img, m_doc->m_ptOrCell[j][r], 135));
                QVERIFY(!CellIs(img, m_doc->m_ptOrCell[j][r], 137));
            }
    }

    void arrayLabelVariantByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("andSourceY");
        QTest::addColumn<int>("orSourceY");
        QTest::newRow("PROM: hard-wired AND, programmable OR") << 0 << 0 << 0;
        QTest::newRow("PAL: programmable AND, hard-wired OR") << 1 << 73 << 69;
        QTest::newRow("PLA: both programmable") << 2 << 73 << 0;
    }
    void arrayLabelVariantByMode()
    {
        QFETCH(int, mode);
        QFETCH(int, andSourceY);
        QFETCH(int, orSourceY);
        SetMode(*m_doc, mode);
        const QImage without = Render();
        QCOMPARE(DarkPixels(without, QRect(45, 565, 172, 63)), 0);
        if (!HavePictures({133, 134}))
            QSKIP("label pictures not built in");
        m_doc->m_bAndLabel = 1;
        m_doc->m_bOrLabel = 1;
        const QImage img = Render();
        QVERIFY(AreaIsBitmap(img, 45, 565, 133, 172, 63, 0, andSourceY));
        QVERIFY(!AreaIsBitmap(img, 45, 565, 133, 172, 63, 0, 73 - andSourceY));
        QVERIFY(AreaIsBitmap(img, 263, 50, 134, 103, 62, 0, orSourceY));
        QVERIFY(!AreaIsBitmap(img, 263, 50, 134, 103, 62, 0, 69 - orSourceY));
    }

    void functionNameSubscript_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("markup");
        QTest::newRow("one character") << "F" << "F";
        QTest::newRow("two characters") << "Z1" << "Z~d1";
        QTest::newRow("longer: first only") << "Out" << "O";
        QTest::newRow("two letters of other scripts") << "\u03a9\u00e9" << "\u03a9~d\u00e9";
        QTest::newRow("outside the basic plane") << "\U0001D49C\U0001F600" << "\U0001D49C~d\U0001F600";
    }
    void functionNameSubscript()
    {
        QFETCH(QString, name);
        QFETCH(QString, markup);
        m_doc->m_strFunctionName[1] = name.toStdString();
        const QImage img = Render();
        QImage expected(60, 30, QImage::Format_RGB32);
        expected.fill(Qt::white);
        {
            QPainter p(&expected);
            DrawRichText(p, 5, 5, markup.toStdString(), 100, Qt::black, Qt::white);
        }
        // Compare the name's area (left of the next name) with the markup drawn alone.
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 18; ++x)
                QCOMPARE(img.pixel(301 + x, 585 + y) & 0xffffff, expected.pixel(5 + x, 5 + y) & 0xffffff);
    }

    // --- Rich text layout ---------------------------------------------------

    void richTextComplementKeepsPositions_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("barred");
        QTest::newRow("letters") << "AB" << "^A^B";
        QTest::newRow("multi-byte") << "\u00e9\u03a9" << "^\u00e9^\u03a9";
        QTest::newRow("beyond the BMP") << "\U0001D49C\U0001F600" << "^\U0001D49C^\U0001F600";
    }
    void richTextComplementKeepsPositions()
    {
        QFETCH(QString, plain);
        QFETCH(QString, barred);
        const CRichLayout p = LayoutRichText(plain.toStdString(), FakeWidth);
        const CRichLayout b = LayoutRichText(barred.toStdString(), FakeWidth);
        QCOMPARE(GlyphTexts(b), plain);
        QCOMPARE(b.glyphs.size(), p.glyphs.size());
        for (std::size_t i = 0; i < p.glyphs.size(); ++i) {
            QCOMPARE(b.glyphs[i].x, p.glyphs[i].x);
            QCOMPARE(b.glyphs[i].dy, 0);
        }
        QCOMPARE(b.width, p.width);
        QCOMPARE(int(b.bars.size()), 2);
        QCOMPARE(b.bars[0].x1, 1);
        QCOMPARE(b.bars[0].x2, 7);
        QCOMPARE(b.bars[1].x1, 9);
        QCOMPARE(b.bars[1].x2, 15);
    }

    void richTextLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("chars");
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QList<int>>("dys");
        QTest::addColumn<QList<int>>("smalls");
        QTest::newRow("minterm label") << "m~d12~d = " << "m12 = " << QList<int>{0, 8, 13, 18, 21, 29}
                                       << QList<int>{0, 7, 7, 0, 0, 0} << QList<int>{0, 1, 1, 0, 0, 0};
        QTest::newRow("superscript") << "x~u2~u" << "x2" << QList<int>{0, 8} << QList<int>{0, -5}
                                     << QList<int>{0, 1};
        QTest::newRow("gaps") << "A~aB~rC" << "ABC" << QList<int>{0, 18, 44} << QList<int>{0, 0, 0}
                              << QList<int>{0, 0, 0};
        QTest::newRow("trailing tilde") << "AB~" << "AB" << QList<int>{0, 8} << QList<int>{0, 0} << QList<int>{0, 0};
        QTest::newRow("trailing caret") << "AB^" << "AB" << QList<int>{0, 8} << QList<int>{0, 0} << QList<int>{0, 0};
        // An unknown code only resets the offset; the small font stays.
        QTest::newRow("unknown code") << "~dA~xB" << "AB" << QList<int>{0, 5} << QList<int>{7, 0} << QList<int>{1, 1};
        // Switching one toggle off returns to normal even while the other is on.
        QTest::newRow("both toggles") << "~u~dA~dB" << "AB" << QList<int>{0, 5} << QList<int>{7, 0}
                                      << QList<int>{1, 0};
        QTest::newRow("open subscript") << "Y~d0" << "Y0" << QList<int>{0, 8} << QList<int>{0, 7} << QList<int>{0, 1};
        // Characters of several bytes are whole glyphs; a code consumes the
        // whole character after "~".
        QTest::newRow("multi-byte subscript") << "\u03a9~d\u00e9~d=" << "\u03a9\u00e9=" << QList<int>{0, 8, 13}
                                              << QList<int>{0, 7, 0} << QList<int>{0, 1, 0};
        QTest::newRow("non-BMP subscript") << "\U0001D49C~d\U0001F600" << "\U0001D49C\U0001F600" << QList<int>{0, 8}
                                           << QList<int>{0, 7} << QList<int>{0, 1};
        QTest::newRow("multi-byte code") << "A~\u00e9B" << "AB" << QList<int>{0, 8} << QList<int>{0, 0}
                                         << QList<int>{0, 0};
    }
    void richTextLayout()
    {
        QFETCH(QString, text);
        QFETCH(QString, chars);
        QFETCH(QList<int>, xs);
        QFETCH(QList<int>, dys);
        QFETCH(QList<int>, smalls);
        const CRichLayout layout = LayoutRichText(text.toStdString(), FakeWidth);
        QCOMPARE(GlyphTexts(layout), chars);
        QCOMPARE(int(layout.glyphs.size()), int(xs.size()));
        for (int i = 0; i < int(xs.size()); ++i) {
            QCOMPARE(layout.glyphs[i].x, xs[i]);
            QCOMPARE(layout.glyphs[i].dy, dys[i]);
            QCOMPARE(int(layout.glyphs[i].small), smalls[i]);
        }
        QVERIFY(layout.bars.empty());
    }

    // Names in any script: each character drawn whole, as Qt draws the same
    // text as one string; a bar over, or a subscript of, a whole character.
    void richTextDrawsWholeCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Latin-1") << "\u00e9";
        QTest::newRow("Greek and digit") << "\u03a92";
        QTest::newRow("beyond the BMP") << "\U0001D49C";
        QTest::newRow("emoji") << "\U0001F600";
    }
    void richTextDrawsWholeCharacters()
    {
        QFETCH(QString, name);
        const auto paint = [](const std::function<void(QPainter&)>& draw) {
            QImage img(120, 40, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            draw(p);
            return img;
        };
        const QFont normal = ZylArialFont(100);
        const QFont small = ZylArialFont(80);
        const std::string utf8 = name.toStdString();
        const QImage rich = paint([&](QPainter& p) { DrawRichText(p, 10, 10, utf8, 100, Qt::black, Qt::white); });
        const QImage whole = paint([&](QPainter& p) {
            p.setFont(normal);
            p.drawText(QPoint(10, 10 + QFontMetrics(normal).ascent()), name);
        });
        QCOMPARE(rich, whole);
        QVERIFY(DarkPixels(rich, rich.rect()) > 0);

        // Barred: the same glyphs under a bar as wide as the first character.
        const QImage barred = paint([&](QPainter& p) { DrawRichText(p, 10, 10, "^" + utf8, 100, Qt::black, Qt::white); });
        const QString first = name.left(name.at(0).isHighSurrogate() ? 2 : 1);
        const int w = QFontMetrics(normal).horizontalAdvance(first);
        QCOMPARE(barred.copy(0, 10, 120, 30), rich.copy(0, 10, 120, 30));
        QCOMPARE(DarkPixels(barred, QRect(0, 9, 120, 1)), w - 1);

        // Subscripted after an "X": the whole name small and 7 units lower.
        const QImage sub = paint([&](QPainter& p) { DrawRichText(p, 10, 10, "X~d" + utf8, 100, Qt::black, Qt::white); });
        const QImage apart = paint([&](QPainter& p) {
            p.setFont(normal);
            p.drawText(QPoint(10, 10 + QFontMetrics(normal).ascent()), QStringLiteral("X"));
            p.setFont(small);
            p.drawText(QPoint(10 + QFontMetrics(normal).horizontalAdvance(QLatin1Char('X')),
                              17 + QFontMetrics(small).ascent()),
                       name);
        });
        QCOMPARE(sub, apart);
    }

    void fuseMapFunctionNameSubscriptsTheSecondCharacter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("markup");
        QTest::newRow("ASCII") << "Y0" << "Y~d0";
        QTest::newRow("one multi-byte") << "\u00c4" << "\u00c4";
        QTest::newRow("two multi-byte") << "\u03a9\u00e9" << "\u03a9~d\u00e9";
        QTest::newRow("beyond the BMP") << "\U0001D49C\U0001F600" << "\U0001D49C~d\U0001F600";
        QTest::newRow("longer: first only") << "\u00e9tat" << "\u00e9";
    }
    void fuseMapFunctionNameSubscriptsTheSecondCharacter()
    {
        QFETCH(QString, name);
        QFETCH(QString, markup);
        QCOMPARE(QString::fromStdString(FuseMapFunctionName(name.toStdString())), markup);
    }

    void richTextPaintsBarsAboveSameGlyphs()
    {
        QImage plain(80, 40, QImage::Format_RGB32);
        QImage barred(80, 40, QImage::Format_RGB32);
        plain.fill(Qt::white);
        barred.fill(Qt::white);
        {
            QPainter p(&plain);
            DrawRichText(p, 10, 10, "AB", 100, Qt::black, Qt::white);
            QPainter q(&barred);
            DrawRichText(q, 10, 10, "^A^B", 100, Qt::black, Qt::white);
        }
        for (int y = 10; y < 40; ++y)
            for (int x = 0; x < 80; ++x)
                QCOMPARE(barred.pixel(x, y), plain.pixel(x, y));
        QCOMPARE(DarkPixels(plain, QRect(0, 9, 80, 1)), 0);
        QVERIFY(DarkPixels(barred, QRect(0, 9, 80, 1)) > 8);
        QCOMPARE(DarkPixels(barred, QRect(0, 0, 80, 9)), 0);
        // A subscript is drawn lower and smaller than the same digit plain.
        QImage sub(80, 40, QImage::Format_RGB32);
        QImage normal(80, 40, QImage::Format_RGB32);
        sub.fill(Qt::white);
        normal.fill(Qt::white);
        {
            QPainter p(&sub);
            DrawRichText(p, 10, 10, "~d1", 100, Qt::black, Qt::white);
            QPainter q(&normal);
            DrawRichText(q, 10, 10, "1", 100, Qt::black, Qt::white);
        }
        auto extent = [](const QImage& img) {
            QRect r;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (IsDark(img.pixel(x, y)))
                        r |= QRect(x, y, 1, 1);
            return r;
        };
        const QRect rs = extent(sub);
        const QRect rn = extent(normal);
        QVERIFY(rs.bottom() > rn.bottom());
        QVERIFY(rs.height() < rn.height());
    }
};

QTEST_MAIN(TestGuiRender)
#include "test_gui_render.moc"
