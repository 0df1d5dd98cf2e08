// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureArt.h"
#include "Pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>
#include <list>
#include <map>
#include <tuple>

#define ZYL_PICTURE(id, paint, name, number, width, height) {#name, ZylPictureKind::Picture, number, width, height},
#define ZYL_CURSOR(id, paint, name, number, x, y) {#name, ZylPictureKind::Cursor, number, 32, 32},
#define ZYL_IMAGE(id, paint, name, width, height) {#name, ZylPictureKind::Image, id, width, height},
const ZylPicture kZylPictures[] = {
#include "Pictures.def"
};
#undef ZYL_PICTURE
#undef ZYL_CURSOR
#undef ZYL_IMAGE

const std::size_t kZylPictureCount = sizeof(kZylPictures) / sizeof(kZylPictures[0]);

namespace {

// The painting function of each picture and, for cursors, the hot spot, in
// the order of kZylPictures.
struct Painting {
    void (*paint)(QPainter&);
    int hotX;
    int hotY;
};
#define ZYL_PICTURE(id, paint, name, number, width, height) {Art::paint, 0, 0},
#define ZYL_CURSOR(id, paint, name, number, x, y) {Art::paint, x, y},
#define ZYL_IMAGE(id, paint, name, width, height) {Art::paint, 0, 0},
const Painting kPaintings[] = {
#include "Pictures.def"
};
#undef ZYL_PICTURE
#undef ZYL_CURSOR
#undef ZYL_IMAGE

constexpr std::size_t kNone = std::size_t(-1);
constexpr std::size_t kCacheBytes = std::size_t(8) << 20;
// A picture whose rendering would be larger than this is kept in tiles.
constexpr std::size_t kLargestWhole = kCacheBytes / 4;
constexpr int kTile = 128;
// A picture is rendered for where its origin falls within a device pixel,
// so at a fractional scale it lands exactly where it would have been drawn;
// origins within the same 256th of a pixel share a rendering.
constexpr int kPhases = 256;

std::size_t IndexOf(ZylPictureKind kind, int id)
{
    // Pictures are looked up on every paint; their ids are small numbers.
    static const auto pictures = [] {
        std::array<std::size_t, 256> index;
        index.fill(kNone);
        for (std::size_t i = 0; i < kZylPictureCount; ++i)
            if (kZylPictures[i].kind == ZylPictureKind::Picture && std::size_t(kZylPictures[i].id) < index.size())
                index[std::size_t(kZylPictures[i].id)] = i;
        return index;
    }();
    if (kind == ZylPictureKind::Picture && id >= 0 && std::size_t(id) < pictures.size())
        return pictures[std::size_t(id)];
    for (std::size_t i = 0; i < kZylPictureCount; ++i)
        if (kZylPictures[i].kind == kind && kZylPictures[i].id == id)
            return i;
    return kNone;
}

QRect Extent(std::size_t i) { return QRect(0, 0, kZylPictures[i].width, kZylPictures[i].height); }

// Paints picture i in its own coordinates with the painter's state as the
// drawing expects it; pictures are opaque, on white within `area`.
void PaintPicture(QPainter& p, std::size_t i, const QRect& area)
{
    p.save();
    p.setPen(QPen());
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (kZylPictures[i].kind == ZylPictureKind::Picture)
        p.fillRect(area & Extent(i), Qt::white);
    kPaintings[i].paint(p);
    p.restore();
}

struct Cache {
    // Picture, scale, phases, tile (-1 for the whole picture).
    using Key = std::tuple<std::size_t, int, int, int, int, int>;
    std::list<std::pair<Key, QImage>> recent; // most recently used first
    std::map<Key, std::list<std::pair<Key, QImage>>::iterator> where;
    std::size_t bytes = 0;
    std::size_t renders = 0;
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

// Picture i at `scale` device pixels to the unit, its origin `shift` device
// pixels from the image's top-left corner, on an image of `size`; `area` is
// the part shown.
QImage Render(std::size_t i, QSize size, qreal scale, QPointF shift, const QRect& area)
{
    const bool opaque = kZylPictures[i].kind == ZylPictureKind::Picture;
    QImage img(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    img.fill(opaque ? Qt::white : Qt::transparent);
    QPainter p(&img);
    p.translate(shift);
    p.scale(scale, scale);
    PaintPicture(p, i, area);
    p.end();
    ++TheCache().renders;
    return img;
}

// The device pixels a width and height at `scale` cover from `phase` into the first pixel.
QSize DeviceSize(QSizeF size, qreal scale, QPointF phase = QPointF())
{
    return QSize(int(std::ceil(phase.x() + size.width() * scale - 1e-6)),
                 int(std::ceil(phase.y() + size.height() * scale - 1e-6)));
}

// Whether every pixel of img has one colour: such a tile is kept as one pixel.
bool Uniform(const QImage& img)
{
    const QRgb first = img.pixel(0, 0);
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        if (std::any_of(line, line + img.width(), [first](QRgb c) { return c != first; }))
            return false;
    }
    return true;
}

// Picture i at `scale`, its origin `shift` (less than a pixel) into the
// first pixel: the whole of it, or tile (x, y) of kTile device pixels square.
// Renderings are shared by origins in the same 256th of a pixel.
const QImage& Cached(std::size_t i, qreal scale, QPointF shift, QPoint tile)
{
    Cache& c = TheCache();
    const Cache::Key key{i, qRound(scale * 4096), int(shift.x() * kPhases), int(shift.y() * kPhases), tile.x(),
                         tile.y()};
    if (const auto it = c.where.find(key); it != c.where.end()) {
        c.recent.splice(c.recent.begin(), c.recent, it->second);
        return it->second->second;
    }
    const QSize whole = DeviceSize(Extent(i).size(), scale, shift);
    const QRect part = tile.x() < 0 ? QRect(QPoint(), whole)
                                    : QRect(tile * kTile, QSize(kTile, kTile)) & QRect(QPoint(), whole);
    QImage img = Render(i, part.size(), scale, shift - QPointF(part.topLeft()), Extent(i));
    if (tile.x() >= 0 && Uniform(img))
        img = img.copy(0, 0, 1, 1);
    while (!c.recent.empty() && c.bytes + std::size_t(img.sizeInBytes()) > kCacheBytes) {
        c.bytes -= std::size_t(c.recent.back().second.sizeInBytes());
        c.where.erase(c.recent.back().first);
        c.recent.pop_back();
    }
    c.bytes += std::size_t(img.sizeInBytes());
    c.recent.emplace_front(key, std::move(img));
    c.where[key] = c.recent.begin();
    return c.recent.front().second;
}

// While it lives, the painter draws in device pixels: the world, window and
// pixel-ratio scaling undone, or for a painter that only moves, the move.
class DevicePixels {
public:
    DevicePixels(QPainter& p, const QTransform& t)
        : m_p(p)
        , m_world(p.worldTransform())
        , m_moved(t.type() <= QTransform::TxTranslate)
        , m_offset(m_moved ? QPointF(t.dx(), t.dy()) : QPointF())
    {
        if (!m_moved)
            p.setWorldTransform(t.inverted() * m_world);
    }
    ~DevicePixels()
    {
        if (!m_moved)
            m_p.setWorldTransform(m_world);
    }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // Copies `source` of img to `at`; a tile kept as one pixel fills the
    // source's size.
    void Copy(QPoint at, const QImage& img, const QRect& source)
    {
        const QPointF to = QPointF(at) - m_offset;
        if (img.size() == QSize(1, 1) && source.size() != QSize(1, 1))
            m_p.fillRect(QRectF(to, source.size()), img.pixelColor(0, 0));
        else
            m_p.drawImage(to, img, source);
    }

private:
    QPainter& m_p;
    QTransform m_world;
    bool m_moved;
    QPointF m_offset;
};

// The device pixels the painter can reach: the part of the window being
// painted, or the whole image, within the painter's own clip.
QRect Reachable(const QPainter& p, const QTransform& t)
{
    QRect r = p.paintEngine()->systemClip().boundingRect();
    if (r.isEmpty() && p.device()->devType() == QInternal::Image)
        r = static_cast<const QImage*>(p.device())->rect();
    if (r.isEmpty())
        r = QRect(-(1 << 28), -(1 << 28), 1 << 29, 1 << 29);
    if (p.hasClipping())
        r &= t.mapRect(p.clipBoundingRect()).toAlignedRect();
    return r;
}

// Copies the area of picture i, whose origin is at `origin`, from
// renderings at the device scale: the whole picture, or the tiles in reach
// for one too large to keep whole. False where the painter is not a raster
// one mapping the picture upright and evenly scaled.
bool CopyRendering(QPainter& p, std::size_t i, const QRectF& area, QPointF origin)
{
    const QPaintEngine* engine = p.paintEngine();
    const QTransform t = p.deviceTransform();
    if (!engine || engine->type() != QPaintEngine::Raster || t.type() > QTransform::TxScale || t.m11() <= 0
        || !qFuzzyCompare(t.m11(), t.m22()))
        return false;
    const qreal s = t.m11();
    const QPointF o = t.map(origin);
    const QPoint base(int(std::floor(o.x())), int(std::floor(o.y())));
    const QPointF phase = o - QPointF(base);
    const QRectF d = t.mapRect(area);
    const QRect device(QPoint(qRound(d.left()), qRound(d.top())), QPoint(qRound(d.right()) - 1, qRound(d.bottom()) - 1));
    const QSize whole = DeviceSize(Extent(i).size(), s, phase);
    if (4.0 * whole.width() * whole.height() <= double(kLargestWhole)) {
        const QImage& img = Cached(i, s, phase, QPoint(-1, -1));
        const QRect source = device.translated(-base) & img.rect();
        if (!source.isEmpty())
            DevicePixels(p, t).Copy(source.topLeft() + base, img, source);
        return true;
    }
    const QRect shown = (device & Reachable(p, t)).translated(-base) & QRect(QPoint(), whole);
    if (shown.isEmpty())
        return true;
    DevicePixels pixels(p, t);
    for (int ty = shown.top() / kTile; ty <= shown.bottom() / kTile; ++ty)
        for (int tx = shown.left() / kTile; tx <= shown.right() / kTile; ++tx) {
            const QPoint corner(tx * kTile, ty * kTile);
            const QImage& img = Cached(i, s, phase, QPoint(tx, ty));
            const QRect source = shown.translated(-corner) & QRect(0, 0, kTile, kTile);
            if (!source.isEmpty())
                pixels.Copy(source.topLeft() + corner + base, img, source);
        }
    return true;
}

QPixmap PixmapOf(std::size_t i, const QRect& area, qreal dpr)
{
    QPixmap pixmap = QPixmap::fromImage(Render(i, DeviceSize(area.size(), dpr), dpr, -QPointF(area.topLeft()) * dpr, area));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// An icon drawn when a size is first asked for, at that size: making every
// size up front took most of the start-up. Pixmaps are kept per size and
// mode; the disabled look is the picture in light grey, as styles show it.
class PictureIconEngine : public QIconEngine {
public:
    PictureIconEngine(std::size_t i, const QRect& area)
        : m_i(i)
        , m_area(area)
    {
    }
    QIconEngine* clone() const override { return new PictureIconEngine(m_i, m_area); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // Never larger than the picture, as a pixmap icon of it would be.
        return m_area.size().boundedTo(size).isValid() && !m_area.size().boundedTo(size).isEmpty()
                   ? m_area.size().scaled(m_area.size().boundedTo(size), Qt::KeepAspectRatio)
                   : QSize();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_area.size()}; }
    // size is in device pixels: the picture scaled to fit it.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        if (size.isEmpty())
            return QPixmap();
        const qreal scale = std::min(size.width() / qreal(m_area.width()), size.height() / qreal(m_area.height()));
        const auto key = std::make_pair(qRound(scale * 1024), mode == QIcon::Disabled);
        if (const auto it = m_kept.find(key); it != m_kept.end())
            return it->second;
        QPixmap pixmap = PixmapOf(m_i, m_area, scale);
        pixmap.setDevicePixelRatio(1);
        if (mode == QIcon::Disabled)
            pixmap = QPixmap::fromImage(Greyed(pixmap.toImage()));
        return m_kept.emplace(key, pixmap).first->second;
    }
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(rect, pixmap(rect.size() * dpr, mode, state));
    }

private:
    static QImage Greyed(QImage img)
    {
        img = img.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const int grey = 128 + qGray(line[x]) / 2;
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
            }
        }
        return img;
    }

    std::size_t m_i;
    QRect m_area;
    std::map<std::pair<int, bool>, QPixmap> m_kept;
};

QIcon IconOf(std::size_t i, const QRect& area) { return QIcon(new PictureIconEngine(i, area)); }

} // namespace

void DrawZylPicture(QPainter& p, int id, int x, int y, int w, int h, int sx, int sy)
{
    const std::size_t i = IndexOf(ZylPictureKind::Picture, id);
    if (i == kNone || sx < 0 || sy < 0)
        return;
    w = std::min(w, kZylPictures[i].width - sx);
    h = std::min(h, kZylPictures[i].height - sy);
    if (w <= 0 || h <= 0)
        return;
    // Pixel x of a picture is where the view draws its line at x. Away from
    // exact pixels the view's lines lie on their coordinates, so pixel x
    // covers x - 0.5 .. x + 0.5 and the whole picture moves by half a unit:
    // its lines then meet the view's at its edges, with no white seam.
    const qreal half = Art::PixelExact(p) ? 0 : 0.5;
    const QRectF area(x - half, y - half, w, h);
    const QPointF origin(x - sx - half, y - sy - half);
    if (CopyRendering(p, i, area, origin))
        return;
    // Some devices (the SVG generator) ignore the clip: the white ground
    // stays within the area, and the pictures leave out parts outside it.
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.translate(origin);
    PaintPicture(p, i, QRect(sx, sy, w, h));
    p.restore();
}

QPixmap ZylPixmap(ImageId id, qreal devicePixelRatio)
{
    const std::size_t i = IndexOf(ZylPictureKind::Image, id);
    return i == kNone ? QPixmap() : PixmapOf(i, Extent(i), devicePixelRatio);
}

QPixmap ZylPixmap(PictureId id, qreal devicePixelRatio)
{
    const std::size_t i = IndexOf(ZylPictureKind::Picture, id);
    return i == kNone ? QPixmap() : PixmapOf(i, Extent(i), devicePixelRatio);
}

QIcon ZylIcon(ImageId id)
{
    const std::size_t i = IndexOf(ZylPictureKind::Image, id);
    return i == kNone ? QIcon() : IconOf(i, Extent(i));
}

QIcon ZylToolbarIcon(int index)
{
    const std::size_t i = IndexOf(ZylPictureKind::Image, kImgToolbar);
    const QRect button(16 * index, 0, 16, 15);
    return index < 0 || !Extent(i).contains(button) ? QIcon() : IconOf(i, button);
}

QCursor ZylCursor(CursorId id)
{
    const std::size_t i = IndexOf(ZylPictureKind::Cursor, id);
    if (i == kNone)
        return QCursor(Qt::ArrowCursor);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return QCursor(PixmapOf(i, Extent(i), screen ? screen->devicePixelRatio() : 1.0), kPaintings[i].hotX,
                   kPaintings[i].hotY);
}

ZylPictureCacheUse ZylPictureCache() { return {TheCache().bytes, TheCache().renders}; }
