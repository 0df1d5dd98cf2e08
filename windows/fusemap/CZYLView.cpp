// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLView.h"

#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "DrawRichText.h"
#include "FocusStyle.h"
#include "FuseMapAccessible.h"
#include "FuseMapLayout.h"
#include "Highlight.h"
#include "Pictures.h"
#include "ZoomControl.h"

#include <QApplication>
#include <QClipboard>
#include <QAccessible>
#include <QFontMetrics>
#include <QImage>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTransform>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

namespace L = FuseMapLayout;

// Point sizes, in tenths of a point: the title, and every other text.
const int kTitlePoints = 140;
const int kTextPoints = 100;

QRect ToQRect(const ZRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

ZRect Normalised(const ZRect& r)
{
    return ZRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                 std::max(r.top, r.bottom)};
}

} // namespace

// --- Pictures ---------------------------------------------------------------

void DrawLineWithoutEnd(QPainter& p, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    if (y1 == y2)
        x2 += x2 > x1 ? -1 : 1;
    else if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    p.drawLine(x1, y1, x2, y2);
}

void DrawPictureArea(QPainter& p, int id, const ZRect& area, int sy)
{
    DrawZylPicture(p, id, area.left, area.top, area.Width(), area.Height(), 0, sy);
}

// --- View -------------------------------------------------------------------

CZYLView::CZYLView(CZYLDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_doc(doc)
    , m_logic(std::make_unique<CViewLogic>(doc))
    , m_fuseCursor(ZylCursor(kCurPencil))
    , m_copyCursor(ZylCursor(kCurCopy))
    , m_zoom(*this, [this] { UpdateScrollBars(); })
{
    m_commands.Add(ID_SELECT_REGION, [this] { ToggleSelectMode(); }, [this] { return m_bSelectMode == 1; });
    m_commands.Add(ID_COPY_REGION, [this] { CopyRegion(); });
    // The keys and the menu keep the middle of the view in place.
    for (const auto& command : {std::pair(ID_ZOOM_IN, 1), std::pair(ID_ZOOM_OUT, -1), std::pair(ID_ZOOM_ACTUAL, 0)}) {
        const int steps = command.second;
        m_commands.Add(command.first, [this, steps] { m_zoom.Step(steps); });
    }
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_listener = m_doc.AddListener([this](const DeviceChange& change) {
        ++m_refreshes;
        viewport()->update();
        if (m_accessible)
            m_accessible->DeviceChanged(change);
    });
    m_highlightListener = SharedHighlight().AddListener([this] { viewport()->update(); });
    m_zoom.OnChanged([this](int percent) {
        viewport()->update();
        emit ZoomChanged(percent);
    });
    UpdateScrollBars();
    // The main window opens with the fuse map taking the keys.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    CFuseMapAccessible::Install();
}

CZYLView::~CZYLView()
{
    if (m_accessible)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_accessible));
    m_doc.RemoveListener(m_listener);
    SharedHighlight().RemoveListener(m_highlightListener);
}

// The band of AND row r, from its first fuse to its gate: where the
// pointer picks the row and where the row is shown highlighted.
ZRect CZYLView::AndRowBand(int r)
{
    const ZRect first = L::AndCellRect(0, r);
    return {first.left, first.top, L::RowGate(r).right, first.bottom};
}

// What the Karnaugh maps' pointer rests on: a PAL AND row, or one term of
// the sum line of a PROM function's annotation, tinted under the drawing
// (that sum line is then drawn over the tint without its white). The term
// is one of the cover the annotation shows (the cache's first cover of the
// function); a term index past that cover tints nothing.
std::optional<ZPoint> CZYLView::DrawHighlight(QPainter& p)
{
    const CHighlight& h = SharedHighlight().Get();
    const QColor tint(255, 220, 0, 110);
    const Device& device = m_doc.Device();
    if (device.type == DeviceType::Pal && h.andRow >= 0 && h.andRow < Device::kRows) {
        const ZRect band = AndRowBand(h.andRow);
        p.fillRect(QRect(band.left, band.top, band.Width(), band.Height()), tint);
    }
    if (device.type != DeviceType::Prom || h.term < 0 || h.function < 0 || h.function >= Device::kFunctions ||
        device.prom.OnSet(h.function).Empty())
        return std::nullopt;
    const std::vector<ProductTerm> cover =
        m_doc.Covers().FirstCover(device.prom.OnSet(h.function).Bits(), device.prom.DontCares(h.function).Bits());
    if (h.term < static_cast<int>(cover.size())) {
        // The sum reads "t0 + t1 + ...": measure the text before the term
        // and the term itself as the annotation's rich text lays them out.
        std::vector<std::string> terms;
        for (const ProductTerm& term : cover)
            terms.push_back(term.Text(device.names.variables));
        std::string before;
        for (int t = 0; t < h.term; ++t)
            before += terms[static_cast<std::size_t>(t)] + " + ";
        const QFontMetrics normal(ZylArialFont(kTextPoints), p.device());
        const QFontMetrics small(ZylArialFont(kTextPoints - 20), p.device());
        const auto width = [&](const std::string& text) {
            return LayoutRichText(text, [&](std::string_view c, bool isSmall) {
                       return (isSmall ? small : normal)
                           .horizontalAdvance(QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size())));
                   })
                .width;
        };
        const ZRect area = L::FunctionArea(h.function);
        const ZPoint line{area.left + L::kAnnotationTermsX, area.top + L::kAnnotationTop + L::kAnnotationLinePitch};
        // The term's characters with their bars (a unit above the text).
        p.fillRect(QRect(line.x + width(before) - 2, line.y - 3, width(terms[static_cast<std::size_t>(h.term)]) + 4,
                         normal.height() + 5),
                   tint);
        return line;
    }
    return std::nullopt;
}

QPoint CZYLView::ScrollOffset() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

ZPoint CZYLView::ToLogical(const QPoint& viewportPos) const
{
    // Away from 100 % the map's lines lie on their coordinates and the
    // pictures with them, so unit x is drawn over x - 0.5 .. x + 0.5.
    return DeviceToLogical(viewportPos + ScrollOffset(), ZoomFactor(), Zoom() == kActualZoom ? 0.0 : 0.5);
}

QRect CZYLView::ZoomedRect(const ZRect& r) const
{
    const double z = ZoomFactor();
    const QPoint topLeft(qRound(r.left * z), qRound(r.top * z));
    return QRect(topLeft, QPoint(qRound(r.right * z), qRound(r.bottom * z)) - QPoint(1, 1));
}

void CZYLView::SetZoom(int percent, const QPoint& anchor) { m_zoom.Set(percent, anchor); }

void CZYLView::UpdateScrollBars()
{
    // The default steps of a scrolling view: a page is a tenth of the
    // total size, a line a tenth of a page; the size is the zoomed one.
    const QSize client = viewport()->size();
    const QSize total = ZoomedRect(ZRect{0, 0, kWidth, kHeight}).size();
    horizontalScrollBar()->setRange(0, std::max(0, total.width() - client.width()));
    horizontalScrollBar()->setPageStep(total.width() / 10);
    horizontalScrollBar()->setSingleStep(total.width() / 100);
    verticalScrollBar()->setRange(0, std::max(0, total.height() - client.height()));
    verticalScrollBar()->setPageStep(total.height() / 10);
    verticalScrollBar()->setSingleStep(total.height() / 100);
}

void CZYLView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CZYLView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CZYLView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), Qt::white);
    p.translate(-ScrollOffset());
    if (Zoom() != kActualZoom)
        p.scale(ZoomFactor(), ZoomFactor());
    Paint(p, KarnaughShown());
    if (CursorShown())
        DrawFocusCue(p, QRectF(ToQRect(FuseMapCellRect(*m_logic->Cursor()))));
    if (m_bBandShown)
        DrawRubberBand(p);
}

QImage CZYLView::RenderImage()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    OnDraw(p);
    return image;
}

QRectF CZYLView::DrawnBounds()
{
    // Drawn on a transparent canvas twice the view's size, so marks past
    // the scroll area are found too; the bounds run from the origin to the
    // farthest opaque pixel.
    QImage canvas(2 * kWidth, 2 * kHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        OnDraw(p);
    }
    int right = 0, bottom = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = canvas.width() - 1; x > right; --x) {
            if (qAlpha(line[x]) != 0) {
                right = x;
                break;
            }
        }
        for (int x = 0; x <= right; ++x) {
            if (qAlpha(line[x]) != 0) {
                bottom = y;
                break;
            }
        }
    }
    return QRectF(0, 0, right + 1, bottom + 1);
}

bool CZYLView::PrintReady(const QPrinter& printer, std::string& error)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        // What Qt falls back to when no printer is installed.
        error = "no printer is installed.";
        return false;
    }
    if (!printer.isValid()) {
        error = "the printer '" + printer.printerName().toStdString() + "' is not available.";
        return false;
    }
    return true;
}

bool CZYLView::PrintTo(QPrinter& printer, std::string& error)
{
    if (!PrintReady(printer, error))
        return false;
    const QRectF drawn = DrawnBounds();
    QPainter p;
    if (!p.begin(&printer)) {
        error = "the printer could not be started.";
        return false;
    }
    p.setTransform(PrintTransform(drawn, printer.pageRect(QPrinter::DevicePixel), printer.logicalDpiX(),
                                  printer.logicalDpiY()));
    OnDraw(p);
    return p.end();
}

QTransform CZYLView::PrintTransform(const QRectF& drawn, const QRectF& page, int dpiX, int dpiY)
{
    // The page rectangle is relative to the paper; the painter's origin is
    // already at the printable area's top left.
    const QPointF scale = PrintScale(dpiX, dpiY);
    double fit = 1.0;
    if (drawn.width() > 0 && drawn.height() > 0)
        fit = std::min({1.0, page.width() / (drawn.width() * scale.x()), page.height() / (drawn.height() * scale.y())});
    QTransform t;
    t.scale(scale.x() * fit, scale.y() * fit);
    t.translate(-drawn.left(), -drawn.top());
    return t;
}

QPointF CZYLView::PrintScale(int dpiX, int dpiY)
{
    return QPointF(double(dpiX * 1200 / 96) / 1200.0, double(dpiY * 800 / 96) / 800.0);
}

// --- Paint ------------------------------------------------------------------

void CZYLView::OnDraw(QPainter& p) { Paint(p, false); }

void CZYLView::Paint(QPainter& p, bool linked)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QPen(Qt::black, ZylLineWidth(p)));
    p.setBrush(Qt::NoBrush);

    DrawTitle(p);
    DrawNames(p);
    DrawBuffersAndInputLines(p);
    DrawProductLinesAndAndGates(p);
    DrawOrGatesAndOutputLines(p);
    DrawArrayLabels(p);
    if (!DrawBlockStructure(p)) {
        const std::optional<ZPoint> tinted = linked ? DrawHighlight(p) : std::nullopt;
        switch (m_doc.Device().type) {
        case DeviceType::Prom:
            DrawPromFuses(p);
            break;
        case DeviceType::Pal:
            DrawPalFuses(p);
            break;
        case DeviceType::Pla:
            DrawPlaFuses(p);
            break;
        }
        DrawAnnotations(p, tinted);
    }
    p.restore();
}

void CZYLView::DrawTitle(QPainter& p)
{
    p.setFont(ZylArialFont(kTitlePoints));
    const DeviceType type = m_doc.Device().type;
    const char* title = type == DeviceType::Prom  ? "Programmable Read-Only-Memory (PROM)"
                        : type == DeviceType::Pal ? "Programmable Array Logic (PAL)"
                                                  : "Programmable Logic Array (PLA)";
    const int end = type == DeviceType::Prom ? L::kTitleUnderlineLongEnd : L::kTitleUnderlineShortEnd;
    DrawLargeText(p, QPoint(L::kTitle.x, L::kTitle.y + p.fontMetrics().ascent()), QString::fromLatin1(title));
    DrawLineWithoutEnd(p, L::kTitle.x, L::kTitleUnderlineY, end, L::kTitleUnderlineY);
}

// Qt keeps no glyphs taller than 64 device pixels and draws such text as
// outlines on every paint: the title at 400 % (or 200 % on a screen of
// ratio 2) took ten times the rest of the paint. On a raster device at such
// a scale the text is drawn once into an image at the device scale and
// copied from it; smaller text, and every vector device, draw it directly.
void CZYLView::DrawLargeText(QPainter& p, const QPoint& baseline, const QString& text)
{
    const QTransform t = p.deviceTransform();
    const qreal scale = t.m11();
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    if (!raster || t.type() > QTransform::TxScale || !qFuzzyCompare(scale, t.m22()) ||
        QFontInfo(p.font()).pixelSize() * scale < 60) {
        p.drawText(baseline, text);
        return;
    }
    if (m_largeText.text != text || m_largeText.scale != scale || m_largeText.font != p.font()) {
        const QRectF box = QFontMetricsF(p.font()).boundingRect(text).adjusted(-2, -2, 2, 2);
        QImage image(int(std::ceil(box.width() * scale)), int(std::ceil(box.height() * scale)),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(scale);
        QPainter ip(&image);
        ip.setRenderHints(p.renderHints());
        ip.setFont(p.font());
        ip.setPen(p.pen());
        ip.drawText(-box.topLeft(), text);
        ip.end();
        m_largeText = {text, p.font(), scale, image, box.topLeft()};
    }
    p.drawImage(QPointF(baseline) + m_largeText.offset, m_largeText.image);
}

void CZYLView::DrawNames(QPainter& p)
{
    p.setFont(ZylArialFont(kTextPoints));
    const int ascent = p.fontMetrics().ascent();
    const CNames& names = m_doc.Device().names;
    for (int k = 0; k < Device::kVariables; ++k) {
        const ZPoint at = L::VariableName(k);
        p.drawText(QPoint(at.x, at.y + ascent), QString::fromStdString(names.variables[static_cast<std::size_t>(k)]));
    }
    for (int k = 0; k < Device::kFunctions; ++k) {
        // Within its own column, however wide its characters.
        const std::string text = FuseMapFunctionName(names.functions[static_cast<std::size_t>(k)]);
        const ZPoint at = L::FunctionName(k);
        DrawRichText(p, at.x, at.y, text, kTextPoints, Qt::black, Qt::white, L::kColumnPitch - 2);
    }
}

void CZYLView::DrawBuffersAndInputLines(QPainter& p)
{
    for (int k = 0; k < Device::kVariables; ++k) {
        DrawPictureArea(p, kPicInputBuffer, L::InputBuffer(k));
        for (const int c : {2 * k, 2 * k + 1})
            DrawLineWithoutEnd(p, L::AndColumnX(c), L::kArrayTop, L::AndColumnX(c), L::kInputLineBottom);
    }
}

void CZYLView::DrawProductLinesAndAndGates(QPainter& p)
{
    for (int r = 0; r < Device::kRows; ++r) {
        DrawLineWithoutEnd(p, L::kProductLineLeft, L::ProductLineY(r), L::kProductLineRight, L::ProductLineY(r));
        DrawPictureArea(p, kPicAndGate, L::AndGatePicture(r));
    }
}

void CZYLView::DrawOrGatesAndOutputLines(QPainter& p)
{
    for (int j = 0; j < Device::kFunctions; ++j) {
        DrawPictureArea(p, kPicOrGate, L::OrGatePicture(j));
        DrawLineWithoutEnd(p, L::OrColumnX(j), L::kArrayTop, L::OrColumnX(j), L::kOrGateTop);
    }
}

void CZYLView::DrawArrayLabels(QPainter& p)
{
    // The AND array is hard-wired only in a PROM, the OR array only in a PAL.
    const Device& device = m_doc.Device();
    if (device.flags.andLabel)
        DrawPictureArea(p, kPicAndArrayLabels, L::kAndArrayLabel,
                       device.type == DeviceType::Prom ? 0 : L::kAndLabelSecondHalf);
    if (device.flags.orLabel)
        DrawPictureArea(p, kPicOrArrayLabels, L::kOrArrayLabel,
                       device.type == DeviceType::Pal ? L::kOrLabelSecondHalf : 0);
}

bool CZYLView::DrawBlockStructure(QPainter& p)
{
    if (!m_doc.Device().flags.blockStructure)
        return false;
    DrawPictureArea(p, kPicInputsArrow, L::kInputsArrow);
    DrawPictureArea(p, kPicOutputsArrow, L::kOutputsArrow);
    // A PLA has both arrays programmable.
    int andBlock = kPicProgrammableAndBlock;
    int orBlock = kPicProgrammableOrBlock;
    if (m_doc.Device().type == DeviceType::Prom)
        andBlock = kPicFixedAndBlock;
    else if (m_doc.Device().type == DeviceType::Pal)
        orBlock = kPicFixedOrBlock;
    DrawPictureArea(p, andBlock, L::kAndBlock);
    DrawPictureArea(p, orBlock, L::kOrBlock);
    return true;
}

void CZYLView::DrawPromFuses(QPainter& p)
{
    // The fixed decoder: row r connects to the true or the complemented line
    // of each variable as bit 3 - i of r says.
    for (int r = 0; r < Device::kRows; ++r)
        for (int i = 0; i < Device::kVariables; ++i) {
            const int c = ((r >> (3 - i)) & 1) ? 2 * i : 2 * i + 1;
            DrawPictureArea(p, kPicFuseHardWired, L::AndCellRect(c, r));
        }
    const PromArray& prom = m_doc.Device().prom;
    for (int j = 0; j < Device::kFunctions; ++j)
        for (int r = 0; r < Device::kRows; ++r)
            DrawPictureArea(p, prom.Fuse(j, r) ? kPicFuseIntact : kPicFuseBlown, L::OrCellRect(j, r));
}

void CZYLView::DrawPalFuses(QPainter& p)
{
    // Output j is the OR of its rows.
    for (int j = 0; j < Device::kFunctions; ++j)
        for (int r : PalRowsOf(j))
            DrawPictureArea(p, kPicFuseHardWired, L::OrCellRect(j, r));
    for (int r = 0; r < Device::kRows; ++r)
        for (int c = 0; c < Device::kColumns; ++c)
            DrawPictureArea(p, m_doc.Device().pal.Row(r).Fuse(c) ? kPicFuseIntact : kPicFuseBlown, L::AndCellRect(c, r));
}

void CZYLView::DrawPlaFuses(QPainter& p)
{
    // Nothing of the PLA is modelled: every cell shows an intact fuse.
    for (int c = 0; c < Device::kColumns; ++c)
        for (int r = 0; r < Device::kRows; ++r)
            DrawPictureArea(p, kPicFuseIntact, L::AndCellRect(c, r));
    for (int j = 0; j < Device::kFunctions; ++j)
        for (int r = 0; r < Device::kRows; ++r)
            DrawPictureArea(p, kPicFuseIntact, L::OrCellRect(j, r));
}

void CZYLView::DrawAnnotations(QPainter& p, const std::optional<ZPoint>& clearAt)
{
    // Row labels and function annotations of the current mode.
    const std::vector<CDrawItem> items = m_logic->BuildAnnotations();
    if (items.empty())
        return;
    p.setFont(ZylArialFont(kTextPoints));
    const int ascent = p.fontMetrics().ascent();
    // A function's label is as wide as its name draws: the rest of its line
    // moves right as far as needed to start 4 units after it.
    int labelY = -1, labelEnd = 0, push = -1;
    for (const CDrawItem& item : items) {
        int x = item.x;
        if (item.y == labelY) {
            if (push < 0)
                push = std::max(0, labelEnd + 4 - item.x);
            x += push;
        }
        switch (item.kind) {
        case CDrawItem::RichText: {
            const bool underTint = clearAt && clearAt->x == item.x && clearAt->y == item.y;
            const int width =
                DrawRichText(p, x, item.y, item.text, kTextPoints, Qt::black, underTint ? Qt::transparent : Qt::white);
            if (item.label) {
                labelY = item.y;
                labelEnd = x + width;
                push = -1;
            }
            break;
        }
        case CDrawItem::PlainText:
            p.drawText(QPoint(x, item.y + ascent), QString::fromStdString(item.text));
            break;
        case CDrawItem::Picture:
            // The call clips to the picture's own extent.
            DrawZylPicture(p, item.pictureId, x, item.y, kWidth, kHeight);
            break;
        }
    }
}

// --- Commands ---------------------------------------------------------------

bool CZYLView::HandlesCommand(int id) const
{
    // The zoom stops at the first and the last step.
    if ((id == ID_ZOOM_IN && Zoom() == kZoomSteps.back()) || (id == ID_ZOOM_OUT && Zoom() == kZoomSteps.front()))
        return false;
    return m_commands.Handles(id) || m_logic->HandlesCommand(id);
}

bool CZYLView::IsChecked(int id) const
{
    return m_commands.IsChecked(id) || m_logic->IsChecked(id);
}

void CZYLView::OnCommand(int id)
{
    if (!m_commands.Run(id))
        m_logic->OnCommand(id);
    emit CommandDone();
}

// --- Region selection and copy ------------------------------------------------

void CZYLView::DrawRubberBand(QPainter& p) const
{
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(QColor(0, 255, 0), 1));
    p.setBrush(Qt::NoBrush);
    // The rectangle covers anchor .. current with the far edges left out.
    const ZRect r = Normalised(ZRect{m_ptAnchor.x, m_ptAnchor.y, m_ptCurrent.x, m_ptCurrent.y});
    if (r.Width() > 0 && r.Height() > 0)
        p.drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    p.restore();
}

void CZYLView::ToggleSelectMode()
{
    if (m_bSelectMode == 1) {
        m_bSelectMode = 0;
        m_bRegionSelected = 0;
        m_bBandShown = false;
        viewport()->update();
    } else {
        m_bSelectMode = 1;
    }
}

QImage CZYLView::GrabLogicalRect(const ZRect& rect)
{
    // Drawn for the rectangle itself as the screen draws it, white behind,
    // so the parts beyond the drawing's extent are white too.
    const QRect shown = ZoomedRect(Normalised(rect));
    QImage image(std::max(1, shown.width()), std::max(1, shown.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(-shown.topLeft());
    if (Zoom() != kActualZoom)
        p.scale(ZoomFactor(), ZoomFactor());
    OnDraw(p);
    return image;
}

void CZYLView::CopyRegion()
{
    if (m_bRegionSelected != 1) {
        ShowStandardMessage("Please select a region for copying first.");
        return;
    }
    m_bBandShown = false;
    viewport()->update();
    const QImage image = GrabLogicalRect(m_rcSelection);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
    m_bRegionSelected = 0;
    m_bSelectMode = 0;
}

// --- Mouse ------------------------------------------------------------------

void CZYLView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_bSelectMode == 1) {
        m_ptAnchor = m_ptCurrent = ToLogical(event->position().toPoint());
        m_bDragging = 1;
        m_bBandShown = false;
        viewport()->update();
    }
}

void CZYLView::mouseMoveEvent(QMouseEvent* event)
{
    const ZPoint pt = ToLogical(event->position().toPoint());
    if (m_bSelectMode == 1) {
        viewport()->setCursor(m_copyCursor);
        if (m_bDragging == 1) {
            m_ptCurrent = pt;
            m_bBandShown = true;
            viewport()->update();
        }
        return;
    }
    if (const std::optional<CFuseMapCell> cell = FuseMapHit(pt); cell && m_logic->IsEditable(*cell))
        viewport()->setCursor(m_fuseCursor);
    else
        viewport()->unsetCursor();
    // A PAL AND row under the pointer shows its group on the Karnaugh maps,
    // while they are shown; otherwise hover draws nothing.
    if (!KarnaughShown())
        return;
    CHighlight hovered;
    const Device& device = m_doc.Device();
    for (int r = 0; r < Device::kRows && device.type == DeviceType::Pal && !device.flags.blockStructure; ++r)
        if (AndRowBand(r).Contains(pt))
            hovered.andRow = r;
    SharedHighlight().Set(hovered);
}

bool CZYLView::viewportEvent(QEvent* event)
{
    // The pointer leaves the fuse map: the row it rested on is let go.
    if (event->type() == QEvent::Leave && SharedHighlight().Get().andRow >= 0)
        SharedHighlight().Set(CHighlight{});
    return QAbstractScrollArea::viewportEvent(event);
}

void CZYLView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_bSelectMode == 1) {
        m_bDragging = 0;
        if (m_ptCurrent.x != m_ptAnchor.x || m_ptCurrent.y != m_ptAnchor.y) {
            m_rcSelection = ZRect{m_ptAnchor.x, m_ptAnchor.y, m_ptCurrent.x, m_ptCurrent.y};
            m_bRegionSelected = 1;
        }
        emit CommandDone();
        return;
    }
    // Fuses are edited when the button comes up.
    const QPoint global = event->globalPosition().toPoint();
    if (const std::optional<CFuseMapCell> cell = FuseMapHit(ToLogical(event->position().toPoint())))
        m_logic->Click(*cell, ZPoint{global.x(), global.y()});
    emit CommandDone();
}

void CZYLView::wheelEvent(QWheelEvent* event)
{
    // Ctrl + wheel zooms a step a notch about the point under the mouse;
    // the wheel alone scrolls.
    if (!m_zoom.Wheel(*event))
        QAbstractScrollArea::wheelEvent(event);
}

// --- Keyboard -----------------------------------------------------------------

bool CZYLView::CursorShown() const { return m_cue.Shown(hasFocus()) && m_logic->Cursor().has_value(); }

QRect CZYLView::ScreenRectOf(const ZRect& logical) const
{
    const QRect shown = ZoomedRect(logical).translated(-ScrollOffset());
    return QRect(viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

void CZYLView::ClickCell(const CFuseMapCell& cell)
{
    const QRect at = ScreenRectOf(FuseMapCellRect(cell));
    m_logic->Click(cell, ZPoint{at.center().x(), at.center().y()});
    emit CommandDone();
}

bool CZYLView::CursorKey(const QKeyEvent& event)
{
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    static const std::pair<int, CursorMove> kMoves[] = {
        {Qt::Key_Left, CursorMove::Left},       {Qt::Key_Right, CursorMove::Right},
        {Qt::Key_Up, CursorMove::Up},           {Qt::Key_Down, CursorMove::Down},
        {Qt::Key_PageUp, CursorMove::PageUp},   {Qt::Key_PageDown, CursorMove::PageDown},
        {Qt::Key_Home, CursorMove::RowStart},   {Qt::Key_End, CursorMove::RowEnd}};
    for (const auto& [key, move] : kMoves) {
        if (event.key() != key)
            continue;
        // Ctrl+Home and Ctrl+End: the first and the last cell.
        m_logic->MoveCursor(!ctrl ? move : key == Qt::Key_Home ? CursorMove::First : CursorMove::Last);
        ScrollToCursor();
        if (m_accessible)
            m_accessible->CursorMoved();
        return true;
    }
    const std::optional<CFuseMapCell> cursor = m_logic->Cursor();
    const bool menuKey = event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && shift);
    if (!cursor || !(menuKey || event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
                     event.key() == Qt::Key_Enter))
        return false;
    const QRect at = ScreenRectOf(FuseMapCellRect(*cursor));
    if (menuKey)
        m_logic->CursorMenu(ZPoint{at.center().x(), at.center().y()});
    else
        m_logic->ClickCursor(ZPoint{at.center().x(), at.center().y()});
    emit CommandDone();
    return true;
}

void CZYLView::keyPressEvent(QKeyEvent* event)
{
    if (IsNavigationKey(*event)) {
        m_cue.Navigated();
        viewport()->update();
    }
    if (!CursorKey(*event))
        QAbstractScrollArea::keyPressEvent(event);
}

void CZYLView::ScrollToCursor()
{
    const std::optional<CFuseMapCell> cursor = m_logic->Cursor();
    if (!cursor)
        return;
    // The cell with its mark and a little room around it.
    const int margin = qRound(8 * ZoomFactor());
    const QRect cell = ZoomedRect(FuseMapCellRect(*cursor)).adjusted(-margin, -margin, margin, margin);
    const QSize client = viewport()->size();
    for (const auto& [bar, low, high, size] : {std::tuple(horizontalScrollBar(), cell.left(), cell.right(), client.width()),
                                               std::tuple(verticalScrollBar(), cell.top(), cell.bottom(), client.height())}) {
        if (low < bar->value())
            bar->setValue(low);
        else if (high >= bar->value() + size)
            bar->setValue(high - size + 1);
    }
}

void CZYLView::focusInEvent(QFocusEvent* event)
{
    // Tab into the map is a navigation key too.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_cue.Navigated();
    viewport()->update();
    QAbstractScrollArea::focusInEvent(event);
}

void CZYLView::focusOutEvent(QFocusEvent* event)
{
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(event);
}
