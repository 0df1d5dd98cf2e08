// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizeTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return MinimizeTool::Main(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
