// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawRichText.h"

#include "Utf8.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// Where the markup stands while a text is walked: the advance so far, the
// vertical offset, and the sub- or superscript that is on.
struct CRichPen
{
    int a = 0;
    int dy = 0;
    bool subscript = false;
    bool superscript = false;
    bool small = false;

    // The code letter after "~"; '\0' for the end of the text or a
    // character of several bytes, which count as unknown codes.
    void Apply(char code)
    {
        switch (code) {
        case 'a':
            a += 10;
            break;
        case 'r':
            a += 18;
            break;
        case 'd':
            subscript = !subscript;
            small = subscript;
            dy = subscript ? 7 : 0;
            break;
        case 'u':
            superscript = !superscript;
            small = superscript;
            dy = superscript ? -5 : 0;
            break;
        default:
            dy = 0;
            break;
        }
    }
};

} // namespace

CRichLayout LayoutRichText(const std::string& text, const RichWidth& width)
{
    CRichLayout layout;
    CRichPen pen;
    const std::string_view all(text);
    const std::size_t n = all.size();
    // The whole character that starts at byte i (empty at the end).
    const auto charAt = [&](std::size_t i) {
        return i < n ? all.substr(i, Utf8::CharLength(all, i)) : std::string_view();
    };
    std::size_t i = 0;
    while (i < n) {
        std::string_view ch = charAt(i);
        if (ch == "~") {
            // The code is a whole character, so a multi-byte one is skipped
            // whole and never read as a code letter.
            const std::string_view code = charAt(i + 1);
            i += 1 + code.size();
            pen.Apply(code.size() == 1 ? code[0] : '\0');
            continue;
        }
        if (ch == "^") {
            ++i;
            if (i >= n)
                break; // a trailing "^" has nothing to put the bar over
            ch = charAt(i);
            const int w = width(ch, pen.small);
            // The bar stays just above the normal line, whatever the offset.
            layout.bars.push_back(CRichBar{pen.a + 1, pen.a + w - 1});
        }
        layout.glyphs.push_back(CRichGlyph{std::string(ch), pen.a, pen.dy, pen.small});
        pen.a += width(ch, pen.small);
        i += ch.size();
    }
    layout.width = pen.a;
    return layout;
}

std::string FuseMapFunctionName(const std::string& name)
{
    if (Utf8::CountChars(name) == 2)
        return std::string(Utf8::CharAtIndex(name, 0)) + "~d" + std::string(Utf8::CharAtIndex(name, 1));
    return std::string(Utf8::Truncate(name, 1));
}

int ZylFontPixelSize(int pointSize)
{
    // MulDiv(pt, 96, 72) rounds half away from zero; pointSize is in tenths.
    const int num = pointSize * 96;
    const int den = 720;
    return num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
}

QFont ZylArialFont(int pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, ZylFontPixelSize(pointSize)));
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

namespace {

// The laid-out texts of recent paints: the fuse map draws the same few
// dozen texts on every repaint, and measuring each character is most of
// their cost. Keyed by text, size and the device's dots per inch; cleared
// when it grows past what one paint draws, so it stays small.
struct LayoutKey
{
    std::string text;
    int pointSize;
    int dpiX;
    int dpiY;
    bool operator<(const LayoutKey& o) const
    {
        return std::tie(pointSize, dpiX, dpiY, text) < std::tie(o.pointSize, o.dpiX, o.dpiY, o.text);
    }
};

const CRichLayout& CachedLayout(const std::string& text, int pointSize, const QFontMetrics& fmNormal,
                                const QFontMetrics& fmSmall, const QPaintDevice* device)
{
    static std::map<LayoutKey, CRichLayout> kept;
    LayoutKey key{text, pointSize, device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0};
    if (const auto it = kept.find(key); it != kept.end())
        return it->second;
    if (kept.size() >= 512)
        kept.clear();
    CRichLayout layout = LayoutRichText(text, [&](std::string_view ch, bool isSmall) {
        return (isSmall ? fmSmall : fmNormal).horizontalAdvance(QString::fromUtf8(ch.data(), qsizetype(ch.size())));
    });
    return kept.emplace(std::move(key), std::move(layout)).first->second;
}

// One character shaped in a font, kept: drawText shapes it anew on every
// call, which made the annotations most of a repaint.
std::map<std::pair<std::string, QString>, QStaticText>& KeptGlyphs()
{
    static std::map<std::pair<std::string, QString>, QStaticText> kept;
    static const bool cleared = [] {
        // The glyphs hold font engines, which must go before Qt's fonts do.
        qAddPostRoutine([] { KeptGlyphs().clear(); });
        return true;
    }();
    (void)cleared;
    return kept;
}

const QStaticText& StaticGlyph(const std::string& ch, const QFont& font)
{
    auto& kept = KeptGlyphs();
    const auto key = std::make_pair(ch, font.key());
    if (const auto it = kept.find(key); it != kept.end())
        return it->second;
    if (kept.size() >= 1024)
        kept.clear();
    QStaticText glyph(QString::fromUtf8(ch.data(), qsizetype(ch.size())));
    glyph.setTextFormat(Qt::PlainText);
    glyph.setPerformanceHint(QStaticText::AggressiveCaching);
    glyph.prepare(QTransform(), font);
    return kept.emplace(key, std::move(glyph)).first->second;
}

} // namespace

int DrawRichText(QPainter& painter, int x, int y, const std::string& text, int pointSize, const QColor& textColour,
                 const QColor& backgroundColour, int maxWidth)
{
    painter.save();
    const QFont normal = ZylArialFont(pointSize);
    const QFont small = ZylArialFont(pointSize - 20);
    const QFontMetrics fmNormal(normal, painter.device());
    const QFontMetrics fmSmall(small, painter.device());
    const CRichLayout& layout = CachedLayout(text, pointSize, fmNormal, fmSmall, painter.device());
    const int width = maxWidth > 0 ? std::min(layout.width, maxWidth) : layout.width;
    if (width < layout.width) {
        painter.translate(x, y);
        painter.scale(double(width) / layout.width, 1.0);
        x = y = 0;
    }

    painter.setPen(QPen(textColour, 1));
    // Each character as drawText draws it in opaque mode: its cell (the
    // advance by the font's height from the baseline) filled with the
    // background, then the glyphs, whose shaping is kept between paints.
    const QFontMetricsF cell[2] = {QFontMetricsF(normal, painter.device()), QFontMetricsF(small, painter.device())};
    const int ascent[2] = {fmNormal.ascent(), fmSmall.ascent()};
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    int font = -1;
    for (const CRichGlyph& g : layout.glyphs) {
        if (font != int(g.small)) {
            font = int(g.small);
            painter.setFont(g.small ? small : normal);
        }
        // Top alignment: the glyph cell starts at the given y.
        const QPointF baseline(x + g.x, y + g.dy + ascent[font]);
        if (!raster) {
            // Vector devices keep the characters as text (an SVG's <text>).
            painter.setBackgroundMode(Qt::OpaqueMode);
            painter.setBackground(backgroundColour);
            painter.drawText(baseline, QString::fromUtf8(g.text.data(), qsizetype(g.text.size())));
            continue;
        }
        const QStaticText& glyph = StaticGlyph(g.text, g.small ? small : normal);
        painter.fillRect(QRectF(baseline.x(), baseline.y() - cell[font].ascent(), glyph.size().width(),
                                cell[font].ascent() + cell[font].descent()),
                         backgroundColour);
        painter.drawStaticText(QPointF(baseline.x(), baseline.y() - cell[font].ascent()), glyph);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const CRichBar& b : layout.bars)
        painter.drawLine(x + b.x1, y - 1, x + b.x2, y - 1);
    painter.restore();
    return width;
}
