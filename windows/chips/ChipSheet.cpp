// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipSheet.h"

#include "ChipExport.h"
#include "ChipFile.h"

std::vector<Chip> OfferedChips() { return {Chip::GAL16V8, Chip::GAL22V10}; }

std::vector<std::string> FuseFileTypes()
{
    std::vector<std::string> types;
    for (Chip chip : OfferedChips())
        types.push_back(std::string(ChipName(chip)) + " Fuse Files (*.jed)");
    return types;
}

std::string ChipSheet(const Device& device, CoverCache& covers, const std::string& documentPath, Chip chip)
{
    const ChipDesign design = DesignOf(device, covers, documentPath);
    const std::string refusal = CheckFits(design, chip);
    return (refusal.empty() ? "" : "No fuse file for this chip: " + refusal + "\n\n") + PinTable(design, chip) +
           "\nEquations:\n" + Equations(design, chip);
}
