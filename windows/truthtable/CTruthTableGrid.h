// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellKeys.h"
#include "FocusCue.h"
#include "TruthTableLogic.h"

#include <QWidget>

#include <array>

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
    const CAccessibleGrid& AccessGrid() const { return m_access; }
    // Tells a screen reader of every output cell whose name changed since
    // the last call: its value or its function's name (the dialog calls it
    // at every refill).
    void AnnounceChanges();

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

    // The table on the accessibility bus, when a reader asks for it.
    class CAccessibleTable* Accessible();

    CZYLDoc& m_doc;
    CTableCell m_cursor;
    CTableAccessGrid m_access{m_doc, m_cursor};
    // The output cells' names as a reader was last told them: a name holds
    // the function's name and the value, so a rename is told as a change.
    std::array<std::string, 4 * 16> m_announced;
    CFocusCue m_cue;
};
