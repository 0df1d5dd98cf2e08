// SPDX-License-Identifier: GPL-3.0-or-later
// The exports for real chips, checked by independent tools where they are
// installed: MAME's jedutil decodes each fuse file to equations, which are
// evaluated here on all 16 inputs; Icarus Verilog simulates each module.
#include "ChipExport.h"
#include "DeviceEditor.h"
#include "DocFile.h"
#include "Minimize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::temp_directory_path() / ("zyl_chips_" + std::to_string(std::random_device()()));

// What command prints (with its errors) in a folder of its own that holds
// texts[k] as the file 100000 + k (so they sort) with the extension.
std::string Shell(const std::string& command, const std::vector<std::string>& texts = {}, const char* ext = "")
{
    fs::create_directories(kDir);
    for (std::size_t k = 0; k < texts.size(); ++k)
        std::ofstream(kDir / (std::to_string(100000 + k) + ext), std::ios::binary) << texts[k];
    [[maybe_unused]] const int status = std::system(("cd " + kDir.string() + " && (" + command + ") >out 2>&1").c_str());
    std::stringstream out;
    out << std::ifstream(kDir / "out").rdbuf();
    fs::remove_all(kDir);
    return out.str();
}

// The truth table of pin's equation as jedutil prints it ("o19 = i2 & /i3 +"
// and indented continuation lines; "/o19" when active low); -1 for anything
// but the input pins 2..5 in it, 0 for a pin without products.
int Evaluate(const std::string& listing, int pin)
{
    std::smatch equation;
    if (!std::regex_search(listing, equation, std::regex("(^|\n)(/?)o" + std::to_string(pin) + " = (.*(\n .*)*)")))
        return 0;
    const std::string sum = equation[3].str() + "+";
    const std::regex token("(/?)i([2-5])\\b|[+&]|\\S+");
    int mask = 0;
    for (int m = 0, product = 1; m < 16 && sum != "+"; ++m) {
        for (std::sregex_iterator t(sum.begin(), sum.end(), token), end; t != end; ++t) {
            if ((*t)[0] == "+")
                mask |= product << m, product = 1;
            else if ((*t)[2].matched)
                product &= (m >> (5 - std::stoi((*t)[2])) & 1) != (*t)[1].length();
            else if ((*t)[0] != "&")
                return -1;
        }
    }
    return equation[2].length() ? ~mask & 0xFFFF : mask;
}

// What an output is to compute: its ON-set, on the inputs of care (the
// others are don't cares).
struct Truth { int on = 0, care = 0xFFFF; };
using Tables = std::vector<std::array<Truth, 4>>;

Tables TablesOf(const std::vector<ChipDesign>& designs)
{
    Tables want(designs.size());
    for (std::size_t k = 0; k < designs.size(); ++k)
        for (std::size_t f = 0; f < 4; ++f)
            want[k][f].on = TruthMask(designs[k].terms[f]);
    return want;
}

// Every fuse file for chip through jedutil, one shell: no error, and each
// output pin computes its function; pin 15 of the GAL16V8 drives 0, and no
// lower pin is an output.
void ExpectJedutilComputes(Chip chip, const std::vector<std::string>& files, const Tables& want)
{
    std::stringstream out(Shell("for f in *.jed; do jedutil -view $f " + std::string(ChipName(chip)) +
                                " || echo FAILED; printf '#'; done", files, ".jed"));
    std::size_t k = 0;
    for (std::string listing; std::getline(out, listing, '#'); ++k) {
        ASSERT_TRUE(k < want.size() && listing.find("rror") == listing.find("FAILED")) << listing;
        for (std::size_t f = 0; f < 4; ++f)
            ASSERT_EQ(Evaluate(listing, OutputPin(chip, int(f))) & want[k][f].care, want[k][f].on) << listing;
        ASSERT_EQ(Evaluate(listing, 15), 0) << listing;
        ASSERT_NE(listing.find(chip == Chip::GAL16V8 ? "Outputs:\n\n15 (" : "Outputs:\n\n20 ("), std::string::npos);
    }
    EXPECT_EQ(k, want.size());
}

// Every design on both chips through jedutil.
void ExpectJedutilAgrees(const std::vector<ChipDesign>& designs)
{
    if (Shell("command -v jedutil").empty())
        GTEST_SKIP() << "jedutil (mame-tools) is not installed";
    for (Chip chip : {Chip::GAL16V8, Chip::GAL22V10}) {
        std::vector<std::string> files(designs.size());
        std::ranges::transform(designs, files.begin(), [chip](const ChipDesign& d) { return JedecFile(d, chip).text; });
        ExpectJedutilComputes(chip, files, TablesOf(designs));
    }
}

// The functions (ON-set masks) 0, step, 2 step, ..., count of them, four to
// a design, each as Minimize's first cover.
std::vector<ChipDesign> PromDesigns(int count, int step)
{
    static std::vector<CImplicant> blocks(kMaxSolutions * kBlockSize);
    int counts[kMaxSolutions], on[16];
    std::vector<ChipDesign> designs((count + 3) / 4);
    for (int k = 0, n = 0; k < count; ++k, n = 0) {
        for (int m = 0; m < 16; ++m)
            on[n] = m, n += (k * step) >> m & 1;
        Minimize(n, on, 0, nullptr, counts, blocks.data());
        for (auto t = blocks.begin(); t != blocks.begin() + counts[0]; ++t)
            designs[k / 4].terms[k % 4].push_back(t->Term());
    }
    return designs;
}

// count designs of random PAL rows, four to an output, as a PAL holds them:
// a constant 1 one time in eight, the product 0 (both literals of an input)
// often, since random masks overlap.
std::vector<ChipDesign> PalDesigns(int count)
{
    std::mt19937 random(11);
    std::vector<ChipDesign> designs(static_cast<std::size_t>(count));
    for (ChipDesign& design : designs)
        for (auto& terms : design.terms)
            for (int r = 0; r < 4; ++r)
                terms.push_back(random() % 8 ? ProductTerm{std::uint8_t(random() % 16), std::uint8_t(random() % 16)}
                                             : ProductTerm::One());
    return designs;
}

// Labelled long in CTest, which runs it with --gtest_also_run_disabled_tests:
// every PROM function of one output, and thousands of PAL designs.
TEST(Chips, DISABLED_JedutilDecodesEveryPromFunction)
{
    ExpectJedutilAgrees(PromDesigns(65536, 1));
    ExpectJedutilAgrees(PalDesigns(4000));
}

// The modules simulated at once by Icarus Verilog (one "module" word in
// each): the bench shows the outputs of every module for each m as one
// binary number, which must hold each output's function where it matters.
void ExpectIcarusComputes(std::vector<std::string> modules, const Tables& want)
{
    const std::size_t bits = 4 * modules.size();
    std::string bench = "module bench; reg [3:0] m; wire [" + std::to_string(bits - 1) + ":0] y; integer i;\n";
    for (std::size_t k = 0; k < modules.size(); ++k) {
        const std::regex word("\\bmodule\\b");
        EXPECT_EQ(std::distance(std::sregex_iterator(modules[k].begin(), modules[k].end(), word), {}), 1) << modules[k];
        std::smatch name;
        std::regex_search(modules[k], name, std::regex("\nmodule (\\w+) "));
        bench += name[1].str() + " u" + std::to_string(k) + "(m[3], m[2], m[1], m[0]";
        for (std::size_t f = 0; f < 4; ++f)
            bench += ", y[" + std::to_string(4 * k + f) + "]";
        bench += ");\n";
    }
    modules.push_back(bench + "initial for (i = 0; i < 16; i = i + 1) begin m = i; #1 $display(\"%b\", y); end\n"
                              "endmodule\n");
    std::stringstream out(Shell("iverilog -Wall -o sim *.v && vvp -n sim", modules, ".v"));
    int m = 0;
    for (std::string line; std::getline(out, line) && line.size() == bits; ++m)
        for (std::size_t bit = 0; bit < bits; ++bit)
            if (const Truth& t = want[bit / 4][bit % 4]; t.care >> m & 1) {
                ASSERT_EQ(line[bits - 1 - bit], "01"[t.on >> m & 1]) << "m = " << m << ", y[" << bit << "]";
            }
    EXPECT_EQ(m, 16) << out.str();
}

// Saved PROM documents (random tables with don't cares) and PAL documents
// (random rows, a constant 1 one time in four, the product 0 where a
// variable comes in both forms) exported by the program itself, the sample
// the usual runs check: jedutil and Icarus Verilog
// compute each document's truth table on both chips and as a module (a
// damaged checksum refused), beside
// a module of awkward names (non-ASCII, a special, a digit, a keyword, one
// name for an input and an output, an empty one, a control character;
// "module" in the document's name). A PLA and a folder as the target are
// refused in one line, nothing written.
TEST(Chips, CommandLineExportsComputeTheDocuments)
{
#ifndef ZYL_PROGRAM
    GTEST_SKIP() << "built without the program";
#else
    if (Shell("(command -v jedutil; command -v iverilog) | wc -l") != "2\n")
        GTEST_SKIP() << "jedutil (mame-tools) or iverilog is not installed";
    std::mt19937 random(7);
    std::vector<std::string> documents;
    Tables want(24);
    for (std::size_t k = 0; k < want.size(); ++k) {
        Device device;
        DeviceEditor e(device);
        e.SetType(k % 2 ? DeviceType::Pal : DeviceType::Prom);
        for (int r = 0; r < 16 && k % 2; ++r)
            e.SetAndRow(r, random() % 4 ? ProductTerm{std::uint8_t(random() % 16), std::uint8_t(random() % 16)}
                                        : ProductTerm::One());
        for (int f = 0; f < 4; ++f) {
            if (k % 2)
                e.RederivePalColumn(f);
            for (int r = 0; r < 16; ++r) {
                if (k % 2 == 0)
                    e.SetPromEntry(f, r, "01X"[random() % 3]);
                want[k][f].on |= (device.Entry(f, r) == '1') << r;
                want[k][f].care &= ~((device.Entry(f, r) == 'X') << r);
            }
        }
        documents.push_back(SaveDocumentToString(device));
    }
    const std::string zyl = ZYL_PROGRAM " --export ";
    std::stringstream out(Shell("for f in 1*.zyl; do for c in GAL16V8 GAL22V10; do " + zyl + "$f.$c.jed --device $c $f;"
                                " done; " + zyl + "$f.v $f; done; for f in *16V8.jed *22V10.jed *.v; do cat $f; "
                                "printf '\\036'; done", documents, ".zyl"));
    std::vector<std::string> files[3];
    for (std::string file; std::getline(out, file, '\036');)
        files[std::min<std::size_t>(2, (files[0].size() + files[1].size() + files[2].size()) / 24)].push_back(file);
    ASSERT_EQ(files[2].size(), 24u) << out.str();
    for (Chip chip : {Chip::GAL16V8, Chip::GAL22V10})
        ExpectJedutilComputes(chip, files[int(chip)], want);
    // A fuse changed (the transmission checksum then 0000, which means
    // none), and the transmission checksum changed: both refused.
    std::string fuse = files[0][0], transmission = fuse;
    fuse.replace(fuse.size() - 6, 4, "0000")[fuse.find("\nL0000 ") + 7] ^= 1;
    transmission.replace(transmission.size() - 6, 4, "1234");
    EXPECT_EQ(Shell("for f in *.jed; do jedutil -view $f GAL16V8 | grep checksum; done", {fuse, transmission}, ".jed"),
              "Fatal error: Bad fusemap checksum\nFatal error: Bad transmission checksum\n");
    const ChipDesign awkward{{"Ω", "<", "1", "o"}, {"o", "if", "", "é\x07"}, "Module\nendmodule.zyl", "",
                             PromDesigns(4, 4661)[0].terms};
    files[2].push_back(VerilogModule(awkward));
    want.push_back(TablesOf({awkward})[0]);
    ExpectIcarusComputes(files[2], want);

    Device pla;
    DeviceEditor(pla).SetType(DeviceType::Pla);
    EXPECT_EQ(Shell("mkdir d.jed; " + zyl + "p.v 100000.zyl; echo $?; " + zyl + "d.jed; echo $?; ls",
                    {SaveDocumentToString(pla)}, ".zyl"),
              "zyl: Cannot export p.v: PLA is not commonly used, so this will not be implemented.\n1\n"
              "zyl: Cannot export d.jed: Is a directory.\n1\n100000.zyl\nd.jed\nout\n");
#endif
}

// The refusal names the output as the user does, its pin and what the pin
// has (a constant 1 takes two rows); the pin table lines names up by
// characters, not bytes.
TEST(Chips, RefusalAndPinTable)
{
    ChipDesign design{{"Ω", "B", "C", "D"}, {"Y0", "Ω\n", "Y2", "Y3"}, "", "", {}};
    design.terms[1].assign(5, ProductTerm::One());
    EXPECT_EQ(JedecFile(design).error, "Ω<U+000A> needs 10 product terms, but pin 18 of the GAL16V8 has 8.");
    design.terms[0].assign(9, ProductTerm::Minterm(3));
    EXPECT_EQ(CheckFits(design, Chip::GAL22V10), "Y0 needs 9 product terms, but pin 23 of the GAL22V10 has 8.");
    EXPECT_NE(PinTable(design, Chip::GAL16V8).find("\n  Ω  2 |       | 19 Y0\n"), std::string::npos);
    design.inputs[1] = "語"; // two columns wide in a fixed-width font
    EXPECT_NE(PinTable(design, Chip::GAL16V8).find("\n 語  3 |       | 18 Ω<U+000A>\n"), std::string::npos);
    EXPECT_NE(PinTable(design, Chip::GAL16V8).find("\nGND 10 |       | 11 NC\n"), std::string::npos);
}

} // namespace
