// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuseMapAccessible.h"

#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DeviceChange.h"

// --- The grid of an array ---------------------------------------------------------

CFuseMapGrid::CFuseMapGrid(const CViewLogic& logic, const CZYLDoc& doc, bool prom)
    : m_logic(logic)
    , m_doc(doc)
    , m_prom(prom)
{
}

CFuseMapCell CFuseMapGrid::Cell(int row, int column) const
{
    return m_prom ? CFuseMapCell{CFuseMapCell::OrCell, column, row, 0}
                  : CFuseMapCell{CFuseMapCell::AndCell, FunctionOfRow(row), row, column};
}

std::string CFuseMapGrid::RowHeader(int row) const
{
    const Device& device = m_doc.Device();
    if (m_prom)
        return "minterm " + std::to_string(row) + ", " + ReadableText(device.MintermLabel(row));
    return "row " + std::to_string(row) + ", " + ReadableText(device.pal.Row(row).text);
}

std::string CFuseMapGrid::ColumnHeader(int column) const
{
    const CNames& names = m_doc.Device().names;
    if (m_prom)
        return "output " + names.functions[static_cast<std::size_t>(column)];
    return "input " + names.variables[static_cast<std::size_t>(column / 2)] + (column % 2 ? " complemented" : "");
}

bool CFuseMapGrid::CellChecked(int row, int column) const
{
    const Device& device = m_doc.Device();
    return m_prom ? device.prom.Fuse(column, row) : device.pal.Row(row).Fuse(column);
}

std::string CFuseMapGrid::CellValue(int row, int column) const
{
    return CellChecked(row, column) ? "intact" : "blown";
}

// --- The view ---------------------------------------------------------------------

namespace {

QAccessibleInterface* FuseMapFactory(const QString& className, QObject* object)
{
    auto* view = qobject_cast<CZYLView*>(object);
    return view && className == QLatin1String("CZYLView") ? new CFuseMapAccessible(*view) : nullptr;
}

} // namespace

void CFuseMapAccessible::Install()
{
    static const bool installed = (QAccessible::installFactory(FuseMapFactory), true);
    (void)installed;
}

CFuseMapAccessible::CFuseMapAccessible(CZYLView& view)
    : QAccessibleWidget(&view, QAccessible::Pane, QStringLiteral("Fuse map"))
    , m_view(view)
    , m_orGrid(view.Logic(), view.Document(), true)
    , m_andGrid(view.Logic(), view.Document(), false)
{
    view.SetAccessible(this);
    const auto toScreen = [&view](const ZRect& r) { return view.ScreenRectOf(r); };
    m_orTable = new CAccessibleTable(&view, m_orGrid, this, toScreen);
    m_andTable = new CAccessibleTable(&view, m_andGrid, this, toScreen);
    Own(m_orTable);
    Own(m_andTable);
    const auto gate = [this, &view](const CFuseMapCell& cell) {
        auto* item = new CAccessibleItem(
            &view, this,
            {QAccessible::Button, [&view, cell] { return QString::fromStdString(view.Logic().CellName(cell)); },
             [&view, cell] { return view.ScreenRectOf(FuseMapCellRect(cell)); },
             [&view, cell] { return view.Logic().Cursor() == cell; }, [&view, cell] { view.ClickCell(cell); }});
        Own(item);
        return item;
    };
    for (int f = 0; f < Device::kFunctions; ++f)
        m_outputGates[static_cast<std::size_t>(f)] = gate({CFuseMapCell::OutputGate, f, 0, 0});
    for (int r = 0; r < Device::kRows; ++r)
        m_rowGates[static_cast<std::size_t>(r)] = gate({CFuseMapCell::RowGate, FunctionOfRow(r), r, 0});
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        m_lines[i] = new CAccessibleItem(
            &view, this,
            {QAccessible::StaticText,
             [&view, i] {
                 const std::vector<std::string> lines = view.Logic().AnnotationLines();
                 return i < lines.size() ? QString::fromStdString(lines[i]) : QString();
             },
             // The annotations' area as a whole.
             [&view] { return view.ScreenRectOf(ZRect{500, 80, 1100, 700}); }, [] { return false; }, {}});
        Own(m_lines[i]);
    }
}

CFuseMapAccessible::~CFuseMapAccessible()
{
    m_view.SetAccessible(nullptr);
    for (QAccessible::Id id : m_owned)
        QAccessible::deleteAccessibleInterface(id);
}

void CFuseMapAccessible::Own(QAccessibleInterface* child)
{
    m_owned.push_back(QAccessible::registerAccessibleInterface(child));
}

std::vector<QAccessibleInterface*> CFuseMapAccessible::Children() const
{
    std::vector<QAccessibleInterface*> children;
    const Device& device = m_view.Document().Device();
    if (device.flags.blockStructure || device.type == DeviceType::Pla)
        return children;
    if (device.type == DeviceType::Prom) {
        children.push_back(m_orTable);
        children.insert(children.end(), m_outputGates.begin(), m_outputGates.end());
    } else {
        children.push_back(m_andTable);
        children.insert(children.end(), m_rowGates.begin(), m_rowGates.end());
    }
    const std::size_t lines = std::min(m_lines.size(), m_view.Logic().AnnotationLines().size());
    children.insert(children.end(), m_lines.begin(), m_lines.begin() + static_cast<std::ptrdiff_t>(lines));
    return children;
}

QString CFuseMapAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? QStringLiteral("Fuse map") : QAccessibleWidget::text(t);
}

QAccessibleInterface* CFuseMapAccessible::CursorObject() const
{
    const std::optional<CFuseMapCell> cursor = m_view.Logic().Cursor();
    if (!cursor)
        return nullptr;
    switch (cursor->kind) {
    case CFuseMapCell::OrCell:
        return m_orTable->Cell(cursor->r, cursor->f);
    case CFuseMapCell::AndCell:
        return m_andTable->Cell(cursor->r, cursor->c);
    case CFuseMapCell::OutputGate:
        return m_outputGates[static_cast<std::size_t>(cursor->f)];
    case CFuseMapCell::RowGate:
        break;
    }
    return m_rowGates[static_cast<std::size_t>(cursor->r)];
}

QAccessibleInterface* CFuseMapAccessible::focusChild() const
{
    return m_view.hasFocus() ? CursorObject() : nullptr;
}

QAccessibleInterface* CFuseMapAccessible::childAt(int x, int y) const
{
    for (QAccessibleInterface* child : Children())
        if (child->rect().contains(x, y))
            return child;
    return nullptr;
}

QAccessibleInterface* CFuseMapAccessible::child(int index) const
{
    const std::vector<QAccessibleInterface*> children = Children();
    return index >= 0 && index < static_cast<int>(children.size()) ? children[static_cast<std::size_t>(index)]
                                                                     : nullptr;
}

int CFuseMapAccessible::childCount() const { return static_cast<int>(Children().size()); }

int CFuseMapAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const std::vector<QAccessibleInterface*> children = Children();
    const auto it = std::find(children.begin(), children.end(), child);
    return it == children.end() ? -1 : static_cast<int>(it - children.begin());
}

void CFuseMapAccessible::DeviceChanged(const DeviceChange& change)
{
    if (change.type || change.replaced || change.flags) {
        QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
    // A cell's name holds the names of its input or output: a rename
    // changes every cell's.
    const bool renamed = change.variableNames || change.functionNames;
    for (int r = 0; r < Device::kRows; ++r) {
        for (int f = 0; f < Device::kFunctions; ++f)
            if (renamed || (change.orFuses[static_cast<std::size_t>(f)] | change.promEntries[static_cast<std::size_t>(f)]) >> r & 1)
                m_orTable->NotifyCellChanged(r, f);
        for (int c = 0; c < Device::kColumns; ++c)
            if (renamed || change.andFuses[static_cast<std::size_t>(r)] >> c & 1)
                m_andTable->NotifyCellChanged(r, c);
        if (change.rowTexts >> r & 1) {
            QAccessibleEvent renamed(m_rowGates[static_cast<std::size_t>(r)], QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
    const std::size_t lines = std::min(m_lines.size(), m_view.Logic().AnnotationLines().size());
    for (std::size_t i = 0; i < lines; ++i) {
        QAccessibleEvent renamed(m_lines[i], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void CFuseMapAccessible::CursorMoved()
{
    if (QAccessibleInterface* cursor = CursorObject()) {
        QAccessibleEvent focused(cursor, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}
