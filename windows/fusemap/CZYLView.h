// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CCommandRows.h"
#include "CViewLogic.h"
#include "FocusCue.h"
#include "CommandIds.h"
#include "Geometry.h"
#include "Platform.h"
#include "ZoomControl.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QPixmap>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CFuseMapAccessible;
class CZYLDoc;
class QPainter;
class QPrinter;
class QTransform;

// The scrolling fuse-map view: 1024 x 860 logical units (one unit per
// pixel at 96 dpi), shown at a zoom of the fixed steps. OnDraw is the one
// paint procedure used for the screen, the printer, the clipboard, exported
// pictures and the tests; it knows no zoom: the screen and the clipboard
// scale the painter, printing and export keep their own scale.
class CZYLView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum { kWidth = 1024, kHeight = 860 };

    explicit CZYLView(CZYLDoc& doc, QWidget* parent = nullptr);
    ~CZYLView() override;

    CZYLDoc& Document() const { return m_doc; }
    CViewLogic& Logic() { return *m_logic; }
    // The fuse map is linked to the Karnaugh maps (hover shows on both)
    // only while shown() says they are shown; unset, never.
    void SetKarnaughShown(std::function<bool()> shown) { m_karnaughShown = std::move(shown); }
    // How often a change of the device asked for a repaint: once for each,
    // which the tests count.
    int Refreshes() const { return m_refreshes; }

    // Paints the whole fuse map in logical units; reads the device only
    // (the annotations' covers come from the document's cover cache).
    // Its lines are as wide as ZylLineWidth gives for the painter, so that
    // at 150 % every line is two pixels wide, not one or two by its place.
    // It never shows what the pointer rests on: print, export and copy
    // carry no hover tint.
    void OnDraw(QPainter& painter);

    // Renders the fuse map into an image of kWidth x kHeight, white behind.
    QImage RenderImage();

    // The logical rectangle that holds everything drawn, from the origin to
    // the farthest mark (a long name or annotation may reach past kWidth).
    QRectF DrawnBounds();

    // Prints one page: the drawn bounds at 96 logical units per inch of the
    // printer when they fit the printable area, else scaled down to fit with
    // the aspect kept. False, with the reason, when printing cannot start.
    bool PrintTo(QPrinter& printer, std::string& error);
    // Whether a print on this printer can start at all (a printer is
    // installed, or a file is named); false with the reason.
    static bool PrintReady(const QPrinter& printer, std::string& error);
    // The printer scale for its dots per inch: window extent 1200 x 800
    // mapped to dpi * 1200 / 96 by dpi * 800 / 96 (integer division).
    static QPointF PrintScale(int dpiX, int dpiY);
    // Logical units to printer device units: the print scale, reduced
    // evenly when drawn bounds at that scale exceed the page (device units).
    static QTransform PrintTransform(const QRectF& drawn, const QRectF& page, int dpiX, int dpiY);

    // Commands the view answers: its own (region selection, copy and zoom)
    // and the view logic's.
    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    bool IsChecked(int id) const;

    // Region selection state, in logical units.
    bool IsSelectMode() const { return m_bSelectMode != 0; }
    bool IsRegionSelected() const { return m_bRegionSelected != 0; }
    ZRect Selection() const { return m_rcSelection; }
    // The pixels of the view as shown at the zoom, without the rubber band,
    // inside a logical rectangle (normalised first): its size is the
    // rectangle's size on the screen.
    QImage GrabLogicalRect(const ZRect& rect);

    // The one conversion of a viewport position to the logical point under
    // it (scroll offset and zoom); every hit test goes through it.
    ZPoint ToLogical(const QPoint& viewportPos) const;
    QPoint ScrollOffset() const;
    // Where a logical rectangle shows on the screen, in global pixels.
    QRect ScreenRectOf(const ZRect& logical) const;

    // A click on a cell as the keyboard gives it (its popup at the cell);
    // the mouse's click goes the same way.
    void ClickCell(const CFuseMapCell& cell);
    // Whether the keyboard cursor's mark is drawn now.
    bool CursorShown() const;
    // The screen reader's object of this view, while it exists (it tells
    // the view when it is made and when it goes).
    void SetAccessible(CFuseMapAccessible* accessible) { m_accessible = accessible; }

    // The zoom in percent, one of kZoomSteps. Setting it keeps the logical
    // point under anchor (a viewport position) in place.
    int Zoom() const { return m_zoom.Percent(); }
    void SetZoom(int percent, const QPoint& anchor);


signals:
    // After every command and click, so the frame sets its check marks (the
    // windows refresh from the document's notices).
    void CommandDone();
    // After the zoom changed, by a command or the wheel.
    void ZoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // OnDraw, on the screen with the tint of what the pointer rests on in
    // the Karnaugh maps or here, while those maps are shown.
    void Paint(QPainter& p, bool linked);
    bool KarnaughShown() const { return m_karnaughShown && m_karnaughShown(); }
    // The paint steps, in order.
    void DrawTitle(QPainter& p);
    void DrawLargeText(QPainter& p, const QPoint& baseline, const QString& text);
    void DrawNames(QPainter& p);
    void DrawBuffersAndInputLines(QPainter& p);
    void DrawProductLinesAndAndGates(QPainter& p);
    void DrawOrGatesAndOutputLines(QPainter& p);
    void DrawArrayLabels(QPainter& p);
    bool DrawBlockStructure(QPainter& p); // true: the paint ends here
    void DrawPromFuses(QPainter& p);
    void DrawPalFuses(QPainter& p);
    void DrawPlaFuses(QPainter& p);
    // clearAt: the start of the one rich text drawn without its background
    // (the tinted term's sum line), if any.
    void DrawAnnotations(QPainter& p, const std::optional<ZPoint>& clearAt);
    // Returns where the tinted PROM sum line starts.
    std::optional<ZPoint> DrawHighlight(QPainter& p);
    static ZRect AndRowBand(int r);

    void UpdateScrollBars();
    // Keys of the keyboard cursor; false for a key it does not take.
    bool CursorKey(const QKeyEvent& event);
    // Scrolls as little as shows the cursor's cell with a margin.
    void ScrollToCursor();
    double ZoomFactor() const { return m_zoom.Factor(); }
    // The line width that shows as whole device pixels at the zoom on a
    // device of this pixel ratio.
    // A logical rectangle as the pixels that show it, in the coordinates of
    // the whole zoomed drawing (no scrolling); the screen and the copy
    // round it alike.
    QRect ZoomedRect(const ZRect& logical) const;
    void ToggleSelectMode();
    void CopyRegion();
    void DrawRubberBand(QPainter& p) const;

    CZYLDoc& m_doc;
    std::unique_ptr<CViewLogic> m_logic;
    CCommandRows m_commands; // the view's own: region selection and copy
    std::function<bool()> m_karnaughShown;
    int m_listener = 0;
    int m_refreshes = 0;
    int m_highlightListener = 0;
    QCursor m_fuseCursor;
    QCursor m_copyCursor;

    int m_bSelectMode = 0;
    int m_bDragging = 0;
    ZPoint m_ptAnchor;
    ZPoint m_ptCurrent;
    ZRect m_rcSelection;
    int m_bRegionSelected = 0;
    // The rubber band is drawn as part of the paint (XOR over the finished
    // picture) while this is set, so it never enters OnDraw's output.
    bool m_bBandShown = false;
    // The last text DrawLargeText rendered, at its device scale; offset is
    // the image's top left from the baseline's start, in units.
    struct LargeText {
        QString text;
        QFont font;
        qreal scale = 0;
        QImage image;
        QPointF offset;
    } m_largeText;
    CZoomControl m_zoom;
    CFocusCue m_cue;
    CFuseMapAccessible* m_accessible = nullptr;
};

// A horizontal or vertical line drawn as the platform's LineTo draws it: the
// end point itself is left out.
void DrawLineWithoutEnd(QPainter& p, int x1, int y1, int x2, int y2);
// Paints the picture into an area of the fuse map, from source (0, sy).
void DrawPictureArea(QPainter& p, int id, const ZRect& area, int sy = 0);
