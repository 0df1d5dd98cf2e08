// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit symbols dialog's own fuses: where each fuse can be clicked in
// both diagrams, what a click toggles and redraws, and which bitmaps a
// paint copies for the fuses and the call-outs.

#include "CZYLDoc.h"
#include "SymbolsLogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

bool Has(const std::vector<CSymbolsBlit>& list, const CSymbolsBlit& blit)
{
    return std::find(list.begin(), list.end(), blit) != list.end();
}

bool Has(const std::vector<ZRect>& list, const ZRect& rect)
{
    return std::find(list.begin(), list.end(), rect) != list.end();
}

int CountOf(const std::vector<CSymbolsBlit>& list, int bitmap)
{
    return int(std::count_if(list.begin(), list.end(), [bitmap](const CSymbolsBlit& b) { return b.bitmap == bitmap; }));
}

ZPoint Centre(const ZRect& r) { return ZPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(SymbolsGeometry, EveryFuseIsHitAloneInBothDiagrams)
{
    for (int picture : {int(kSymbolsProm), int(kSymbolsPal)}) {
        for (int i = 0; i < kSymbolsFuses; ++i) {
            SCOPED_TRACE(testing::Message() << "picture " << picture << " fuse " << i);
            const ZRect detail = SymbolsDetailLink(picture, i);
            const ZRect simple = SymbolsSimpleCell(picture, i);
            EXPECT_EQ(CSymbolsState::HitFuses(picture, Centre(detail)), std::vector<int>{i});
            EXPECT_EQ(CSymbolsState::HitFuses(picture, Centre(simple)), std::vector<int>{i});
            EXPECT_EQ(CSymbolsState::HitFuses(picture, ZPoint{detail.left, detail.top}), std::vector<int>{i});
            EXPECT_EQ(CSymbolsState::HitFuses(picture, ZPoint{simple.right - 1, simple.bottom - 1}),
                      std::vector<int>{i});
            EXPECT_EQ(SymbolsSimplePatch(picture, i), (ZPoint{simple.left, simple.top}));
        }
    }
}

TEST(SymbolsGeometry, AreasOfTheTwoPictures)
{
    EXPECT_EQ(SymbolsDetailLink(kSymbolsProm, 5), (ZRect{295, 258, 301, 278}));
    EXPECT_EQ(SymbolsSimpleCell(kSymbolsProm, 5), (ZRect{641, 180, 655, 194}));
    EXPECT_EQ(SymbolsDetailLink(kSymbolsPal, 6), (ZRect{186, 214, 206, 220})); // column 1, row 2
    EXPECT_EQ(SymbolsSimpleCell(kSymbolsPal, 6), (ZRect{470, 207, 484, 221}));
    EXPECT_EQ(SymbolsDetailPatch(kSymbolsPal, 15), (ZPoint{186, 259}));
    // The pixel right of a PROM link belongs to no link; nothing outside the pictures.
    EXPECT_TRUE(CSymbolsState::HitFuses(kSymbolsProm, ZPoint{301, 268}).empty());
    EXPECT_TRUE(CSymbolsState::HitFuses(-1, ZPoint{298, 268}).empty());
    EXPECT_EQ(SymbolsDialogPosition({1024, 768}, {820, 400}), (ZPoint{102, 184}));
    EXPECT_EQ(SymbolsDialogPosition({800, 600}, {820, 400}), (ZPoint{0, 100}));
}

TEST(SymbolsState, PromLinkFiveBlowsInBothDiagrams)
{
    CSymbolsState s;
    const std::vector<ZRect> redraw = s.Click(kSymbolsProm, ZPoint{298, 268});
    EXPECT_EQ(s.m_nLink[kSymbolsProm][5], 0);
    EXPECT_TRUE(Has(redraw, SymbolsDetailLink(kSymbolsProm, 5)));
    EXPECT_TRUE(Has(redraw, SymbolsSimpleCell(kSymbolsProm, 5)));
    const std::vector<CSymbolsBlit> paint = s.PaintList(kSymbolsProm);
    EXPECT_EQ(paint.front(), (CSymbolsBlit{153, {20, 30}, {742, 370}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{138, {641, 180}, {14, 14}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{159, {295, 258}, {7, 21}}));
    EXPECT_EQ(paint.size(), 3u);

    s.Click(kSymbolsProm, ZPoint{648, 187}); // the crossing re-instates it
    EXPECT_EQ(s.m_nLink[kSymbolsProm][5], 1);
    EXPECT_EQ(s.PaintList(kSymbolsProm).size(), 1u);
}

TEST(SymbolsState, CallOutsFollowFuseFifteen)
{
    CSymbolsState s;
    EXPECT_EQ(s.ToggleAnnotation(kSymbolsProm), "Hide Annotation");
    std::vector<CSymbolsBlit> paint = s.PaintList(kSymbolsProm);
    EXPECT_TRUE(Has(paint, CSymbolsBlit{155, {25, 231}, {180, 110}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{156, {428, 237}, {178, 110}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{157, {374, 270}, {56, 44}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{157, {700, 247}, {56, 44}}));
    EXPECT_EQ(CountOf(paint, 158), 0);

    const std::vector<ZRect> redraw = s.Click(kSymbolsProm, ZPoint{367, 268});
    EXPECT_EQ(s.m_nLink[kSymbolsProm][15], 0);
    EXPECT_TRUE(Has(redraw, (ZRect{700, 246, 755, 294})));
    EXPECT_TRUE(Has(redraw, (ZRect{374, 270, 429, 318})));
    paint = s.PaintList(kSymbolsProm);
    EXPECT_EQ(CountOf(paint, 157), 0);
    EXPECT_EQ(CountOf(paint, 158), 2);

    // The PAL call-outs follow the PAL fuse 15.
    EXPECT_EQ(CountOf(s.PaintList(kSymbolsPal), 162), 1);
    EXPECT_EQ(CountOf(s.PaintList(kSymbolsPal), 163), 1);
    const std::vector<ZRect> palRedraw = s.Click(kSymbolsPal, Centre(SymbolsSimpleCell(kSymbolsPal, 15)));
    EXPECT_TRUE(Has(palRedraw, (ZRect{131, 268, 197, 318})));
    EXPECT_TRUE(Has(palRedraw, (ZRect{457, 245, 514, 296})));
    paint = s.PaintList(kSymbolsPal);
    EXPECT_TRUE(Has(paint, CSymbolsBlit{167, {131, 268}, {66, 50}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{168, {457, 245}, {57, 51}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{164, {624, 242}, {119, 40}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{165, {623, 100}, {109, 63}}));
    EXPECT_TRUE(Has(paint, CSymbolsBlit{166, {186, 259}, {21, 7}}));

    EXPECT_EQ(s.ToggleAnnotation(kSymbolsPal), "Show Annotation");
    EXPECT_EQ(s.ToggleAnnotation(-1), "");
    EXPECT_EQ(s.m_bAnnotation, 0);
}

TEST(SymbolsState, PictureFusesAreIndependent)
{
    CSymbolsState s;
    s.Click(kSymbolsPal, Centre(SymbolsDetailLink(kSymbolsPal, 3)));
    EXPECT_EQ(s.m_nLink[kSymbolsPal][3], 0);
    for (int i = 0; i < kSymbolsFuses; ++i)
        EXPECT_EQ(s.m_nLink[kSymbolsProm][i], 1) << i;
    EXPECT_TRUE(s.Click(-1, ZPoint{298, 268}).empty());
    EXPECT_EQ(s.m_nLink[kSymbolsProm][5], 1);
}

TEST(SymbolsState, PictureOfTheDeviceType)
{
    auto doc = std::make_unique<CZYLDoc>();
    EXPECT_EQ(SymbolsPicture(doc.get()), kSymbolsProm);
    doc->m_bProm = 0;
    doc->m_bPal = 1;
    EXPECT_EQ(SymbolsPicture(doc.get()), kSymbolsPal);
    doc->m_bPal = 0;
    doc->m_bPla = 1;
    EXPECT_EQ(SymbolsPicture(doc.get()), -1);
    EXPECT_EQ(SymbolsPicture(nullptr), -1);
}

} // namespace
