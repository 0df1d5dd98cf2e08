// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AccessibleGrid.h"
#include "AccessibleTable.h"
#include "CViewLogic.h"

#include <QAccessibleWidget>

#include <array>
#include <vector>

class CZYLView;
struct DeviceChange;

// The programmable array of one type as a grid for a screen reader: the
// PROM's OR fuses (a row a minterm, a column an output) or the PAL's AND
// fuses (a row a product line, a column an input line), named by the view
// logic, checked while intact.
class CFuseMapGrid : public CAccessibleGrid
{
public:
    CFuseMapGrid(const CViewLogic& logic, const CZYLDoc& doc, bool prom);
    int Rows() const override { return Device::kRows; }
    int Columns() const override { return m_prom ? Device::kFunctions : Device::kColumns; }
    std::string Caption() const override { return m_prom ? "OR array" : "AND array"; }
    std::string RowHeader(int row) const override;
    std::string ColumnHeader(int column) const override;
    std::string CellName(int row, int column) const override { return m_logic.CellName(Cell(row, column)); }
    std::string CellValue(int row, int column) const override;
    bool CellCheckable(int, int) const override { return true; }
    bool CellChecked(int row, int column) const override;
    bool CellEnabled(int row, int column) const override { return m_logic.IsEditable(Cell(row, column)); }
    bool CellFocused(int row, int column) const override { return m_logic.Cursor() == Cell(row, column); }
    ZRect CellRect(int row, int column) const override { return FuseMapCellRect(Cell(row, column)); }
    CFuseMapCell Cell(int row, int column) const;

private:
    const CViewLogic& m_logic;
    const CZYLDoc& m_doc;
    bool m_prom;
};

// The fuse map on the accessibility bus: the programmable array of the
// current type as a table, its gates as buttons, the annotations as lines
// of text; nothing of a PLA or of the block structure. The view tells it
// each change of the device and each move of the keyboard cursor.
class CFuseMapAccessible : public QAccessibleWidget
{
public:
    explicit CFuseMapAccessible(CZYLView& view);
    ~CFuseMapAccessible() override;

    // Installs the factory that gives every fuse map this object. Once.
    static void Install();
    // A screen reader hears what the change changed.
    void DeviceChanged(const DeviceChange& change);
    void CursorMoved();

    QString text(QAccessible::Text t) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    std::vector<QAccessibleInterface*> Children() const;
    QAccessibleInterface* CursorObject() const;
    void Own(QAccessibleInterface* child);

    CZYLView& m_view;
    CFuseMapGrid m_orGrid;
    CFuseMapGrid m_andGrid;
    CAccessibleTable* m_orTable;
    CAccessibleTable* m_andTable;
    std::array<CAccessibleItem*, Device::kFunctions> m_outputGates{};
    std::array<CAccessibleItem*, Device::kRows> m_rowGates{};
    std::array<CAccessibleItem*, 3 * Device::kFunctions> m_lines{};
    std::vector<QAccessible::Id> m_owned;
};
