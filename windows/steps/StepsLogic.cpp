// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepsLogic.h"

#include "CZYLDoc.h"

#include <algorithm>

namespace {

std::vector<int> Minterms(MintermSet set)
{
    const MintermSet::List list = set.Ascending();
    return std::vector<int>(list.begin(), list.end());
}

} // namespace

CStepsSource StepsSourceOf(const Device& device, int f)
{
    CStepsSource s;
    for (std::size_t v = 0; v < 4; ++v)
        s.input.variables[v] = device.names.variables[v];
    s.input.function = device.names.functions[static_cast<std::size_t>(f)];
    if (device.type == DeviceType::Pal) {
        s.on = Minterms(device.pal.OnSet(f));
        s.input.unusedDontCares = Minterms(device.pal.DontCares(f));
        s.input.pal = true;
    } else {
        s.on = Minterms(device.prom.OnSet(f));
        s.dc = Minterms(device.prom.DontCares(f));
    }
    return s;
}

int ProgrammedStepsCover(const Device& device, int f, const CDerivation& d)
{
    if (device.type != DeviceType::Pal)
        return -1;
    // A row holding a variable in both forms is the constant 0 and adds none.
    std::vector<ProductTerm> rows;
    for (int r : PalRowsOf(f))
        if (const ProductTerm term = device.pal.Row(r).term; !term.IsZero())
            rows.push_back(term);
    const auto order = [](ProductTerm a, ProductTerm b) {
        return std::pair(a.ones, a.zeros) < std::pair(b.ones, b.zeros);
    };
    std::sort(rows.begin(), rows.end(), order);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (std::size_t s = 0; s < d.covers.size(); ++s) {
        std::vector<ProductTerm> cover;
        for (int p : d.covers[s])
            cover.push_back(d.Prime(p).term);
        std::sort(cover.begin(), cover.end(), order);
        if (cover == rows)
            return static_cast<int>(s);
    }
    return -1;
}

ProgramResult ProgramStepsCover(CZYLDoc& doc, int f, const CDerivation& d, int s)
{
    if (doc.Device().type != DeviceType::Pal || s < 0 || s >= static_cast<int>(d.covers.size()))
        return ProgramResult::NotApplicable;
    std::vector<ProductTerm> terms;
    for (int p : d.covers[static_cast<std::size_t>(s)])
        terms.push_back(d.Prime(p).term);
    if (static_cast<int>(terms.size()) > kRowsPerFunction)
        return ProgramResult::Refused;
    doc.Edit([&](DeviceEditor& e) { e.ProgramPalCover(f, terms); });
    return ProgramResult::Programmed;
}

CDerivation DeriveSteps(const Device& device, int f)
{
    const CStepsSource source = StepsSourceOf(device, f);
    return Derive(source.on.data(), static_cast<int>(source.on.size()), source.dc.data(),
                  static_cast<int>(source.dc.size()));
}

std::vector<CStepsBlock> StepsBlocksOf(const Device& device, int f, const CDerivation& d)
{
    CStepsInput input = StepsSourceOf(device, f).input;
    input.programmed = ProgrammedStepsCover(device, f, d);
    return LayOutSteps(d, input);
}
