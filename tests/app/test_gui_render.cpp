// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen rendering of the fuse map and of the rich-text helper, probed
// at the drawing's fixed coordinates: one probe per drawing rule.
#include "CZYLDoc.h"
#include "FuseMapLayout.h"
#include "CZYLView.h"
#include "DrawRichText.h"
#include "Pictures.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <memory>
#include <string_view>

namespace {

bool IsDark(QRgb c) { return qGray(c) < 128; }
bool IsWhite(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }

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
bool AreaIsPicture(const QImage& img, int x, int y, int id, int w, int h, int sx = 0, int sy = 0)
{
    const QImage pic = ZylPixmap(PictureId(id), 1.0).toImage().convertToFormat(QImage::Format_RGB32);
    w = std::min(w, pic.width() - sx);
    h = std::min(h, pic.height() - sy);
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if ((img.pixel(x + dx, y + dy) & 0xffffff) != (pic.pixel(sx + dx, sy + dy) & 0xffffff))
                return false;
    return true;
}

// Which fuse picture a cell shows: intact 135, dot 137, blown or not
// connected 138, else -1.
int FuseAt(const QImage& img, const ZPoint& pt)
{
    for (int id : {135, 137, 138})
        if (AreaIsPicture(img, pt.x, pt.y, id, 15, 15))
            return id;
    return -1;
}

void Set(CZYLDoc& doc, bool DisplayFlags::*flag, bool on)
{
    doc.Edit([&](DeviceEditor& e) { e.SetFlag(flag, on); });
}

// Widths for the pure layout: every normal glyph 8, every small glyph 5,
// whatever its number of bytes.
int FakeWidth(std::string_view ch, bool small) { return ch == " " ? 3 : (small ? 5 : 8); }

QImage Paint(const std::function<void(QPainter&)>& draw)
{
    QImage img(120, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    draw(p);
    return img;
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

    void fontSizesFollowWindowsRounding()
    {
        const std::pair<int, int> cases[] = {{140, 19}, {100, 13}, {80, 11}, {120, 16}}; // tenths of a point, pixels
        for (const auto& [points, pixels] : cases) {
            QCOMPARE(ZylFontPixelSize(points), pixels);
            QCOMPARE(ZylArialFont(points).pixelSize(), pixels);
        }
    }

    void linesRunThroughTheArrays()
    {
        const QImage img = Render();
        for (int k = 0; k < 4; ++k) {
            QVERIFY(IsDark(img.pixel(55 + 42 * k, 125)));  // true input line
            QVERIFY(IsDark(img.pixel(76 + 42 * k, 539)));  // complemented input line, to its end
            QVERIFY(IsWhite(img.pixel(76 + 42 * k, 540)));
            QVERIFY(IsDark(img.pixel(284 + 21 * k, 125))); // output line
            // Variable names above the buffers, function names below the OR gates.
            QVERIFY(DarkPixels(img, QRect(62 + 42 * k, 40, 12, 16)) > 5);
            QVERIFY(DarkPixels(img, QRect(280 + 21 * k, 585, 16, 22)) > 5);
        }
        for (int r = 0; r < 16; ++r) {
            QVERIFY(IsDark(img.pixel(40, 145 + 25 * r)) && IsDark(img.pixel(367, 145 + 25 * r)));
            QVERIFY(IsWhite(img.pixel(39, 145 + 25 * r)) && IsWhite(img.pixel(368, 145 + 25 * r)));
        }
    }

    // Per mode, with one AND and one OR fuse blown in the model: the fuse
    // pictures (a PROM its decoder dots and OR fuses, a PAL its AND fuses and
    // the diagonal of OR dots, a PLA every fuse intact), where the title's
    // underline ends, which label variant each array shows, and which block
    // pictures replace the arrays while the frame (title, names, product
    // lines) stays and nothing is right of it.
    void modeDrawing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("andSourceY");
        QTest::addColumn<int>("orSourceY");
        QTest::addColumn<int>("andBlock");
        QTest::addColumn<int>("orBlock");
        QTest::newRow("PROM: hard-wired AND") << 0 << 400 << 0 << 0 << 144 << 146;
        QTest::newRow("PAL: hard-wired OR") << 1 << 310 << 73 << 69 << 143 << 145;
        QTest::newRow("PLA: both programmable") << 2 << 310 << 73 << 0 << 143 << 146;
    }
    void modeDrawing()
    {
        QFETCH(int, mode);
        QFETCH(int, end);
        QFETCH(int, andSourceY);
        QFETCH(int, orSourceY);
        QFETCH(int, andBlock);
        QFETCH(int, orBlock);
        m_doc->Edit([mode](DeviceEditor& e) {
            e.SetType(DeviceType(mode));
            e.SetAndRow(3, ProductTerm{0xF, 0xD}); // every fuse but C' intact
            e.SetPromEntry(2, 9, '0');
        });
        QImage img = Render();
        int dots = 0;
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 8; ++c) {
                // Row r of the decoder meets the true line of a variable whose bit is 1, else its complement.
                const bool decoderDot = (c % 2 == 0) == (((r >> (3 - c / 2)) & 1) != 0);
                const int expected = mode == 0 ? (decoderDot ? 137 : 138) : mode == 1 && r == 3 && c == 5 ? 138 : 135;
                QCOMPARE(FuseAt(img, FuseMapLayout::AndCell(c, r)), expected);
                dots += decoderDot && mode == 0;
            }
            for (int j = 0; j < 4; ++j) {
                const int expected = mode == 1 ? (r / 4 == j ? 137 : 138) : mode == 0 && j == 2 && r == 9 ? 138 : 135;
                QCOMPARE(FuseAt(img, FuseMapLayout::OrCell(j, r)), expected);
            }
        }
        QCOMPARE(dots, mode == 0 ? 64 : 0);
        QVERIFY(IsDark(img.pixel(50, 30)) && IsDark(img.pixel(end - 1, 30)));
        QVERIFY(IsWhite(img.pixel(49, 30)) && IsWhite(img.pixel(end, 30)));
        QVERIFY(DarkPixels(img, QRect(end - 60, 6, 50, 22)) > 10);
        QCOMPARE(DarkPixels(img, QRect(end + 40, 6, 100, 22)), 0);
        QCOMPARE(DarkPixels(img, QRect(45, 565, 172, 63)), 0);

        Set(*m_doc, &DisplayFlags::andLabel, true);
        Set(*m_doc, &DisplayFlags::orLabel, true);
        img = Render();
        QVERIFY(AreaIsPicture(img, 45, 565, 133, 172, 63, 0, andSourceY));
        QVERIFY(!AreaIsPicture(img, 45, 565, 133, 172, 63, 0, 73 - andSourceY));
        QVERIFY(AreaIsPicture(img, 263, 50, 134, 103, 62, 0, orSourceY));
        QVERIFY(!AreaIsPicture(img, 263, 50, 134, 103, 62, 0, 69 - orSourceY));

        Set(*m_doc, &DisplayFlags::andLabel, false);
        Set(*m_doc, &DisplayFlags::orLabel, false);
        for (bool DisplayFlags::*flag :
             {&DisplayFlags::showMinterms, &DisplayFlags::showProductTerms, &DisplayFlags::blockStructure})
            Set(*m_doc, flag, true);
        img = Render();
        QVERIFY(DarkPixels(img, QRect(50, 6, 250, 22)) > 200 && IsDark(img.pixel(50, 30)));
        QVERIFY(DarkPixels(img, QRect(62, 40, 12, 16)) > 5);
        for (int r = 0; r < 16; ++r)
            QVERIFY(IsDark(img.pixel(265, 145 + 25 * r)));
        QCOMPARE(DarkPixels(img, QRect(380, 40, 1024 - 380, 860 - 40)), 0);
        for (int k = 0; k < 4; ++k)
            QVERIFY(AreaIsPicture(img, 50 + 42 * k, 60, 130, 32, 60));
        QVERIFY(AreaIsPicture(img, 40, 120, andBlock, 215, 450));
        QVERIFY(AreaIsPicture(img, 275, 120, orBlock, 100, 450));
    }

    // A function's name under its gate: the second of two characters, of
    // any number of bytes, subscripted; of a longer name the first only;
    // wide characters narrowed to stay clear of the next name.
    void functionNameSubscript_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("markup");
        QTest::newRow("one character") << "F" << "F";
        QTest::newRow("two characters") << "Z1" << "Z~d1";
        QTest::newRow("longer: first only") << "Out" << "O";
        QTest::newRow("longer multi-byte") << "\u00e9tat" << "\u00e9";
        QTest::newRow("two letters of other scripts") << "\u03a9\u00e9" << "\u03a9~d\u00e9";
        QTest::newRow("outside the basic plane") << "\U0001D49C\U0001F600" << "\U0001D49C~d\U0001F600";
    }
    void functionNameSubscript()
    {
        QFETCH(QString, name);
        QFETCH(QString, markup);
        QCOMPARE(QString::fromStdString(FuseMapFunctionName(name.toStdString())), markup);
        CNames names = m_doc->Device().names;
        names.functions[1] = name.toStdString();
        m_doc->Edit([&names](DeviceEditor& e) { e.SetNames(names); });
        const QImage img = Render();
        const QImage expected =
            Paint([&](QPainter& p) { DrawRichText(p, 5, 5, markup.toStdString(), 100, Qt::black, Qt::white, 19); });
        // The name's area (left of the next name) is the markup drawn alone.
        QCOMPARE(img.copy(301, 585, 18, 22).convertToFormat(QImage::Format_RGB32), expected.copy(5, 5, 18, 22));
    }

    // --- Rich text ----------------------------------------------------------

    void richTextLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("chars");
        QTest::addColumn<QList<int>>("glyphs"); // x, dy, small of each glyph
        QTest::addColumn<QList<int>>("bars");   // x1, x2 of each bar
        const QList<int> none;
        QTest::newRow("minterm label") << "m~d12~d = " << "m12 = " << QList<int>{0, 0, 0, 8, 7, 1, 13, 7, 1, 18, 0, 0, 21, 0, 0, 29, 0, 0} << none;
        QTest::newRow("superscript") << "x~u2~u" << "x2" << QList<int>{0, 0, 0, 8, -5, 1} << none;
        QTest::newRow("gaps") << "A~aB~rC" << "ABC" << QList<int>{0, 0, 0, 18, 0, 0, 44, 0, 0} << none;
        QTest::newRow("trailing tilde") << "AB~" << "AB" << QList<int>{0, 0, 0, 8, 0, 0} << none;
        // An unknown code only resets the offset; the small font stays.
        QTest::newRow("unknown code") << "~dA~xB" << "AB" << QList<int>{0, 7, 1, 5, 0, 1} << none;
        // Switching one toggle off returns to normal even while the other is on.
        QTest::newRow("both toggles") << "~u~dA~dB" << "AB" << QList<int>{0, 7, 1, 5, 0, 0} << none;
        // Characters of several bytes are whole glyphs; a code consumes the
        // whole character after "~"; a bar spans one whole character.
        QTest::newRow("multi-byte subscript") << "\u03a9~d\u00e9~d=" << "\u03a9\u00e9=" << QList<int>{0, 0, 0, 8, 7, 1, 13, 0, 0} << none;
        QTest::newRow("multi-byte code") << "A~\u00e9B" << "AB" << QList<int>{0, 0, 0, 8, 0, 0} << none;
        QTest::newRow("bars") << "^A^B" << "AB" << QList<int>{0, 0, 0, 8, 0, 0} << QList<int>{1, 7, 9, 15};
        QTest::newRow("bars over several bytes") << "^\U0001D49C^\u00e9" << "\U0001D49C\u00e9" << QList<int>{0, 0, 0, 8, 0, 0}
                                                 << QList<int>{1, 7, 9, 15};
    }
    void richTextLayout()
    {
        QFETCH(QString, text);
        QFETCH(QString, chars);
        QFETCH(QList<int>, glyphs);
        QFETCH(QList<int>, bars);
        const CRichLayout layout = LayoutRichText(text.toStdString(), FakeWidth);
        QString shown; // each glyph one whole code point
        QList<int> placed, barred;
        for (const CRichGlyph& g : layout.glyphs) {
            const QString ch = QString::fromStdString(g.text);
            shown += ch.toUcs4().size() == 1 ? ch : "<" + ch + ">";
            placed << g.x << g.dy << int(g.small);
        }
        for (const CRichBar& b : layout.bars)
            barred << b.x1 << b.x2;
        QCOMPARE(shown, chars);
        QCOMPARE(placed, glyphs);
        QCOMPARE(barred, bars);
    }

    // Names in any script: each character drawn whole, as Qt draws the same
    // text as one string; a bar over, or a subscript of, a whole character.
    void richTextDrawsWholeCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ASCII") << "A";
        QTest::newRow("Greek and digit") << "\u03a92";
        QTest::newRow("beyond the BMP") << "\U0001D49C";
        QTest::newRow("emoji") << "\U0001F600";
    }
    void richTextDrawsWholeCharacters()
    {
        QFETCH(QString, name);
        const QFont normal = ZylArialFont(100);
        const QFont small = ZylArialFont(80);
        const std::string utf8 = name.toStdString();
        const QImage rich = Paint([&](QPainter& p) { DrawRichText(p, 10, 10, utf8, 100, Qt::black, Qt::white); });
        const QImage whole = Paint([&](QPainter& p) {
            p.setFont(normal);
            p.drawText(QPoint(10, 10 + QFontMetrics(normal).ascent()), name);
        });
        QCOMPARE(rich, whole);
        QVERIFY(DarkPixels(rich, rich.rect()) > 0);

        // Barred: the same glyphs under a bar as wide as the first character, nothing above.
        const QImage barred = Paint([&](QPainter& p) { DrawRichText(p, 10, 10, "^" + utf8, 100, Qt::black, Qt::white); });
        const QString first = name.left(name.at(0).isHighSurrogate() ? 2 : 1);
        QCOMPARE(barred.copy(0, 10, 120, 30), rich.copy(0, 10, 120, 30));
        QCOMPARE(DarkPixels(barred, QRect(0, 9, 120, 1)), QFontMetrics(normal).horizontalAdvance(first) - 1);
        QCOMPARE(DarkPixels(barred, QRect(0, 0, 120, 9)), 0);

        // Subscripted after an "X": the whole name small and 7 units lower.
        const QImage sub = Paint([&](QPainter& p) { DrawRichText(p, 10, 10, "X~d" + utf8, 100, Qt::black, Qt::white); });
        const QImage apart = Paint([&](QPainter& p) {
            p.setFont(normal);
            p.drawText(QPoint(10, 10 + QFontMetrics(normal).ascent()), QStringLiteral("X"));
            p.setFont(small);
            p.drawText(QPoint(10 + QFontMetrics(normal).horizontalAdvance(QLatin1Char('X')), 17 + QFontMetrics(small).ascent()),
                       name);
        });
        QCOMPARE(sub, apart);
    }
};

QTEST_MAIN(TestGuiRender)
#include "test_gui_render.moc"
