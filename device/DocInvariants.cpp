// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocInvariants.h"

#include "Device.h"
#include "Utf8.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kFunctions = Device::kFunctions;
constexpr int kRows = Device::kRows;
constexpr int kVariables = Device::kVariables;

std::string Num(int n) { return std::to_string(n); }

DocFault Fault(std::string text, std::vector<std::string> items = {})
{
    return DocFault{std::move(text), std::move(items)};
}

DocFault CheckNames(const Device& device)
{
    for (int i = 0; i < kVariables + kFunctions; ++i) {
        const bool variable = i < kVariables;
        const auto k = static_cast<std::size_t>(variable ? i : i - kVariables);
        const std::string& name = variable ? device.names.variables[k] : device.names.functions[k];
        const std::string item = (variable ? "variable " : "function ") + Num(static_cast<int>(k));
        std::string fault = NameCharacterFault(name);
        if (fault.empty() && Utf8::CountChars(name) > (variable ? 1u : 2u))
            fault = "is too long.";
        if (fault.empty() && name.find_first_of("^~") != std::string::npos)
            fault = "holds a markup character.";
        if (!fault.empty())
            return Fault(item + " name " + fault, {item});
    }
    return Fault("");
}

} // namespace

DocFault FindPromFault(int f, const std::array<char, 16>& table, std::uint16_t fuses)
{
    const std::string fn = " of function " + Num(f);
    for (int r = 0; r < kRows; ++r) {
        const char t = table[static_cast<std::size_t>(r)];
        const int fuse = (fuses >> r) & 1;
        if (t != 'X' && t - '0' != fuse)
            return Fault("PROM truth table" + fn + " shows " + t + " at minterm " + Num(r) + " but its OR fuse is " +
                             (fuse == 1 ? "intact." : "blown."),
                         {"prom-table " + Num(f), "or-fuses " + Num(f)});
    }
    return Fault("");
}

DocFault FindPalFault(const Device& device, int f)
{
    const std::string fn = " of function " + Num(f);
    const PalArray& pal = device.pal;
    for (int r : PalRowsOf(f)) {
        const MintermSet produced(pal.Row(r).term.MintermMask());
        for (int m = 0; m < kRows; ++m) {
            if (produced.Has(m) && pal.Entry(f, m) == '0')
                return Fault("AND row " + Num(r) + " produces minterm " + Num(m) + ", which the PAL truth table" + fn +
                                 " shows as 0.",
                             {"pal-table " + Num(f), "and-fuses " + Num(r)});
        }
    }
    const MintermSet produced = pal.Produced(f);
    std::vector<std::string> items{"pal-table " + Num(f)};
    for (int r : PalRowsOf(f))
        items.push_back("and-fuses " + Num(r));
    for (int m = 0; m < kRows; ++m) {
        if (pal.Entry(f, m) == '1' && !produced.Has(m))
            return Fault("PAL truth table" + fn + " shows 1 at minterm " + Num(m) + ", which none of its AND rows " +
                             Num(PalRowsOf(f).first) + " to " + Num(PalRowsOf(f).Last()) + " produces.",
                         items);
    }
    return Fault("");
}

DocFault FindDocumentFault(const Device& device)
{
    DocFault fault = CheckNames(device);
    for (int f = 0; f < kFunctions && fault.text.empty(); ++f)
        fault = FindPalFault(device, f);
    return fault;
}

std::string CheckDocument(const Device& device) { return FindDocumentFault(device).text; }

std::string NameCharacterFault(std::string_view name)
{
    const std::u32string chars = Utf8::Decode(name);
    char code[16];
    for (char32_t c : chars) {
        if (Utf8::IsNonPrinting(c)) {
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            return "holds " + std::string(code) + ", a control or invisible character.";
        }
    }
    if (!chars.empty() && Utf8::IsCombiningMark(chars.front())) {
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(chars.front()));
        return "starts with " + std::string(code) + ", a combining mark.";
    }
    return Utf8::ToNfc(name) == name ? std::string() : "is not in Unicode normalization form C (NFC).";
}
