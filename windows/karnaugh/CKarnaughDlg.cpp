// SPDX-License-Identifier: GPL-3.0-or-later
#include "CKarnaughDlg.h"

#include "AccessibleTable.h"
#include "CZYLDoc.h"
#include "DrawRichText.h"
#include "Highlight.h"
#include "Platform.h"
#include "TruthTableLogic.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

namespace L = KarnaughLayout;

const int kValuePoints = 160;
const int kNumberPoints = 70;
const int kLabelPoints = 100;
const int kTitlePoints = 120;

// One hue a group, by its place in its function's list; a PROM cover
// may have eight terms.
const QColor kGroupHues[] = {QColor(220, 30, 30), QColor(30, 100, 220), QColor(20, 150, 60), QColor(200, 120, 0),
                             QColor(150, 40, 190), QColor(0, 150, 160), QColor(190, 60, 120), QColor(110, 110, 40)};
// How much of its group's hue an emphasised cell takes.
const double kTintShare = 45.0 / 255.0;
const double kReadable = 4.5;

// The relative luminance of a colour and the contrast of two colours (1 to
// 21), as WCAG 2 measures them.
double Luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Mix(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

QRect ToQRect(const ZRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

int RichWidthOf(const std::string& text, int points)
{
    const QFontMetrics normal(ZylArialFont(points));
    const QFontMetrics small(ZylArialFont(points - 20));
    return LayoutRichText(text, [&](std::string_view c, bool isSmall) {
               const QString s = QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size()));
               return (isSmall ? small : normal).horizontalAdvance(s);
           })
        .width;
}

// Names side by side, as the axes write a pair of variables.
std::string Pair(const Device& device, std::size_t first)
{
    return device.names.variables[first] + device.names.variables[first + 1];
}

bool Emphasised(const CKarnaughEmphasis& emphasis, int f, int g)
{
    return std::find(emphasis.begin(), emphasis.end(), CKarnaughGroupRef{f, g}) != emphasis.end();
}

// One piece of a group's outline. A piece open on a side, whose outline
// runs past the map, is drawn as the pen's stroke of the outline cut to the
// map and filled: every output looks the same, an SVG included, and no line
// runs along the border where the group is cut.
void DrawPiece(QPainter& p, const QPen& pen, const ZRect& r, const ZRect& map, bool open)
{
    const QRectF outline(r.left, r.top, r.Width(), r.Height());
    const qreal radius = std::min(9.0, std::min(outline.width(), outline.height()) / 2 - 1);
    if (!open) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(outline, radius, radius);
        return;
    }
    QPainterPath path;
    path.addRoundedRect(outline, radius, radius);
    QPainterPath inside;
    inside.addRect(map.left, map.top, map.Width(), map.Height());
    QPainterPath shape = QPainterPathStroker(pen).createStroke(path).intersected(inside);
    // The cut leaves two contours that run along the border both ways; a
    // file keeps one outline, which no SVG or PDF reader can show as a seam.
    if (p.paintEngine() && p.paintEngine()->type() != QPaintEngine::Raster)
        shape = shape.simplified();
    p.fillPath(shape, pen.color());
}

// The title centred over f's map; the axes: AB down the left, CD along the
// top, split by the corner's diagonal.
void PaintTitleAndAxes(QPainter& p, const Device& device, int f, const CKarnaughColours& colours)
{
    const ZRect map = KarnaughMapRect(f);
    const QColor& ink = colours.text;
    const QColor& paper = colours.background;
    const std::string title = FuseMapFunctionName(device.names.functions[static_cast<std::size_t>(f)]);
    const ZPoint titleAt = KarnaughTitleAt(f);
    DrawRichText(p, titleAt.x - RichWidthOf(title, kTitlePoints) / 2, titleAt.y, title, kTitlePoints, ink, paper);

    const ZPoint rowNames = KarnaughRowNamesAt(f);
    const ZPoint columnNames = KarnaughColumnNamesAt(f);
    DrawRichText(p, rowNames.x, rowNames.y, Pair(device, 0), kLabelPoints, ink, paper);
    DrawRichText(p, columnNames.x, columnNames.y, Pair(device, 2), kLabelPoints, ink, paper);
    p.drawLine(map.left - 30, map.top - 30, map.left, map.top);
    p.setFont(ZylArialFont(kLabelPoints));
    static const char* const kCodes[] = {"00", "01", "11", "10"};
    for (int i = 0; i < 4; ++i) {
        const ZPoint r = KarnaughRowLabelAt(f, i);
        const ZPoint c = KarnaughColumnLabelAt(f, i);
        p.drawText(QPoint(r.x, r.y + p.fontMetrics().ascent()), QString::fromLatin1(kCodes[i]));
        p.drawText(QPoint(c.x, c.y + p.fontMetrics().ascent()), QString::fromLatin1(kCodes[i]));
    }
}

// The tinted cells of the emphasised groups, under the grid and the values.
void PaintTints(QPainter& p, int f, const std::vector<CKarnaughGroup>& groups, const CKarnaughEmphasis& emphasis,
                const CKarnaughColours& colours)
{
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        if (!Emphasised(emphasis, f, g))
            continue;
        for (int m = 0; m < 16; ++m)
            if (groups[static_cast<std::size_t>(g)].cells & (1u << m)) {
                const CKarnaughCell cell = KarnaughCellOf(m);
                p.fillRect(ToQRect(KarnaughCellRect(f, cell.row, cell.column)), colours.Tint(g));
            }
    }
}

// The grid, each cell's value and its minterm number in the corner.
void PaintGridAndValues(QPainter& p, const Device& device, int f, const CKarnaughColours& colours)
{
    const ZRect map = KarnaughMapRect(f);
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(map.left + i * L::kCell, map.top, map.left + i * L::kCell, map.bottom);
        p.drawLine(map.left, map.top + i * L::kCell, map.right, map.top + i * L::kCell);
    }
    const QFont valueFont = ZylArialFont(kValuePoints);
    const QFont numberFont = ZylArialFont(kNumberPoints);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const int m = KarnaughMinterm(row, column);
            const QRect cell = ToQRect(KarnaughCellRect(f, row, column));
            const char value = KarnaughCellValue(device, f, m);
            p.setPen(colours.text);
            if (value != 0) {
                p.setFont(valueFont);
                p.drawText(cell, Qt::AlignCenter, QString(QChar::fromLatin1(value)));
            }
            p.setPen(colours.numbers);
            p.setFont(numberFont);
            p.drawText(cell.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(m));
        }
}

// The groups, each piece a rounded outline cut off at the map's border
// where it runs on over the edge; the term texts beside the map.
void PaintGroups(QPainter& p, int f, const std::vector<CKarnaughGroup>& groups, const CKarnaughEmphasis& emphasis,
                 const CKarnaughColours& colours)
{
    const ZRect map = KarnaughMapRect(f);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        const CKarnaughGroup& group = groups[static_cast<std::size_t>(g)];
        const QPen pen(colours.Group(g), Emphasised(emphasis, f, g) ? 3.5 : 1.6);
        for (const CKarnaughPiece& piece : group.pieces)
            DrawPiece(p, pen, KarnaughPieceRect(f, group, piece), map,
                      piece.openLeft || piece.openRight || piece.openTop || piece.openBottom);
    }
    p.restore();
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        const ZRect at = KarnaughTermRect(f, g);
        const std::string& text = groups[static_cast<std::size_t>(g)].text;
        DrawRichText(p, at.left, at.top + 1, text, Emphasised(emphasis, f, g) ? kTitlePoints : kLabelPoints,
                     colours.Group(g), colours.background);
    }
}

void PaintMap(QPainter& p, const Device& device, int f, const std::vector<CKarnaughGroup>& groups,
              const CKarnaughEmphasis& emphasis, const CKarnaughColours& colours)
{
    p.setPen(QPen(colours.text, 1));
    PaintTitleAndAxes(p, device, f, colours);
    PaintTints(p, f, groups, emphasis, colours);
    PaintGridAndValues(p, device, f, colours);
    PaintGroups(p, f, groups, emphasis, colours);
}

const QString kZoomKey = QStringLiteral("Windows/KarnaughZoom");

} // namespace

// The maps scrolled at their zoom: Ctrl + wheel zooms them about the point
// under the mouse, and the natural size shows the whole canvas.
class CKarnaughScroll : public QScrollArea
{
public:
    CKarnaughScroll(CKarnaughCanvas* canvas, QWidget* parent)
        : QScrollArea(parent)
        , zoom(*this, [this, canvas] { canvas->SetZoom(zoom.Percent()); }, kZoomKey)
    {
        canvas->SetZoom(zoom.Percent());
        setWidget(canvas);
        setFrameShape(QFrame::NoFrame);
    }

    CZoomControl zoom;

    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->size() + QSize(frame, frame) : QScrollArea::sizeHint();
    }

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        if (!zoom.Wheel(*event))
            QScrollArea::wheelEvent(event);
    }
};

CKarnaughColours::CKarnaughColours(const QColor& paper, const QColor& ink)
    : background(paper)
    , text(ink)
{
    for (const QColor& hue : kGroupHues) {
        // Towards the text colour until it reads on the background.
        QColor colour = hue;
        for (int step = 1; step <= 20 && Contrast(colour, background) < kReadable; ++step)
            colour = Mix(hue, text, step / 20.0);
        groups.push_back(colour);
        tints.push_back(Mix(background, colour, kTintShare));
    }
    // Half way to the background at most, as far as the background and
    // every tint still let the numbers read.
    const auto readsEverywhere = [this](const QColor& c) {
        if (Contrast(c, background) < kReadable)
            return false;
        return std::all_of(tints.begin(), tints.end(), [&c](const QColor& t) { return Contrast(c, t) >= kReadable; });
    };
    numbers = text;
    for (int step = 10; step > 0; --step)
        if (const QColor c = Mix(text, background, step / 20.0); readsEverywhere(c)) {
            numbers = c;
            break;
        }
}

CKarnaughColours CKarnaughColours::FromPalette(const QPalette& palette)
{
    return CKarnaughColours(palette.color(QPalette::Base), palette.color(QPalette::Text));
}

void PaintKarnaughMaps(QPainter& p, const Device& device, const CKarnaughGroups& groups,
                       const CKarnaughEmphasis& emphasis, const CKarnaughColours& colours)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBackgroundMode(Qt::TransparentMode);
    for (int f = 0; f < Device::kFunctions; ++f)
        PaintMap(p, device, f, groups[static_cast<std::size_t>(f)], emphasis, colours);
    p.restore();
}

// --- The screen reader ------------------------------------------------------

namespace {

// The maps' canvas on the accessibility bus: four tables, one a map.
class CKarnaughAccessible : public QAccessibleWidget
{
public:
    explicit CKarnaughAccessible(CKarnaughCanvas* canvas)
        : QAccessibleWidget(canvas, QAccessible::Pane, QStringLiteral("Karnaugh maps"))
    {
        for (int f = 0; f < 4; ++f) {
            m_tables[static_cast<std::size_t>(f)] = new CAccessibleTable(
                canvas, canvas->AccessGrid(f), this, [canvas](const ZRect& r) { return canvas->ToScreen(r); });
            QAccessible::registerAccessibleInterface(m_tables[static_cast<std::size_t>(f)]);
        }
    }
    ~CKarnaughAccessible() override
    {
        for (CAccessibleTable* table : m_tables)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(table));
    }
    CKarnaughAccessible(const CKarnaughAccessible&) = delete;
    CKarnaughAccessible& operator=(const CKarnaughAccessible&) = delete;

    CAccessibleTable& Table(int f) const { return *m_tables[static_cast<std::size_t>(f)]; }
    int childCount() const override { return 4; }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < 4 ? m_tables[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto found = std::find(m_tables.begin(), m_tables.end(), child);
        return found == m_tables.end() ? -1 : static_cast<int>(found - m_tables.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (CAccessibleTable* table : m_tables)
            if (table->rect().contains(x, y))
                return table;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const CKarnaughCanvas& canvas = static_cast<const CKarnaughCanvas&>(*widget());
        return Table(canvas.Cursor().f).focusChild();
    }

private:
    std::array<CAccessibleTable*, 4> m_tables{};
};

// The canvas' interface when a reader is listening, else none.
CKarnaughAccessible* AccessibleOf(CKarnaughCanvas* canvas)
{
    return QAccessible::isActive() ? dynamic_cast<CKarnaughAccessible*>(QAccessible::queryAccessibleInterface(canvas))
                                   : nullptr;
}

} // namespace

QAccessibleInterface* MapsFactory(const QString&, QObject* object)
{
    auto* canvas = dynamic_cast<CKarnaughCanvas*>(object);
    return canvas ? new CKarnaughAccessible(canvas) : nullptr;
}

QRect CKarnaughCanvas::ToScreen(const ZRect& r) const
{
    const QRect shown =
        QRectF(r.left * Factor(), r.top * Factor(), r.Width() * Factor(), r.Height() * Factor()).toAlignedRect();
    return QRect(mapToGlobal(shown.topLeft()), shown.size());
}

void CKarnaughCanvas::Reload()
{
    m_groups = KarnaughGroups(m_doc.Device(), m_doc.Covers());
    m_hoverGroup.reset();
    update();
    CKarnaughAccessible* accessible = AccessibleOf(this);
    if (!accessible) {
        m_announced.clear();
        return;
    }
    const bool first = m_announced.empty();
    m_announced.resize(4 * 16);
    for (int f = 0; f < 4; ++f)
        for (int cell = 0; cell < 16; ++cell) {
            std::string name = m_access[static_cast<std::size_t>(f)].CellName(cell / 4, cell % 4);
            std::string& told = m_announced[static_cast<std::size_t>(f * 16 + cell)];
            if (!first && name != told)
                accessible->Table(f).NotifyCellChanged(cell / 4, cell % 4);
            told = std::move(name);
        }
}

// --- The keyboard ---------------------------------------------------------

QRect CKarnaughCanvas::CursorRect() const
{
    const ZRect r = KarnaughCellRect(m_cursor.f, m_cursor.row, m_cursor.column);
    return QRectF(r.left * Factor(), r.top * Factor(), r.Width() * Factor(), r.Height() * Factor()).toAlignedRect();
}

void CKarnaughCanvas::OpenPopup(const CKarnaughHit& cell, const QPoint& global)
{
    const int item = GetPlatform().TrackPopup(TableValuePopupItems(), ZPoint{global.x(), global.y()});
    if (item >= 0 && item < 3)
        KarnaughPopupValue(m_doc, cell, TableValueOfPopupItem(item));
}

void CKarnaughCanvas::keyPressEvent(QKeyEvent* event)
{
    const CCellKey key = CellKeyOf(*event);
    if (key.move) {
        m_cue.Navigated();
        update(CursorRect());
        m_cursor = KarnaughMoveCursor(m_cursor, *key.move);
        update(CursorRect());
        if (CKarnaughAccessible* accessible = AccessibleOf(this))
            accessible->Table(m_cursor.f).NotifyCellFocused(m_cursor.row, m_cursor.column);
        if (showRect)
            showRect(CursorRect());
    } else if (key.action == CCellKey::Click || key.action == CCellKey::ShiftClick) {
        KarnaughLeftClick(m_doc, m_cursor, key.action == CCellKey::ShiftClick);
    } else if (key.action == CCellKey::Popup) {
        OpenPopup(m_cursor, mapToGlobal(CursorRect().bottomLeft()));
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CKarnaughCanvas::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_cue.Navigated();
    update(CursorRect());
    QWidget::focusInEvent(event);
}

void CKarnaughCanvas::focusOutEvent(QFocusEvent* event)
{
    update(CursorRect());
    QWidget::focusOutEvent(event);
}

// --- The window -------------------------------------------------------------

CKarnaughDlg::CKarnaughDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                               Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Karnaugh Maps"));
    setModal(false);
    // The maps first, so first in the Tab order: the window opens with the
    // focus on them. The keys go to their cells, which keep their cursor in sight.
    m_canvas = new CKarnaughCanvas(doc, this);
    m_scroll = new CKarnaughScroll(m_canvas, this);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_canvas->showRect = [this](const QRect& r) {
        m_scroll->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 8, r.height() / 2 + 8);
    };
    m_scroll->zoom.AddKeys(*this);
    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    auto* print = new QPushButton(QStringLiteral("&Print..."), this);
    auto* close = new QPushButton(QStringLiteral("C&lose"), this);
    for (QPushButton* button : {copy, print, close})
        button->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, [this] { OnCopy(); });
    connect(print, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(print);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll, 1);
    // Big enough for the whole maps at their zoom, as far as the screen allows.
    QSize size = sizeHint();
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    // A row hovered in the fuse map shows its group here.
    m_highlightListener = SharedHighlight().AddListener([this] {
        if (!m_canvas->Sharing() && isVisible())
            m_canvas->update();
    });
}

CKarnaughDlg::~CKarnaughDlg() { SharedHighlight().RemoveListener(m_highlightListener); }

void CKarnaughDlg::Reload() { m_canvas->Reload(); }

int CKarnaughDlg::Zoom() const { return m_canvas->Zoom(); }

void CKarnaughDlg::SetZoom(int percent, const QPoint& anchor) { m_scroll->zoom.Set(percent, anchor); }

void CKarnaughDlg::hideEvent(QHideEvent* event)
{
    SharedHighlight().Set(CHighlight{});
    CModelessDlg::hideEvent(event);
}

void CKarnaughDlg::OnCopy()
{
    const ZSize size = KarnaughCanvasSize();
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintKarnaughMaps(p, m_canvas->Document().Device(), m_canvas->Groups());
    p.end();
    QGuiApplication::clipboard()->setImage(image);
}

void CKarnaughDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    // The page turned as the maps are: wider than high, landscape.
    const ZSize size = KarnaughCanvasSize();
    printer.setPageOrientation(size.cx > size.cy ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!GetPlatform().AskPrint(printer))
        return;
    QPainter p;
    if (!p.begin(&printer)) {
        ShowStandardMessage("The Karnaugh maps cannot be printed: the printer could not be started.");
        return;
    }
    // Logical units at 96 dpi, shrunk to fit the page, never enlarged.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scaleX = printer.logicalDpiX() / 96.0;
    const double scaleY = printer.logicalDpiY() / 96.0;
    const double fit = std::min({1.0, page.width() / (size.cx * scaleX), page.height() / (size.cy * scaleY)});
    p.scale(scaleX * fit, scaleY * fit);
    PaintKarnaughMaps(p, m_canvas->Document().Device(), m_canvas->Groups());
    p.end();
}
