// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoverCache.h"
#include "Device.h"
#include "ProductTerm.h"

#include <vector>

// The sum of products output f of the device holds, as a real chip, a report
// or an export must compute it:
// - PROM: the minimizer's first lowest-cost cover of the output's ON-set
//   with its don't cares, in cover order (the cover the annotation shows);
//   no terms for an empty ON-set;
// - PAL: the output's AND rows as their fuses stand, top to bottom, less the
//   rows that are the product 0 (every fuse intact, or a variable in both
//   forms); a row without any literal is the constant 1;
// - PLA: no terms (it holds no functions of its own).
// No terms is the constant 0.
std::vector<ProductTerm> OutputTerms(const Device& device, CoverCache& covers, int f);
