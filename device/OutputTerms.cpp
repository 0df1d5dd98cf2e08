// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputTerms.h"

#include "DeviceType.h"

std::vector<ProductTerm> OutputTerms(const Device& device, CoverCache& covers, int f)
{
    std::vector<ProductTerm> terms;
    if (device.type == DeviceType::Prom) {
        const MintermSet on = device.prom.OnSet(f);
        if (!on.Empty())
            terms = covers.FirstCover(on.Bits(), device.prom.DontCares(f).Bits());
    } else if (device.type == DeviceType::Pal) {
        for (int r : PalRowsOf(f))
            if (const ProductTerm term = device.pal.Row(r).term; !term.IsZero())
                terms.push_back(term);
    }
    return terms;
}
