// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CDerivation.h"
#include "DeviceType.h"

#include <string>
#include <vector>

// The derivation of one function laid out as headings, paragraphs and
// tables, independent of how it is shown: as plain UTF-8 text (complements
// as a trailing apostrophe, lines of at most 100 columns), as LaTeX, or as
// the page of the steps window. No Qt.

// A run of text; bar draws it complemented, strong highlights it, and a
// program link (in the window only; the copies leave it out) makes it a
// click that programs a cover.
// A pattern of 0, 1 and - is set in a monospaced font where the output has
// fonts; a subscript is the second character of a function name. A key
// span marks its cell: the chart entry that makes a prime essential.
struct CStepsSpan
{
    std::string text;
    bool bar = false;
    bool strong = false;
    int program = -1; // a "Program" link: the cover it programs; -1 for none
    bool pattern = false;
    bool subscript = false;
    bool key = false;
};
using CStepsRich = std::vector<CStepsSpan>;

struct CStepsBlock
{
    enum Kind { Heading, Paragraph, Table };
    Kind kind = Paragraph;
    CStepsRich text;                          // heading or paragraph
    std::vector<CStepsRich> header;           // table
    std::vector<std::vector<CStepsRich>> rows; // table
    std::vector<int> markedRows;              // highlighted: essential primes, the programmed cover
    bool covers = false;                      // the lowest-cost covers, one a row
};

// What the caller minimizes and for what.
struct CStepsInput
{
    std::string variables[4] = {"A", "B", "C", "D"};
    std::string function = "Y0";
    // Don't cares of the function that the minimized lists leave out (PAL
    // programming ignores them); listed and marked as not used.
    std::vector<int> unusedDontCares;
    // PAL: covers of more than four terms do not fit; the cover table gets
    // a column that offers each other cover for programming (a "Program"
    // link to cover s) and marks the cover the rows hold (programmed, -1 for
    // none).
    bool pal = false;
    int programmed = -1;
};

std::vector<CStepsBlock> LayOutSteps(const CDerivation& d, const CStepsInput& input);

// The four lines scripts read: primes, essential, lowest cost and
// lowest-cost covers with the number recorded.
std::string StepsSummary(const CDerivation& d);
// The layout as aligned plain text, followed by the summary: paragraphs
// wrap at 100 columns, and so do table cells, as far as their longest
// words allow.
std::string StepsPlainText(const std::vector<CStepsBlock>& blocks, const CDerivation& d);
// The layout as a LaTeX fragment for a document that loads the packages
// array and longtable: tables as longtable with p{} columns that fit the
// line and break across pages, patterns in \texttt, one bar a complemented
// name, every special character of a name escaped.
std::string StepsLatex(const std::vector<CStepsBlock>& blocks);
// The fragment as a whole article that pdflatex compiles with the
// packages of a basic LaTeX installation (run twice for the tables).
std::string StepsLatexDocument(const std::vector<CStepsBlock>& blocks);

// What a run says in plain text: a complement as a trailing apostrophe;
// links belong to the window and are left out.
std::string PlainRich(const CStepsRich& rich);

// The product in the given names, a bar over each complemented one: "1"
// without literals, "0" for the product 0.
CStepsRich TermRich(ProductTerm term, const std::string* names);
// The sum of products of cover s of the derivation, "0" without terms.
CStepsRich CoverRich(const CDerivation& d, int s, const std::string* names);
