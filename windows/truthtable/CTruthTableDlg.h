// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandIds.h"

#include "CModelessDlg.h"
#include "Geometry.h"

#include <QCursor>

class CZYLDoc;
class CTruthTableGrid;
class QPushButton;

// The truth table of the four functions: 16 painted rows
// whose output cells are edited with the mouse. A left click toggles a
// value, Shift+click makes it a don't care, a right click opens the value
// popup. What a click does to the document is TruthTableLogic's; this
// class translates the events and paints the document's current state.
class CTruthTableDlg : public CModelessDlg
{
public:
    enum { IDC_SHOW_NUMBERS = 3, IDOK_CLOSE = 1 };

    explicit CTruthTableDlg(CZYLDoc& doc, QWidget* parent = nullptr);
    // Command 3: the row-number column on or off.
    void OnShowNumbers();
    // Commands 101..103 for the cell under the last right click.
    void OnValue(int id);
    // The output cells as the keyboard and a screen reader reach them.
    CTruthTableGrid& Grid() const { return *m_grid; }

protected:
    void Reload() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

private:
    void CreateControls();
    void PaintHeader(class QPainter& p);
    void PaintTitles(QPainter& p);
    void PaintGrid(QPainter& p);
    void PaintValues(QPainter& p);
    void PaintNumbers(QPainter& p);

    CZYLDoc& m_doc;
    int m_bShowNumbers = 1;
    ZPoint m_ptRightClick{-1, -1};
    QCursor m_hArrowCursor;
    QCursor m_hFuseCursor;
    QPushButton* m_showNumbers = nullptr;
    CTruthTableGrid* m_grid = nullptr;
};
