#pragma once

#include "Geometry.h"

#include <string>
#include <vector>

class CZYLDoc;
class IZylView;

// One drawing operation of the function annotations and row labels, so that
// the paint can render them and a test can read them without fonts.
struct CDrawItem
{
    enum Kind { RichText, PlainText, Bitmap };
    Kind kind = RichText;
    int x = 0;
    int y = 0;
    std::string text; // RichText (DrawRichText markup, 10 pt) and PlainText
    int bitmapId = 0; // Bitmap: resource id (140, the sigma)
};

// The Qt-free part of the fuse-map view: its commands, mouse editing,
// annotations and PAL simplification. The widget forwards events here with
// logical coordinates and repaints through IZylView.
class CViewLogic
{
public:
    CViewLogic(CZYLDoc& doc, IZylView& view);

    // Command ids of the view (device type, block structure, labels, array
    // commands, outputs 0..3, row labels, simplify, value popup 101..103).
    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    // Check mark / pressed state of a view command.
    bool IsChecked(int id) const;

    // The pencil cursor is shown over this logical point.
    bool IsFuseCursor(const ZPoint& logical) const;
    // A left click at a logical point; screen is where a popup would open.
    void OnLButtonDown(const ZPoint& logical, const ZPoint& screen);

    // The annotations and row labels of the current mode (nothing in PLA
    // mode or while the block structure is shown). The PROM annotation runs
    // the minimizer, so this writes the document's result storage.
    std::vector<CDrawItem> BuildAnnotations();

private:
    CZYLDoc& m_doc;
    IZylView& m_view;
    int m_nPopupMinterm = 0;
    int m_nPopupOutput = 0;
};
