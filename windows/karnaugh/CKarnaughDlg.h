// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CModelessDlg.h"
#include "CZYLDoc.h"
#include "KarnaughLogic.h"

#include "AccessibleTable.h"
#include "CellKeys.h"
#include "FocusCue.h"
#include "FocusStyle.h"
#include "Highlight.h"
#include "Platform.h"
#include "TruthTableLogic.h"
#include "ZoomControl.h"

#include <QColor>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class CKarnaughCanvas;
// The canvas' interface on the accessibility bus: its four maps as tables.
QAccessibleInterface* MapsFactory(const QString& className, QObject* object);
class CKarnaughScroll;
class QPainter;

// The four functions on their Karnaugh maps. A left click on a cell acts
// as a left click on that entry of the truth table (Shift+click a don't
// care), a right click opens the 0 / 1 / X popup; the groups are the
// annotation's terms (PROM) or the AND rows (PAL). Hovering a group or a
// cell highlights the groups meant, and the AND row or term in the fuse
// map; hovering an AND row there highlights its group here. The groups are
// computed once per change of the document, never while hovering. The
// maps zoom in the steps of the fuse map, by Ctrl + wheel and the zoom keys,
// and scroll; the window keeps its size.
class CKarnaughDlg : public CModelessDlg
{
public:
    explicit CKarnaughDlg(CZYLDoc& doc, QWidget* parent = nullptr);
    ~CKarnaughDlg() override;
    // The Copy and Print buttons.
    void OnCopy();
    void OnPrint();

    CKarnaughCanvas& Canvas() const { return *m_canvas; }

    // The zoom in percent; setting it keeps the point of the maps under
    // anchor (a position in the scrolled area) in place, and remembers it.
    int Zoom() const;
    void SetZoom(int percent, const QPoint& anchor);

protected:
    void Reload() override;
    // Hidden, the window links nothing: what the pointer rested on is let go.
    void hideEvent(QHideEvent* event) override;

private:
    CKarnaughCanvas* m_canvas = nullptr;
    CKarnaughScroll* m_scroll = nullptr;
    int m_highlightListener = 0;
};

// The groups to draw emphasised (thicker, their cells tinted).
using CKarnaughEmphasis = std::vector<CKarnaughGroupRef>;

// The colours of the maps, made from a background and its text colour: the
// window's from its palette (Base and Text), the paper's (clipboard,
// printer, export) black on white. Every colour drawn keeps a contrast of
// at least 4.5 : 1 to what it is drawn on: the groups' hues are moved
// towards the text colour as far as that needs, the tint of an emphasised
// group's cells stays near the background, and the minterm numbers are
// the text colour softened only as far as the background and every tint
// allow.
struct CKarnaughColours
{
    QColor background;
    QColor text; // titles, labels, grid and values
    QColor numbers;
    std::vector<QColor> groups; // by a group's place in its list, repeating
    std::vector<QColor> tints;  // the cells of an emphasised group, opaque

    explicit CKarnaughColours(const QColor& paper = Qt::white, const QColor& ink = Qt::black);
    static CKarnaughColours FromPalette(const QPalette& palette);
    const QColor& Group(int g) const { return groups[static_cast<std::size_t>(g) % groups.size()]; }
    const QColor& Tint(int g) const { return tints[static_cast<std::size_t>(g) % tints.size()]; }
};

// Paints the four maps of the device with these groups on a canvas of
// KarnaughCanvasSize(), in logical units; the window, the clipboard, the
// printer and the picture export all draw through here. Each cell's value
// is a text of its own. The background is left to the caller. Every
// piece of a group is drawn already cut to its map (no clipping, which an
// SVG would drop).
void PaintKarnaughMaps(QPainter& p, const Device& device, const CKarnaughGroups& groups,
                       const CKarnaughEmphasis& emphasis = {}, const CKarnaughColours& colours = CKarnaughColours());

// The painted maps: caches the groups per change of the document and
// keeps what the pointer rests on.
class CKarnaughCanvas : public QWidget
{
public:
    CKarnaughCanvas(CZYLDoc& doc, QWidget* parent)
        : QWidget(parent)
        , m_doc(doc)
    {
        const ZSize size = KarnaughCanvasSize();
        setFixedSize(size.cx, size.cy);
        setMouseTracking(true);
        // The maps lie on the palette's base colour, as a document does.
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
        UseAccessibleFactory(MapsFactory, this);
    }

    // The keyboard cursor's cell, and where the window scrolls to keep a
    // rectangle of the canvas in sight.
    const CKarnaughHit& Cursor() const { return m_cursor; }
    // Map f for a screen reader.
    const CAccessibleGrid& AccessGrid(int f) const { return m_access[static_cast<std::size_t>(f)]; }
    // A cell's rectangle in the maps' units, in global pixels.
    QRect ToScreen(const ZRect& r) const;
    std::function<void(const QRect&)> showRect;

    // The groups again, a repaint, and a screen reader told of every cell
    // whose value or groups changed.
    void Reload();

    const CKarnaughGroups& Groups() const { return m_groups; }
    const CZYLDoc& Document() const { return m_doc; }

    // The zoom in percent; the canvas takes the maps' size at it.
    int Zoom() const { return m_zoom; }
    void SetZoom(int percent)
    {
        m_zoom = percent;
        const ZSize size = KarnaughCanvasSize();
        setFixedSize(qRound(size.cx * Factor()), qRound(size.cy * Factor()));
        update();
    }
    // Whether the highlight is being changed from here (no repaint needed).
    bool Sharing() const { return m_sharing; }

    // The groups shown emphasised: the one hovered, those covering the
    // hovered cell, or the one the fuse map's pointer means.
    CKarnaughEmphasis Emphasis() const
    {
        if (m_hoverGroup)
            return {*m_hoverGroup};
        if (m_hoverCell)
            return KarnaughGroupsAt(m_groups, m_hoverCell->f, KarnaughMinterm(m_hoverCell->row, m_hoverCell->column));
        const CHighlight& shared = SharedHighlight().Get();
        CKarnaughEmphasis linked;
        for (int f = 0; f < 4; ++f) {
            const std::vector<CKarnaughGroup>& list = m_groups[static_cast<std::size_t>(f)];
            for (int g = 0; g < static_cast<int>(list.size()); ++g) {
                const CKarnaughGroup& group = list[static_cast<std::size_t>(g)];
                if ((shared.andRow >= 0 && group.andRow == shared.andRow) ||
                    (shared.term >= 0 && shared.function == f && group.term == shared.term))
                    linked.push_back({f, g});
            }
        }
        return linked;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (m_zoom != kActualZoom)
            p.scale(Factor(), Factor());
        PaintKarnaughMaps(p, m_doc.Device(), m_groups, Emphasis(), CKarnaughColours::FromPalette(palette()));
        if (m_cue.Shown(hasFocus())) {
            // In the canvas' pixels, as wide at every zoom.
            p.resetTransform();
            DrawFocusCue(p, QRectF(CursorRect()).adjusted(6, 6, -6, -6));
        }
    }

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const ZPoint at = Logical(event->position().toPoint());
        const std::optional<CKarnaughGroupRef> group = KarnaughHitGroup(m_groups, at);
        const std::optional<CKarnaughHit> cell = group ? std::nullopt : KarnaughHitCell(at);
        if (group != m_hoverGroup || cell != m_hoverCell) {
            m_hoverGroup = group;
            m_hoverCell = cell;
            ShareHover();
            update();
        }
        QWidget::mouseMoveEvent(event);
    }

    void leaveEvent(QEvent* event) override
    {
        m_hoverGroup.reset();
        m_hoverCell.reset();
        ShareHover();
        update();
        QWidget::leaveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            // A Shift+click is one with Shift alone held.
            const bool shiftClick = event->modifiers() == Qt::ShiftModifier && event->buttons() == Qt::NoButton;
            if (const std::optional<CKarnaughHit> cell = KarnaughHitCell(Logical(event->position().toPoint())))
                KarnaughLeftClick(m_doc, *cell, shiftClick);
        }
        QWidget::mouseReleaseEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        const std::optional<CKarnaughHit> cell = event->reason() == QContextMenuEvent::Keyboard
                                                     ? m_cursor
                                                     : KarnaughHitCell(Logical(event->pos()));
        if (cell)
            OpenPopup(*cell, event->globalPos());
    }

private:
    double Factor() const { return m_zoom / 100.0; }
    // The popup on a cell, opened at a screen position.
    void OpenPopup(const CKarnaughHit& cell, const QPoint& global);
    // The cursor's cell on the canvas, at the zoom.
    QRect CursorRect() const;
    // The one conversion of a position on the canvas to the maps' units.
    ZPoint Logical(const QPoint& pos) const { return DeviceToLogical(pos, Factor()); }

    // The hovered group's AND row or annotation term, for the fuse map.
    void ShareHover()
    {
        CHighlight highlight;
        if (m_hoverGroup) {
            const CKarnaughGroup& group =
                m_groups[static_cast<std::size_t>(m_hoverGroup->f)][static_cast<std::size_t>(m_hoverGroup->g)];
            highlight.andRow = group.andRow;
            if (group.term >= 0) {
                highlight.function = m_hoverGroup->f;
                highlight.term = group.term;
            }
        }
        m_sharing = true;
        SharedHighlight().Set(highlight);
        m_sharing = false;
    }

    CZYLDoc& m_doc;
    CKarnaughGroups m_groups;
    std::optional<CKarnaughGroupRef> m_hoverGroup;
    std::optional<CKarnaughHit> m_hoverCell;
    bool m_sharing = false;
    int m_zoom = kActualZoom;
    CKarnaughHit m_cursor{0, 0, 0};
    CFocusCue m_cue;
    std::array<CKarnaughAccessGrid, 4> m_access{CKarnaughAccessGrid(m_doc, m_groups, m_cursor, 0),
                                                CKarnaughAccessGrid(m_doc, m_groups, m_cursor, 1),
                                                CKarnaughAccessGrid(m_doc, m_groups, m_cursor, 2),
                                                CKarnaughAccessGrid(m_doc, m_groups, m_cursor, 3)};
    std::vector<std::string> m_announced; // the cells' names a reader was last told, by f and row-major
};
