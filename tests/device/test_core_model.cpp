// SPDX-License-Identifier: GPL-3.0-or-later
// The device's own operations where a wrong answer would not show as a
// broken invariant in the random walks: the table character of an uncovered
// don't care, the rows a short or an overlong cover programs, and the
// change a comparison reports.
#include "CoverCache.h"
#include "DeviceChange.h"
#include "DeviceEditor.h"
#include "OutputTerms.h"
#include "ProductTerm.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

// A PAL fuse edit re-derives its column (a covered don't care becomes 1, an
// uncovered one stays); a short cover loads only its rows; a cover too long
// for four rows is refused with its notice while the refused column is in
// the device, then set back; the change lists exactly what differs.
TEST(DeviceEdits, PalRowsColumnsAndTheirChange)
{
    Device device;
    CoverCache covers;
    DeviceEditor e(device, &covers);
    for (int r = 0; r < 4; ++r)
        e.SetAndRow(r, ProductTerm{0b0101, 0b1010}); // ^AB^CD, four times
    Column column;
    column.fill('0');
    column[5] = column[9] = 'X';
    e.SetPalColumn(0, column);
    e.RederivePalColumn(0);
    EXPECT_EQ(device.pal.OnSet(0).Text(), "5");
    EXPECT_EQ(device.pal.DontCares(0).Text(), "9");

    const Device before = device;
    column.fill('0');
    column[1] = column[3] = '1';
    EXPECT_EQ(e.ProgramPalColumn(0, column, PalDontCares::Offered, {}), ProgramResult::Programmed);
    EXPECT_EQ(device.pal.Row(0).text, "^A^BD");
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(device.pal.Row(r), AndRow{}) << r;
    const DeviceChange change = DiffDevices(before, device);
    EXPECT_EQ(change.palEntries[0], 0b1000101010u); // 1 and 3 are 1 now, 5 and 9 are 0
    EXPECT_EQ(change.Functions(), 1u);
    EXPECT_EQ(change.rowTexts, 0b1111u);

    // Parity of four variables needs eight terms.
    Column parity;
    for (int m = 0; m < 16; ++m)
        parity[static_cast<std::size_t>(m)] = std::popcount(unsigned(m)) % 2 ? '1' : '0';
    const Device programmed = device;
    std::string seen;
    const PalRefusal refusal{true, [&] { seen = device.pal.OnSet(1).Text(); }};
    EXPECT_EQ(e.ProgramPalColumn(1, parity, PalDontCares::Ignored, refusal), ProgramResult::Refused);
    EXPECT_EQ(seen, "1, 2, 4, 7, 8, 11, 13, 14");
    EXPECT_EQ(device, programmed);
    EXPECT_FALSE(DiffDevices(programmed, device).Any());
}

// What an output holds: the PROM's first cover with its don't cares, the
// PAL's rows top to bottom less the product 0 (a constant 1 kept), nothing
// in a PLA or for an empty ON-set.
TEST(DeviceEdits, OutputTermsOfEachType)
{
    Device device;
    CoverCache covers;
    DeviceEditor e(device, &covers);
    Column column;
    column.fill('0');
    column[5] = '1';
    column[7] = 'X';
    e.SetPromColumn(1, column);
    column[5] = column[7] = '0';
    e.SetPromColumn(0, column);
    EXPECT_EQ(OutputTerms(device, covers, 1), covers.FirstCover(1u << 5, 1u << 7));
    EXPECT_EQ(OutputTerms(device, covers, 1).size(), 1u);
    EXPECT_TRUE(OutputTerms(device, covers, 0).empty());

    e.SetType(DeviceType::Pal);
    e.SetAndRow(4, ProductTerm::Zero());
    e.SetAndRow(5, ProductTerm{0b1000, 0b0001}); // A^D
    e.SetAndRow(6, ProductTerm::One());
    e.SetAndRow(7, ProductTerm{0b0100, 0b0100}); // B and ^B: 0
    EXPECT_EQ(OutputTerms(device, covers, 1), (std::vector{ProductTerm{0b1000, 0b0001}, ProductTerm::One()}));
    e.SetType(DeviceType::Pla);
    EXPECT_TRUE(OutputTerms(device, covers, 1).empty());
}
