// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command-line minimizer: term lists in, sums of products out.
namespace MinimizeTool {

struct Function
{
    std::vector<int> on;
    std::vector<int> dontCare;
};

// Reads ON and DC lists as the term-list parser reads them. On bad input
// returns false and sets error to a one-line message.
bool ParseFunction(const std::string& on, const std::string& dc, Function& function, std::string& error);

struct Result
{
    int recorded = 0;                // what Minimize returned
    int cost = 0;                    // cost of the first solution
    std::vector<std::string> covers; // each recorded solution as "A + B", "0" when empty
};

Result Run(const Function& function);

// The whole program; returns the exit status: 0, 2 for a usage error, bad
// input or input that cannot be read, 1 when the output cannot be written.
int Main(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace MinimizeTool
