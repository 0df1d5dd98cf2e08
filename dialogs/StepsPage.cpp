// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepsPage.h"

#include <algorithm>

namespace {

const int kMargin = 8;
const int kCellPad = 5;
const int kBlockGap = 6;

class CPager
{
public:
    CPager(CStepsPage& page, const CStepsMetrics& m, int pageWidth)
        : m_page(page)
        , m_m(m)
        , m_right(std::max(pageWidth - kMargin, kMargin + 200))
    {
        m_y = kMargin;
    }

    int RichWidth(const CStepsRich& rich) const
    {
        int w = 0;
        for (const CStepsSpan& s : rich)
            w += m_m.width(s.text, s.strong);
        return w;
    }

    // A run at x on the current line; returns the x after it.
    int Put(int x, int y, const CStepsSpan& span, bool heading)
    {
        const int w = m_m.width(span.text, span.strong || heading);
        m_page.texts.push_back({{x, y, w, m_m.lineHeight}, span, heading});
        m_page.width = std::max(m_page.width, x + w + kMargin);
        return x + w;
    }

    // Words wrapped at the page's right edge; spans keep their looks.
    void Flow(const CStepsRich& rich, bool heading)
    {
        int x = kMargin;
        const int space = m_m.width(" ", heading);
        for (const CStepsSpan& span : rich) {
            std::size_t start = 0;
            while (start < span.text.size()) {
                std::size_t end = span.text.find(' ', start);
                end = end == std::string::npos ? span.text.size() : end + 1;
                CStepsSpan word = span;
                word.text = span.text.substr(start, end - start);
                const int w = m_m.width(word.text, span.strong || heading);
                if (x > kMargin && x + w - (word.text.back() == ' ' ? space : 0) > m_right) {
                    x = kMargin;
                    m_y += m_m.lineHeight;
                }
                x = Put(x, m_y, word, heading);
                start = end;
            }
        }
        m_y += m_m.lineHeight + kBlockGap;
    }

    void Table(const CStepsBlock& b, int marked)
    {
        const std::size_t columns = b.header.size();
        std::vector<int> width(columns, 0);
        auto measure = [&](const std::vector<CStepsRich>& row, bool strong) {
            for (std::size_t c = 0; c < row.size() && c < columns; ++c) {
                int w = 0;
                for (const CStepsSpan& s : row[c])
                    w += m_m.width(s.text, s.strong || strong);
                width[c] = std::max(width[c], w + 2 * kCellPad);
            }
        };
        measure(b.header, true);
        for (const auto& row : b.rows)
            measure(row, false);
        std::vector<int> left(columns + 1, kMargin);
        for (std::size_t c = 0; c < columns; ++c)
            left[c + 1] = left[c] + width[c];
        const int top = m_y;
        const int rowHeight = m_m.lineHeight + 4;
        auto row = [&](const std::vector<CStepsRich>& cells, bool strong) {
            m_page.rules.push_back({kMargin, m_y, left[columns] - kMargin, 1});
            for (std::size_t c = 0; c < cells.size() && c < columns; ++c) {
                int x = left[c] + kCellPad;
                for (const CStepsSpan& s : cells[c]) {
                    CStepsSpan look = s;
                    look.strong = s.strong || strong;
                    x = Put(x, m_y + 2, look, false);
                }
            }
            m_y += rowHeight;
        };
        row(b.header, true);
        for (std::size_t r = 0; r < b.rows.size(); ++r) {
            if (static_cast<int>(r) == marked)
                m_page.marked.push_back({kMargin, m_y, left[columns] - kMargin, rowHeight});
            row(b.rows[r], false);
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
    int m_y = 0;
};

} // namespace

CStepsPage LayOutPage(const std::vector<CStepsBlock>& blocks, const CDerivation& d, const CStepsPalOptions& options,
                      int pageWidth, const CStepsMetrics& metrics)
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
            if (b.coverTable && options.pal) {
                pager.Table(StepsPalColumn(b, d, options), options.programmed);
                if (options.programmed < 0)
                    pager.Flow({CStepsSpan{"The rows of this function hold none of these covers (fuses set by hand).",
                                           false, false, {}}},
                               false);
            } else
                pager.Table(b, -1);
            break;
        }
    }
    pager.Finish();
    return page;
}
