// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellKeys.h"
#include "TruthTableLogic.h"

#include <QWidget>

class CZYLDoc;

// The truth table's grid as the keyboard reaches it: a widget over the
// painted table that takes the focus and moves a cursor over the output
// cells (CellKeyOf); Space, Return, Shift+Space and the popup keys act on
// the cursor's cell as the mouse does on it, with the same messages and
// set-backs. It paints only the cursor's mark, and only as the focus cue
// allows; the mouse goes through it to the dialog.
class CTruthTableGrid : public QWidget
{
public:
    CTruthTableGrid(CZYLDoc& doc, QWidget* parent);

    const CTableCell& Cursor() const { return m_cursor; }
    const CZYLDoc& Document() const { return m_doc; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The cursor's cell in this widget's coordinates.
    QRect CellRect(const CTableCell& cell) const;
    void OpenPopup();

    CZYLDoc& m_doc;
    CTableCell m_cursor;
    CFocusCue m_cue;
};
