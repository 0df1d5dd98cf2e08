// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit symbols dialog's own fuses: where each fuse can be clicked in
// both diagrams, what a click toggles and redraws, and which pictures a
// paint copies for the fuses and the call-outs.

#include "SymbolsLogic.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ZPoint Centre(const ZRect& r) { return ZPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(SymbolsGeometry, EveryFuseIsHitAloneInBothDiagrams)
{
    for (int picture : {int(kSymbolsProm), int(kSymbolsPal)}) {
        for (int i = 0; i < kSymbolsFuses; ++i) {
            SCOPED_TRACE(testing::Message() << "picture " << picture << " fuse " << i);
            const ZRect detail = SymbolsDetailLink(picture, i);
            const ZRect simple = SymbolsSimpleCell(picture, i);
            for (const ZPoint& p : {Centre(detail), Centre(simple), ZPoint{detail.left, detail.top},
                                    ZPoint{simple.right - 1, simple.bottom - 1}})
                EXPECT_EQ(CSymbolsState::HitFuses(picture, p), std::vector<int>{i});
            EXPECT_EQ(SymbolsSimplePatch(picture, i), (ZPoint{simple.left, simple.top}));
        }
    }
    // PROM fuse 5's areas are the redraw of the click table below.
    EXPECT_EQ(SymbolsDetailLink(kSymbolsPal, 6), (ZRect{186, 214, 206, 220})); // column 1, row 2
    EXPECT_EQ(SymbolsSimpleCell(kSymbolsPal, 6), (ZRect{470, 207, 484, 221}));
    EXPECT_EQ(SymbolsDetailPatch(kSymbolsPal, 15), (ZPoint{186, 259}));
    // The pixel right of a PROM link belongs to no link; no picture, no fuse.
    EXPECT_TRUE(CSymbolsState::HitFuses(kSymbolsProm, ZPoint{301, 268}).empty());
    EXPECT_TRUE(CSymbolsState::HitFuses(-1, ZPoint{298, 268}).empty());
    EXPECT_EQ(SymbolsDialogPosition({1024, 768}, {820, 400}), (ZPoint{102, 184}));
    EXPECT_EQ(SymbolsDialogPosition({800, 600}, {820, 400}), (ZPoint{0, 100}));
}

// Steps on one dialog's state, each with the areas it redraws and the
// paint of its picture afterwards.
TEST(SymbolsState, ClicksAndCallOutsRedrawAndPaint)
{
    using Blits = std::vector<CSymbolsBlit>;
    const ZPoint pal15 = Centre(SymbolsSimpleCell(kSymbolsPal, 15));
    const struct
    {
        int picture;
        ZPoint click; // {-1, -1}: the annotation button
        std::vector<ZRect> redraw;
        Blits paint;
    } steps[] = {
        // PROM link 5 blown in both diagrams, then re-instated at the crossing.
        {kSymbolsProm, {298, 268}, {{295, 258, 301, 278}, {641, 180, 655, 194}},
         {{153, {20, 30}, {742, 370}}, {138, {641, 180}, {14, 14}}, {159, {295, 258}, {7, 21}}}},
        {kSymbolsProm, {648, 187}, {{295, 258, 301, 278}, {641, 180, 655, 194}}, {{153, {20, 30}, {742, 370}}}},
        {kSymbolsProm, {-1, -1}, {},
         {{153, {20, 30}, {742, 370}}, {155, {25, 231}, {180, 110}}, {156, {428, 237}, {178, 110}},
          {157, {374, 270}, {56, 44}}, {157, {700, 247}, {56, 44}}}},
        // Fuse 15 also redraws the call-outs that follow it.
        {kSymbolsProm, {367, 268}, {{365, 258, 371, 278}, {683, 230, 697, 244}, {700, 246, 755, 294}, {374, 270, 429, 318}},
         {{153, {20, 30}, {742, 370}}, {138, {683, 230}, {14, 14}}, {159, {365, 258}, {7, 21}}, {155, {25, 231}, {180, 110}},
          {156, {428, 237}, {178, 110}}, {158, {374, 270}, {56, 44}}, {158, {700, 247}, {56, 44}}}},
        {kSymbolsPal, pal15, {{186, 259, 206, 265}, {512, 232, 526, 246}, {131, 268, 197, 318}, {457, 245, 514, 296}},
         {{154, {20, 30}, {742, 338}}, {138, {512, 232}, {14, 14}}, {166, {186, 259}, {21, 7}}, {167, {131, 268}, {66, 50}},
          {164, {624, 242}, {119, 40}}, {168, {457, 245}, {57, 51}}, {165, {623, 100}, {109, 63}}}},
    };
    CSymbolsState s;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << step.click.x << "," << step.click.y);
        if (step.click.x < 0)
            EXPECT_EQ(s.ToggleAnnotation(step.picture), "Hide Annotation");
        else
            EXPECT_EQ(s.Click(step.picture, step.click), step.redraw);
        EXPECT_TRUE(s.PaintList(step.picture) == step.paint);
    }
    EXPECT_EQ(s.m_nLink[kSymbolsProm][15] + s.m_nLink[kSymbolsPal][15] + s.m_nLink[kSymbolsPal][5], 1);
    EXPECT_TRUE(s.Click(-1, ZPoint{298, 268}).empty());
    EXPECT_EQ(s.ToggleAnnotation(-1), "");
    EXPECT_EQ(s.ToggleAnnotation(kSymbolsPal), "Show Annotation");
}

} // namespace
