// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocFile.h"

#include "CZYLDoc.h"
#include "DocInvariants.h"
#include "FileWrite.h"
#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFunctions = Device::kFunctions;
constexpr int kRows = Device::kRows;
constexpr int kColumns = Device::kColumns;
constexpr int kVariables = Device::kVariables;

// A real document is about 1.5 kB; anything far larger is not one, and
// reading it whole into memory would only waste time.
constexpr std::size_t kMaxFileSize = 1 << 20;

constexpr int kMaxVariableName = 1;
constexpr int kMaxFunctionName = 2;

const char* const kFlagItems[] = {"and-label", "or-label", "block-structure", "show-minterms",
                                  "show-product-terms"};
constexpr int kFlagCount = 5;
// The display flags in the order of their items.
constexpr bool DisplayFlags::*kFlags[kFlagCount] = {&DisplayFlags::andLabel, &DisplayFlags::orLabel,
                                                     &DisplayFlags::blockStructure, &DisplayFlags::showMinterms,
                                                     &DisplayFlags::showProductTerms};

// Everything a file holds, checked, before any of it reaches the document.
struct Staged
{
    int type = 0; // 0 PROM, 1 PAL, 2 PLA
    std::string variable[kVariables];
    std::string function[kFunctions];
    char promTable[kFunctions][kRows] = {};
    int orFuse[kFunctions][kRows] = {};
    char palTable[kFunctions][kRows] = {};
    int andFuse[kRows][kColumns] = {};
    int rowToggle[kRows] = {};
    int outputToggle[kFunctions] = {};
    int flag[kFlagCount] = {};
};

// ---------------------------------------------------------------- writing

char Bit(bool on) { return on ? '1' : '0'; }

std::string Quote(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// Each part of the text, every line ending in a line feed.
void WriteHeader(std::string& out, const Device& device)
{
    out += "ZYL 1\n"
           "# ZYL document: a fuse-programmable logic device with inputs A B C D\n"
           "# and outputs 0..3. Fuses: 1 intact (connected), 0 blown. Truth tables:\n"
           "# one character per minterm 0..15 from left to right, 0, 1 or X (don't\n"
           "# care); minterm m = 8A + 4B + 2C + D. Lines starting with # are notes.\n"
           "\n";
    out += std::string("type ") + DeviceTypeName(device.type) + "\n\n";
    out += "# Names: variables of at most 1 character, functions of at most 2.\n";
    for (int i = 0; i < kVariables; ++i)
        out += "variable " + std::to_string(i) + " " + Quote(device.names.variables[static_cast<std::size_t>(i)]) + "\n";
    for (int f = 0; f < kFunctions; ++f)
        out += "function " + std::to_string(f) + " " + Quote(device.names.functions[static_cast<std::size_t>(f)]) + "\n";
    out += "\n";
}

void WriteTables(std::string& out, const Device& device)
{
    out += "# PROM: the truth table of each output and its column of OR fuses,\n"
           "# row (minterm) 0 first. Outside X, the table shows the OR fuse.\n"
           "#            0000000000111111\n"
           "#            0123456789012345\n";
    for (int f = 0; f < kFunctions; ++f) {
        std::string table = "prom-table " + std::to_string(f) + " ";
        std::string fuses = "or-fuses   " + std::to_string(f) + " ";
        for (int r = 0; r < kRows; ++r) {
            table += device.prom.Entry(f, r);
            fuses += Bit(device.prom.Fuse(f, r));
        }
        out += table + "\n" + fuses + "\n";
    }
    out += "\n"
           "# PAL: the truth table of each output; output f is the OR of the AND\n"
           "# rows 4f to 4f+3.\n";
    for (int f = 0; f < kFunctions; ++f) {
        std::string table = "pal-table  " + std::to_string(f) + " ";
        for (int r = 0; r < kRows; ++r)
            table += device.pal.Entry(f, r);
        out += table + "\n";
    }
    out += "\n";
}

void WriteRowsTogglesAndFlags(std::string& out, const Device& device)
{
    out += "# AND array: the fuses of each row (product line) in the column order\n"
           "# A A' B B' C C' D D' (A' is the complement of A).\n"
           "#            AABBCCDD\n"
           "#             ' ' ' '\n";
    for (int r = 0; r < kRows; ++r) {
        std::string fuses = "and-fuses " + std::string(r < 10 ? " " : "") + std::to_string(r) + " ";
        for (int c = 0; c < kColumns; ++c)
            fuses += Bit(device.pal.Row(r).Fuse(c));
        out += fuses + "\n";
    }
    out += "\n"
           "# States of the toggles that clicks on the row gates (rows 0..15) and\n"
           "# on the output gates (outputs 0..3) flip.\n"
           "row-toggles ";
    for (int r = 0; r < kRows; ++r)
        out += Bit(device.rowToggles[static_cast<std::size_t>(r)]);
    out += "\noutput-toggles ";
    for (int f = 0; f < kFunctions; ++f)
        out += Bit(device.outputToggles[static_cast<std::size_t>(f)]);
    out += "\n\n# View flags, 1 on, 0 off.\n";
    for (int k = 0; k < kFlagCount; ++k)
        out += std::string(kFlagItems[k]) + " " + Bit(device.flags.*kFlags[k]) + "\n";
}

} // namespace

std::string SaveDocumentToString(const Device& device)
{
    std::string out;
    WriteHeader(out, device);
    WriteTables(out, device);
    WriteRowsTogglesAndFlags(out, device);
    return out;
}

// ---------------------------------------------------------------- reading

namespace {

enum class Kind { Type, Variable, Function, PromTable, OrFuses, PalTable, AndFuses, RowToggles, OutputToggles, Flag };

struct ItemRule
{
    const char* keyword;
    Kind kind;
    int count;          // 1 for an item without a number, else the numbers 0..count-1
    const char* number; // what the number counts
    int flag;           // index into kFlagItems for Kind::Flag
};

const ItemRule kItems[] = {
    {"type", Kind::Type, 1, nullptr, 0},
    {"variable", Kind::Variable, kVariables, "variable", 0},
    {"function", Kind::Function, kFunctions, "function", 0},
    {"prom-table", Kind::PromTable, kFunctions, "function", 0},
    {"or-fuses", Kind::OrFuses, kFunctions, "function", 0},
    {"pal-table", Kind::PalTable, kFunctions, "function", 0},
    {"and-fuses", Kind::AndFuses, kRows, "row", 0},
    {"row-toggles", Kind::RowToggles, 1, nullptr, 0},
    {"output-toggles", Kind::OutputToggles, 1, nullptr, 0},
    {"and-label", Kind::Flag, 1, nullptr, 0},
    {"or-label", Kind::Flag, 1, nullptr, 1},
    {"block-structure", Kind::Flag, 1, nullptr, 2},
    {"show-minterms", Kind::Flag, 1, nullptr, 3},
    {"show-product-terms", Kind::Flag, 1, nullptr, 4},
};
constexpr int kItemCount = static_cast<int>(std::size(kItems));

// User text quoted in a message: at most 40 characters, cut between
// characters, so that a huge value gives a short message, and invisible
// ones shown escaped.
std::string Excerpt(std::string_view text)
{
    const std::string_view cut = Utf8::Truncate(text, 40);
    return Utf8::Escaped(cut) + (cut.size() < text.size() ? "..." : "");
}

std::string ItemName(const ItemRule& rule, int index)
{
    return rule.count == 1 ? std::string(rule.keyword) : std::string(rule.keyword) + " " + std::to_string(index);
}

// The character at text[i] for a message: one whole UTF-8 sequence.
std::string CharAt(std::string_view text, std::size_t i)
{
    return Utf8::Escaped(text.substr(i, Utf8::CharLength(text, i)));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Removes the blanks at the front of rest.
void SkipBlanks(std::string_view& rest)
{
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
}

// Removes the next word of rest (blanks before it skipped) and returns it;
// empty when rest holds only blanks.
std::string_view NextToken(std::string_view& rest)
{
    SkipBlanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end]))
        ++end;
    const std::string_view token = rest.substr(0, end);
    rest.remove_prefix(end);
    return token;
}

// The digits of a value as the numbers 0 and 1, one for each digit.
void StoreBits(const std::string& digits, int* bits)
{
    for (std::size_t i = 0; i < digits.size(); ++i)
        bits[i] = digits[i] - '0';
}

class Reader
{
public:
    explicit Reader(std::string_view text)
        : m_text(text)
    {
    }

    // Fills staged; on failure returns false with the problem (without the
    // file name) in m_problem.
    bool Read(Staged& staged);
    const std::string& Problem() const { return m_problem; }

    // After a successful Read: the problem of a document that reads but is
    // not one the program could have made, given by the first line of the
    // items it involves.
    std::string Contradiction(const DocFault& fault) const;

private:
    bool Fail(const std::string& problem)
    {
        m_problem = "line " + std::to_string(m_line) + ": " + problem;
        return false;
    }
    bool CheckLineText(std::string_view line);
    bool ReadHeader(std::string_view line);
    bool ReadName(std::string_view& rest, std::string& name);
    bool ReadDigits(std::string_view value, int count, const char* allowed, const char* what, std::string& digits);

    // One item line being read: its rule, its place in kItems, its number
    // (0 for an item without one) and the text not read yet.
    struct ItemLine
    {
        int item = -1;
        const ItemRule* rule = nullptr;
        int index = 0;
        std::string_view rest;
    };
    // Reads the item on line (blanks before it removed) into staged. Each
    // step below returns false with the problem set by Fail.
    bool ReadItem(std::string_view line, Staged& staged);
    // The keyword and the number, refusing an item read before; leaves rest
    // at the value.
    bool ReadItemHead(std::string_view line, ItemLine& at);
    // The next word of rest, which must not be empty.
    bool ReadValue(ItemLine& at, std::string_view& value);
    // A value of count digits from allowed, then the end of the line.
    bool ReadDigitValue(ItemLine& at, int count, const char* allowed, const char* what, std::string& digits);
    // Nothing but blanks may follow the value.
    bool CheckItemEnd(ItemLine& at);
    // One step for each kind of item: its value, the end of the line, what
    // the value must agree with, then the value into staged.
    bool ReadType(ItemLine& at, Staged& staged);
    bool ReadNameItem(ItemLine& at, Staged& staged);
    bool ReadPromColumn(ItemLine& at, Staged& staged);
    bool ReadPalTable(ItemLine& at, Staged& staged);
    bool ReadAndFuses(ItemLine& at, Staged& staged);
    bool ReadToggles(ItemLine& at, Staged& staged);
    bool ReadFlag(ItemLine& at, Staged& staged);

    std::string_view m_text;
    std::string m_problem;
    int m_line = 0;
    int m_seen[kItemCount][kRows] = {}; // line where each item was read, 0 not yet
};

bool Reader::CheckLineText(std::string_view line)
{
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = Utf8::IsWellFormedAt(line, i) ? Utf8::CharLength(line, i) : 0;
        if (n == 0)
            return Fail("the text is not UTF-8 (byte " + std::to_string(static_cast<unsigned char>(line[i])) +
                        " at column " + std::to_string(i + 1) + "); this is not a ZYL document.");
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (n == 1 && ((c < 0x20 && c != '\t') || c == 0x7F))
            return Fail("control character " + std::to_string(c) + " at column " + std::to_string(i + 1) +
                        "; this is not a ZYL document.");
        i += n;
    }
    return true;
}

bool Reader::ReadHeader(std::string_view line)
{
    while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);
    if (line == "ZYL 1")
        return true;
    if (line.starts_with("ZYL ")) {
        const std::string_view version = line.substr(4);
        if (!version.empty() && version.size() <= 9 &&
            std::all_of(version.begin(), version.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return Fail("the file is in version " + std::string(version) +
                        " of the ZYL format; this version of ZYL reads version 1.");
    }
    return Fail("this is not a ZYL document (its first line should be \"ZYL 1\").");
}

bool Reader::ReadName(std::string_view& rest, std::string& name)
{
    if (rest.empty() || rest.front() != '"')
        return Fail("the name must be written in double quotes, for example \"A\".");
    name.clear();
    std::size_t i = 1;
    for (;; ++i) {
        if (i >= rest.size())
            return Fail("the name has no closing double quote.");
        const char c = rest[i];
        if (c == '"')
            break;
        if (c == '\\') {
            if (i + 1 >= rest.size() || (rest[i + 1] != '"' && rest[i + 1] != '\\'))
                return Fail("a backslash in a name must be followed by \" or \\.");
            ++i;
        }
        name += rest[i];
    }
    rest.remove_prefix(i + 1);
    return true;
}

bool Reader::ReadDigits(std::string_view value, int count, const char* allowed, const char* what,
                        std::string& digits)
{
    for (std::size_t i = 0; i < value.size(); i += Utf8::CharLength(value, i)) {
        if (std::strchr(allowed, value[i]) == nullptr || value[i] == '\0')
            return Fail(std::string(what) + " value '" + CharAt(value, i) + "' is not " +
                        (std::strlen(allowed) == 3 ? "0, 1 or X." : "0 or 1."));
    }
    if (static_cast<int>(value.size()) != count)
        return Fail(std::string(what) + " values: " + std::to_string(value.size()) + " found, " +
                    std::to_string(count) + " needed.");
    digits = std::string(value);
    return true;
}

// An item line is read in this order, so that a line with several faults
// always reports the same one: the keyword, the number, a second reading of
// the same item, the value's own form, text after the value, and last what
// the value must agree with (other names, the other half of a PROM column).
// A kind's Read step does the last three; an item is marked as seen only
// once all of them pass.
bool Reader::ReadItem(std::string_view line, Staged& staged)
{
    ItemLine at;
    if (!ReadItemHead(line, at))
        return false;
    bool read = false;
    switch (at.rule->kind) {
    case Kind::Type:
        read = ReadType(at, staged);
        break;
    case Kind::Variable:
    case Kind::Function:
        read = ReadNameItem(at, staged);
        break;
    case Kind::PromTable:
    case Kind::OrFuses:
        read = ReadPromColumn(at, staged);
        break;
    case Kind::PalTable:
        read = ReadPalTable(at, staged);
        break;
    case Kind::AndFuses:
        read = ReadAndFuses(at, staged);
        break;
    case Kind::RowToggles:
    case Kind::OutputToggles:
        read = ReadToggles(at, staged);
        break;
    case Kind::Flag:
        read = ReadFlag(at, staged);
        break;
    }
    if (!read)
        return false;
    m_seen[at.item][at.index] = m_line;
    return true;
}

bool Reader::ReadItemHead(std::string_view line, ItemLine& at)
{
    at.rest = line;
    const std::string_view keyword = NextToken(at.rest);
    for (int k = 0; k < kItemCount; ++k) {
        if (keyword == kItems[k].keyword)
            at.item = k;
    }
    if (at.item < 0)
        return Fail("unknown item '" + Excerpt(keyword) + "'.");
    at.rule = &kItems[at.item];
    const ItemRule& rule = *at.rule;

    if (rule.count > 1) {
        const std::string_view number = NextToken(at.rest);
        const std::string range = " 0 to " + std::to_string(rule.count - 1);
        if (number.empty() || number.size() > 2 ||
            !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return Fail("'" + std::string(rule.keyword) + "' needs a " + rule.number + " number" + range + ".");
        at.index = std::stoi(std::string(number));
        if (at.index >= rule.count)
            return Fail(std::string(rule.number) + " number " + std::to_string(at.index) + " is out of range" +
                        range + ".");
    }
    if (m_seen[at.item][at.index] != 0)
        return Fail("item '" + ItemName(rule, at.index) + "' appears twice (first on line " +
                    std::to_string(m_seen[at.item][at.index]) + ").");
    SkipBlanks(at.rest);
    return true;
}

bool Reader::ReadValue(ItemLine& at, std::string_view& value)
{
    std::string_view copy = at.rest;
    value = NextToken(copy);
    if (value.empty())
        return Fail("item '" + ItemName(*at.rule, at.index) + "' has no value.");
    at.rest = copy;
    return true;
}

bool Reader::ReadDigitValue(ItemLine& at, int count, const char* allowed, const char* what, std::string& digits)
{
    std::string_view value;
    return ReadValue(at, value) && ReadDigits(value, count, allowed, what, digits) && CheckItemEnd(at);
}

bool Reader::CheckItemEnd(ItemLine& at)
{
    SkipBlanks(at.rest);
    if (!at.rest.empty())
        return Fail("unexpected text '" + Excerpt(at.rest) + "' after the value of '" +
                    ItemName(*at.rule, at.index) + "'.");
    return true;
}

bool Reader::ReadType(ItemLine& at, Staged& staged)
{
    std::string_view value;
    if (!ReadValue(at, value))
        return false;
    if (value == "PROM")
        staged.type = 0;
    else if (value == "PAL")
        staged.type = 1;
    else if (value == "PLA")
        staged.type = 2;
    else
        return Fail("device type '" + Excerpt(value) + "' is not PROM, PAL or PLA.");
    return CheckItemEnd(at);
}

bool Reader::ReadNameItem(ItemLine& at, Staged& staged)
{
    std::string name;
    if (!ReadName(at.rest, name) || !CheckItemEnd(at))
        return false;
    // Read in the form the names dialog stores, which the checks below
    // and the comparison with the other names assume.
    name = Utf8::ToNfc(name);
    const bool variable = at.rule->kind == Kind::Variable;
    const std::string what = variable ? "variable" : "function";
    const int limit = variable ? kMaxVariableName : kMaxFunctionName;
    // Printable first, so that every name a later message quotes is.
    if (const std::string fault = NameCharacterFault(name); !fault.empty())
        return Fail(what + " name " + fault);
    if (Utf8::CountChars(name) > std::size_t(limit))
        return Fail(what + " name \"" + Excerpt(name) + "\" is longer than " + std::to_string(limit) +
                    (limit == 1 ? " character." : " characters."));
    // "^" and "~" would re-mark every drawing the name appears in. The
    // name is short by now, so it is quoted whole.
    if (name.find_first_of("^~") != std::string::npos)
        return Fail(what + " name \"" + name + "\" contains \"^\" or \"~\", which mark bars and subscripts.");
    std::string* names = variable ? staged.variable : staged.function;
    for (int other = 0; other < at.rule->count; ++other) {
        if (m_seen[at.item][other] != 0 && names[other] == name)
            return Fail(what + " name \"" + Excerpt(name) + "\" is already the name of " + what + " " +
                        std::to_string(other) + " (line " + std::to_string(m_seen[at.item][other]) + ").");
    }
    names[at.index] = name;
    return true;
}

// A PROM function is written as two items, its truth table and its OR
// fuses; that they agree (a table entry other than X shows its OR fuse) is
// checked with the whole document, which reports the first line of the two.
bool Reader::ReadPromColumn(ItemLine& at, Staged& staged)
{
    const bool table = at.rule->kind == Kind::PromTable;
    std::string digits;
    if (!ReadDigitValue(at, kRows, table ? "01X" : "01", table ? "truth table" : "OR fuse", digits))
        return false;
    if (table)
        std::copy(digits.begin(), digits.end(), staged.promTable[at.index]);
    else
        StoreBits(digits, staged.orFuse[at.index]);
    return true;
}

bool Reader::ReadPalTable(ItemLine& at, Staged& staged)
{
    std::string digits;
    if (!ReadDigitValue(at, kRows, "01X", "truth table", digits))
        return false;
    std::copy(digits.begin(), digits.end(), staged.palTable[at.index]);
    return true;
}

bool Reader::ReadAndFuses(ItemLine& at, Staged& staged)
{
    std::string digits;
    if (!ReadDigitValue(at, kColumns, "01", "AND fuse", digits))
        return false;
    StoreBits(digits, staged.andFuse[at.index]);
    return true;
}

// The row toggles (one for each row) or the output toggles (one for each
// function), both written as one item.
bool Reader::ReadToggles(ItemLine& at, Staged& staged)
{
    const bool rows = at.rule->kind == Kind::RowToggles;
    std::string digits;
    if (!ReadDigitValue(at, rows ? kRows : kFunctions, "01", rows ? "row toggle" : "output toggle", digits))
        return false;
    StoreBits(digits, rows ? staged.rowToggle : staged.outputToggle);
    return true;
}

bool Reader::ReadFlag(ItemLine& at, Staged& staged)
{
    std::string digits;
    if (!ReadDigitValue(at, 1, "01", at.rule->keyword, digits))
        return false;
    staged.flag[at.rule->flag] = digits[0] - '0';
    return true;
}

bool Reader::Read(Staged& staged)
{
    std::string_view text = m_text;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::size_t pos = 0;
    while (pos < text.size()) {
        ++m_line;
        const std::size_t end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!CheckLineText(line))
            return false;
        // Every line ends with a line feed; without one the file was cut
        // short, perhaps in the middle of a value that would still read.
        if (end == std::string_view::npos)
            return Fail("the line has no line end; the file seems to be cut short.");
        if (m_line == 1) {
            if (!ReadHeader(line))
                return false;
            continue;
        }
        std::size_t first = 0;
        while (first < line.size() && IsBlank(line[first]))
            ++first;
        line.remove_prefix(first);
        if (line.empty() || line.front() == '#')
            continue;
        if (!ReadItem(line, staged))
            return false;
    }
    if (m_line == 0) {
        m_line = 1;
        return Fail("this is not a ZYL document (its first line should be \"ZYL 1\").");
    }
    for (int k = 0; k < kItemCount; ++k) {
        for (int index = 0; index < kItems[k].count; ++index) {
            if (m_seen[k][index] == 0) {
                m_problem = "the file ends after line " + std::to_string(m_line) + " without the item '" +
                            ItemName(kItems[k], index) + "'.";
                return false;
            }
        }
    }
    return true;
}

std::string Reader::Contradiction(const DocFault& fault) const
{
    int first = 0;
    for (int k = 0; k < kItemCount; ++k) {
        for (int index = 0; index < kItems[k].count; ++index) {
            const int line = m_seen[k][index];
            if (std::find(fault.items.begin(), fault.items.end(), ItemName(kItems[k], index)) != fault.items.end() &&
                (first == 0 || line < first))
                first = line;
        }
    }
    return first == 0 ? fault.text : "line " + std::to_string(first) + ": " + fault.text;
}

// The device the staged items describe: the names first, so that the rows'
// texts are built with them.
Device Build(const Staged& staged)
{
    Device device;
    DeviceEditor e(device);
    e.SetType(staged.type == 0 ? DeviceType::Prom : staged.type == 1 ? DeviceType::Pal : DeviceType::Pla);
    CNames names;
    for (std::size_t i = 0; i < 4; ++i) {
        names.variables[i] = staged.variable[i];
        names.functions[i] = staged.function[i];
    }
    e.SetNames(names);
    for (int f = 0; f < kFunctions; ++f) {
        for (int r = 0; r < kRows; ++r)
            e.SetPromEntry(f, r, staged.promTable[f][r], staged.orFuse[f][r] == 1);
        Column column;
        std::copy_n(staged.palTable[f], kRows, column.begin());
        e.SetPalColumn(f, column);
        e.SetOutputToggle(f, staged.outputToggle[f] == 1);
    }
    for (int r = 0; r < kRows; ++r) {
        std::array<bool, 8> intact{};
        for (int c = 0; c < kColumns; ++c)
            intact[static_cast<std::size_t>(c)] = staged.andFuse[r][c] == 1;
        e.SetAndRow(r, ProductTerm::FromAndFuses(intact));
        e.SetRowToggle(r, staged.rowToggle[r] == 1);
    }
    for (int k = 0; k < kFlagCount; ++k)
        e.SetFlag(kFlags[k], staged.flag[k] == 1);
    return device;
}

// The first item that contradicts another, function by function: a PROM
// table and its OR fuses, then the PAL table and its rows.
DocFault Contradiction(const Staged& staged, const Device& device)
{
    DocFault fault;
    for (int f = 0; f < kFunctions && fault.text.empty(); ++f) {
        Column table;
        std::copy_n(staged.promTable[f], kRows, table.begin());
        std::uint16_t fuses = 0;
        for (int r = 0; r < kRows; ++r)
            fuses = static_cast<std::uint16_t>(fuses | (staged.orFuse[f][r] == 1 ? 1u << r : 0u));
        fault = FindPromFault(f, table, fuses);
        if (fault.text.empty())
            fault = FindPalFault(device, f);
    }
    return fault;
}

std::string ErrnoText(int code)
{
    std::string text = std::strerror(code);
    return text.empty() ? "unknown error" : text;
}

// Why a path that is not a regular file cannot be opened as a document.
std::string NotAFile(mode_t mode)
{
    return std::string("it is ") + FileKindName(mode) + ", not a ZYL document.";
}

} // namespace

bool ReadDocument(std::string_view text, const std::string& name, Device& device, std::string& error)
{
    Staged staged;
    Reader reader(text);
    if (!reader.Read(staged)) {
        error = "Cannot open " + name + ": " + reader.Problem();
        return false;
    }
    // Each item is sound on its own; the whole must be a state the
    // program's operations reach (PAL rows that agree with the PAL table).
    const Device read = Build(staged);
    const DocFault fault = Contradiction(staged, read);
    if (!fault.text.empty()) {
        error = "Cannot open " + name + ": " + reader.Contradiction(fault);
        return false;
    }
    device = read;
    return true;
}

bool LoadDocumentFromString(CZYLDoc& doc, std::string_view text, const std::string& name, std::string& error)
{
    if (text.empty())
        return true;
    Device device;
    if (!ReadDocument(text, name, device, error))
        return false;
    doc.Edit([&device](DeviceEditor& e) { e.Replace(device); }, CZYLDoc::EditKind::Load);
    return true;
}

bool LoadDocument(CZYLDoc& doc, const std::string& path, std::string& error)
{
    // A path is named with its control characters and bad bytes escaped.
    auto fail = [&](const std::string& problem) {
        error = "Cannot open " + Utf8::Escaped(path) + ": " + problem;
        return false;
    };
    // Only a regular file can be a document. Anything else is refused by
    // its kind before a read could wait for a writer (a FIFO) or never end
    // (a device); the kind is checked before opening, so that opening has
    // no side effect, and again on what was opened, which may have been
    // swapped in between. O_NONBLOCK keeps the open itself from waiting.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fail(ErrnoText(errno) + ".");
    if (!S_ISREG(info.st_mode))
        return fail(NotAFile(info.st_mode));
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(ErrnoText(errno) + ".");
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int code = errno;
        ::close(fd);
        return fail(S_ISREG(info.st_mode) ? ErrnoText(code) + "." : NotAFile(info.st_mode));
    }
    std::string text;
    char buffer[8192];
    int code = 0;
    while (text.size() <= kMaxFileSize) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            code = errno;
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (code != 0)
        return fail(ErrnoText(code) + ".");
    if (text.size() > kMaxFileSize)
        return fail("the file is too large to be a ZYL document.");
    if (!LoadDocumentFromString(doc, text, Utf8::Escaped(path), error))
        return false;
    doc.SetPathName(path);
    doc.SetModifiedFlag(false);
    return true;
}

bool SaveDocument(const Device& device, const std::string& path, std::string& error)
{
    std::string reason;
    if (ReplaceFile(path, SaveDocumentToString(device), reason))
        return true;
    error = "Cannot save " + Utf8::Escaped(path) + ": " + reason;
    return false;
}

bool StoreDocument(CZYLDoc& doc, const std::string& path, std::string& error)
{
    if (!SaveDocument(doc.Device(), path, error))
        return false;
    doc.SetPathName(path);
    doc.SetModifiedFlag(false);
    return true;
}
