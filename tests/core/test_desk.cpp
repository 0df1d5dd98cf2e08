// SPDX-License-Identifier: GPL-3.0-or-later
// The desk: reports against a brute-force minimum and the steps window's
// count of covers, the grading of a small class, and the three formats.
#include "CDerivation.h"
#include "Check.h"
#include "CoverCount.h"
#include "DeskText.h"
#include "MinimumCost.h"
#include "Report.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Set = std::uint16_t;

TruthColumn Column(Set on, Set dc)
{
    TruthColumn column;
    for (int m = 0; m < 16; ++m)
        column[static_cast<std::size_t>(m)] = (on >> m) & 1 ? '1' : (dc >> m) & 1 ? 'X' : '0';
    return column;
}

long long DerivedCovers(const OutputReport& o)
{
    return static_cast<long long>(
        Derive(o.on.data(), static_cast<int>(o.on.size()), o.dc.data(), static_cast<int>(o.dc.size())).covers.size());
}

// RFC 4180 read back: rows of fields.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows{{""}};
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            rows.back().back() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            rows.back().emplace_back();
        else if (!quoted && c == '\r' && text.at(++i) == '\n')
            rows.push_back({""});
        else
            rows.back().back() += c;
    }
    rows.pop_back(); // after the last CR LF
    return rows;
}

} // namespace

// Output Y1 of a PROM through all 65,536 tables, the others fixed.
TEST(DeskReport, EveryPromTable)
{
    DeviceFacts device;
    device.tables = {Column(0x00F0, 0), Column(0, 0), Column(0x8001, 0x0F00), Column(0xFFFF, 0)};
    for (int f = 0; f < 4; ++f)
        device.orFuses[static_cast<std::size_t>(f)] = FusesOfColumn(device.tables[static_cast<std::size_t>(f)]);
    for (unsigned mask = 0; mask < 65536 && !HasFailure(); ++mask) {
        const auto on = static_cast<Set>(mask);
        device.tables[1] = Column(on, 0);
        device.orFuses[1] = on;
        const DeviceReport r = MakeReport(device);
        const OutputReport& o = r.outputs[1];
        EXPECT_EQ(CoverMask(o.terms), on) << mask;
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
    int kinds[2][2] = {}; // [implements][minimal]
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
        DeviceFacts device;
        device.type = DeviceType::Pal;
        const auto on = static_cast<Set>(random()), dc = static_cast<Set>(random() & ~on);
        device.tables[2] = Column(on, dc);
        const std::vector<ProductTerm> lowest = MinimizedCover(on, dc);
        for (std::size_t t = 0; t < 4; ++t)
            device.rows[2][t] = t < lowest.size() ? lowest[t] : ProductTerm::Zero();
        const auto row = static_cast<std::size_t>(random() % 4);
        const ProductTerm any{static_cast<std::uint8_t>(random() & 15), static_cast<std::uint8_t>(random() & 15)};
        device.rows[2][row] = random() % 2 || row < lowest.size() ? any : ProductTerm::Minterm(std::countr_zero(on | 1u));
        const OutputReport o = MakeReport(device).outputs[2];
        int cost = 0;
        bool implements = true;
        for (const ProductTerm& t : device.rows[2])
            cost += t.IsZero() ? 0 : t.Literals() < 2 ? 1 : t.Literals() + 1;
        for (int m = 0; m < 16; ++m) {
            const bool gives = std::ranges::any_of(device.rows[2], [m](ProductTerm t) { return t.Covers(m); });
            implements = implements && ((dc >> m) & 1 || gives == ((on >> m) & 1));
        }
        EXPECT_EQ(o.cost, cost) << n;
        EXPECT_EQ(o.implements, implements) << n;
        EXPECT_EQ(o.minCost, mincost::MinimumCost(on, dc)) << n;
        EXPECT_EQ(o.minimal, o.cost == o.minCost) << n;
        EXPECT_EQ(o.covers, DerivedCovers(o)) << n;
        EXPECT_EQ(CountLowestCostCovers(on, dc).lowestCost, o.minCost) << n;
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
    device.tables[0] = Column(0x000B, 0x0004); // ^A^B, with minterm 2 free
    device.rows[0] = {ProductTerm{0, 0xE}, ProductTerm::Minterm(3), ProductTerm::Zero(), ProductTerm::Zero()};
    device.rows[1][3] = ProductTerm::One(); // gives 1 everywhere, the table says 0
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
}

// A class against a PAL reference: Y0 = ^A^B with minterm 2 free, the
// other outputs 0.
TEST(DeskCheck, SmallClass)
{
    LoadedFile reference;
    reference.facts.file = "ref.zyl";
    reference.facts.type = DeviceType::Pal;
    reference.facts.tables = {Column(0x000B, 0x0004), Column(0, 0), Column(0, 0), Column(0, 0)};
    const auto pal = [&](const char* file, std::array<ProductTerm, 4> y0) {
        LoadedFile h{reference.facts, ""};
        h.facts.file = file;
        h.facts.rows[0] = y0;
        return h;
    };
    const ProductTerm none = ProductTerm::Zero();
    std::vector<LoadedFile> handIns = {
        pal("ann.zyl", {none, ProductTerm{0, 0xC}, none, none}), // ^A^B
        pal("ben.zyl", {ProductTerm::Minterm(0), ProductTerm::Minterm(1), ProductTerm::Minterm(3), none}),
        pal("cat.zyl", {ProductTerm{0, 0xE}, none, none, none}), // ^A^B^C: wrong at 3
        pal("dan.zyl", {none, none, none, none}),
    };
    handIns[3].facts.type = DeviceType::Prom;
    const struct
    {
        std::size_t size;
        int status;
        const char* lastLine;
    } steps[] = {
        {1, 0, "ann.zyl: Y0 correct and minimal; Y1 correct and minimal; Y2 correct and minimal; Y3 correct and "
               "minimal; score: 4 correct, 4 minimal"},
        {2, 0, "ben.zyl: Y0 correct, not minimal (cost 15, lowest 3); Y1 correct and minimal; Y2 correct and minimal; "
               "Y3 correct and minimal; score: 4 correct, 3 minimal"},
        {3, 1, "cat.zyl: Y0 wrong at minterms 3; Y1 correct and minimal; Y2 correct and minimal; Y3 correct and "
               "minimal; score: 3 correct, 3 minimal"},
        {4, 1, "dan.zyl: Y0 wrong device type; Y1 wrong device type; Y2 wrong device type; Y3 wrong device type; "
               "score: 0 correct, 0 minimal"},
        {5, 2, "eve.zyl: not graded: Cannot open eve.zyl: line 1: not a ZYL document."},
    };
    for (const auto& step : steps) {
        if (step.size == 5)
            handIns.push_back({DeviceFacts{.file = "eve.zyl"}, "Cannot open eve.zyl: line 1: not a ZYL document."});
        const std::vector<LoadedFile> some(handIns.begin(), handIns.begin() + static_cast<long>(step.size));
        const ClassGrade grade = GradeClass(reference, some);
        EXPECT_EQ(grade.ExitStatus(), step.status) << step.size;
        const std::string text = FormatCheck(grade, CheckFormat::Text);
        EXPECT_NE(text.find(std::string(step.lastLine) + "\n"), std::string::npos) << text;
    }
    const ClassGrade grade = GradeClass(reference, handIns);
    EXPECT_TRUE(FormatCheck(grade, CheckFormat::Text)
                    .ends_with("\n5 hand-ins: 2 correct (1 of them minimal), 2 wrong, 1 not graded\n"));
    const auto rows = ParseCsv(FormatCheck(grade, CheckFormat::Csv));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"file", "Y0", "Y1", "Y2", "Y3", "correct", "minimal", "error"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"ben.zyl", "correct, not minimal (cost 15, lowest 3)",
                                                 "correct and minimal", "correct and minimal", "correct and minimal",
                                                 "4", "3", ""}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"eve.zyl", "", "", "", "", "", "", handIns[4].error}));

    // A PROM is judged by its OR fuses: at Y0's don't care either way, and
    // a fixed don't care costs more. A PLA cannot be a reference.
    reference.facts.type = DeviceType::Prom;
    handIns[0].facts.type = handIns[1].facts.type = handIns[2].facts.type = DeviceType::Prom;
    handIns[1].facts.tables[0] = Column(0x000B, 0);
    handIns[0].facts.orFuses[0] = 0x000F;
    handIns[1].facts.orFuses[0] = 0x000B;
    handIns[2].facts.orFuses[0] = 0x0003;
    const ClassGrade prom = GradeClass(reference, {handIns[0], handIns[1], handIns[2]});
    EXPECT_EQ(prom.handIns[0].outputs[0].Text() + "|" + prom.handIns[1].outputs[0].Text() + "|" +
                  prom.handIns[2].outputs[0].Text(),
              "correct and minimal|correct, not minimal (cost 8, lowest 3)|wrong at minterms 3");
    reference.facts.type = DeviceType::Pla;
    EXPECT_EQ(FormatCheck(GradeClass(reference, {handIns[0]}), CheckFormat::Text),
              "ref.zyl: a PLA is not simulated, so it cannot be a reference.\n"
              "ann.zyl: not graded: the reference ref.zyl cannot be used.\n"
              "1 hand-in: 0 correct (0 of them minimal), 0 wrong, 1 not graded\n");
}
