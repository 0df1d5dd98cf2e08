// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CDerivation.h"
#include "DeviceEditor.h"
#include "StepsText.h"

#include <vector>

class CZYLDoc;

// What the steps window minimizes, marks and programs, without widgets.

// What the device programs for function f, with the device's names: a PROM
// its minterms and don't cares, a PAL its minterms alone (its don't cares
// listed as unused).
struct CStepsSource
{
    std::vector<int> on, dc;
    CStepsInput input;
};
CStepsSource StepsSourceOf(const Device& device, int f);

// The cover of the derivation that PAL function f's rows hold (the products
// of its rows other than 0, in any order), -1 for none and for a device that
// is not a PAL.
int ProgrammedStepsCover(const Device& device, int f, const CDerivation& d);

// The derivation of function f that the window shows, and its page as
// blocks (the cover the rows hold marked in PAL mode): the window, its
// copies and the handout lay out the steps through here.
CDerivation DeriveSteps(const Device& device, int f);
std::vector<CStepsBlock> StepsBlocksOf(const Device& device, int f, const CDerivation& d);

// The "Program" link of cover s: its terms go into f's PAL rows, one change
// of the document. Refused for a cover of more than four terms; nothing
// outside PAL mode or for a cover the derivation does not have.
ProgramResult ProgramStepsCover(CZYLDoc& doc, int f, const CDerivation& d, int s);
