// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the term-list readers: the dialogs' parser and
// zyl-minimize's. Whatever the bytes, neither may crash or write past the
// caller's array; zyl-minimize accepts a list exactly when the dialogs'
// parser reads it whole within 0..15 (or it is blank) and then lists the
// same minterms; --batch answers every line with one line.
#include "MinimizeTool.h"
#include "TermListParser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Violation(const char* what, std::string_view input)
{
    std::fprintf(stderr, "fuzz_termlist: %s\ninput (%zu bytes):\n%.*s\n", what, input.size(),
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

void CheckList(const std::string& text, std::string_view input)
{
    int guarded[18];
    std::fill(std::begin(guarded), std::end(guarded), 777);
    const int n = ParseTermList(text, guarded + 1);
    if (guarded[0] != 777 || guarded[17] != 777 || n < -1 || n > 16)
        Violation("the dialogs' parser wrote past its array", input);

    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    const std::set<int> read(guarded + 1, guarded + 1 + std::max(n, 0));
    const bool readable = blank || (n > 0 && *read.rbegin() <= 15);
    MinimizeTool::Function f;
    std::string error;
    if (MinimizeTool::ParseFunction(text, "", f, error) != readable)
        Violation("zyl-minimize and the dialogs disagree on a list", input);
    if (readable && std::set<int>(f.on.begin(), f.on.end()) != (blank ? std::set<int>() : read))
        Violation("zyl-minimize reads other minterms than the dialogs", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 0;
    for (std::size_t begin = 0; begin < input.size(); ++lines) {
        const std::size_t end = std::min(input.find('\n', begin), input.size());
        CheckList(std::string(input.substr(begin, end - begin)), input);
        begin = end + 1;
    }

    std::istringstream in{std::string(input)};
    std::ostringstream out, err;
    MinimizeTool::Main({"--batch"}, in, out, err);
    const std::string answers = out.str();
    if (static_cast<std::size_t>(std::count(answers.begin(), answers.end(), '\n')) != lines)
        Violation("--batch does not answer every line with one line", input);
    return 0;
}
