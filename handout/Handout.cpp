// SPDX-License-Identifier: GPL-3.0-or-later
#include "Handout.h"

#include "CKarnaughDlg.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DeskText.h"
#include "DeviceFacts.h"
#include "DrawRichText.h"
#include "FileWrite.h"
#include "Platform.h"
#include "Report.h"
#include "StepsLogic.h"
#include "Utf8.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The handout is laid out in the fuse map's logical units, 96 to the inch,
// on the page's printable area.
constexpr double kUnitsPerInch = 96;
constexpr double kHeaderHeight = 30;
constexpr double kGap = 12;

using Paint = std::function<void(QPainter&)>;
using PagePaint = std::function<void(QPainter&, const QRectF& body)>;

QString Text(const std::string& utf8) { return QString::fromStdString(Utf8::Escaped(utf8)); }

QFont StepsFont(double pixels)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    return font;
}

// Paints a picture of source's extent into target, as large as fits but
// never above its actual size, centred across and at the top.
void PaintFitted(QPainter& p, const QRectF& source, const QRectF& target, const Paint& paint)
{
    const double scale = std::min({1.0, target.width() / source.width(), target.height() / source.height()});
    p.save();
    p.translate(target.left() + (target.width() - source.width() * scale) / 2, target.top());
    p.scale(scale, scale);
    p.translate(-source.left(), -source.top());
    paint(p);
    p.restore();
}

// A bold title at the top of body; the body below it.
QRectF Titled(QPainter& p, const QRectF& body, const QString& title)
{
    p.setFont(ZylArialFont(140));
    QFont bold = p.font();
    bold.setBold(true);
    p.setFont(bold);
    const double height = p.fontMetrics().height();
    p.drawText(QRectF(body.left(), body.top(), body.width(), height), Qt::AlignLeft | Qt::AlignVCenter, title);
    return body.adjusted(0, height + kGap, 0, 0);
}

// The truth tables: a row a minterm with its number, the inputs and the
// four outputs; returns the height drawn.
double PaintTruthTables(QPainter& p, const QRectF& area, const Device& device, const DeviceFacts& facts)
{
    p.setFont(ZylArialFont(100));
    const double row = p.fontMetrics().height() + 2, cell = std::min(56.0, area.width() / 9);
    const auto put = [&](int column, int line, const QString& text) {
        p.drawText(QRectF(area.left() + column * cell, area.top() + line * row, cell, row), Qt::AlignCenter, text);
    };
    put(0, 0, QStringLiteral("m"));
    for (int i = 0; i < 4; ++i) {
        put(1 + i, 0, Text(device.names.variables[static_cast<std::size_t>(i)]));
        put(5 + i, 0, Text(facts.names[static_cast<std::size_t>(i)]));
    }
    for (int m = 0; m < 16; ++m) {
        put(0, 1 + m, QString::number(m));
        for (int i = 0; i < 4; ++i) {
            put(1 + i, 1 + m, QString::number((m >> (3 - i)) & 1));
            put(5 + i, 1 + m, QString(QChar(facts.tables[static_cast<std::size_t>(i)][static_cast<std::size_t>(m)])));
        }
    }
    const double bottom = area.top() + 17 * row;
    p.drawLine(QPointF(area.left(), area.top() + row), QPointF(area.left() + 9 * cell, area.top() + row));
    for (double x : {area.left() + cell, area.left() + 5 * cell})
        p.drawLine(QPointF(x, area.top()), QPointF(x, bottom));
    return bottom - area.top();
}

// Each output's function and the sum of products it holds, with its cost.
void PaintEquations(QPainter& p, const QRectF& body, const Device& device, const DeviceReport& report)
{
    double y = body.top();
    for (const OutputReport& o : report.outputs) {
        std::string sop;
        for (const ProductTerm& term : o.terms)
            sop += (sop.empty() ? "" : " + ") + term.Text(device.names.variables);
        const std::string lines[] = {
            o.name + " = \u03A3m(" + DeskText::List(o.on, ", ") + ")" +
                (o.dc.empty() ? "" : " + d(" + DeskText::List(o.dc, ", ") + ")"),
            o.name + " = " + (sop.empty() ? "0" : sop),
            std::to_string(o.terms.size()) + (o.terms.size() == 1 ? " term, cost " : " terms, cost ") +
                std::to_string(o.cost) + " (lowest " + std::to_string(o.minCost) + ")"};
        for (const std::string& line : lines) {
            DrawRichText(p, static_cast<int>(body.left()), static_cast<int>(y), line, 120, Qt::black, Qt::white,
                         static_cast<int>(body.width()));
            y += 26;
        }
        y += kGap;
    }
}

// The steps of each output as the steps window's text, a line a string.
std::vector<std::string> StepsLines(const Device& device, int f)
{
    const CDerivation d = DeriveSteps(device, f);
    const std::string text = StepsPlainText(StepsBlocksOf(device, f, d), d);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The handout's pages, each painted on its body (the page below the header).
class CHandoutPages
{
public:
    CHandoutPages(const CHandoutSource& source, const QSizeF& body)
        : m_source(source), m_device(source.doc.Device()),
          m_facts(FactsOf(m_device, source.doc.Covers(), source.path))
    {
        AddFuseMap();
        if (m_device.type == DeviceType::Pla) {
            m_pages.push_back([](QPainter& p, const QRectF& area) {
                Titled(p, area, QStringLiteral("A PLA is drawn, not simulated: it holds no functions to minimize."));
            });
            return;
        }
        AddTables();
        AddEquations();
        for (int f = 0; f < 4; ++f)
            AddSteps(f, body);
    }

    const std::vector<PagePaint>& Pages() const { return m_pages; }

private:
    void AddFuseMap()
    {
        m_pages.push_back([this](QPainter& p, const QRectF& body) {
            CZYLView& view = m_source.view;
            PaintFitted(p, view.DrawnBounds(), Titled(p, body, QStringLiteral("Fuse map")),
                        [&view](QPainter& q) { view.OnDraw(q); });
        });
    }

    void AddTables()
    {
        m_pages.push_back([this](QPainter& p, const QRectF& body) {
            QRectF area = Titled(p, body, QStringLiteral("Truth tables and Karnaugh maps"));
            area.setTop(area.top() + PaintTruthTables(p, area, m_device, m_facts) + 2 * kGap);
            const ZSize size = KarnaughCanvasSize();
            const CKarnaughGroups groups = KarnaughGroups(m_device, m_source.doc.Covers());
            PaintFitted(p, QRectF(0, 0, size.cx, size.cy), area,
                        [this, &groups](QPainter& q) { PaintKarnaughMaps(q, m_device, groups); });
        });
    }

    void AddEquations()
    {
        m_pages.push_back([this](QPainter& p, const QRectF& body) {
            PaintEquations(p, Titled(p, body, QStringLiteral("Equations")), m_device, MakeReport(m_facts));
        });
    }

    // As many pages as the steps of output f take, in a fixed-width font
    // small enough for a hundred columns.
    void AddSteps(int f, const QSizeF& body)
    {
        auto lines = std::make_shared<const std::vector<std::string>>(StepsLines(m_device, f));
        const double pixels = std::min(12.0, body.width() / 100 / 0.62), line = pixels * 1.2;
        const int perPage = std::max(1, static_cast<int>((body.height() - 40) / line));
        const int pages = std::max(1, static_cast<int>((lines->size() + perPage - 1) / perPage));
        for (int k = 0; k < pages; ++k) {
            m_pages.push_back([=, this](QPainter& p, const QRectF& area) {
                const QString title = QStringLiteral("Minimization steps of %1").arg(Text(m_facts.names[std::size_t(f)]));
                const QRectF text = Titled(p, area, pages == 1 ? title : title + QStringLiteral(" (%1 of %2)").arg(k + 1).arg(pages));
                p.setFont(StepsFont(pixels));
                const std::size_t first = static_cast<std::size_t>(k * perPage);
                for (std::size_t i = first; i < std::min(lines->size(), first + std::size_t(perPage)); ++i)
                    p.drawText(QPointF(text.left(), text.top() + (double(i - first) + 1) * line),
                               QString::fromStdString((*lines)[i]));
            });
        }
    }

    const CHandoutSource& m_source;
    const Device& m_device;
    DeviceFacts m_facts;
    std::vector<PagePaint> m_pages;
};

// The header of a page: the document's name and file on the left, the date
// and "page n of m" on the right, a rule below.
void PaintHeader(QPainter& p, const QRectF& page, const CHandoutSource& source, int n, int m)
{
    const std::string& path = source.path;
    const QString name = path.empty() ? QStringLiteral("Untitled")
                                      : QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
    const QString file = path.empty() ? QStringLiteral("(not saved)") : Text(path);
    const QString right = QDate::currentDate().toString(Qt::ISODate) + QStringLiteral("    page %1 of %2").arg(n).arg(m);
    p.setFont(ZylArialFont(90));
    const double rightWidth = p.fontMetrics().horizontalAdvance(right) + 2 * kGap;
    const QString left = p.fontMetrics().elidedText(name + QStringLiteral("    ") + file, Qt::ElideMiddle,
                                                    static_cast<int>(page.width() - rightWidth));
    const QRectF line(page.left(), page.top(), page.width(), kHeaderHeight - 10);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, left);
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, right);
    p.drawLine(QPointF(page.left(), line.bottom() + 2), QPointF(page.right(), line.bottom() + 2));
}

} // namespace

bool PaintHandout(QPagedPaintDevice& device, const CHandoutSource& source)
{
    const QRect printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double scale = device.logicalDpiX() / kUnitsPerInch;
    const QRectF page(0, 0, printable.width() / scale, printable.height() / scale);
    const QRectF body = page.adjusted(0, kHeaderHeight + kGap, 0, 0);
    const CHandoutPages pages(source, body.size());
    QPainter p;
    if (!p.begin(&device))
        return false;
    const int count = static_cast<int>(pages.Pages().size());
    for (int n = 0; n < count; ++n) {
        if (n > 0)
            device.newPage();
        p.resetTransform();
        p.scale(scale, device.logicalDpiY() / kUnitsPerInch);
        p.setPen(Qt::black);
        PaintHeader(p, page, source, n + 1, count);
        pages.Pages()[static_cast<std::size_t>(n)](p, body);
    }
    return p.end();
}

bool ExportHandout(const std::string& path, const CHandoutSource& source, std::string& error)
{
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(static_cast<int>(kUnitsPerInch));
        pdf.setCreator(QStringLiteral("ZYL"));
        pdf.setTitle(QStringLiteral("ZYL handout"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        painted = PaintHandout(pdf, source);
    }
    std::string reason = "the handout could not be drawn.";
    if (painted && ReplaceFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), reason))
        return true;
    error = "Cannot export " + Utf8::Escaped(path) + ": " + reason;
    return false;
}

void ExportHandoutFromMenu(CZYLDoc& doc, CZYLView& view)
{
    const std::string& docPath = doc.GetPathName();
    int type = 0;
    std::string path = GetPlatform().AskFileToWrite("Export Handout", doc.ExportName(".pdf"), {"PDF Documents (*.pdf)"}, type);
    if (path.empty())
        return;
    if (!QString::fromStdString(path).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += ".pdf";
    std::string error;
    if (!ExportHandout(path, {doc, view, docPath}, error))
        ShowStandardMessage(error);
}

void PrintHandoutFromMenu(CZYLDoc& doc, CZYLView& view)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!GetPlatform().AskPrint(printer))
        return;
    std::string error;
    if (!CZYLView::PrintReady(printer, error) || !PaintHandout(printer, {doc, view, doc.GetPathName()}))
        ShowStandardMessage("The handout cannot be printed: " + (error.empty() ? "the printer could not be started." : error));
}
