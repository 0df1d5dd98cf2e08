// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceType.h"
#include "Geometry.h"

#include <string>
#include <vector>

// The circuit symbols dialog without widgets: its own 2 x 16 fuses, the
// click areas and patch positions of the two pictures, and the list of
// picture copies that make up a paint. Picture 0 is the PROM, 1 the PAL;
// fuse i lies in column i / 4 and row i % 4 of the simplified grid.
// Coordinates are client pixels of the dialog.

enum { kSymbolsProm = 0, kSymbolsPal = 1, kSymbolsFuses = 16 };

ZRect SymbolsDetailLink(int picture, int i);
ZPoint SymbolsDetailPatch(int picture, int i);
ZRect SymbolsSimpleCell(int picture, int i);
ZPoint SymbolsSimplePatch(int picture, int i);

// The picture of a device type: the PROM, the PAL, or -1 (PLA).
int SymbolsPicture(DeviceType type);

// One picture copy of a paint: the picture's id, where it goes and the area it
// takes (the painter clips it to the picture's own size).
struct CSymbolsBlit
{
    int pictureId = 0;
    ZPoint at;
    ZSize area;
    friend bool operator==(const CSymbolsBlit&, const CSymbolsBlit&) = default;
};

// The fuses and the call-out switch of the dialog. They never touch the
// document and live as long as the dialog's window.
class CSymbolsState
{
public:
    int m_nLink[2][kSymbolsFuses];
    int m_bAnnotation = 0;

    CSymbolsState();

    // The fuses of the picture whose detail or simplified click area holds
    // the point.
    static std::vector<int> HitFuses(int picture, const ZPoint& point);
    static bool OverFuse(int picture, const ZPoint& point);

    // Left button up: toggles every fuse under the point in the picture and
    // returns the areas to redraw (both click areas of each fuse, and for
    // fuse 15 the two call-outs that follow it). Nothing for picture -1.
    std::vector<ZRect> Click(int picture, const ZPoint& point);

    // Button 1007: switches the call-outs and returns the button's new
    // text, or "" when there is no picture (nothing changes then).
    std::string ToggleAnnotation(int picture);

    // The picture copies of a paint of the picture, in drawing order.
    std::vector<CSymbolsBlit> PaintList(int picture) const;
};

extern const char* const kSymbolsShowAnnotation; // "Show Annotation"
extern const char* const kSymbolsHideAnnotation; // "Hide Annotation"

// The dialog's place when it is brought up: centred on the screen, kept
// wholly on it.
ZPoint SymbolsDialogPosition(const ZSize& screen, const ZSize& dialog);
