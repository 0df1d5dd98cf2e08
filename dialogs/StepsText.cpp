// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepsText.h"

#include <algorithm>

namespace {

CStepsRich Plain(const std::string& text, bool strong = false)
{
    return {CStepsSpan{text, false, strong, {}}};
}

std::string List(const std::vector<int>& list, const char* separator = ", ")
{
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i)
        text += (i ? separator : "") + std::to_string(list[i]);
    return text;
}

std::string Pattern(int m)
{
    CDerivationTerm term;
    term.ones = m;
    term.zeros = 15 - m;
    return term.Pattern();
}

CStepsBlock Heading(const std::string& text)
{
    CStepsBlock b;
    b.kind = CStepsBlock::Heading;
    b.text = Plain(text);
    return b;
}

CStepsBlock Paragraph(CStepsRich text)
{
    CStepsBlock b;
    b.kind = CStepsBlock::Paragraph;
    b.text = std::move(text);
    return b;
}

CStepsBlock Table(std::vector<std::string> header)
{
    CStepsBlock b;
    b.kind = CStepsBlock::Table;
    for (const std::string& h : header)
        b.header.push_back(Plain(h));
    return b;
}

void Append(CStepsRich& to, const CStepsRich& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

std::string PrimeLabel(int p)
{
    return "P" + std::to_string(p + 1);
}

// Level-0 and minterm tables: the ON-set, then the don't cares.
void LayOutMinterms(const CDerivation& d, const CStepsInput& in, std::vector<CStepsBlock>& out)
{
    out.push_back(Paragraph(Plain("ON-set: " + (d.onSet.empty() ? std::string("none") : List(d.onSet)))));
    out.push_back(Paragraph(Plain("Don't cares: " + (d.dontCares.empty() ? std::string("none") : List(d.dontCares)))));
    if (!in.unusedDontCares.empty())
        out.push_back(Paragraph(Plain("Don't cares not used by the PAL programming: " + List(in.unusedDontCares))));
    CStepsBlock t = Table({"Minterm", in.variables[0] + in.variables[1] + in.variables[2] + in.variables[3], "Kind"});
    for (int m : d.onSet)
        t.rows.push_back({Plain(std::to_string(m)), Plain(Pattern(m)), Plain("ON-set")});
    for (int m : d.dontCares)
        t.rows.push_back({Plain(std::to_string(m)), Plain(Pattern(m)), Plain("don't care")});
    for (int m : in.unusedDontCares)
        t.rows.push_back({Plain(std::to_string(m)), Plain(Pattern(m)), Plain("don't care, not used by the PAL")});
    if (!t.rows.empty())
        out.push_back(t);
}

std::string Members(const CDerivationTerm& t)
{
    return List(t.minterms, ",");
}

void LayOutLevels(const CDerivation& d, const CStepsInput& in, std::vector<CStepsBlock>& out)
{
    out.push_back(Heading("Combining table"));
    out.push_back(Paragraph(Plain("Level L holds the terms with L variables eliminated, in the order they are made. "
                                  "Two terms of a level that differ in one variable merge into a term of the next "
                                  "level; a term made again by another pair is kept once.")));
    for (int L = 0; L < CDerivation::kLevels; ++L) {
        const std::vector<CDerivationTerm>& level = d.levels[L];
        if (level.empty()) {
            if (L > 0)
                out.push_back(Paragraph(Plain("Level " + std::to_string(L) + ": empty, no term merges further.")));
            break;
        }
        out.push_back(Paragraph(Plain("Level " + std::to_string(L) + ": " + std::to_string(level.size()) +
                                      (level.size() == 1 ? " term" : " terms"))));
        CStepsBlock t = Table({"#", "Ones", "Pattern", "Minterms", "Term", "Made from", "Marks"});
        for (std::size_t i = 0; i < level.size(); ++i) {
            const CDerivationTerm& term = level[i];
            std::string from;
            for (std::size_t k = 0; k < term.pairs.size(); ++k) {
                const auto [a, b] = term.pairs[k];
                from += (k ? "; again " : "") + Members(d.levels[L - 1][static_cast<std::size_t>(a)]) + " with " +
                        Members(d.levels[L - 1][static_cast<std::size_t>(b)]);
            }
            std::string marks;
            auto mark = [&marks](bool on, const char* what) {
                if (on)
                    marks += (marks.empty() ? "" : ", ") + std::string(what);
            };
            mark(term.merged, "merged");
            mark(term.dontCareOnly, "only don't cares");
            mark(term.prime, "prime");
            t.rows.push_back({Plain(std::to_string(i + 1)), Plain(std::to_string(term.OnesCount())),
                              Plain(term.Pattern()), Plain(Members(term)),
                              TermRich(term.ones, term.zeros, in.variables), Plain(from), Plain(marks)});
        }
        out.push_back(t);
    }
}

void LayOutPrimes(const CDerivation& d, const CStepsInput& in, std::vector<CStepsBlock>& out)
{
    out.push_back(Heading("Prime implicants"));
    if (d.primes.empty()) {
        out.push_back(Paragraph(Plain("None: no term covers an ON-set minterm.")));
        return;
    }
    out.push_back(Paragraph(Plain("The terms never merged that cover an ON-set minterm, level by level in the "
                                  "order they were made.")));
    CStepsBlock t = Table({"Prime", "Term", "Pattern", "Minterms", "Level"});
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        const CDerivationTerm& term = d.Prime(p);
        t.rows.push_back({Plain(PrimeLabel(p)), TermRich(term.ones, term.zeros, in.variables), Plain(term.Pattern()),
                          Plain(Members(term)), Plain(std::to_string(d.primes[static_cast<std::size_t>(p)].level))});
    }
    out.push_back(t);

    out.push_back(Heading("Prime implicant chart"));
    CStepsBlock chart = Table({"Prime"});
    for (int m : d.onSet) {
        const bool single = std::find(d.singleCover.begin(), d.singleCover.end(), m) != d.singleCover.end();
        chart.header.push_back(Plain(std::to_string(m) + (single ? "*" : ""), single));
    }
    chart.header.push_back(Plain("Essential"));
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        const CDerivationTerm& term = d.Prime(p);
        CStepsRich label = Plain(PrimeLabel(p) + " ");
        Append(label, TermRich(term.ones, term.zeros, in.variables));
        std::vector<CStepsRich> row{label};
        for (int m : d.onSet) {
            const bool covers = std::find(term.minterms.begin(), term.minterms.end(), m) != term.minterms.end();
            row.push_back(Plain(covers ? "X" : ""));
        }
        const bool essential = d.essential[static_cast<std::size_t>(p)];
        row.push_back(Plain(essential ? "essential" : "", essential));
        chart.rows.push_back(row);
    }
    out.push_back(chart);
    out.push_back(Paragraph(Plain(d.singleCover.empty()
                                      ? "No minterm is covered by only one prime: no prime is essential."
                                      : "* covered by only one prime, which is therefore essential.")));
}

void LayOutCovers(const CDerivation& d, const CStepsInput& in, std::vector<CStepsBlock>& out)
{
    out.push_back(Heading("Cover search"));
    if (d.onSet.empty()) {
        out.push_back(Paragraph(Plain("There is no ON-set minterm to cover: the function is 0, a sum of no terms.")));
    } else {
        std::string essentials;
        for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
            if (d.essential[static_cast<std::size_t>(p)])
                essentials += (essentials.empty() ? "" : ", ") + PrimeLabel(p);
        }
        out.push_back(Paragraph(Plain("Essential primes: " + (essentials.empty() ? "none" : essentials) + ".")));
        out.push_back(Paragraph(Plain(d.uncovered.empty()
                                          ? "The essential primes cover the ON-set on their own."
                                          : "Left to cover after the essential primes: " + List(d.uncovered) +
                                                ". Every combination of the other primes is tried, fewest first.")));
        const std::vector<int>& first = d.covers.front();
        std::string sum = std::to_string(first.size());
        for (int p : first) {
            const int literals = d.Prime(p).LiteralCount();
            if (literals > 1)
                sum += " + " + std::to_string(literals);
        }
        out.push_back(Paragraph(Plain("Lowest cost: " + sum + " = " + std::to_string(d.lowestCost) + " (" +
                                      std::to_string(first.size()) + (first.size() == 1 ? " term" : " terms") +
                                      ", plus the literals of every term of two or more literals).")));
    }
    const int k = static_cast<int>(d.covers.size());
    out.push_back(Paragraph(Plain(
        k == 1 ? std::string("1 lowest-cost cover, recorded by the minimizer as its result.")
               : std::to_string(k) + " lowest-cost covers, in the order the search finds them; " +
                     (k <= CDerivation::kRecordedCovers ? std::string("the minimizer records all of them")
                                                        : "the minimizer records the first " +
                                                              std::to_string(d.RecordedCount())) +
                     ", and the first is its result.")));
    CStepsBlock t = Table({"#", "Cover", "Terms", "Recorded"});
    t.coverTable = true;
    for (int s = 0; s < k; ++s) {
        t.rows.push_back({Plain(std::to_string(s + 1)), CoverRich(d, s, in.variables),
                          Plain(std::to_string(d.covers[static_cast<std::size_t>(s)].size())),
                          Plain(s < CDerivation::kRecordedCovers ? "recorded" : "")});
    }
    out.push_back(t);
    if (in.pal && static_cast<int>(d.covers.front().size()) > kPalTermsPerFunction) {
        out.push_back(Paragraph(Plain("The PAL has four product terms per output: the first lowest-cost cover needs " +
                                      std::to_string(d.covers.front().size()) +
                                      ", so the PAL cannot take this function.")));
    }
}

// --- Plain text -------------------------------------------------------------

std::string PlainRich(const CStepsRich& rich)
{
    std::string text;
    for (const CStepsSpan& s : rich)
        text += s.text + (s.bar ? "'" : "");
    return text;
}

std::size_t Width(const std::string& text)
{
    // Characters, not bytes: names may be any UTF-8.
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// One cell as written: its markup and how many characters it takes.
struct CCell
{
    std::string markup;
    std::size_t width = 0;
};

// The table as lines of columns two characters apart, a rule under the
// header.
template <class Render>
std::string AlignedTable(const CStepsBlock& b, Render render)
{
    std::vector<std::vector<CCell>> cells{{}};
    for (const CStepsRich& h : b.header)
        cells[0].push_back(render(h));
    for (const auto& row : b.rows) {
        cells.emplace_back();
        for (const CStepsRich& c : row)
            cells.back().push_back(render(c));
    }
    std::vector<std::size_t> width(b.header.size(), 0);
    for (const auto& row : cells) {
        for (std::size_t c = 0; c < row.size() && c < width.size(); ++c)
            width[c] = std::max(width[c], row[c].width);
    }
    std::string text;
    auto line = [&](const std::vector<CCell>& row) {
        std::size_t last = row.size();
        while (last > 0 && row[last - 1].width == 0)
            --last; // no trailing blanks
        std::string l;
        for (std::size_t c = 0; c < last; ++c)
            l += row[c].markup + (c + 1 < last ? std::string(width[c] - row[c].width + 2, ' ') : "");
        text += l + '\n';
    };
    line(cells[0]);
    std::size_t total = 0;
    for (std::size_t w : width)
        total += w + 2;
    text += std::string(total - 2, '-') + '\n';
    for (std::size_t r = 1; r < cells.size(); ++r)
        line(cells[r]);
    return text;
}

CCell PlainCell(const CStepsRich& rich)
{
    const std::string text = PlainRich(rich);
    return {text, Width(text)};
}

// --- LaTeX ------------------------------------------------------------------

std::string LatexEscape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\textbackslash{}"; break;
        case '^': out += "\\textasciicircum{}"; break;
        case '~': out += "\\textasciitilde{}"; break;
        case '{': case '}': case '$': case '&': case '#': case '_': case '%':
            out += '\\';
            out += c;
            break;
        default: out += c;
        }
    }
    return out;
}

std::string LatexRich(const CStepsRich& rich)
{
    std::string text;
    for (const CStepsSpan& s : rich) {
        std::string part = LatexEscape(s.text);
        if (s.bar)
            part = "$\\overline{\\mbox{" + part + "}}$";
        if (s.strong)
            part = "\\textbf{" + part + "}";
        text += part;
    }
    return text;
}

} // namespace

CStepsRich TermRich(int ones, int zeros, const std::string* names)
{
    if (((ones | zeros) & 15) == 0)
        return Plain("1");
    CStepsRich rich;
    for (int v = 0; v < 4; ++v) {
        const int bit = 8 >> v;
        if ((ones & bit) && (zeros & bit))
            return Plain("0");
        if ((ones | zeros) & bit)
            rich.push_back(CStepsSpan{names[v], (zeros & bit) != 0, false, {}});
    }
    return rich;
}

CStepsRich CoverRich(const CDerivation& d, int s, const std::string* names)
{
    const std::vector<int>& cover = d.covers[static_cast<std::size_t>(s)];
    if (cover.empty())
        return Plain("0");
    CStepsRich rich;
    for (std::size_t t = 0; t < cover.size(); ++t) {
        if (t > 0)
            rich.push_back(CStepsSpan{" + ", false, false, {}});
        const CDerivationTerm& term = d.Prime(cover[t]);
        Append(rich, TermRich(term.ones, term.zeros, names));
    }
    return rich;
}

std::vector<CStepsBlock> LayOutSteps(const CDerivation& d, const CStepsInput& input)
{
    std::vector<CStepsBlock> out;
    out.push_back(Heading("Minimization steps of " + input.function));
    LayOutMinterms(d, input, out);
    LayOutLevels(d, input, out);
    LayOutPrimes(d, input, out);
    LayOutCovers(d, input, out);
    return out;
}

std::string StepsSummary(const CDerivation& d)
{
    return "primes: " + std::to_string(d.primes.size()) + "\nessential: " + std::to_string(d.EssentialCount()) +
           "\nlowest cost: " + std::to_string(d.lowestCost) + "\nlowest-cost covers: " +
           std::to_string(d.covers.size()) + " (" + std::to_string(d.RecordedCount()) + " recorded)\n";
}

std::string StepsPlainText(const std::vector<CStepsBlock>& blocks, const CDerivation& d)
{
    std::string text;
    for (const CStepsBlock& b : blocks) {
        if (b.kind == CStepsBlock::Heading) {
            const std::string h = PlainRich(b.text);
            text += (text.empty() ? "" : "\n") + h + '\n' + std::string(Width(h), '=') + '\n';
        } else if (b.kind == CStepsBlock::Paragraph) {
            text += PlainRich(b.text) + '\n';
        } else {
            text += AlignedTable(b, PlainCell);
        }
    }
    return text + '\n' + StepsSummary(d);
}

std::string StepsLatex(const std::vector<CStepsBlock>& blocks)
{
    std::string text;
    for (const CStepsBlock& b : blocks) {
        if (b.kind == CStepsBlock::Heading) {
            text += "\\subsection*{" + LatexRich(b.text) + "}\n";
        } else if (b.kind == CStepsBlock::Paragraph) {
            text += LatexRich(b.text) + "\n\n";
        } else {
            text += "\\begin{tabular}{" + std::string(b.header.size(), 'l') + "}\n";
            auto row = [&text](const std::vector<CStepsRich>& cells) {
                for (std::size_t c = 0; c < cells.size(); ++c)
                    text += (c ? " & " : "") + LatexRich(cells[c]);
                text += " \\\\\n";
            };
            row(b.header);
            text += "\\hline\n";
            for (const auto& r : b.rows)
                row(r);
            text += "\\end{tabular}\n\n";
        }
    }
    return text;
}

CStepsBlock StepsPalColumn(const CStepsBlock& coverTable, const CDerivation& d, const CStepsPalOptions& options)
{
    CStepsBlock t = coverTable;
    t.header.push_back(Plain("PAL"));
    for (std::size_t r = 0; r < t.rows.size() && r < d.covers.size(); ++r) {
        const std::size_t terms = d.covers[r].size();
        if (static_cast<int>(r) == options.programmed)
            t.rows[r].push_back(Plain("programmed", true));
        else if (terms > kPalTermsPerFunction)
            t.rows[r].push_back(Plain("cannot program: " + std::to_string(terms) + " terms, the PAL has 4"));
        else
            t.rows[r].push_back({CStepsSpan{"Program", false, false, "program:" + std::to_string(r)}});
    }
    return t;
}
