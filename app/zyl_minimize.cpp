// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizeTool.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    // Output over the file-size limit fails like a full disk and is
    // reported, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // --batch reads all of its input before it needs the answers on screen:
    // no flush of the output before every read.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    return MinimizeTool::Main(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
