#include "CommandLine.h"

// Placeholder until the full command line lands: a file name, nothing else.
CCommandLine ParseZylCommandLine(const std::vector<std::string>& args)
{
    CCommandLine c;
    if (!args.empty())
        c.file = args.front();
    return c;
}
