// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolsLogic.h"

#include "PlacementLogic.h"
#include "Resources.h"

const char* const kSymbolsShowAnnotation = "Show Annotation";
const char* const kSymbolsHideAnnotation = "Hide Annotation";

namespace {

bool ValidFuse(int picture, int i)
{
    return (picture == kSymbolsProm || picture == kSymbolsPal) && i >= 0 && i < kSymbolsFuses;
}

int Column(int i) { return i / 4; }
int Row(int i) { return i % 4; }

// The call-outs that point at fuse 15 and change with it.
const ZRect kPromCallOutAreas[2] = {{700, 246, 755, 294}, {374, 270, 429, 318}};
const ZRect kPalCallOutAreas[2] = {{131, 268, 197, 318}, {457, 245, 514, 296}};

const int kBlownCrossing = kPicFuseBlown;      // bare line crossing, either picture
const int kBlownVLink = kPicBlownVerticalLink;   // PROM detail link
const int kBlownHLink = kPicBlownHorizontalLink; // PAL detail link

void PromPaint(const CSymbolsState& s, std::vector<CSymbolsBlit>& out)
{
    out.push_back({kPicSymbolsProm, {20, 30}, {742, 370}});
    for (int i = 0; i < kSymbolsFuses; ++i) {
        if (s.m_nLink[kSymbolsProm][i] != 0)
            continue;
        out.push_back({kBlownCrossing, SymbolsSimplePatch(kSymbolsProm, i), {14, 14}});
        out.push_back({kBlownVLink, SymbolsDetailPatch(kSymbolsProm, i), {7, 21}});
    }
    if (s.m_bAnnotation == 0)
        return;
    out.push_back({kPicPromDetailCallOuts, {25, 231}, {180, 110}});
    out.push_back({kPicPromSimpleCallOuts, {428, 237}, {178, 110}});
    const int fuse15 = s.m_nLink[kSymbolsProm][15] == 1 ? kPicIntactFuseCallOut : kPicBlownFuseCallOut;
    out.push_back({fuse15, {374, 270}, {56, 44}});
    out.push_back({fuse15, {700, 247}, {56, 44}});
}

void PalPaint(const CSymbolsState& s, std::vector<CSymbolsBlit>& out)
{
    out.push_back({kPicSymbolsPal, {20, 30}, {742, 338}});
    for (int i = 0; i < kSymbolsFuses; ++i) {
        if (s.m_nLink[kSymbolsPal][i] != 0)
            continue;
        out.push_back({kBlownCrossing, SymbolsSimplePatch(kSymbolsPal, i), {14, 14}});
        out.push_back({kBlownHLink, SymbolsDetailPatch(kSymbolsPal, i), {21, 7}});
    }
    if (s.m_bAnnotation == 0)
        return;
    const bool intact = s.m_nLink[kSymbolsPal][15] != 0;
    out.push_back({intact ? kPicPalDetailIntactCallOut : kPicPalDetailBlownCallOut, {131, 268}, {66, 50}});
    out.push_back({kPicHardWiredCallOut, {624, 242}, {119, 40}});
    out.push_back({intact ? kPicPalSimpleIntactCallOut : kPicPalSimpleBlownCallOut, {457, 245}, {57, 51}});
    out.push_back({kPicNoConnectionCallOut, {623, 100}, {109, 63}});
}

} // namespace

ZRect SymbolsDetailLink(int picture, int i)
{
    if (!ValidFuse(picture, i))
        return ZRect{};
    if (picture == kSymbolsProm)
        return ZRect{260 + 7 * i, 258, 266 + 7 * i, 278};
    const int y = 145 + 31 * Row(i) + 7 * Column(i);
    return ZRect{186, y, 206, y + 6};
}

ZPoint SymbolsDetailPatch(int picture, int i)
{
    const ZRect link = SymbolsDetailLink(picture, i);
    return ZPoint{link.left, link.top};
}

ZRect SymbolsSimpleCell(int picture, int i)
{
    if (!ValidFuse(picture, i))
        return ZRect{};
    const int x = (picture == kSymbolsProm ? 620 : 449) + 21 * Column(i);
    const int y = (picture == kSymbolsProm ? 155 : 157) + 25 * Row(i);
    return ZRect{x, y, x + 14, y + 14};
}

ZPoint SymbolsSimplePatch(int picture, int i)
{
    const ZRect cell = SymbolsSimpleCell(picture, i);
    return ZPoint{cell.left, cell.top};
}

int SymbolsPicture(DeviceType type)
{
    return type == DeviceType::Prom ? kSymbolsProm : type == DeviceType::Pal ? kSymbolsPal : -1;
}

CSymbolsState::CSymbolsState()
{
    for (auto& picture : m_nLink)
        for (int& link : picture)
            link = 1;
}

std::vector<int> CSymbolsState::HitFuses(int picture, const ZPoint& point)
{
    std::vector<int> fuses;
    if (picture != kSymbolsProm && picture != kSymbolsPal)
        return fuses;
    for (int i = 0; i < kSymbolsFuses; ++i)
        if (SymbolsDetailLink(picture, i).Contains(point) || SymbolsSimpleCell(picture, i).Contains(point))
            fuses.push_back(i);
    return fuses;
}

bool CSymbolsState::OverFuse(int picture, const ZPoint& point) { return !HitFuses(picture, point).empty(); }

std::vector<ZRect> CSymbolsState::Click(int picture, const ZPoint& point)
{
    std::vector<ZRect> redraw;
    for (int i : HitFuses(picture, point)) {
        m_nLink[picture][i] = m_nLink[picture][i] == 1 ? 0 : 1;
        redraw.push_back(SymbolsDetailLink(picture, i));
        redraw.push_back(SymbolsSimpleCell(picture, i));
        if (i == 15) {
            const ZRect* callOuts = picture == kSymbolsProm ? kPromCallOutAreas : kPalCallOutAreas;
            redraw.push_back(callOuts[0]);
            redraw.push_back(callOuts[1]);
        }
    }
    return redraw;
}

std::string CSymbolsState::ToggleAnnotation(int picture)
{
    if (picture != kSymbolsProm && picture != kSymbolsPal)
        return "";
    m_bAnnotation = m_bAnnotation != 0 ? 0 : 1;
    return m_bAnnotation != 0 ? kSymbolsHideAnnotation : kSymbolsShowAnnotation;
}

std::vector<CSymbolsBlit> CSymbolsState::PaintList(int picture) const
{
    std::vector<CSymbolsBlit> blits;
    if (picture == kSymbolsProm)
        PromPaint(*this, blits);
    else if (picture == kSymbolsPal)
        PalPaint(*this, blits);
    return blits;
}

ZPoint SymbolsDialogPosition(const ZSize& screen, const ZSize& dialog)
{
    return ClampToScreen(ZPoint{(screen.cx - dialog.cx) / 2, (screen.cy - dialog.cy) / 2}, dialog, screen);
}
