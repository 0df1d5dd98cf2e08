// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepsText.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

CStepsSpan Span(const std::string& text, bool strong = false)
{
    CStepsSpan span;
    span.text = text;
    span.strong = strong;
    return span;
}

CStepsRich Plain(const std::string& text, bool strong = false)
{
    return {Span(text, strong)};
}

CStepsRich PatternRich(const std::string& pattern)
{
    CStepsSpan span = Span(pattern);
    span.pattern = true;
    return {span};
}

// A function name of two characters is written with the second as a
// subscript, as the device's drawings write it.
CStepsRich FunctionRich(const std::string& name)
{
    std::size_t second = name.empty() ? 0 : 1;
    while (second < name.size() && (static_cast<unsigned char>(name[second]) & 0xC0) == 0x80)
        ++second;
    std::size_t third = second < name.size() ? second + 1 : second;
    while (third < name.size() && (static_cast<unsigned char>(name[third]) & 0xC0) == 0x80)
        ++third;
    if (second == name.size() || third != name.size())
        return Plain(name);
    CStepsSpan sub = Span(name.substr(second));
    sub.subscript = true;
    return {Span(name.substr(0, second)), sub};
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
    term.term = ProductTerm::Minterm(m);
    return term.Pattern();
}

CStepsBlock Heading(CStepsRich text)
{
    CStepsBlock b;
    b.kind = CStepsBlock::Heading;
    b.text = std::move(text);
    return b;
}

CStepsBlock Heading(const std::string& text)
{
    return Heading(Plain(text));
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
        t.rows.push_back({Plain(std::to_string(m)), PatternRich(Pattern(m)), Plain("ON-set")});
    for (int m : d.dontCares)
        t.rows.push_back({Plain(std::to_string(m)), PatternRich(Pattern(m)), Plain("don't care")});
    for (int m : in.unusedDontCares)
        t.rows.push_back(
            {Plain(std::to_string(m)), PatternRich(Pattern(m)), Plain("don't care, not used by the PAL")});
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
                              PatternRich(term.Pattern()), Plain(Members(term)),
                              TermRich(term.term, in.variables), Plain(from), Plain(marks)});
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
        t.rows.push_back({Plain(PrimeLabel(p)), TermRich(term.term, in.variables),
                          PatternRich(term.Pattern()), Plain(Members(term)),
                          Plain(std::to_string(d.primes[static_cast<std::size_t>(p)].level))});
    }
    out.push_back(t);

    out.push_back(Heading("Prime implicant chart"));
    CStepsBlock chart = Table({"Prime"});
    for (int m : d.onSet) {
        const bool single = std::find(d.singleCover.begin(), d.singleCover.end(), m) != d.singleCover.end();
        chart.header.push_back(Plain(std::to_string(m) + (single ? "*" : ""), single));
    }
    chart.header.push_back(Plain("Essential"));
    // An essential prime's row is marked, its label strong, and so is the
    // entry of each minterm that it alone covers: "(X)".
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        const CDerivationTerm& term = d.Prime(p);
        const bool essential = d.essential[static_cast<std::size_t>(p)];
        CStepsRich label = Plain(PrimeLabel(p) + " ");
        Append(label, TermRich(term.term, in.variables));
        for (CStepsSpan& s : label)
            s.strong = essential;
        std::vector<CStepsRich> row{label};
        for (int m : d.onSet) {
            const bool covers = std::find(term.minterms.begin(), term.minterms.end(), m) != term.minterms.end();
            const bool single = std::find(d.singleCover.begin(), d.singleCover.end(), m) != d.singleCover.end();
            CStepsSpan cell = Span(covers ? (single ? "(X)" : "X") : "", covers && single);
            cell.key = covers && single;
            row.push_back({cell});
        }
        row.push_back(Plain(essential ? "essential" : "", essential));
        if (essential)
            chart.markedRows.push_back(p);
        chart.rows.push_back(row);
    }
    out.push_back(chart);
    out.push_back(Paragraph(Plain(d.singleCover.empty()
                                      ? "No minterm is covered by only one prime: no prime is essential."
                                      : "* covered by only one prime, which is therefore essential; (X) marks "
                                        "that prime's entry.")));
}

// The essentials, what they leave and the lowest cost, or that there is
// nothing to cover.
void LayOutCoverCost(const CDerivation& d, std::vector<CStepsBlock>& out)
{
    if (d.onSet.empty()) {
        out.push_back(Paragraph(Plain("There is no ON-set minterm to cover: the function is 0, a sum of no terms.")));
        return;
    }
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
    int literals = 0;
    for (int p : first) {
        if (d.Prime(p).term.Literals() > 1)
            literals += d.Prime(p).term.Literals();
    }
    out.push_back(Paragraph(Plain("Lowest cost: " + std::to_string(first.size()) +
                                  (first.size() == 1 ? " term + " : " terms + ") + std::to_string(literals) +
                                  (literals == 1 ? " literal = " : " literals = ") + std::to_string(d.lowestCost) +
                                  " (one per term, plus the literals of every term of two or more literals).")));
}

// Every lowest-cost cover, which the minimizer records, and in PAL mode
// which one the rows hold and which can be programmed.
CStepsBlock CoverTable(const CDerivation& d, const CStepsInput& in)
{
    CStepsBlock t = Table({"#", "Cover", "Terms", "Recorded"});
    t.covers = true;
    if (in.pal)
        t.header.push_back(Plain("PAL"));
    for (int s = 0; s < static_cast<int>(d.covers.size()); ++s) {
        const std::size_t terms = d.covers[static_cast<std::size_t>(s)].size();
        t.rows.push_back({Plain(std::to_string(s + 1)), CoverRich(d, s, in.variables), Plain(std::to_string(terms)),
                          Plain(s < CDerivation::kRecordedCovers ? "recorded" : "")});
        if (!in.pal)
            continue;
        if (s == in.programmed) {
            t.rows.back().push_back(Plain("programmed", true));
            t.markedRows.push_back(s);
        } else if (terms > kRowsPerFunction) {
            t.rows.back().push_back(Plain("cannot program: " + std::to_string(terms) + " terms, the PAL has 4"));
        } else {
            CStepsSpan link = Span("Program");
            link.program = s;
            t.rows.back().push_back({link});
        }
    }
    return t;
}

void LayOutCovers(const CDerivation& d, const CStepsInput& in, std::vector<CStepsBlock>& out)
{
    out.push_back(Heading("Cover search"));
    LayOutCoverCost(d, out);
    const int k = static_cast<int>(d.covers.size());
    out.push_back(Paragraph(Plain(
        k == 1 ? std::string("1 lowest-cost cover, recorded by the minimizer as its result.")
               : std::to_string(k) + " lowest-cost covers, in the order the search finds them; " +
                     (k <= CDerivation::kRecordedCovers ? std::string("the minimizer records all of them")
                                                        : "the minimizer records the first " +
                                                              std::to_string(d.RecordedCount())) +
                     ", and the first is its result.")));
    out.push_back(CoverTable(d, in));
    if (in.pal && in.programmed < 0)
        out.push_back(Paragraph(Plain("The rows of this function hold none of these covers (fuses set by hand).")));
    if (in.pal && static_cast<int>(d.covers.front().size()) > kRowsPerFunction) {
        out.push_back(Paragraph(Plain("The PAL has four product terms per output: the first lowest-cost cover needs " +
                                      std::to_string(d.covers.front().size()) +
                                      ", so the PAL cannot take this function.")));
    }
}

// --- Plain text -------------------------------------------------------------

const std::size_t kTextColumns = 100;

} // namespace

std::string PlainRich(const CStepsRich& rich)
{
    std::string text;
    for (const CStepsSpan& s : rich) {
        if (s.program < 0)
            text += s.text + (s.bar ? "'" : "");
    }
    return text;
}

namespace {

std::size_t Width(const std::string& text)
{
    // Characters, not bytes: names may be any UTF-8.
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The text as lines of at most width characters, broken at spaces; a word
// longer than that has a line of its own.
std::vector<std::string> Wrap(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines{""};
    bool fresh = true;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(' ', start);
        const std::string word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!fresh && Width(lines.back()) + 1 + Width(word) > width)
            lines.push_back(word);
        else
            lines.back() += (fresh ? "" : " ") + word;
        fresh = false;
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

std::size_t LongestWord(const std::string& text)
{
    std::size_t longest = 0;
    for (const std::string& word : Wrap(text, 0))
        longest = std::max(longest, Width(word));
    return longest;
}

// The table as lines of columns two characters apart, a rule under the
// header. While a line would be wider than kTextColumns, the widest column
// that has room to wrap gives up a character.
std::string PlainTable(const CStepsBlock& b)
{
    const std::size_t n = b.header.size();
    std::vector<std::vector<std::string>> cells(1);
    for (const CStepsRich& h : b.header)
        cells[0].push_back(PlainRich(h));
    for (const auto& row : b.rows) {
        cells.emplace_back();
        for (const CStepsRich& c : row)
            cells.back().push_back(PlainRich(c));
    }
    std::vector<std::size_t> width(n, 0), least(n, 0);
    for (const auto& row : cells) {
        for (std::size_t c = 0; c < row.size() && c < n; ++c) {
            width[c] = std::max(width[c], Width(row[c]));
            least[c] = std::max(least[c], LongestWord(row[c]));
        }
    }
    std::size_t total = 2 * n - 2;
    for (std::size_t w : width)
        total += w;
    while (total > kTextColumns) {
        std::size_t widest = n;
        for (std::size_t c = 0; c < n; ++c) {
            if (width[c] > least[c] && (widest == n || width[c] > width[widest]))
                widest = c;
        }
        if (widest == n)
            break;
        --width[widest];
        --total;
    }
    std::string text;
    auto put = [&](const std::vector<std::string>& row) {
        std::vector<std::vector<std::string>> parts;
        std::size_t lines = 1;
        for (std::size_t c = 0; c < n; ++c) {
            parts.push_back(Wrap(c < row.size() ? row[c] : std::string(), width[c]));
            lines = std::max(lines, parts.back().size());
        }
        for (std::size_t i = 0; i < lines; ++i) {
            std::string line;
            for (std::size_t c = 0; c < n; ++c) {
                const std::string part = i < parts[c].size() ? parts[c][i] : std::string();
                line += part + (c + 1 < n ? std::string(width[c] - Width(part) + 2, ' ') : "");
            }
            text += line.erase(line.find_last_not_of(' ') + 1) + '\n';
        }
    };
    put(cells[0]);
    text += std::string(total, '-') + '\n';
    for (std::size_t r = 1; r < cells.size(); ++r)
        put(cells[r]);
    return text;
}

// --- LaTeX ------------------------------------------------------------------

// Text for LaTeX's roman font. TeX's special characters are escaped, and
// so are those that the font encodings set as other glyphs or take from a
// font of their own (<, >, |, ^, ~, ", $, _, `) or join into ligatures
// (--, '', ,,, !`): an ASCII name prints as typed (an apostrophe as a
// typeset one). A comma before a digit lets a list of minterms break there.
std::string LatexEscape(const std::string& text)
{
    static const std::string joins = "-',!?";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : ' ';
        switch (c) {
        case '\\': out += "\\textbackslash{}"; break;
        case '<': out += "\\textless{}"; break;
        case '>': out += "\\textgreater{}"; break;
        case '|': out += "\\textbar{}"; break;
        case '^': out += "\\texttt{\\char94}"; break;
        case '~': out += "\\texttt{\\char126}"; break;
        case '"': out += "\\texttt{\\char34}"; break;
        case '$': out += "\\texttt{\\char36}"; break;
        case '_': out += "\\texttt{\\char95}"; break;
        case '`': out += "\\texttt{\\char18}"; break;
        case '[': case ']': out += std::string("{") + c + "}"; break;
        case '{': case '}': case '&': case '#': case '%':
            out += '\\';
            out += c;
            break;
        default:
            if (c == ',' && next >= '0' && next <= '9') {
                out += ",\\allowbreak{}";
                break;
            }
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
            // Where the next character (or the next run) could join it.
            if (joins.find(c) != std::string::npos && (i + 1 == text.size() || joins.find(next) != std::string::npos))
                out += "{}";
        }
    }
    return out;
}

std::string LatexRich(const CStepsRich& rich, bool strong = false)
{
    std::string text;
    for (const CStepsSpan& s : rich) {
        if (s.program >= 0)
            continue;
        std::string part = LatexEscape(s.text);
        if (s.pattern)
            part = "\\texttt{" + part + "}";
        if (s.bar)
            part = "\\ZylBar{" + part + "}";
        if (s.subscript)
            part = "\\textsubscript{" + part + "}";
        if ((s.strong || strong) && !part.empty())
            part = "\\textbf{" + part + "}";
        text += part;
    }
    return text;
}

// How wide a rich text is set in the tables' font, in em, roughly: the
// whole run and its longest piece that cannot break (at a space or after a
// comma before a digit).
struct CEm
{
    double whole = 0;
    double longest = 0;
};

CEm EmWidth(const CStepsRich& rich, bool strong)
{
    CEm em;
    double piece = 0;
    for (const CStepsSpan& s : rich) {
        if (s.program >= 0)
            continue;
        const double scale = (s.strong || strong ? 1.15 : 1.0) * (s.subscript ? 0.7 : 1.0);
        for (std::size_t i = 0; i < s.text.size(); ++i) {
            const auto c = static_cast<unsigned char>(s.text[i]);
            if ((c & 0xC0) == 0x80)
                continue;
            const double w = s.pattern               ? 0.53
                             : c == ' '              ? 0.34
                             : c >= '0' && c <= '9'  ? 0.5
                             : c >= 'A' && c <= 'Z'  ? 0.76
                             : c == 'm' || c == 'w'  ? 0.84
                             : c >= 'a' && c <= 'z'  ? 0.52
                             : std::string_view(".,;:!?'()[]-*").find(static_cast<char>(c)) != std::string_view::npos
                                 ? 0.4
                                 : 0.9; // symbols, other scripts
            em.whole += w * scale;
            piece = c == ' ' ? 0 : piece + w * scale;
            em.longest = std::max(em.longest, piece);
            if (c == ',' && i + 1 < s.text.size() && s.text[i + 1] >= '0' && s.text[i + 1] <= '9')
                piece = 0;
        }
    }
    return em;
}

// A width in em as the preamble writes it, in tenths: "3.2em".
std::string Em(double em)
{
    const long long tenths = std::llround(em * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "em";
}

// The tables are set \small with 3 pt between a column and its rules; they
// are made for lines of at least 345 pt (an article's text width). Each
// column's natural width and the width of its longest piece, in tenths of
// an em with some room to spare; and what a line of n columns leaves them.
struct CLatexColumns
{
    std::vector<double> natural, least;

    explicit CLatexColumns(const CStepsBlock& b)
        : natural(b.header.size(), 0)
        , least(b.header.size(), 0)
    {
        auto measure = [&](const std::vector<CStepsRich>& row, bool strong) {
            for (std::size_t c = 0; c < row.size() && c < natural.size(); ++c) {
                const CEm em = EmWidth(row[c], strong);
                natural[c] = std::max(natural[c], std::ceil(em.whole * 10.5 + 3) / 10);
                least[c] = std::max(least[c], std::ceil(em.longest * 10.5 + 3) / 10);
            }
        };
        measure(b.header, true);
        for (const auto& row : b.rows)
            measure(row, false);
    }

    static double Line(std::size_t n)
    {
        return (345.0 - static_cast<double>(n) * 6 - static_cast<double>(n + 1) * 0.4) / 9.25; // \small's em
    }
};

// The longtable preamble. A table that fits the line has fixed widths, its
// natural ones; in a wider table the columns that can wrap share what the
// others leave of the line, in proportion to their natural widths, none
// narrower than its longest piece.
std::string LatexColumns(const CStepsBlock& b)
{
    CLatexColumns widths(b);
    std::vector<double>& natural = widths.natural;
    const std::size_t n = natural.size();
    const double line = CLatexColumns::Line(n);
    std::vector<bool> shared(n, false);
    double fixed = 0, sharedNatural = 0;
    for (std::size_t c = 0; c < n; ++c) {
        shared[c] = natural[c] > widths.least[c] + 0.01;
        (shared[c] ? sharedNatural : fixed) += natural[c];
    }
    if (fixed + sharedNatural <= line) {
        shared.assign(n, false);
        fixed += sharedNatural;
    }
    // A shared column whose share would be narrower than its longest piece
    // keeps that width instead.
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t c = 0; c < n; ++c) {
            if (shared[c] && (line - fixed) * natural[c] / sharedNatural < widths.least[c]) {
                shared[c] = false;
                sharedNatural -= natural[c];
                natural[c] = widths.least[c];
                fixed += natural[c];
                changed = true;
            }
        }
    }
    std::string columns = "|";
    for (std::size_t c = 0; c < n; ++c) {
        const std::string width =
            shared[c] ? "\\dimexpr(\\linewidth-" + Em(fixed) + "-" + std::to_string(2 * n) + "\\tabcolsep-" +
                            std::to_string(n + 1) + "\\arrayrulewidth)*" +
                            std::to_string(static_cast<int>(1000 * natural[c] / sharedNatural)) + "/1000\\relax"
                      : Em(natural[c]);
        columns += ">{\\raggedright\\arraybackslash}p{" + width + "}|";
    }
    return columns;
}

// A table as one longtable, or as several that repeat its first column
// when the others do not fit one line even at their narrowest (a chart of
// many minterms).
std::string LatexTable(const CStepsBlock& b)
{
    const CLatexColumns widths(b);
    std::vector<std::vector<std::size_t>> parts{{0}};
    double used = widths.least[0];
    for (std::size_t c = 1; c < b.header.size(); ++c) {
        if (parts.back().size() > 1 && used + widths.least[c] > CLatexColumns::Line(parts.back().size() + 1)) {
            parts.push_back({0});
            used = widths.least[0];
        }
        parts.back().push_back(c);
        used += widths.least[c];
    }
    auto row = [](const std::vector<CStepsRich>& cells, const std::vector<std::size_t>& part, bool strong) {
        std::string text;
        for (std::size_t c : part)
            text += (c ? " & " : "") + (c < cells.size() ? LatexRich(cells[c], strong) : std::string());
        return text + " \\\\\n";
    };
    std::string text;
    for (const std::vector<std::size_t>& part : parts) {
        CStepsBlock columns;
        for (std::size_t c : part)
            columns.header.push_back(b.header[c]);
        for (const auto& r : b.rows) {
            columns.rows.emplace_back();
            for (std::size_t c : part)
                columns.rows.back().push_back(c < r.size() ? r[c] : CStepsRich());
        }
        text += "\\begingroup\\small\\setlength{\\tabcolsep}{3pt}\n\\begin{longtable}{" + LatexColumns(columns) +
                "}\n\\hline\n" + row(b.header, part, true) + "\\hline\n\\endhead\n\\hline\n\\endfoot\n";
        for (const auto& r : b.rows)
            text += row(r, part, false);
        text += "\\end{longtable}\n\\endgroup\n\n";
    }
    return text;
}
} // namespace

CStepsRich TermRich(ProductTerm term, const std::string* names)
{
    if (term.IsOne() || term.IsZero())
        return Plain(term.IsOne() ? "1" : "0");
    CStepsRich rich;
    for (int v = 0; v < 4; ++v) {
        const int bit = 8 >> v;
        if ((term.ones | term.zeros) & bit) {
            CStepsSpan name = Span(names[v]);
            name.bar = (term.zeros & bit) != 0;
            rich.push_back(name);
        }
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
            rich.push_back(Span(" + "));
        Append(rich, TermRich(d.Prime(cover[t]).term, names));
    }
    return rich;
}

std::vector<CStepsBlock> LayOutSteps(const CDerivation& d, const CStepsInput& input)
{
    std::vector<CStepsBlock> out;
    CStepsRich heading = Plain("Minimization steps of ");
    Append(heading, FunctionRich(input.function));
    out.push_back(Heading(heading));
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
            for (const std::string& line : Wrap(PlainRich(b.text), kTextColumns))
                text += line + '\n';
        } else {
            text += PlainTable(b);
        }
    }
    return text + '\n' + StepsSummary(d);
}

std::string StepsLatex(const std::vector<CStepsBlock>& blocks)
{
    // A bar a name, a little shorter than the name, so that bars over
    // neighbouring names stay apart.
    std::string text = "% The minimization steps from ZYL; the preamble loads the packages array and longtable.\n"
                       "\\providecommand{\\ZylBar}[1]{\\ensuremath{\\mkern1.5mu\\overline{\\mkern-1.5mu\\mbox{#1}"
                       "\\mkern-1.5mu}\\mkern1.5mu}}\n";
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const CStepsBlock& b = blocks[i];
        if (b.kind == CStepsBlock::Table) {
            text += LatexTable(b);
            continue;
        }
        // A heading, or a line that introduces a table, starts a new page
        // where the rest of the page could not hold the start of what it
        // leads to (longtable would break the page after it).
        const bool introduces = i + 1 < blocks.size() && blocks[i + 1].kind == CStepsBlock::Table;
        if (b.kind == CStepsBlock::Heading || (introduces && i > 0 && blocks[i - 1].kind != CStepsBlock::Heading))
            text += "\\par\\penalty-100\\relax"
                    "\\ifdim\\dimexpr\\pagegoal-\\pagetotal\\relax<7\\baselineskip\\newpage\\fi\n";
        text += b.kind == CStepsBlock::Heading ? "\\subsection*{" + LatexRich(b.text) + "}\n"
                                               : LatexRich(b.text) + "\n\n";
    }
    return text;
}

std::string StepsLatexDocument(const std::vector<CStepsBlock>& blocks)
{
    return "\\documentclass[a4paper]{article}\n\\usepackage{array}\n\\usepackage{longtable}\n\\begin{document}\n" +
           StepsLatex(blocks) + "\\end{document}\n";
}
