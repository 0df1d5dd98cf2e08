// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipText.h"
#include "ChipExport.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>

std::string_view ChipName(Chip chip) { return chip == Chip::GAL16V8 ? "GAL16V8" : "GAL22V10"; }

std::optional<Chip> ParseChip(std::string_view name)
{
    for (Chip chip : {Chip::GAL16V8, Chip::GAL22V10}) {
        const std::string_view want = ChipName(chip);
        if (std::equal(name.begin(), name.end(), want.begin(), want.end(),
                       [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 32 : a) == b; }))
            return chip;
    }
    return std::nullopt;
}

int InputPin(int input) { return 2 + input; }

int OutputPin(Chip chip, int output) { return (chip == Chip::GAL16V8 ? 19 : 23) - output; }

int TermsAvailable(Chip chip, int output) { return chip == Chip::GAL16V8 ? 8 : 8 + 2 * output; }

int RowsNeeded(const std::vector<ProductTerm>& terms)
{
    return static_cast<int>(terms.size() + std::count_if(terms.begin(), terms.end(), [](ProductTerm t) {
                                return t.IsOne();
                            }));
}

std::uint16_t TruthMask(const std::vector<ProductTerm>& terms)
{
    std::uint16_t mask = 0;
    for (ProductTerm t : terms)
        mask = static_cast<std::uint16_t>(mask | t.MintermMask());
    return mask;
}

namespace ChipText {

std::string Escape(char32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "<U+%04X>", static_cast<unsigned>(c));
    return text;
}

namespace {

// C0 and C1 controls, DEL, and the line and paragraph separators: what
// would break a line or show as nothing.
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029; }

} // namespace

std::string Raw(const ChipDesign& design, int i)
{
    static const char* const kDefault[] = {"A", "B", "C", "D", "Y0", "Y1", "Y2", "Y3"};
    const std::string& name = i < 4 ? design.inputs[static_cast<std::size_t>(i)]
                                    : design.outputs[static_cast<std::size_t>(i - 4)];
    return name.empty() ? kDefault[i] : name;
}

std::string Name(const ChipDesign& design, int i) { return Plain(Raw(design, i)); }

std::string Plain(std::string_view text)
{
    std::string out;
    for (char32_t c : Utf8::Decode(text)) {
        if (IsControl(c))
            out += Escape(c);
        else
            out += Utf8::Encode(c);
    }
    return out;
}

std::string Ascii(std::string_view text, std::string_view also)
{
    std::string out;
    for (char32_t c : Utf8::Decode(text)) {
        if (c >= 0x20 && c < 0x7F && also.find(static_cast<char>(c)) == std::string_view::npos)
            out += static_cast<char>(c);
        else
            out += Escape(c);
    }
    return out;
}

std::string Comment(std::string_view text)
{
    std::string out = Plain(text);
    for (std::size_t at = 0; at + 6 <= out.size(); ++at) {
        std::string word = out.substr(at, 6);
        std::transform(word.begin(), word.end(), word.begin(), [](char c) { return c | 0x20; });
        if (word == "module")
            out.replace(at + 3, 1, Escape(static_cast<unsigned char>(out[at + 3])));
    }
    return out;
}

std::array<std::string, 4> InputNames(const ChipDesign& design)
{
    return {Name(design, 0), Name(design, 1), Name(design, 2), Name(design, 3)};
}

std::string Sum(const ChipDesign& design, int f, const std::array<std::string, 4>& names)
{
    std::string sum;
    for (ProductTerm t : design.terms[static_cast<std::size_t>(f)]) {
        if (!t.IsZero())
            sum += (sum.empty() ? "" : " + ") + t.Text(names);
    }
    return sum.empty() ? "0" : sum;
}

std::string_view Compatible(Chip chip) { return chip == Chip::GAL16V8 ? "ATF16V8B" : "ATF22V10"; }

std::string Title(const ChipDesign& design, Chip chip)
{
    std::string title = std::string(ChipName(chip)) + " (also " + std::string(Compatible(chip)) + ")";
    const std::string type = Plain(design.deviceType);
    if (!type.empty() || !design.documentName.empty())
        title += ":" + (type.empty() ? "" : " " + type) + " device" +
                 (design.documentName.empty() ? "" : " of " + Plain(design.documentName));
    return title;
}

} // namespace ChipText

std::string CheckFits(const ChipDesign& design, Chip chip)
{
    for (int f = 0; f < 4; ++f) {
        const int rows = RowsNeeded(design.terms[static_cast<std::size_t>(f)]);
        if (rows > TermsAvailable(chip, f))
            return ChipText::Name(design, 4 + f) + " needs " + std::to_string(rows) + " product terms, but pin " +
                   std::to_string(OutputPin(chip, f)) + " of the " + std::string(ChipName(chip)) + " has " +
                   std::to_string(TermsAvailable(chip, f)) + ".";
    }
    return {};
}

std::string PinTable(const ChipDesign& design, Chip chip)
{
    const int pins = chip == Chip::GAL16V8 ? 20 : 24;
    std::vector<std::string> label(static_cast<std::size_t>(pins + 1), "NC");
    for (int i = 0; i < 4; ++i) {
        label[static_cast<std::size_t>(InputPin(i))] = ChipText::Name(design, i);
        label[static_cast<std::size_t>(OutputPin(chip, i))] = ChipText::Name(design, 4 + i);
    }
    label[static_cast<std::size_t>(pins / 2)] = "GND";
    label[static_cast<std::size_t>(pins)] = "VCC";
    if (chip == Chip::GAL16V8)
        label[15] = "NC (drives 0)";
    const auto width = [](const std::string& text) { return Utf8::DisplayWidth(text); };
    std::size_t left = 0;
    for (int pin = 1; pin <= pins / 2; ++pin)
        left = std::max(left, width(label[static_cast<std::size_t>(pin)]));
    const std::string margin(left + 4, ' ');
    std::string table = ChipText::Title(design, chip) + ", top view\n\n" + margin + "+---U---+\n";
    for (int pin = 1; pin <= pins / 2; ++pin) {
        const std::string& name = label[static_cast<std::size_t>(pin)];
        char numbers[32];
        std::snprintf(numbers, sizeof numbers, " %2d |       | %-2d ", pin, pins + 1 - pin);
        table += std::string(left - width(name), ' ') + name + numbers;
        table += label[static_cast<std::size_t>(pins + 1 - pin)] + "\n";
    }
    table += margin + "+-------+\n\nInputs on pins 2 to 5; outputs on pins " + std::to_string(OutputPin(chip, 0)) +
             " to " + std::to_string(OutputPin(chip, 3)) + ", combinational, active high.\nNC: leave unconnected.\n";
    return table;
}

std::string Equations(const ChipDesign& design, Chip chip)
{
    std::string text;
    const auto names = ChipText::InputNames(design);
    for (int f = 0; f < 4; ++f)
        text += ChipText::Name(design, 4 + f) + " (pin " + std::to_string(OutputPin(chip, f)) +
                ") = " + ChipText::Sum(design, f, names) + "\n";
    return text;
}
