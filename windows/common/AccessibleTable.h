// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AccessibleGrid.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class CAccessibleTableCell;

// What every object without children inside a table or a widget shares:
// it belongs to its parent's window and stands for no QObject.
class CAccessibleLeaf : public QAccessibleInterface
{
public:
    explicit CAccessibleLeaf(QAccessibleInterface* parent) : m_parent(parent) {}
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

private:
    QAccessibleInterface* m_parent;
};

// Gives a widget its interface from factory: installs the factory once, and
// drops an interface made for the widget while it was being built (when a
// factory still sees only its base class), so the next query asks the
// factory. Call it at the end of the widget's constructor.
void UseAccessibleFactory(QAccessible::InterfaceFactory factory, QObject* widget);

// A grid drawn by a widget, as a table on the accessibility bus: its cells
// (role table cell, in rows) carry the grid's names, values and states, its
// rows and columns the header texts. Everything is read from the grid when
// asked. It is a child of the widget's own accessible object (parent), or,
// given no parent, that object itself.
//
// Ownership: the cells belong to the table, which registers them and
// removes them when it goes; a child table belongs to the interface that
// made it, which removes it with QAccessible::deleteAccessibleInterface.
class CAccessibleTable : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    // toScreen: a logical rectangle of the grid as the global pixels it is
    // shown on (zoom and scrolling applied); unset, the widget's own
    // coordinates are taken as logical.
    using ToScreen = std::function<QRect(const ZRect&)>;
    CAccessibleTable(QWidget* widget, const CAccessibleGrid& grid, QAccessibleInterface* parent,
                     ToScreen toScreen = {});
    ~CAccessibleTable() override;
    CAccessibleTable(const CAccessibleTable&) = delete;
    CAccessibleTable& operator=(const CAccessibleTable&) = delete;

    // Tells the bus that a cell's name, state and value changed (after the
    // grid has changed), so a screen reader says the new state.
    void NotifyCellChanged(int row, int column);
    // Tells the bus that the keyboard cursor is now on the cell.
    void NotifyCellFocused(int row, int column);
    // The cell's accessible object (made on first use).
    CAccessibleTableCell* Cell(int row, int column) const;
    // The header of a row or a column, an object of its own (role
    // RowHeader or ColumnHeader) named by the grid's header text; none
    // where that text is empty.
    QList<QAccessibleInterface*> Header(Qt::Orientation orientation, int index) const;
    const CAccessibleGrid& Grid() const { return m_grid; }
    QRect ScreenRect(const ZRect& logical) const;
    QWidget* Widget() const { return m_widget; }

    // QAccessibleInterface.
    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface: a table without selection.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    void DeleteCells() const;

    QPointer<QWidget> m_widget;
    const CAccessibleGrid& m_grid;
    QAccessibleInterface* m_parent;
    ToScreen m_toScreen;
    mutable std::vector<CAccessibleTableCell*> m_cells; // row-major, made on first use
    mutable std::vector<QAccessible::Id> m_cellIds; // the headers' too
    mutable std::map<std::pair<int, int>, QAccessibleInterface*> m_headers; // by orientation and index
};

// One cell of an accessible table.
class CAccessibleTableCell : public CAccessibleLeaf, public QAccessibleTableCellInterface
{
public:
    CAccessibleTableCell(CAccessibleTable& table, int row, int column);

    bool isValid() const override { return m_table.isValid(); }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return m_table.Header(Qt::Horizontal, m_column); }
    int columnIndex() const override { return m_column; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return m_table.Header(Qt::Vertical, m_row); }
    int rowIndex() const override { return m_row; }
    QAccessibleInterface* table() const override { return &m_table; }

private:
    CAccessibleTable& m_table;
    int m_row;
    int m_column;
};

// A drawn thing that is no table: a line of text (role StaticText) or
// something a press acts on (role Button, with the press action), a child
// of the widget's accessible object, which owns it as a child table.
class CAccessibleItem : public CAccessibleLeaf, public QAccessibleActionInterface
{
public:
    struct Description
    {
        QAccessible::Role role = QAccessible::StaticText;
        std::function<QString()> name;
        std::function<QRect()> screenRect;       // global pixels
        std::function<bool()> focused = [] { return false; };
        std::function<void()> press;             // Button only
    };
    CAccessibleItem(QWidget* widget, QAccessibleInterface* parent, Description description);

    bool isValid() const override { return !m_widget.isNull(); }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return m_description.screenRect(); }
    QAccessible::Role role() const override { return m_description.role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QWidget> m_widget;
    Description m_description;
};
