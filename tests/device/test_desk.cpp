// SPDX-License-Identifier: GPL-3.0-or-later
// The desk: reports of saved devices against a brute-force minimum and the
// steps window's count of covers, the three formats, and the grading of
// PROM hand-ins (a class of PAL hand-ins runs through the command line in
// test_docfile_cli).
#include "CDerivation.h"
#include "Check.h"
#include "CoverCache.h"
#include "CoverCount.h"
#include "DeskText.h"
#include "DeviceEditor.h"
#include "DocFile.h"
#include "MinimumCost.h"
#include "ParseCsv.h"
#include "Report.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Set = std::uint16_t;

Column ColumnOf(Set on, Set dc)
{
    Column column;
    for (int m = 0; m < 16; ++m)
        column[static_cast<std::size_t>(m)] = (on >> m) & 1 ? '1' : (dc >> m) & 1 ? 'X' : '0';
    return column;
}

// The facts of a device as --report reads them: saved, read back, then
// taken from the device. The loader refuses PAL rows that contradict their
// table, so such a device is taken as it stands (saved false).
DeviceFacts Facts(const Device& device, bool saved = true)
{
    static CoverCache covers;
    Device read = device;
    std::string error;
    EXPECT_TRUE(!saved || ReadDocument(SaveDocumentToString(device), "t.zyl", read, error)) << error;
    return FactsOf(read, covers, "t.zyl");
}

Set Mask(const std::vector<ProductTerm>& terms)
{
    Set mask = 0;
    for (const ProductTerm& term : terms)
        mask = static_cast<Set>(mask | term.MintermMask());
    return mask;
}

long long DerivedCovers(const OutputReport& o)
{
    return static_cast<long long>(
        Derive(o.on.data(), static_cast<int>(o.on.size()), o.dc.data(), static_cast<int>(o.dc.size())).covers.size());
}


} // namespace

// Output Y1 of a PROM through all 65,536 tables, the others fixed.
TEST(DeskReport, EveryPromTable)
{
    Device device;
    DeviceEditor e(device);
    const Set fixed[4][2] = {{0x00F0, 0}, {0, 0}, {0x8001, 0x0F00}, {0xFFFF, 0}};
    for (int f = 0; f < 4; ++f)
        e.SetPromColumn(f, ColumnOf(fixed[f][0], fixed[f][1]));
    for (unsigned mask = 0; mask < 65536 && !HasFailure(); ++mask) {
        const auto on = static_cast<Set>(mask);
        e.SetPromColumn(1, ColumnOf(on, 0));
        const DeviceReport r = MakeReport(Facts(device));
        const OutputReport& o = r.outputs[1];
        EXPECT_EQ(Mask(o.terms), on) << mask;
        EXPECT_TRUE(o.dc.empty() && o.minimal && o.implements && o.cost == o.minCost) << mask;
        EXPECT_EQ(o.minCost, mincost::MinimumCost(on, 0)) << mask;
        EXPECT_EQ(o.covers, DerivedCovers(o)) << mask;
        EXPECT_EQ(r.outputs[0].Sop() + "|" + r.outputs[2].Sop() + "|" + r.outputs[3].Sop(), "^AB|^B^C^D + ACD|1");
    }
}

// Random PAL designs: the minimizer's cover of a random function with don't
// cares, then a row replaced by a random product (often wrong, sometimes
// the product 0) or a row added (still correct, not minimal).
TEST(DeskReport, RandomPalDesigns)
{
    std::mt19937 random(25);
    CoverCache covers;
    int kinds[2][2] = {}; // [implements][minimal]
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
        Device device;
        DeviceEditor e(device);
        e.SetType(DeviceType::Pal);
        const auto on = static_cast<Set>(random()), dc = static_cast<Set>(random() & ~on);
        e.SetPalColumn(2, ColumnOf(on, dc));
        const std::vector<ProductTerm> lowest = covers.FirstCover(on, dc);
        std::array<ProductTerm, 4> rows{};
        for (std::size_t t = 0; t < 4; ++t)
            rows[t] = t < lowest.size() ? lowest[t] : ProductTerm::Zero();
        const auto row = static_cast<std::size_t>(random() % 4);
        const ProductTerm any{static_cast<std::uint8_t>(random() & 15), static_cast<std::uint8_t>(random() & 15)};
        rows[row] = random() % 2 || row < lowest.size() ? any : ProductTerm::Minterm(std::countr_zero(on | 1u));
        for (int r : PalRowsOf(2))
            e.SetAndRow(r, rows[static_cast<std::size_t>(r - PalRowsOf(2).first)]);
        int cost = 0;
        bool implements = true;
        for (const ProductTerm& t : rows)
            cost += t.IsZero() ? 0 : t.Literals() < 2 ? 1 : t.Literals() + 1;
        for (int m = 0; m < 16; ++m) {
            const bool gives = std::ranges::any_of(rows, [m](ProductTerm t) { return t.Covers(m); });
            implements = implements && ((dc >> m) & 1 || gives == ((on >> m) & 1));
        }
        const OutputReport o = MakeReport(Facts(device, implements)).outputs[2];
        EXPECT_EQ(o.cost, cost) << n;
        EXPECT_EQ(o.implements, implements) << n;
        EXPECT_EQ(o.minCost, mincost::MinimumCost(on, dc)) << n;
        EXPECT_EQ(o.minimal, o.cost == o.minCost) << n;
        EXPECT_EQ(o.covers, DerivedCovers(o)) << n;
        ++kinds[o.implements][o.minimal];
    }
    EXPECT_TRUE(kinds[0][0] && kinds[0][1] && kinds[1][0] && kinds[1][1]);
}

TEST(DeskReport, Formats)
{
    DeviceFacts device;
    device.type = DeviceType::Pal;
    device.file = "lab \"1\",\n\xFF.zyl";
    device.names = {"Y\xC3\xA9", "\x01", "Y2", "Y3"};
    device.tables[0] = ColumnOf(0x000B, 0x0004); // ^A^B, with minterm 2 free
    device.terms[0] = {ProductTerm{0, 0xE}, ProductTerm::Minterm(3)};
    device.gives[0] = 0x000B;
    device.terms[1] = {ProductTerm::One()}; // gives 1 everywhere, the table says 0
    device.gives[1] = 0xFFFF;
    const DeviceReport r = MakeReport(device);
    EXPECT_TRUE(FormatReport(r, ReportFormat::Json).starts_with(
              "{\"file\": \"lab \\\"1\\\",\\n\\\\xFF.zyl\", \"type\": \"PAL\", \"outputs\": [\n"
              "  {\"name\": \"Y\xC3\xA9\", \"on\": [0, 1, 3], \"dc\": [2], \"sop\": \"^A^B^C + ^A^BCD\", \"terms\": 2, "
              "\"cost\": 9, \"min_cost\": 3, \"minimal\": false, \"implements\": true, \"covers\": 1},\n"
              "  {\"name\": \"\\u0001\""));
    EXPECT_NE(FormatReport(r, ReportFormat::Json).find(", \"sop\": \"1\", \"terms\": 1, \"cost\": 1, \"min_cost\": 0, "
                                                       "\"minimal\": false, \"implements\": false, \"covers\": 1}"),
              std::string::npos);
    EXPECT_TRUE(FormatReport(r, ReportFormat::Text).starts_with(
              "File: lab \"1\",\\x0A\\xFF.zyl\nType: PAL\n\nOutput Y0: Y\xC3\xA9\n  ON-set:             0, 1, 3\n"
              "  don't cares:        2\n"));
    const auto rows = ParseCsv(FormatReport(r, ReportFormat::Csv));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"lab \"1\",\n\\xFF.zyl", "PAL", "Y\xC3\xA9", "0,1,3", "2",
                                                 "^A^B^C + ^A^BCD", "2", "9", "3", "false", "true", "1"}));
    device.type = DeviceType::Pla;
    EXPECT_NE(FormatReport(MakeReport(device), ReportFormat::Json).find(
              "\"PLA\", \"outputs\": [\n  {\"name\": \"Y\xC3\xA9\", \"on\": null, \"dc\": null, \"sop\": null, \"terms\": null, \"cost\": null, "
              "\"min_cost\": null, \"minimal\": null, \"implements\": null, \"covers\": null},"),
              std::string::npos);
    EXPECT_EQ(ParseCsv(FormatReport(MakeReport(device), ReportFormat::Csv))[4].size(), 12u);
}

// Overlong forms, surrogates, cut sequences and stray bytes are escaped
// byte by byte; well-formed text stays.
TEST(DeskText, Escapes)
{
    const struct
    {
        std::string bytes, display, json;
    } cases[] = {
        {"a\"b\\c", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\t\v\x7F\xC2\x85", "\\x09\\x0B\\x7F\\x85", "\"\\t\\u000B\x7F\xC2\x85\""},
        {"\xC0\x80\xED\xA0\x80", "\\xC0\\x80\\xED\\xA0\\x80", "\"\\\\xC0\\\\x80\\\\xED\\\\xA0\\\\x80\""},
        {"\xE2\x82 \xF4\x90\x80\x80", "\\xE2\\x82 \\xF4\\x90\\x80\\x80", "\"\\\\xE2\\\\x82 \\\\xF4\\\\x90\\\\x80\\\\x80\""},
        {"\xE2\x82\xAC\xF0\x9F\x98\x80", "\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xE2\x82\xAC\xF0\x9F\x98\x80\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeskText::Display(c.bytes), c.display);
        EXPECT_EQ(DeskText::Json(c.bytes), c.json);
    }
    // CSV: quoted where a comma, a quote or a formula's first character
    // would change what a spreadsheet reads.
    EXPECT_EQ(DeskText::Csv("lab 3.zyl"), "lab 3.zyl");
    EXPECT_EQ(DeskText::Csv("a,\"b\""), "\"a,\"\"b\"\"\"");
    for (const char* formula : {"=HYPERLINK(\"x\").zyl", "+1.zyl", "-1.zyl", "@A.zyl"})
        EXPECT_EQ(ParseCsv(DeskText::Csv(formula) + "\r\n")[0][0], "'" + std::string(formula)) << formula;
}

// PROM hand-ins against Y0 = ^A^B with minterm 2 free, the other outputs
// 0: judged by their OR fuses (at the don't care either way), and a fixed
// don't care costs more. A PLA cannot be a reference.
TEST(DeskCheck, PromHandIns)
{
    const auto prom = [](Set on, Set dc) {
        Device device;
        DeviceEditor e(device);
        for (int f = 0; f < 4; ++f)
            e.SetPromColumn(f, ColumnOf(f == 0 ? on : 0, f == 0 ? dc : 0));
        return device;
    };
    Device reference = prom(0x000B, 0x0004);
    const ClassGrade grade = GradeClass({Facts(reference), ""}, {{Facts(prom(0x000B, 0x0004)), ""},
                                                                {Facts(prom(0x000B, 0)), ""},
                                                                {Facts(prom(0x000F, 0)), ""},
                                                                {Facts(prom(0x0003, 0)), ""}});
    EXPECT_EQ(grade.ExitStatus(), 1);
    std::string verdicts;
    for (const HandInGrade& h : grade.handIns)
        verdicts += h.outputs[0].Text() + "|";
    EXPECT_EQ(verdicts, "correct and minimal|correct, not minimal (cost 8, lowest 3)|correct and minimal|"
                        "wrong at minterms 3|");
    DeviceEditor(reference).SetType(DeviceType::Pla);
    EXPECT_EQ(FormatCheck(GradeClass({Facts(reference), ""}, {{Facts(prom(0, 0)), ""}}), CheckFormat::Text),
              "t.zyl: a PLA is not simulated, so it cannot be a reference.\n"
              "t.zyl: not graded: the reference t.zyl cannot be used.\n"
              "1 hand-in: 0 correct (0 of them minimal), 0 wrong, 1 not graded\n");
}
