// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case
{
    const char* label;
    std::vector<std::string> args;
    CCommandLine::Action action;
    std::string file;
    std::string output;
    double scale;
    std::string error; // first line of the Error message
};

class CommandLine : public ::testing::TestWithParam<Case>
{
};

} // namespace

TEST_P(CommandLine, Parses)
{
    const Case& c = GetParam();
    const CCommandLine parsed = ParseZylCommandLine(c.args);
    EXPECT_EQ(parsed.action, c.action) << parsed.message;
    if (c.action == CCommandLine::Error) {
        EXPECT_EQ(parsed.message, c.error + "\nTry 'zyl --help' for more information.");
        EXPECT_EQ(CommandLineExitStatus(parsed), 2);
        return;
    }
    if (c.action == CCommandLine::Help || c.action == CCommandLine::Version) {
        EXPECT_EQ(CommandLineExitStatus(parsed), 0);
        return;
    }
    EXPECT_EQ(parsed.file, c.file);
    EXPECT_EQ(parsed.output, c.output);
    EXPECT_DOUBLE_EQ(parsed.scale, c.scale);
    EXPECT_EQ(CommandLineExitStatus(parsed), -1);
}

using A = CCommandLine;
INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    ::testing::Values(
        Case{"Nothing", {}, A::Run, "", "", 1, ""},
        Case{"OpenFile", {"lab1.zyl"}, A::Run, "lab1.zyl", "", 1, ""},
        // A name that is not UTF-8 reaches the file system byte for byte.
        Case{"LatinOneName", {"caf\xe9\xff.zyl"}, A::Run, "caf\xe9\xff.zyl", "", 1, ""},
        Case{"ExportFile", {"--export", "map.svg", "lab.zyl"}, A::Export, "lab.zyl", "map.svg", 1, ""},
        Case{"ExportScaled", {"--scale", "2.5", "--export", "a.png", "b.zyl"}, A::Export, "b.zyl", "a.png", 2.5, ""},
        Case{"ScaleBounds", {"--export", "a.png", "--scale=8"}, A::Export, "", "a.png", 8, ""},
        Case{"Print", {"--print", "lab.zyl"}, A::Print, "lab.zyl", "", 1, ""},
        Case{"KarnaughScaled", {"--export-kmap", "k.png", "--scale=2", "lab.zyl"}, A::ExportKarnaugh, "lab.zyl", "k.png",
             2, ""},
        Case{"KarnaughBadType", {"--export-kmap", "k.gif"}, A::Error, "", "", 1,
             "--export-kmap needs an output file ending in .png, .svg or .pdf, not 'k.gif'."},
        Case{"KarnaughAndMap", {"--export-kmap", "k.svg", "--export", "m.svg"}, A::Error, "", "", 1,
             "--export and --export-kmap cannot be combined."},
        // Qt's own options and their values are Qt's, never a document.
        Case{"QtOptions", {"-platform", "xcb", "-style", "fusion", "lab.zyl", "-reverse"}, A::Run, "lab.zyl", "", 1, ""},
        Case{"Help", {"--help", "--bogus"}, A::Help, "", "", 1, ""},
        Case{"ShortHelp", {"-h"}, A::Help, "", "", 1, ""},
        Case{"Version", {"--version"}, A::Version, "", "", 1, ""},
        Case{"VersionExtra", {"--version", "extra"}, A::Error, "", "", 1, "--version takes no other arguments."},
        Case{"Unknown", {"--bogus"}, A::Error, "", "", 1, "unknown option '--bogus'."},
        Case{"UnknownShort", {"lab.zyl", "-x"}, A::Error, "", "", 1, "unknown option '-x'."},
        Case{"ExportMissing", {"--export"}, A::Error, "", "", 1, "missing value after '--export'."},
        Case{"ExportBadType", {"--export", "map.gif"}, A::Error, "", "", 1,
             "--export needs an output file ending in .png, .svg, .pdf, .jed or .v, not 'map.gif'."},
        Case{"ExportOnlyExtension", {"--export", "dir/.jed"}, A::Error, "", "", 1,
             "--export needs an output file ending in .png, .svg, .pdf, .jed or .v, not 'dir/.jed'."},
        // A fuse file for a chip (the chip's effect is the chip test's).
        Case{"FuseFile", {"--device", "gal22v10", "--export", "a.JED", "b.zyl"}, A::Export, "b.zyl", "a.JED", 1, ""},
        Case{"DeviceUnknown", {"--export", "a.jed", "--device", "GAL20V8"}, A::Error, "", "", 1,
             "--device needs GAL16V8 or GAL22V10, not 'GAL20V8'."},
        Case{"DeviceNotFuseFile", {"--export", "a.v", "--device", "GAL16V8"}, A::Error, "", "", 1,
             "--device applies only to --export of a fuse file (OUT.jed)."},
        Case{"ExportTwice", {"--export", "a.png", "--export", "b.png"}, A::Error, "", "", 1, "--export is given twice."},
        Case{"PrintNoFile", {"--print"}, A::Error, "", "", 1, "--print needs a document to print."},
        Case{"PrintAndExport", {"--print", "a.zyl", "--export", "b.png"}, A::Error, "", "", 1,
             "--export and --print cannot be combined."},
        Case{"Report", {"--report", "a.zyl", "--format", "json"}, A::Report, "a.zyl", "", 1, ""},
        Case{"Check", {"--check", "r.zyl", "class/", "b.zyl", "--format=csv"}, A::Check, "r.zyl", "", 1, ""},
        Case{"Handout", {"--export-handout", "h.PDF", "a.zyl"}, A::ExportHandout, "a.zyl", "h.PDF", 1, ""},
        Case{"HandoutPng", {"--export-handout", "h.png"}, A::Error, "", "", 1,
             "--export-handout needs an output file ending in .pdf, not 'h.png'."},
        Case{"CheckJson", {"--check", "r.zyl", "h.zyl", "--format", "json"}, A::Error, "", "", 1,
             "--check --format takes text or csv, not 'json'."},
        Case{"CheckAlone", {"--check", "r.zyl"}, A::Error, "", "", 1, "--check needs a reference and at least one hand-in."},
        Case{"ReportAndPrint", {"--report", "a.zyl", "--print"}, A::Error, "", "", 1, "--report and --print cannot be combined."},
        Case{"FormatAlone", {"--format", "csv"}, A::Error, "", "", 1, "--format applies only to --report and --check."},
        Case{"TwoFiles", {"a.zyl", "b.zyl"}, A::Error, "", "", 1, "more than one document given: 'a.zyl' and 'b.zyl'."},
        Case{"ScaleAlone", {"--scale", "2"}, A::Error, "", "", 1, "--scale applies only to --export and --export-kmap."},
        Case{"ScaleZero", {"--export", "a.png", "--scale", "0"}, A::Error, "", "", 1,
             "--scale needs a number from 1 to 8, not '0'."},
        Case{"ScaleHex", {"--export", "a.png", "--scale", "0x2"}, A::Error, "", "", 1,
             "--scale needs a number from 1 to 8, not '0x2'."},
        Case{"ScaleBlank", {"--export", "a.png", "--scale", " 2"}, A::Error, "", "", 1,
             "--scale needs a number from 1 to 8, not ' 2'."},
        Case{"ScaleTooLarge", {"--export", "a.png", "--scale=10"}, A::Error, "", "", 1,
             "--scale needs a number from 1 to 8, not '10'."},
        Case{"QtValueSwallowsDocument", {"-style", "lab.zyl"}, A::Error, "", "", 1,
             "option '-style' takes a value, not the document 'lab.zyl'."}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.label); });

