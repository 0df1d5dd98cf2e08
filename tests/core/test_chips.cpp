// SPDX-License-Identifier: GPL-3.0-or-later
// The exports for real chips, checked by independent tools where they are
// installed: MAME's jedutil decodes each fuse file to equations, which are
// evaluated here on all 16 inputs; Icarus Verilog simulates each module.
#include "ChipExport.h"
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

// Every design on both chips through jedutil, one shell a chip: no error,
// and each output pin computes the design's function; pin 15 of the GAL16V8
// drives 0, and no lower pin is an output. Then the first with a fuse changed (its transmission checksum
// 0000, which means none) and with its transmission checksum changed are
// refused.
void ExpectJedutilAgrees(const std::vector<ChipDesign>& designs)
{
    if (Shell("command -v jedutil").empty())
        GTEST_SKIP() << "jedutil (mame-tools) is not installed";
    for (Chip chip : {Chip::GAL16V8, Chip::GAL22V10}) {
        std::vector<std::string> files(designs.size());
        std::ranges::transform(designs, files.begin(), [chip](const ChipDesign& d) { return JedecFile(d, chip).text; });
        std::stringstream out(Shell("for f in *.jed; do jedutil -view $f " + std::string(ChipName(chip)) +
                                    " || echo FAILED; printf '#'; done", files, ".jed"));
        std::size_t k = 0;
        for (std::string listing; std::getline(out, listing, '#'); ++k) {
            ASSERT_TRUE(k < designs.size() && listing.find("rror") == listing.find("FAILED")) << listing;
            for (int f = 0; f < 4; ++f)
                ASSERT_EQ(Evaluate(listing, OutputPin(chip, f)), TruthMask(designs[k].terms[f])) << listing;
            ASSERT_EQ(Evaluate(listing, 15), 0) << listing;
            ASSERT_NE(listing.find(chip == Chip::GAL16V8 ? "Outputs:\n\n15 (" : "Outputs:\n\n20 ("), std::string::npos);
        }
        EXPECT_EQ(k, designs.size());
    }
    std::string fuse = JedecFile(designs[0]).text, transmission = fuse;
    fuse.replace(fuse.size() - 6, 4, "0000")[fuse.find("\nL0000 ") + 7] ^= 1;
    transmission.replace(transmission.size() - 6, 4, "1234");
    EXPECT_EQ(Shell("for f in *.jed; do jedutil -view $f GAL16V8 | grep checksum; done", {fuse, transmission}, ".jed"),
              "Fatal error: Bad fusemap checksum\nFatal error: Bad transmission checksum\n");
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

// PAL rows: the product 0 and the constant 1 one time in six each, else any
// pattern of the row's eight fuses (x and x' together, or none).
std::vector<ChipDesign> PalDesigns(int count)
{
    std::mt19937 random(24);
    std::vector<ChipDesign> designs(count);
    for (int k = 0; k < 16 * count; ++k) {
        const unsigned pick = random() % 6, fuses = random() % 256;
        const ProductTerm any{std::uint8_t(fuses & 15), std::uint8_t(fuses >> 4)};
        designs[k / 16].terms[k / 4 % 4].push_back(pick > 1 ? any : pick ? ProductTerm::One() : ProductTerm::Zero());
    }
    return designs;
}

TEST(Chips, JedutilDecodesSampleAndRefusesDamagedChecksums)
{
    auto designs = PromDesigns(400, 163), pal = PalDesigns(300);
    designs.insert(designs.end(), pal.begin(), pal.end());
    ExpectJedutilAgrees(designs);
}

// Labelled long in CTest, which runs it with --gtest_also_run_disabled_tests.
TEST(Chips, DISABLED_JedutilDecodesEveryPromFunction) { ExpectJedutilAgrees(PromDesigns(65536, 1)); }

// Awkward names (non-ASCII, a special, a digit, a keyword, one name for an
// input and an output, an empty one, a control character; "module" in the
// document's name) and random designs, simulated at once: the bench shows
// the outputs of every design for each m as one binary number.
TEST(Chips, IcarusSimulatesEveryModule)
{
    auto designs = PalDesigns(20);
    designs[0] = {{"Ω", "<", "1", "o"}, {"o", "if", "", "é\x07"}, "Module\nendmodule.zyl", "", designs[0].terms};
    std::vector<std::string> files;
    std::string bench = "module bench; reg [3:0] m; wire [79:0] y; integer i;\n", table;
    for (std::size_t k = 0; k < designs.size(); ++k) {
        designs[k].documentName += std::to_string(k);
        files.push_back(VerilogModule(designs[k]));
        const std::regex word("\\bmodule\\b");
        EXPECT_EQ(std::distance(std::sregex_iterator(files[k].begin(), files[k].end(), word), {}), 1) << files[k];
        std::smatch name;
        std::regex_search(files[k], name, std::regex("\nmodule (\\w+) "));
        const auto y = [k](std::size_t f) { return ", y[" + std::to_string(4 * k + f) + "]"; };
        bench += name[1].str() + " u" + std::to_string(k) + "(m[3], m[2], m[1], m[0]" + y(0) + y(1) + y(2) + y(3);
        bench += ");\n";
    }
    files.push_back(bench + "initial for (i = 0; i < 16; i = i + 1) begin m = i; #1 $display(\"%0d %b\", i, y); end\n"
                            "endmodule\n");
    for (int m = 0; m < 16; ++m) {
        table += std::to_string(m) + " ";
        for (int bit = 79; bit >= 0; --bit)
            table += "01"[TruthMask(designs[bit / 4].terms[bit % 4]) >> m & 1];
        table += "\n";
    }
    if (Shell("command -v iverilog").empty())
        GTEST_SKIP() << "iverilog is not installed";
    EXPECT_EQ(Shell("iverilog -Wall -o sim *.v && vvp -n sim", files, ".v"), table);
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
}

} // namespace
