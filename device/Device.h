// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CNames.h"
#include "DeviceType.h"
#include "ProductTerm.h"

#include <array>
#include <cstdint>
#include <string>

class DeviceEditor;

// The simulated device as a value: what it works as, the PROM's four
// functions, the PAL's four functions, the names, the toggles and the
// display flags. Nothing derived is stored (lists, covered minterms,
// minterm labels are computed when asked for), so nothing can go stale; the
// arrays keep their own invariants, and only a DeviceEditor (DeviceEditor.h)
// changes them. The document (CZYLDoc.h) holds one Device and changes it
// through its one edit entry. No geometry, messages or minimizer storage
// belong here. Throughout, f is a function 0..3, r a row (minterm) 0..15
// and c an AND column 0..7; callers pass indices in range.

// A truth-table column of one function: entry m is minterm m
// (m = 8A + 4B + 2C + D), '0', '1' or 'X' (a don't care).
using Column = std::array<char, 16>;

// A set of the minterms 0..15, bit m for minterm m.
class MintermSet
{
public:
    constexpr MintermSet() = default;
    constexpr explicit MintermSet(std::uint16_t bits) : m_bits(bits) {}

    constexpr std::uint16_t Bits() const { return m_bits; }
    constexpr bool Has(int m) const { return m >= 0 && m < 16 && ((m_bits >> m) & 1) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    int Count() const;

    // The minterms ascending, as the minimizer and the dialogs take a list.
    struct List
    {
        std::array<int, 16> items{};
        int count = 0;
        const int* data() const { return items.data(); }
        int size() const { return count; }
        const int* begin() const { return items.data(); }
        const int* end() const { return items.data() + count; }
    };
    List Ascending() const;
    // "1, 3, 7", "" for none: how the dialogs and the annotations write it.
    std::string Text() const;

    friend constexpr bool operator==(MintermSet, MintermSet) = default;

private:
    std::uint16_t m_bits = 0;
};

// "1, 3, 7" for a list of numbers, "" for an empty one.
std::string ListText(const int* list, int n);

// One product line of the AND array: its product (which fuses of the
// columns A, A', B, B', C, C', D, D' are intact) and the product's text as
// it was last built. The text keeps the variable names it was built with
// until the row is next programmed: a rename does not rebuild it.
struct AndRow
{
    ProductTerm term = ProductTerm::Zero(); // every fuse intact
    std::string text = "0";

    bool Fuse(int c) const { return term.AndFuses()[static_cast<std::size_t>(c)]; }
    friend bool operator==(const AndRow&, const AndRow&) = default;
};

// The PROM's four functions: each a truth-table column and a column of OR
// fuses (row r feeds output f while fuse (f, r) is intact). An entry other
// than 'X' always shows its fuse; a don't care may sit on either.
class PromArray
{
public:
    // Every fuse intact: each function is 1 everywhere.
    PromArray();

    char Entry(int f, int r) const { return m_table[Index(f)][Index(r)]; }
    const Column& Table(int f) const { return m_table[Index(f)]; }
    bool Fuse(int f, int r) const { return ((m_fuses[Index(f)] >> r) & 1) != 0; }
    MintermSet Fuses(int f) const { return MintermSet(m_fuses[Index(f)]); }
    // The minterms the device produces that are not don't cares, and the
    // don't cares.
    MintermSet OnSet(int f) const;
    MintermSet DontCares(int f) const;

    friend bool operator==(const PromArray&, const PromArray&) = default;

private:
    friend class DeviceEditor;
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    // Entry r of f becomes v ('0', '1' or 'X'; anything else is ignored) and
    // its fuse follows: blown for '0', intact for '1', for 'X' as
    // dontCareFuse says.
    void SetEntry(int f, int r, char v, bool dontCareFuse);
    // Fuse r of f switches; the entry follows unless it is a don't care.
    void ToggleFuse(int f, int r);

    std::array<Column, 4> m_table;
    std::array<std::uint16_t, 4> m_fuses;
};

// The PAL's four functions: each a truth-table column, and the sixteen AND
// rows, output f being the OR of its rows (PalRowsOf(f)). Entries are '0', '1' or
// 'X'. That the rows produce every '1' and nothing outside the '1' and 'X'
// entries is what the programming operations keep and the soundness check
// (DocInvariants.h) holds them to; a file or a test may set table and rows
// apart.
class PalArray
{
public:
    // Every function 0, every row with all fuses intact (the product 0).
    PalArray();

    char Entry(int f, int r) const { return m_table[Index(f)][Index(r)]; }
    const Column& Table(int f) const { return m_table[Index(f)]; }
    MintermSet OnSet(int f) const;     // the '1' entries
    MintermSet DontCares(int f) const; // the 'X' entries
    const AndRow& Row(int r) const { return m_rows[Index(r)]; }
    // What f's rows produce together.
    MintermSet Produced(int f) const;

    friend bool operator==(const PalArray&, const PalArray&) = default;

private:
    friend class DeviceEditor;
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    // The column becomes f's table; a character other than '0', '1' and
    // 'X' is taken as '0'.
    void SetColumn(int f, const Column& column);
    // f's table from what its rows produce: every produced minterm '1',
    // every other entry '0' except the don't cares no row produces.
    void Rederive(int f);

    std::array<Column, 4> m_table;
    std::array<AndRow, 16> m_rows;
};

// The view's display flags, each on or off.
struct DisplayFlags
{
    bool andLabel = false;         // View > AND Array Label
    bool orLabel = false;          // View > OR Array Label
    bool blockStructure = false;   // the block diagram instead of the fuses
    bool showMinterms = false;     // PROM: the minterm beside each row
    bool showProductTerms = false; // PAL: the product beside each row
    friend bool operator==(const DisplayFlags&, const DisplayFlags&) = default;
};

struct Device
{
    static constexpr int kFunctions = 4;
    static constexpr int kVariables = 4;
    static constexpr int kRows = 16;
    static constexpr int kColumns = 8;

    DeviceType type = DeviceType::Prom;
    PromArray prom;
    PalArray pal;
    CNames names{{"A", "B", "C", "D"}, {"Y0", "Y1", "Y2", "Y3"}};
    // The toggles a click on a row's AND gate and an output's command flip:
    // true "last set intact".
    std::array<bool, 16> rowToggles = Filled<16>();
    std::array<bool, 4> outputToggles = Filled<4>();
    DisplayFlags flags;

    // The entry of the current type's table; 0 in a PLA, which has none.
    char Entry(int f, int r) const;
    // What the current type programs: the PROM's ON-set and don't cares,
    // or the PAL's '1' and 'X' entries; none in a PLA.
    MintermSet OnSet(int f) const;
    MintermSet DontCares(int f) const;
    // The product of minterm r in the variable names: ^A^B^CD for r = 1.
    std::string MintermLabel(int r) const;

    friend bool operator==(const Device&, const Device&) = default;

private:
    template <std::size_t N>
    static std::array<bool, N> Filled()
    {
        std::array<bool, N> all;
        all.fill(true);
        return all;
    }
};
