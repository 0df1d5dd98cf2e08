// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceFacts.h"
#include "ProductTerm.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a saved device computes and at what cost, output by output.
//
// The function of an output is its truth-table column: the ON-set and the
// don't cares. The cover is what the device holds: for a PAL its four AND
// rows as they stand (a row that is the product 0 is no term, a row without
// a literal the term "1"); for a PROM the cover its annotation shows, the
// minimizer's first lowest-cost cover of the ON-set and don't cares. A PLA
// is drawn but not simulated: it has no function of its own, so its outputs
// carry their names and nothing else.

struct OutputReport
{
    std::string name;
    bool simulated = true;          // false for a PLA: the fields below are unknown
    std::vector<int> on;            // ascending
    std::vector<int> dc;            // ascending
    std::vector<ProductTerm> terms; // the cover, in row (PAL) or cover (PROM) order
    int cost = 0;                   // terms plus the literals of every term of two or more
    int minCost = 0;                // the lowest cost of any cover of the function
    bool minimal = true;            // cost == minCost
    bool implements = true;         // the device gives the table at every minterm that is not a don't care
    long long covers = 1;           // how many covers of the lowest cost exist

    // The cover in the notation of zyl-minimize: "^AD + B", "0" without terms.
    std::string Sop() const;
};

struct DeviceReport
{
    std::string file;
    DeviceType type = DeviceType::Prom;
    std::array<OutputReport, 4> outputs; // Y0 to Y3
};

DeviceReport MakeReport(const DeviceFacts& device);

enum class ReportFormat
{
    Text,
    Json,
    Csv
};

// The three forms, each ending in a line feed:
// - Text, for a person: the file and type, then a block per output with
//   the name on its own line and the fields below it, labels aligned.
// - JSON: {"file", "type", "outputs": [{"name", "on", "dc", "sop", "terms",
//   "cost", "min_cost", "minimal", "implements", "covers"}]}; for a PLA every
//   field but the name is null.
// - CSV: a header row, then one row per output with the file, the type and
//   the fields of the JSON (on and dc as "1,3,7", booleans as true/false);
//   a PLA's rows leave them empty. Lines end in CR LF as RFC 4180 has it.
std::string FormatReport(const DeviceReport& report, ReportFormat format);

// One output of a PROM or PAL as the report and the grading read it: its
// function (bit m for minterm m), the cover the device holds and the
// minterms at which the device gives 1 (DeviceFacts). For a PLA everything
// is empty.
struct OutputFunction
{
    std::uint16_t on = 0;
    std::uint16_t dc = 0;
    std::vector<ProductTerm> terms;
    std::uint16_t gives = 0;
};
OutputFunction ReadOutput(const DeviceFacts& device, int f);

// The cost the minimizer counts for a cover.
int CoverCost(const std::vector<ProductTerm>& terms);
