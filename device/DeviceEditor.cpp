// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceEditor.h"

#include "CoverCache.h"

DeviceEditor::DeviceEditor(Device& device, CoverCache* covers, std::function<void()> publish)
    : m_device(device)
    , m_covers(covers)
    , m_publish(std::move(publish))
{
}

void DeviceEditor::Publish()
{
    if (m_publish)
        m_publish();
}

// --- The whole device ----------------------------------------------------------

void DeviceEditor::Replace(const Device& device) { m_device = device; }

void DeviceEditor::SetType(DeviceType type) { m_device.type = type; }

void DeviceEditor::SetNames(const CNames& names) { m_device.names = names; }

void DeviceEditor::SetFlag(bool DisplayFlags::*flag, bool on) { m_device.flags.*flag = on; }

void DeviceEditor::SetRowToggle(int r, bool on) { m_device.rowToggles[static_cast<std::size_t>(r)] = on; }

void DeviceEditor::SetOutputToggle(int f, bool on) { m_device.outputToggles[static_cast<std::size_t>(f)] = on; }

// --- PROM ------------------------------------------------------------------------

void DeviceEditor::SetPromEntry(int f, int r, char v, bool dontCareFuse)
{
    m_device.prom.SetEntry(f, r, v, dontCareFuse);
}

void DeviceEditor::TogglePromFuse(int f, int r) { m_device.prom.ToggleFuse(f, r); }

void DeviceEditor::SetPromColumn(int f, const Column& column)
{
    for (int r = 0; r < Device::kRows; ++r)
        m_device.prom.SetEntry(f, r, column[static_cast<std::size_t>(r)], true);
}

// --- PAL -------------------------------------------------------------------------

void DeviceEditor::SetPalColumn(int f, const Column& column) { m_device.pal.SetColumn(f, column); }

void DeviceEditor::SetAndRow(int r, ProductTerm term)
{
    m_device.pal.m_rows[static_cast<std::size_t>(r)] = AndRow{term, term.Text(m_device.names.variables)};
}

void DeviceEditor::RederivePalColumn(int f) { m_device.pal.Rederive(f); }

void DeviceEditor::LoadPalRows(int f, const std::vector<ProductTerm>& terms)
{
    for (int t = 0; t < kRowsPerFunction; ++t) {
        AndRow& row = m_device.pal.m_rows[static_cast<std::size_t>(PalRowsOf(f).first + t)];
        row = t < static_cast<int>(terms.size())
                  ? AndRow{terms[static_cast<std::size_t>(t)], terms[static_cast<std::size_t>(t)].Text(m_device.names.variables)}
                  : AndRow{};
    }
}

ProgramResult DeviceEditor::ProgramPalFunction(int f, PalDontCares dontCares, const PalRefusal& refusal)
{
    return ProgramPalColumn(f, m_device.pal.Table(f), dontCares, refusal);
}

ProgramResult DeviceEditor::ProgramPalColumn(int f, const Column& column, PalDontCares dontCares,
                                             const PalRefusal& refusal)
{
    if (!m_covers)
        return ProgramResult::NotApplicable;
    const Column before = m_device.pal.Table(f);
    m_device.pal.SetColumn(f, column);
    const MintermSet dc = dontCares == PalDontCares::Offered ? m_device.pal.DontCares(f) : MintermSet();
    const std::vector<ProductTerm> cover = m_covers->FirstCover(m_device.pal.OnSet(f).Bits(), dc.Bits());
    if (static_cast<int>(cover.size()) > kRowsPerFunction) {
        if (refusal.notice)
            refusal.notice();
        if (refusal.setBack)
            m_device.pal.SetColumn(f, before);
        return ProgramResult::Refused;
    }
    LoadPalRows(f, cover);
    return ProgramResult::Programmed;
}

ProgramResult DeviceEditor::ProgramPalCover(int f, const std::vector<ProductTerm>& terms)
{
    if (static_cast<int>(terms.size()) > kRowsPerFunction)
        return ProgramResult::Refused;
    LoadPalRows(f, terms);
    return ProgramResult::Programmed;
}
