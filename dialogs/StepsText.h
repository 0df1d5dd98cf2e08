// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CDerivation.h"

#include <string>
#include <vector>

// The derivation of one function laid out as headings, paragraphs and
// tables, independent of how it is shown: as plain UTF-8 text (complements
// as a trailing apostrophe), as a LaTeX fragment, or as the page of the
// steps window. No Qt.

// A run of text; bar draws it complemented, strong highlights it, and a
// link (in the window only) makes it clickable.
struct CStepsSpan
{
    std::string text;
    bool bar = false;
    bool strong = false;
    std::string link;
};
using CStepsRich = std::vector<CStepsSpan>;

struct CStepsBlock
{
    enum Kind { Heading, Paragraph, Table };
    Kind kind = Paragraph;
    CStepsRich text;                          // heading or paragraph
    std::vector<CStepsRich> header;           // table
    std::vector<std::vector<CStepsRich>> rows; // table
    bool coverTable = false;                  // row s is lowest-cost cover s
};

// What the caller minimizes and for what.
struct CStepsInput
{
    std::string variables[4] = {"A", "B", "C", "D"};
    std::string function = "Y0";
    // Don't cares of the function that the minimized lists leave out (PAL
    // programming ignores them); listed and marked as not used.
    std::vector<int> unusedDontCares;
    bool pal = false; // covers of more than four terms do not fit
};

enum { kPalTermsPerFunction = 4 };

std::vector<CStepsBlock> LayOutSteps(const CDerivation& d, const CStepsInput& input);

// The four lines scripts read: primes, essential, lowest cost and
// lowest-cost covers with the number recorded.
std::string StepsSummary(const CDerivation& d);
// The layout as aligned plain text, followed by the summary.
std::string StepsPlainText(const std::vector<CStepsBlock>& blocks, const CDerivation& d);
// The layout as a LaTeX fragment: tables as tabular, complements as
// \overline{}, special characters escaped.
std::string StepsLatex(const std::vector<CStepsBlock>& blocks);

// What the steps window adds in PAL mode: a column of the cover table that
// offers each cover of at most four terms for programming (a "Program" run
// linked to "program:<s>"), gives the reason for the others, and marks the
// cover the rows now hold (programmed, -1 for none).
struct CStepsPalOptions
{
    bool pal = false;
    int programmed = -1;
};
CStepsBlock StepsPalColumn(const CStepsBlock& coverTable, const CDerivation& d, const CStepsPalOptions& options);

// The product term of the masks in the given names: "1" without literals.
CStepsRich TermRich(int ones, int zeros, const std::string* names);
// The sum of products of cover s of the derivation, "0" without terms.
CStepsRich CoverRich(const CDerivation& d, int s, const std::string* names);
