// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CModelessDlg.h"
#include "KarnaughLogic.h"

#include <optional>
#include <vector>

class CZYLDoc;
class CKarnaughCanvas;
class QPainter;

// The four functions on their Karnaugh maps. A left click on a cell acts
// as a left click on that entry of the truth table (Shift+click a don't
// care), a right click opens the 0 / 1 / X popup; the groups are the
// annotation's terms (PROM) or the AND rows (PAL). Hovering a group or a
// cell highlights the groups meant, and the AND row or term in the fuse
// map; hovering an AND row there highlights its group here. The groups are
// computed once per change of the document, never while hovering.
class CKarnaughDlg : public CModelessDlg
{
public:
    explicit CKarnaughDlg(CZYLDoc& doc, QWidget* parent = nullptr);
    ~CKarnaughDlg() override;
    void Refill() override;

    // The Copy and Print buttons.
    void OnCopy();
    void OnPrint();

    CKarnaughCanvas& Canvas() const { return *m_canvas; }

protected:
    void reject() override;

private:
    CKarnaughCanvas* m_canvas = nullptr;
    int m_highlightListener = 0;
};

// The groups to draw emphasised (thicker, their cells tinted).
using CKarnaughEmphasis = std::vector<CKarnaughGroupRef>;

// Paints the four maps of the document with these groups on a canvas of
// KarnaughCanvasSize(), in logical units; the window, the clipboard, the
// printer and the picture export all draw through here. Each cell's value
// is a text of its own.
void PaintKarnaughMaps(QPainter& p, const CZYLDoc& doc, const CKarnaughGroups& groups,
                       const CKarnaughEmphasis& emphasis = {});
