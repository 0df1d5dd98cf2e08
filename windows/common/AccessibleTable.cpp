// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleTable.h"

#include <QAccessible>

#include <algorithm>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A row's or a column's header: its text, placed over its cells.
class CAccessibleTableHeader : public CAccessibleLeaf
{
public:
    CAccessibleTableHeader(CAccessibleTable& table, Qt::Orientation orientation, int index)
        : CAccessibleLeaf(&table)
        , m_table(table)
        , m_orientation(orientation)
        , m_index(index)
    {
    }
    bool isValid() const override { return m_table.isValid(); }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const CAccessibleGrid& grid = m_table.Grid();
        return Q(m_orientation == Qt::Horizontal ? grid.ColumnHeader(m_index) : grid.RowHeader(m_index));
    }
    QRect rect() const override
    {
        const CAccessibleGrid& grid = m_table.Grid();
        const bool column = m_orientation == Qt::Horizontal;
        QRect all;
        for (int i = 0; i < (column ? grid.Rows() : grid.Columns()); ++i)
            all |= m_table.ScreenRect(column ? grid.CellRect(i, m_index) : grid.CellRect(m_index, i));
        return all;
    }
    QAccessible::Role role() const override
    {
        return m_orientation == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }
    QAccessible::State state() const override { return m_table.state(); }

private:
    CAccessibleTable& m_table;
    Qt::Orientation m_orientation;
    int m_index;
};

} // namespace

void UseAccessibleFactory(QAccessible::InterfaceFactory factory, QObject* widget)
{
    static std::vector<QAccessible::InterfaceFactory> installed;
    if (std::find(installed.begin(), installed.end(), factory) == installed.end()) {
        QAccessible::installFactory(factory);
        installed.push_back(factory);
    }
    if (QAccessible::isActive())
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

CAccessibleTable::CAccessibleTable(QWidget* widget, const CAccessibleGrid& grid, QAccessibleInterface* parent,
                                   ToScreen toScreen)
    : m_widget(widget)
    , m_grid(grid)
    , m_parent(parent)
    , m_toScreen(std::move(toScreen))
{
}

CAccessibleTable::~CAccessibleTable() { DeleteCells(); }

// By the ids they were registered with: a cell is never looked up by its
// address, which may be gone.
void CAccessibleTable::DeleteCells() const
{
    for (QAccessible::Id id : m_cellIds)
        QAccessible::deleteAccessibleInterface(id);
    m_cellIds.clear();
    m_headers.clear();
}

QList<QAccessibleInterface*> CAccessibleTable::Header(Qt::Orientation orientation, int index) const
{
    const bool column = orientation == Qt::Horizontal;
    if (index < 0 || index >= (column ? m_grid.Columns() : m_grid.Rows()) ||
        (column ? m_grid.ColumnHeader(index) : m_grid.RowHeader(index)).empty())
        return {};
    QAccessibleInterface*& header = m_headers[{column, index}];
    if (!header) {
        header = new CAccessibleTableHeader(const_cast<CAccessibleTable&>(*this), orientation, index);
        m_cellIds.push_back(QAccessible::registerAccessibleInterface(header));
    }
    return {header};
}

CAccessibleTableCell* CAccessibleTable::Cell(int row, int column) const
{
    const int rows = m_grid.Rows(), columns = m_grid.Columns();
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        return nullptr;
    // A grid that changed its size (a table of the other device type)
    // starts again.
    if (m_cells.size() != static_cast<std::size_t>(rows * columns)) {
        DeleteCells();
        m_cells.assign(static_cast<std::size_t>(rows * columns), nullptr);
    }
    CAccessibleTableCell*& cell = m_cells[static_cast<std::size_t>(row * columns + column)];
    if (!cell) {
        cell = new CAccessibleTableCell(const_cast<CAccessibleTable&>(*this), row, column);
        m_cellIds.push_back(QAccessible::registerAccessibleInterface(cell));
    }
    return cell;
}

void CAccessibleTable::NotifyCellChanged(int row, int column)
{
    CAccessibleTableCell* cell = Cell(row, column);
    if (!cell)
        return;
    QAccessibleEvent nameChanged(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent stateChanged(cell, changed);
    QAccessible::updateAccessibility(&stateChanged);
    QAccessibleValueChangeEvent valueChanged(cell, Q(m_grid.CellValue(row, column)));
    QAccessible::updateAccessibility(&valueChanged);
}

void CAccessibleTable::NotifyCellFocused(int row, int column)
{
    CAccessibleTableCell* cell = Cell(row, column);
    if (!cell)
        return;
    QAccessibleEvent focused(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

QRect CAccessibleTable::ScreenRect(const ZRect& r) const
{
    if (m_toScreen)
        return m_toScreen(r);
    if (!m_widget)
        return {};
    return QRect(m_widget->mapToGlobal(QPoint(r.left, r.top)), QSize(r.Width(), r.Height()));
}

bool CAccessibleTable::isValid() const { return !m_widget.isNull(); }

QObject* CAccessibleTable::object() const { return m_parent ? nullptr : m_widget.data(); }

QWindow* CAccessibleTable::window() const
{
    return m_widget && m_widget->window() ? m_widget->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CAccessibleTable::focusChild() const
{
    for (int r = 0; r < m_grid.Rows(); ++r)
        for (int c = 0; c < m_grid.Columns(); ++c)
            if (m_grid.CellFocused(r, c))
                return Cell(r, c);
    return nullptr;
}

QAccessibleInterface* CAccessibleTable::childAt(int x, int y) const
{
    for (int r = 0; r < m_grid.Rows(); ++r)
        for (int c = 0; c < m_grid.Columns(); ++c)
            if (ScreenRect(m_grid.CellRect(r, c)).contains(x, y))
                return Cell(r, c);
    return nullptr;
}

QAccessibleInterface* CAccessibleTable::parent() const
{
    if (m_parent)
        return m_parent;
    return m_widget ? QAccessible::queryAccessibleInterface(m_widget->parentWidget()) : nullptr;
}

QAccessibleInterface* CAccessibleTable::child(int index) const
{
    const int columns = m_grid.Columns();
    return columns > 0 && index >= 0 ? Cell(index / columns, index % columns) : nullptr;
}

int CAccessibleTable::childCount() const { return m_grid.Rows() * m_grid.Columns(); }

int CAccessibleTable::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this)
        return -1;
    return cell->rowIndex() * m_grid.Columns() + cell->columnIndex();
}

QString CAccessibleTable::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? Q(m_grid.Caption()) : QString();
}

QRect CAccessibleTable::rect() const
{
    QRect all;
    for (int r = 0; r < m_grid.Rows(); ++r)
        for (int c = 0; c < m_grid.Columns(); ++c)
            all |= ScreenRect(m_grid.CellRect(r, c));
    return all;
}

QAccessible::Role CAccessibleTable::role() const { return QAccessible::Table; }

QAccessible::State CAccessibleTable::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    if (!m_widget || !m_widget->isVisible())
        s.invisible = true;
    return s;
}

void* CAccessibleTable::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
}

QString CAccessibleTable::columnDescription(int column) const { return Q(m_grid.ColumnHeader(column)); }
QString CAccessibleTable::rowDescription(int row) const { return Q(m_grid.RowHeader(row)); }
int CAccessibleTable::columnCount() const { return m_grid.Columns(); }
int CAccessibleTable::rowCount() const { return m_grid.Rows(); }
QAccessibleInterface* CAccessibleTable::cellAt(int row, int column) const { return Cell(row, column); }

// --- Cells ----------------------------------------------------------------------

CAccessibleTableCell::CAccessibleTableCell(CAccessibleTable& table, int row, int column)
    : CAccessibleLeaf(&table)
    , m_table(table)
    , m_row(row)
    , m_column(column)
{
}

QString CAccessibleTableCell::text(QAccessible::Text t) const
{
    const CAccessibleGrid& grid = m_table.Grid();
    switch (t) {
    case QAccessible::Name:
        return Q(grid.CellName(m_row, m_column));
    case QAccessible::Value:
        return Q(grid.CellValue(m_row, m_column));
    default:
        return {};
    }
}

QRect CAccessibleTableCell::rect() const { return m_table.ScreenRect(m_table.Grid().CellRect(m_row, m_column)); }

QAccessible::State CAccessibleTableCell::state() const
{
    const CAccessibleGrid& grid = m_table.Grid();
    QAccessible::State s;
    s.focusable = true;
    s.readOnly = true;
    s.focused = grid.CellFocused(m_row, m_column) && m_table.Widget() && m_table.Widget()->hasFocus();
    s.checkable = grid.CellCheckable(m_row, m_column);
    s.checked = s.checkable && grid.CellChecked(m_row, m_column);
    s.disabled = !grid.CellEnabled(m_row, m_column);
    s.invisible = m_table.state().invisible;
    return s;
}

void* CAccessibleTableCell::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

// --- Items ------------------------------------------------------------------------

CAccessibleItem::CAccessibleItem(QWidget* widget, QAccessibleInterface* parent, Description description)
    : CAccessibleLeaf(parent)
    , m_widget(widget)
    , m_description(std::move(description))
{
}

QString CAccessibleItem::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_description.name() : QString();
}

QAccessible::State CAccessibleItem::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = !m_widget || !m_widget->isVisible();
    if (m_description.role == QAccessible::Button) {
        s.focusable = true;
        s.focused = m_description.focused() && m_widget && m_widget->hasFocus();
    }
    return s;
}

void* CAccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface && m_description.press ? static_cast<QAccessibleActionInterface*>(this)
                                                                        : nullptr;
}

QStringList CAccessibleItem::actionNames() const
{
    return m_description.press ? QStringList{pressAction()} : QStringList{};
}

void CAccessibleItem::doAction(const QString& name)
{
    if (name == pressAction() && m_description.press)
        m_description.press();
}
