// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepsPage.h"

#include <algorithm>

namespace {

const int kMargin = 8;
const int kCellPad = 5;
const int kBlockGap = 6;
const int kCellCharacters = 40;

// A run placed in a box of text: x and line from the box's top left.
struct CRun
{
    CStepsSpan span;
    int x = 0;
    int line = 0;
    int w = 0;
};

// Rich text set in lines, broken at spaces only.
struct CLines
{
    std::vector<CRun> runs;
    int width = 0; // of the longest line, without trailing spaces
    int lines = 1;
};

// The cover a table row's "Program" link programs, -1 for none.
int ProgramLink(const std::vector<CStepsRich>& row)
{
    for (const CStepsRich& cell : row)
        for (const CStepsSpan& span : cell)
            if (span.program >= 0)
                return span.program;
    return -1;
}

class CPager
{
public:
    CPager(CStepsPage& page, const CStepsMetrics& m, int pageWidth)
        : m_page(page)
        , m_m(m)
        , m_right(std::max(pageWidth - kMargin, kMargin + 200))
        , m_cell(kCellCharacters * m.width("0", false))
    {
        m_y = kMargin;
    }

    // The words of rich (each a run of pieces, the last ending with its
    // space) set in lines no wider than width where words allow.
    CLines Set(const CStepsRich& rich, bool strong, int width) const
    {
        std::vector<CRun> pieces;
        for (const CStepsSpan& span : rich) {
            for (std::size_t start = 0; start < span.text.size();) {
                std::size_t end = span.text.find(' ', start);
                end = end == std::string::npos ? span.text.size() : end + 1;
                CRun piece{span, 0, 0, 0};
                piece.span.text = span.text.substr(start, end - start);
                piece.span.strong = span.strong || strong;
                piece.w = m_m.width(piece.span.text, piece.span.strong);
                pieces.push_back(std::move(piece));
                start = end;
            }
        }
        CLines set;
        int x = 0;
        for (std::size_t first = 0; first < pieces.size();) {
            std::size_t last = first;
            int w = pieces[first].w;
            while (pieces[last].span.text.back() != ' ' && last + 1 < pieces.size())
                w += pieces[++last].w;
            const int trailing = pieces[last].span.text.back() == ' ' ? m_m.width(" ", pieces[last].span.strong) : 0;
            if (x > 0 && x + w - trailing > width) {
                x = 0;
                ++set.lines;
            }
            for (; first <= last; ++first) {
                pieces[first].x = x;
                pieces[first].line = set.lines - 1;
                x += pieces[first].w;
                set.runs.push_back(pieces[first]);
            }
            set.width = std::max(set.width, x - trailing);
        }
        return set;
    }

    void Place(const CLines& set, int left, int top, bool heading, CStepsShade shade)
    {
        for (const CRun& run : set.runs) {
            const CStepsRect box{left + run.x, top + run.line * m_m.lineHeight, run.w, m_m.lineHeight};
            m_page.texts.push_back({box, run.span, heading, run.span.key ? CStepsShade::Key : shade});
        }
        m_page.width = std::max(m_page.width, left + set.width + kMargin);
    }

    // Words wrapped at the page's right edge; spans keep their looks.
    void Flow(const CStepsRich& rich, bool heading)
    {
        const CLines set = Set(rich, heading, m_right - kMargin);
        Place(set, kMargin, m_y, heading, CStepsShade::Page);
        m_y += set.lines * m_m.lineHeight + kBlockGap;
    }

    void Table(const CStepsBlock& b)
    {
        const std::size_t columns = b.header.size();
        std::vector<std::vector<CLines>> cells;
        std::vector<int> width(columns, 0);
        auto set = [&](const std::vector<CStepsRich>& row, bool strong) {
            cells.emplace_back();
            for (std::size_t c = 0; c < row.size() && c < columns; ++c) {
                cells.back().push_back(Set(row[c], strong, m_cell));
                width[c] = std::max(width[c], cells.back().back().width + 2 * kCellPad);
            }
        };
        set(b.header, true);
        for (const auto& row : b.rows)
            set(row, false);
        std::vector<int> left(columns + 1, kMargin);
        for (std::size_t c = 0; c < columns; ++c)
            left[c + 1] = left[c] + width[c];
        const int top = m_y;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            int lines = 1;
            for (const CLines& cell : cells[r])
                lines = std::max(lines, cell.lines);
            const int height = lines * m_m.lineHeight + 4;
            const bool marked = r > 0 && std::find(b.markedRows.begin(), b.markedRows.end(),
                                                   static_cast<int>(r - 1)) != b.markedRows.end();
            if (marked)
                m_page.marked.push_back({kMargin, m_y, left[columns] - kMargin, height});
            if (b.covers && r > 0)
                m_page.stops.push_back({{kMargin, m_y, left[columns] - kMargin, height}, static_cast<int>(r - 1),
                                        ProgramLink(b.rows[r - 1])});
            m_page.rules.push_back({kMargin, m_y, left[columns] - kMargin, 1});
            for (std::size_t c = 0; c < cells[r].size(); ++c) {
                const std::vector<CRun>& runs = cells[r][c].runs;
                if (std::any_of(runs.begin(), runs.end(), [](const CRun& run) { return run.span.key; }))
                    m_page.keys.push_back({left[c], m_y, width[c], height});
                Place(cells[r][c], left[c] + kCellPad, m_y + 2, false,
                      marked ? CStepsShade::Row : CStepsShade::Page);
            }
            m_y += height;
        }
        m_page.rules.push_back({kMargin, m_y, left[columns] - kMargin, 1});
        for (std::size_t c = 0; c <= columns; ++c)
            m_page.rules.push_back({left[c], top, 1, m_y - top});
        m_page.width = std::max(m_page.width, left[columns] + kMargin);
        m_y += kBlockGap + 2;
    }

    void Finish() { m_page.height = m_y + kMargin; }

    void Gap(int h) { m_y += h; }

private:
    CStepsPage& m_page;
    const CStepsMetrics& m_m;
    int m_right;
    int m_cell; // where a table cell wraps
    int m_y = 0;
};

} // namespace

CStepsPage LayOutPage(const std::vector<CStepsBlock>& blocks, int pageWidth, const CStepsMetrics& metrics)
{
    CStepsPage page;
    CPager pager(page, metrics, pageWidth);
    for (const CStepsBlock& b : blocks) {
        switch (b.kind) {
        case CStepsBlock::Heading:
            pager.Gap(kBlockGap);
            pager.Flow(b.text, true);
            break;
        case CStepsBlock::Paragraph:
            pager.Flow(b.text, false);
            break;
        case CStepsBlock::Table:
            pager.Table(b);
            break;
        }
    }
    pager.Finish();
    return page;
}

namespace {

// A table row read aloud, and its "Program" link's button.
void ReadRow(const CStepsBlock& b, std::size_t r, std::vector<CStepsReadItem>& items)
{
    const std::vector<CStepsRich>& row = b.rows[r];
    std::string text;
    for (std::size_t c = 0; c < row.size() && c < b.header.size(); ++c) {
        const std::string cell = PlainRich(row[c]);
        if (!cell.empty())
            text += (text.empty() ? "" : "; ") + PlainRich(b.header[c]) + ": " + cell;
    }
    const int cover = b.covers ? static_cast<int>(r) : -1;
    items.push_back({CStepsReadItem::Text, text, -1, cover});
    if (const int program = ProgramLink(row); program >= 0)
        items.push_back({CStepsReadItem::Button, "Program cover " + std::to_string(program + 1), program, cover});
}

} // namespace

std::vector<CStepsReadItem> StepsReadingOrder(const std::vector<CStepsBlock>& blocks)
{
    std::vector<CStepsReadItem> items;
    for (const CStepsBlock& b : blocks) {
        if (b.kind != CStepsBlock::Table) {
            items.push_back({b.kind == CStepsBlock::Heading ? CStepsReadItem::Heading : CStepsReadItem::Text,
                             PlainRich(b.text)});
            continue;
        }
        for (std::size_t r = 0; r < b.rows.size(); ++r)
            ReadRow(b, r, items);
    }
    return items;
}
