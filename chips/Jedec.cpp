// SPDX-License-Identifier: GPL-3.0-or-later
// The fuse maps, from the manufacturers' data sheets (Lattice GAL16V8 and
// GAL22V10; Atmel ATF16V8B and ATF22V10 share them), and the JEDEC file
// (JESD3). A fuse is '0' when connected (intact), '1' when not (blown).
//
// GAL16V8, 2194 fuses: product row r (0..63) is fuses 32 r .. 32 r + 31;
// the output macrocell of pin 19 - k (k = 0..7) owns rows 8 k .. 8 k + 7.
// Input pins 2, 3, 4, 5 are columns 0, 4, 8, 12 (true) and 1, 5, 9, 13
// (complemented) in every mode. Then XOR(k) at 2048 + k (1: active high),
// the 64-bit signature at 2056, AC1(k) at 2120 + k, PTD(r) at 2128 + r (0:
// row r left out of its sum), SYN at 2192 and AC0 at 2193. Simple mode
// (SYN = 1, AC0 = 0) gives every output all 8 rows: with AC1 = 0 a
// combinational output, always enabled, with AC1 = 1 an input (output off),
// except pins 15 and 16, which are outputs in this mode.
//
// GAL22V10, 5892 fuses: rows of 44; row 0 the asynchronous reset, then for
// the macrocell of pin 23 - k (k = 0..9) an output-enable row and 8, 10,
// 12, 14, 16, 16, 14, 12, 10, 8 product rows; row 131 the synchronous
// preset. Input pins 2..5 are columns 4, 8, 12, 16 (true) and the next ones
// (complemented). S0(k) at 5808 + 2 k (1: active high), S1(k) at 5809 + 2 k
// (1: combinational), the 64-bit signature at 5828.
//
// A row with every fuse connected computes 0 (x and x' together); one with
// none computes 1. Outputs here are combinational and active high; a
// product with no literal is written as the two rows x and x' of input A,
// since a decoder reads a row without connections as unused.
#include "ChipExport.h"
#include "ChipText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

struct Map
{
    int pins;
    int fuses;
    int width;                  // fuses a row
    int trueColumn;             // of input A; B, C, D follow every 4 columns
    std::array<int, 4> firstRow; // the first product row of Y0..Y3
};

constexpr Map kGal16{20, 2194, 32, 0, {0, 8, 16, 24}};
constexpr Map kGal22{24, 5892, 44, 4, {2, 11, 22, 35}}; // each after its enable row

void SetRow(std::string& fuses, const Map& map, int row, ProductTerm term)
{
    const auto first = static_cast<std::size_t>(row * map.width);
    fuses.replace(first, static_cast<std::size_t>(map.width), static_cast<std::size_t>(map.width), '1');
    for (int i = 0; i < 4; ++i) {
        const int bit = 1 << (3 - i);
        const auto column = first + static_cast<std::size_t>(map.trueColumn + 4 * i);
        if (term.ones & bit)
            fuses[column] = '0';
        if (term.zeros & bit)
            fuses[column + 1] = '0';
    }
}

// Writes the products of one output from row first on (the rows start all
// connected, so the rows left over compute 0) and marks the rows that
// compute a product in live.
void PlaceTerms(std::string& fuses, const Map& map, int first, const std::vector<ProductTerm>& terms,
                std::string& live)
{
    int spare = first + static_cast<int>(terms.size());
    for (std::size_t j = 0; j < terms.size(); ++j) {
        const int row = first + static_cast<int>(j);
        if (terms[j].IsZero())
            continue;
        SetRow(fuses, map, row, terms[j].IsOne() ? ProductTerm{8, 0} : terms[j]);
        live[static_cast<std::size_t>(row)] = '1';
        if (terms[j].IsOne()) {
            SetRow(fuses, map, spare, ProductTerm{0, 8});
            live[static_cast<std::size_t>(spare++)] = '1';
        }
    }
}

} // namespace

namespace {

// The fuses of the design's products and of the architecture: on the
// GAL16V8 outputs 19..15 (the last driving 0) and 12..14 as inputs, a row
// without a product disabled; on the GAL22V10 every macrocell
// combinational and active high, those of pins 19..14 disabled by their
// all-connected enable rows. fields: where each field after the array
// starts, for a line of its own.
std::string Fuses(const ChipDesign& design, Chip chip, const Map& map, std::vector<int>& fields)
{
    std::string fuses(static_cast<std::size_t>(map.fuses), '0');
    std::string live(static_cast<std::size_t>(map.fuses / map.width), '0');
    for (int f = 0; f < 4; ++f) {
        const int first = map.firstRow[static_cast<std::size_t>(f)];
        PlaceTerms(fuses, map, first, design.terms[static_cast<std::size_t>(f)], live);
        if (chip == Chip::GAL22V10) // output enabled: a row without connections
            SetRow(fuses, map, first - 1, ProductTerm::One());
    }
    if (chip == Chip::GAL16V8) {
        fuses.replace(2048, 8, "11111000");
        fuses.replace(2120, 8, "00000111");
        fuses.replace(2128, 64, live, 0, 64);
        fuses.replace(2192, 2, "10");
        fields = {2048, 2056, 2120, 2128, 2192, 2194};
    } else {
        fuses.replace(5808, 20, std::string(20, '1'));
        fields = {5808, 5828, 5892};
    }
    return fuses;
}

// From STX to the fuse count: the title and the notes on pins and products.
std::string Header(const ChipDesign& design, Chip chip, const Map& map)
{
    const auto names = ChipText::InputNames(design);
    const auto note = [](const std::string& text) { return "N " + ChipText::Ascii(text, "*") + "*\r\n"; };
    const std::string chipName(ChipName(chip));
    const std::string title = "ZYL fuse file for the " + ChipText::Title(design, chip);
    std::string text = "\x02" + ChipText::Ascii(title, "*") + "*\r\n";
    text += note("Device " + chipName +
                 (chip == Chip::GAL16V8 ? ", simple mode (SYN=1, AC0=0)" : ", macrocells S0=1 S1=1") +
                 ": outputs combinational, active high");
    for (int i = 0; i < 4; ++i)
        text += note("Pin " + std::to_string(InputPin(i)) + ": input " + names[static_cast<std::size_t>(i)]);
    for (int f = 0; f < 4; ++f)
        text += note("Pin " + std::to_string(OutputPin(chip, f)) + ": output " + ChipText::Name(design, 4 + f) +
                     " = " + ChipText::Sum(design, f, names));
    if (chip == Chip::GAL16V8)
        text += note("Pin 15: output, always 0 (leave unconnected)");
    text += note("Other pins unused (leave unconnected); pin " + std::to_string(map.pins) + " VCC, pin " +
                 std::to_string(map.pins / 2) + " GND");
    text += note("A product without literals (1) is programmed as the two products " + names[0] + " and ^" +
                 names[0]);
    return text + "QP" + std::to_string(map.pins) + "*\r\nQF" + std::to_string(map.fuses) + "*\r\nG0*\r\nF0*\r\n";
}

// The fuse lines: a row of the array a line, then each field on its own.
std::string FuseLines(const std::string& fuses, const Map& map, std::vector<int> fields)
{
    for (int row = 0; row * map.width < fields.front(); ++row)
        fields.push_back(row * map.width);
    std::sort(fields.begin(), fields.end());
    std::string text;
    for (std::size_t k = 0; k + 1 < fields.size(); ++k) {
        char number[8];
        std::snprintf(number, sizeof number, "L%04d ", fields[k]);
        text += number + fuses.substr(static_cast<std::size_t>(fields[k]),
                                      static_cast<std::size_t>(fields[k + 1] - fields[k])) + "*\r\n";
    }
    return text;
}

// The fuse checksum adds the fuses as bytes, fuse 0 the lowest bit of the
// first; the transmission checksum adds every byte from STX to ETX.
std::string WithChecksums(std::string text, const std::string& fuses)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < fuses.size(); ++i)
        sum += fuses[i] == '1' ? 1u << (i % 8) : 0u;
    char field[16];
    std::snprintf(field, sizeof field, "C%04X*\r\n\x03", sum & 0xFFFFu);
    text += field;
    sum = 0;
    for (char c : text)
        sum += static_cast<unsigned char>(c);
    std::snprintf(field, sizeof field, "%04X\r\n", sum & 0xFFFFu);
    return text + field;
}

} // namespace

JedecResult JedecFile(const ChipDesign& design, Chip chip)
{
    JedecResult result;
    result.error = CheckFits(design, chip);
    if (!result.error.empty())
        return result;
    const Map& map = chip == Chip::GAL16V8 ? kGal16 : kGal22;
    std::vector<int> fields;
    const std::string fuses = Fuses(design, chip, map, fields);
    result.text = WithChecksums(Header(design, chip, map) + FuseLines(fuses, map, fields), fuses);
    return result;
}
