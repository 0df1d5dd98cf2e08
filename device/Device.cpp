// SPDX-License-Identifier: GPL-3.0-or-later
#include "Device.h"

#include "DeviceChange.h"

#include <bit>

namespace {

std::uint16_t Bit(int m) { return static_cast<std::uint16_t>(1u << m); }

// The entries of a column equal to value.
MintermSet Entries(const Column& column, char value)
{
    std::uint16_t set = 0;
    for (int m = 0; m < 16; ++m)
        if (column[static_cast<std::size_t>(m)] == value)
            set |= Bit(m);
    return MintermSet(set);
}

} // namespace

// --- MintermSet ----------------------------------------------------------------

int MintermSet::Count() const { return std::popcount(static_cast<unsigned>(m_bits)); }

MintermSet::List MintermSet::Ascending() const
{
    List list;
    for (int m = 0; m < 16; ++m)
        if (Has(m))
            list.items[static_cast<std::size_t>(list.count++)] = m;
    return list;
}

std::string MintermSet::Text() const
{
    const List list = Ascending();
    return ListText(list.data(), list.size());
}

std::string ListText(const int* list, int n)
{
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            text += ", ";
        text += std::to_string(list[i]);
    }
    return text;
}

// --- PromArray -----------------------------------------------------------------

PromArray::PromArray()
{
    for (Column& column : m_table)
        column.fill('1');
    m_fuses.fill(0xFFFF);
}

MintermSet PromArray::OnSet(int f) const
{
    return MintermSet(static_cast<std::uint16_t>(m_fuses[Index(f)] & ~DontCares(f).Bits()));
}

MintermSet PromArray::DontCares(int f) const { return Entries(m_table[Index(f)], 'X'); }

void PromArray::SetEntry(int f, int r, char v, bool dontCareFuse)
{
    if (v != '0' && v != '1' && v != 'X')
        return;
    m_table[Index(f)][Index(r)] = v;
    const bool intact = v == 'X' ? dontCareFuse : v == '1';
    std::uint16_t& fuses = m_fuses[Index(f)];
    fuses = static_cast<std::uint16_t>(intact ? fuses | Bit(r) : fuses & ~Bit(r));
}

void PromArray::ToggleFuse(int f, int r)
{
    std::uint16_t& fuses = m_fuses[Index(f)];
    fuses ^= Bit(r);
    char& entry = m_table[Index(f)][Index(r)];
    if (entry != 'X')
        entry = Fuse(f, r) ? '1' : '0';
}

// --- PalArray ------------------------------------------------------------------

PalArray::PalArray()
{
    for (Column& column : m_table)
        column.fill('0');
}

MintermSet PalArray::OnSet(int f) const { return Entries(m_table[Index(f)], '1'); }

MintermSet PalArray::DontCares(int f) const { return Entries(m_table[Index(f)], 'X'); }

MintermSet PalArray::Produced(int f) const
{
    std::uint16_t produced = 0;
    for (int r : PalRowsOf(f))
        produced |= m_rows[Index(r)].term.MintermMask();
    return MintermSet(produced);
}

void PalArray::SetColumn(int f, const Column& column)
{
    for (std::size_t m = 0; m < 16; ++m) {
        const char v = column[m];
        m_table[Index(f)][m] = v == '1' || v == 'X' ? v : '0';
    }
}

void PalArray::Rederive(int f)
{
    const MintermSet produced = Produced(f);
    for (int m = 0; m < 16; ++m) {
        char& entry = m_table[Index(f)][Index(m)];
        if (produced.Has(m))
            entry = '1';
        else if (entry != 'X')
            entry = '0';
    }
}

// --- Device --------------------------------------------------------------------

char Device::Entry(int f, int r) const
{
    switch (type) {
    case DeviceType::Prom:
        return prom.Entry(f, r);
    case DeviceType::Pal:
        return pal.Entry(f, r);
    case DeviceType::Pla:
        break;
    }
    return 0;
}

MintermSet Device::OnSet(int f) const
{
    return type == DeviceType::Prom ? prom.OnSet(f) : type == DeviceType::Pal ? pal.OnSet(f) : MintermSet();
}

MintermSet Device::DontCares(int f) const
{
    return type == DeviceType::Prom ? prom.DontCares(f) : type == DeviceType::Pal ? pal.DontCares(f) : MintermSet();
}

std::string Device::MintermLabel(int r) const { return ProductTerm::Minterm(r).Text(names.variables); }

// --- DeviceChange ----------------------------------------------------------------

bool DeviceChange::Any() const
{
    if (type || rowTexts || variableNames || functionNames || rowToggles || outputToggles || flags)
        return true;
    for (std::size_t f = 0; f < 4; ++f)
        if (promEntries[f] || orFuses[f] || palEntries[f])
            return true;
    for (std::uint8_t fuses : andFuses)
        if (fuses)
            return true;
    return false;
}

unsigned DeviceChange::Functions() const
{
    unsigned functions = 0;
    for (std::size_t f = 0; f < 4; ++f) {
        bool rows = false;
        for (int r : PalRowsOf(static_cast<int>(f)))
            rows = rows || andFuses[static_cast<std::size_t>(r)] != 0 || ((rowTexts >> r) & 1) != 0;
        if (promEntries[f] || orFuses[f] || palEntries[f] || rows)
            functions |= 1u << f;
    }
    return functions;
}

DeviceChange DiffDevices(const Device& a, const Device& b)
{
    DeviceChange change;
    change.type = a.type != b.type;
    for (int f = 0; f < 4; ++f) {
        const auto i = static_cast<std::size_t>(f);
        for (int m = 0; m < 16; ++m) {
            if (a.prom.Entry(f, m) != b.prom.Entry(f, m))
                change.promEntries[i] |= Bit(m);
            if (a.pal.Entry(f, m) != b.pal.Entry(f, m))
                change.palEntries[i] |= Bit(m);
        }
        change.orFuses[i] = a.prom.Fuses(f).Bits() ^ b.prom.Fuses(f).Bits();
        if (a.names.variables[i] != b.names.variables[i])
            change.variableNames |= static_cast<std::uint8_t>(1u << f);
        if (a.names.functions[i] != b.names.functions[i])
            change.functionNames |= static_cast<std::uint8_t>(1u << f);
        if (a.outputToggles[i] != b.outputToggles[i])
            change.outputToggles |= static_cast<std::uint8_t>(1u << f);
    }
    for (int r = 0; r < 16; ++r) {
        const AndRow& x = a.pal.Row(r);
        const AndRow& y = b.pal.Row(r);
        for (int c = 0; c < 8; ++c)
            if (x.Fuse(c) != y.Fuse(c))
                change.andFuses[static_cast<std::size_t>(r)] |= static_cast<std::uint8_t>(1u << c);
        if (x.text != y.text)
            change.rowTexts |= Bit(r);
        if (a.rowToggles[static_cast<std::size_t>(r)] != b.rowToggles[static_cast<std::size_t>(r)])
            change.rowToggles |= Bit(r);
    }
    const bool DisplayFlags::*const flags[] = {&DisplayFlags::andLabel, &DisplayFlags::orLabel,
                                               &DisplayFlags::blockStructure, &DisplayFlags::showMinterms,
                                               &DisplayFlags::showProductTerms};
    for (std::size_t k = 0; k < std::size(flags); ++k)
        if (a.flags.*flags[k] != b.flags.*flags[k])
            change.flags |= static_cast<std::uint8_t>(1u << k);
    return change;
}
