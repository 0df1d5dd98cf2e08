// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

const char kHelp[] =
    "Usage: zyl [FILE.zyl]\n"
    "       zyl --export OUT.png|OUT.svg|OUT.pdf [--scale FACTOR] [FILE.zyl]\n"
    "       zyl --print FILE.zyl\n"
    "       zyl --help | --version\n"
    "\n"
    "ZYL simulates a fuse-programmable logic device (PROM, PAL, PLA) with\n"
    "4 inputs and 4 outputs.\n"
    "\n"
    "  FILE.zyl           open this document\n"
    "  --export OUT       write the fuse map of FILE.zyl (or of a fresh device)\n"
    "                     to OUT as PNG, SVG or PDF and exit without a window\n"
    "  --scale FACTOR     pixels per drawing unit of a PNG export, 0.1 to 10\n"
    "                     (default 1: 96 pixels per inch)\n"
    "  --print FILE.zyl   print the fuse map of FILE.zyl on the default printer\n"
    "                     and exit\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit";

const char kVersion[] = "ZYL Version 1.0";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool HasPictureExtension(const std::string& path)
{
    const std::string lower = Lower(path);
    for (const char* ext : {".png", ".svg", ".pdf"}) {
        const std::string e = ext;
        if (lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0 &&
            lower[lower.size() - e.size() - 1] != '/')
            return true;
    }
    return false;
}

CCommandLine Fail(const std::string& message)
{
    CCommandLine c;
    c.action = CCommandLine::Error;
    c.message = message + "\nTry 'zyl --help' for more information.";
    return c;
}

} // namespace

CCommandLine ParseZylCommandLine(const std::vector<std::string>& args)
{
    CCommandLine c;
    bool exportWanted = false, printWanted = false, scaleGiven = false, optionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (!optionsDone && arg.starts_with("--")) {
            if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                hasValue = true;
            }
        }
        // The value of an option: after "=" or the next argument.
        auto takeValue = [&]() {
            if (hasValue)
                return true;
            if (i + 1 >= args.size())
                return false;
            value = args[++i];
            return true;
        };

        if (optionsDone || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!c.file.empty())
                return Fail("more than one document given: '" + c.file + "' and '" + arg + "'.");
            c.file = arg;
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--help" || arg == "-h") {
            if (hasValue)
                return Fail("option '" + arg + "' takes no value.");
            CCommandLine help;
            help.action = CCommandLine::Help;
            help.message = kHelp;
            return help;
        } else if (arg == "--version") {
            if (hasValue)
                return Fail("option '" + arg + "' takes no value.");
            CCommandLine version;
            version.action = CCommandLine::Version;
            version.message = kVersion;
            return version;
        } else if (arg == "--export") {
            if (exportWanted)
                return Fail("--export is given twice.");
            if (!takeValue() || value.empty())
                return Fail("--export needs an output file ending in .png, .svg or .pdf.");
            if (!HasPictureExtension(value))
                return Fail("--export needs an output file ending in .png, .svg or .pdf, not '" + value + "'.");
            exportWanted = true;
            c.output = value;
        } else if (arg == "--scale") {
            if (scaleGiven)
                return Fail("--scale is given twice.");
            if (!takeValue())
                return Fail("--scale needs a factor from 0.1 to 10.");
            char* end = nullptr;
            const double scale = std::strtod(value.c_str(), &end);
            if (value.empty() || end == nullptr || *end != '\0' || !(scale >= 0.1 && scale <= 10.0))
                return Fail("--scale needs a factor from 0.1 to 10, not '" + value + "'.");
            c.scale = scale;
            scaleGiven = true;
        } else if (arg == "--print") {
            if (printWanted)
                return Fail("--print is given twice.");
            if (hasValue) {
                if (!c.file.empty())
                    return Fail("more than one document given: '" + c.file + "' and '" + value + "'.");
                c.file = value;
            }
            printWanted = true;
        } else {
            return Fail("unknown option '" + args[i] + "'.");
        }
    }
    if (exportWanted && printWanted)
        return Fail("--export and --print cannot be combined.");
    if (scaleGiven && !exportWanted)
        return Fail("--scale applies only to --export.");
    if (printWanted && c.file.empty())
        return Fail("--print needs a document to print.");
    if (exportWanted && !HasPictureExtension(c.output))
        return Fail("--export needs an output file ending in .png, .svg or .pdf.");
    c.action = exportWanted ? CCommandLine::Export : printWanted ? CCommandLine::Print : CCommandLine::Run;
    return c;
}

int CommandLineExitStatus(const CCommandLine& command)
{
    switch (command.action) {
    case CCommandLine::Help:
    case CCommandLine::Version:
        return 0;
    case CCommandLine::Error:
        return 2;
    default:
        return -1;
    }
}
