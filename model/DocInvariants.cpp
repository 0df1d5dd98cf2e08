// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocInvariants.h"

#include "CZYLDoc.h"
#include "Utf8.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kFunctions = CZYLDoc::kFunctions;
constexpr int kRows = CZYLDoc::kRows;
constexpr int kColumns = CZYLDoc::kColumns;
constexpr int kVariables = CZYLDoc::kVariables;

using Set = std::uint32_t; // bit m: minterm m

bool IsFlag(int v) { return v == 0 || v == 1; }

std::string Num(int n) { return std::to_string(n); }

DocFault Fault(std::string text, std::vector<std::string> items = {})
{
    return DocFault{std::move(text), std::move(items)};
}

// A list that is ascending, without repeats, within 0..15; its set in out.
bool ReadList(const int* list, int n, Set& out)
{
    out = 0;
    if (n < 0 || n > kRows)
        return false;
    for (int i = 0; i < n; ++i) {
        if (list[i] < 0 || list[i] >= kRows || (i > 0 && list[i - 1] >= list[i]))
            return false;
        out |= Set{1} << list[i];
    }
    return true;
}

// The minterms a row's fuses let through, from the fuses alone.
Set RowCover(const CAndRow& row)
{
    Set cover = 0;
    for (int m = 0; m < kRows; ++m) {
        bool on = true;
        for (int i = 0; i < kVariables; ++i) {
            const int bit = (m >> (3 - i)) & 1;
            if ((row.m_nFuse[2 * i] == 1 && bit == 0) || (row.m_nFuse[2 * i + 1] == 1 && bit == 1))
                on = false;
        }
        if (on)
            cover |= Set{1} << m;
    }
    return cover;
}

DocFault CheckFlags(const CZYLDoc& doc)
{
    if (!IsFlag(doc.m_bProm) || !IsFlag(doc.m_bPal) || !IsFlag(doc.m_bPla) ||
        doc.m_bProm + doc.m_bPal + doc.m_bPla != 1)
        return Fault("the device type flags are " + Num(doc.m_bProm) + Num(doc.m_bPal) + Num(doc.m_bPla) + ".");
    for (int v : {doc.m_bBlockStructure, doc.m_bAndLabel, doc.m_bOrLabel, doc.m_bShowMinterms,
                  doc.m_bShowProductTerms})
        if (!IsFlag(v))
            return Fault("a view flag is " + Num(v) + ".");
    for (int f = 0; f < kFunctions; ++f)
        if (!IsFlag(doc.m_nOutputToggle[f]))
            return Fault("output toggle " + Num(f) + " is " + Num(doc.m_nOutputToggle[f]) + ".");
    for (int r = 0; r < kRows; ++r)
        if (!IsFlag(doc.m_nRowToggle[r]))
            return Fault("row toggle " + Num(r) + " is " + Num(doc.m_nRowToggle[r]) + ".");
    for (int r = 0; r < kRows; ++r) {
        std::string label;
        for (int i = 0; i < kVariables; ++i)
            label += ((r >> (3 - i)) & 1 ? "" : "^") + doc.m_strVariableName[i];
        if (doc.m_strMintermLabel[r] != label)
            return Fault("the label of minterm " + Num(r) + " is not made of the variable names.");
    }
    return Fault("");
}

DocFault CheckNames(const CZYLDoc& doc)
{
    for (int i = 0; i < kVariables + kFunctions; ++i) {
        const bool variable = i < kVariables;
        const int k = variable ? i : i - kVariables;
        const std::string& name = variable ? doc.m_strVariableName[k] : doc.m_strFunctionName[k];
        const std::string item = (variable ? "variable " : "function ") + Num(k);
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

DocFault CheckProm(const CZYLDoc& doc, int f)
{
    const std::string fn = " of function " + Num(f);
    Set on = 0, dc = 0;
    if (!ReadList(doc.m_anPromMinterms[f], doc.m_nPromMinterms[f], on))
        return Fault("the PROM minterm list" + fn + " is not an ascending list of minterms.");
    if (!ReadList(doc.m_anPromDontCares[f], doc.m_nPromDontCares[f], dc))
        return Fault("the PROM don't-care list" + fn + " is not an ascending list of minterms.");
    for (int r = 0; r < kRows; ++r) {
        const char t = doc.m_szPromTable[f][r];
        const int fuse = doc.m_nOrFuse[f][r];
        if (!IsFlag(fuse))
            return Fault("OR fuse " + Num(r) + fn + " is " + Num(fuse) + ".");
        if (t != '0' && t != '1' && t != 'X')
            return Fault("the PROM truth table" + fn + " holds a character other than 0, 1 and X.");
        if (t != 'X' && t - '0' != fuse)
            return Fault("PROM truth table" + fn + " shows " + t + " at minterm " + Num(r) + " but its OR fuse is " +
                             (fuse == 1 ? "intact." : "blown."),
                         {"prom-table " + Num(f), "or-fuses " + Num(f)});
        const bool isDc = (dc >> r) & 1, isOn = (on >> r) & 1;
        if (isDc != (t == 'X') || isOn != (t != 'X' && fuse == 1))
            return Fault("the PROM lists" + fn + " do not follow its truth table and OR fuses at minterm " + Num(r) +
                         ".");
    }
    return Fault("");
}

DocFault CheckPal(const CZYLDoc& doc, int f)
{
    const std::string fn = " of function " + Num(f);
    Set on = 0, dc = 0;
    if (!ReadList(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f], on))
        return Fault("the PAL minterm list" + fn + " is not an ascending list of minterms.");
    if (!ReadList(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f], dc))
        return Fault("the PAL don't-care list" + fn + " is not an ascending list of minterms.");
    for (int r = 0; r < kRows; ++r) {
        const char t = doc.m_szPalTable[f][r];
        if (t != '0' && t != '1' && t != 'X')
            return Fault("the PAL truth table" + fn + " holds a character other than 0, 1 and X.");
        if (((on >> r) & 1) != (t == '1') || ((dc >> r) & 1) != (t == 'X'))
            return Fault("the PAL lists" + fn + " do not follow its truth table at minterm " + Num(r) + ".");
    }
    Set produced = 0;
    for (int r = 4 * f; r < 4 * f + 4; ++r) {
        const CAndRow& row = doc.m_andRow[r];
        const std::string where = "AND row " + Num(r);
        for (int c = 0; c < kColumns; ++c)
            if (!IsFlag(row.m_nFuse[c]))
                return Fault(where + " has a fuse of value " + Num(row.m_nFuse[c]) + ".");
        if (row.m_nMinterms < 0 || row.m_nMinterms > kRows)
            return Fault(where + " lists " + Num(row.m_nMinterms) + " minterms.");
        Set listed = 0;
        for (int i = 0; i < row.m_nMinterms; ++i) {
            const int m = row.m_anMinterm[i];
            if (m < 0 || m >= kRows || ((listed >> m) & 1))
                return Fault(where + " lists minterm " + Num(m) + " wrongly.");
            listed |= Set{1} << m;
        }
        if (listed != RowCover(row))
            return Fault(where + " lists other minterms than its fuses produce.");
        // The row's text is not checked: it keeps the variable names it was
        // built with until the row is next programmed (a rename does not
        // rebuild it), and a file never stores it.
        for (int m = 0; m < kRows; ++m) {
            if (((listed >> m) & 1) && doc.m_szPalTable[f][m] == '0')
                return Fault(where + " produces minterm " + Num(m) + ", which the PAL truth table" + fn +
                                 " shows as 0.",
                             {"pal-table " + Num(f), "and-fuses " + Num(r)});
        }
        produced |= listed;
    }
    for (int m = 0; m < kRows; ++m) {
        if (doc.m_szPalTable[f][m] == '1' && !((produced >> m) & 1))
            return Fault("PAL truth table" + fn + " shows 1 at minterm " + Num(m) + ", which none of its AND rows " +
                             Num(4 * f) + " to " + Num(4 * f + 3) + " produces.",
                         {"pal-table " + Num(f), "and-fuses " + Num(4 * f), "and-fuses " + Num(4 * f + 1),
                          "and-fuses " + Num(4 * f + 2), "and-fuses " + Num(4 * f + 3)});
    }
    return Fault("");
}

} // namespace

DocFault FindDocumentFault(const CZYLDoc& doc)
{
    DocFault fault = CheckFlags(doc);
    if (fault.text.empty())
        fault = CheckNames(doc);
    for (int f = 0; f < kFunctions && fault.text.empty(); ++f) {
        fault = CheckProm(doc, f);
        if (fault.text.empty())
            fault = CheckPal(doc, f);
    }
    return fault;
}

std::string CheckDocument(const CZYLDoc& doc) { return FindDocumentFault(doc).text; }

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
