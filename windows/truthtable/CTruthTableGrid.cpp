// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTruthTableGrid.h"

#include "AccessibleTable.h"
#include "CZYLDoc.h"
#include "FocusStyle.h"
#include "Platform.h"
#include "TruthTableLayout.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>

namespace L = TruthTableLayout;

namespace {

QAccessibleInterface* GridFactory(const QString&, QObject* object)
{
    auto* grid = dynamic_cast<CTruthTableGrid*>(object);
    if (!grid)
        return nullptr;
    // The cells are placed on the dialog, around the grid widget.
    QWidget* dialog = grid->parentWidget();
    return new CAccessibleTable(grid, grid->AccessGrid(), nullptr, [dialog](const ZRect& r) {
        return QRect(dialog->mapToGlobal(QPoint(r.left, r.top)), QSize(r.Width(), r.Height()));
    });
}

} // namespace

CTruthTableGrid::CTruthTableGrid(CZYLDoc& doc, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
{
    setGeometry(L::kNumbersLeft, L::kTop, L::kRight + 2 - L::kNumbersLeft, L::kBottom + 2 - L::kTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    UseAccessibleFactory(GridFactory, this);
    for (int f = 0; f < Device::kFunctions; ++f)
        for (int r = 0; r < Device::kRows; ++r)
            m_announced[static_cast<std::size_t>(f * Device::kRows + r)] =
                m_access.CellName(r, CTableAccessGrid::kOutputColumn + f);
}

CAccessibleTable* CTruthTableGrid::Accessible()
{
    return QAccessible::isActive() ? dynamic_cast<CAccessibleTable*>(QAccessible::queryAccessibleInterface(this))
                                   : nullptr;
}

void CTruthTableGrid::AnnounceChanges()
{
    CAccessibleTable* table = Accessible();
    for (int f = 0; f < Device::kFunctions; ++f)
        for (int r = 0; r < Device::kRows; ++r) {
            std::string& told = m_announced[static_cast<std::size_t>(f * Device::kRows + r)];
            std::string name = m_access.CellName(r, CTableAccessGrid::kOutputColumn + f);
            if (name != told && table)
                table->NotifyCellChanged(r, CTableAccessGrid::kOutputColumn + f);
            told = std::move(name);
        }
}

QRect CTruthTableGrid::CellRect(const CTableCell& cell) const
{
    const ZRect r = L::ClickRect(cell.f, cell.r);
    return QRect(r.left, r.top, r.Width(), r.Height()).translated(-pos());
}

void CTruthTableGrid::keyPressEvent(QKeyEvent* event)
{
    const CCellKey key = CellKeyOf(*event);
    if (key.move) {
        m_cue.Navigated();
        update(CellRect(m_cursor).adjusted(-5, -5, 5, 5));
        m_cursor = TableMoveCursor(m_cursor, *key.move);
        update(CellRect(m_cursor).adjusted(-5, -5, 5, 5));
        if (CAccessibleTable* table = Accessible())
            table->NotifyCellFocused(m_cursor.r, CTableAccessGrid::kOutputColumn + m_cursor.f);
    } else if (key.action == CCellKey::Click || key.action == CCellKey::ShiftClick) {
        TableLeftClick(m_doc, m_cursor, key.action == CCellKey::ShiftClick);
    } else if (key.action == CCellKey::Popup) {
        OpenPopup();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CTruthTableGrid::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_cue.Navigated();
    update();
    QWidget::focusInEvent(event);
}

void CTruthTableGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void CTruthTableGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's right click goes to the dialog; this is the menu key.
    if (event->reason() == QContextMenuEvent::Keyboard)
        OpenPopup();
}

// Where a right click on the cursor's cell would open it, for that cell.
void CTruthTableGrid::OpenPopup()
{
    const QPoint at = mapToGlobal(CellRect(m_cursor).bottomLeft());
    const int item = GetPlatform().TrackPopup(TableValuePopupItems(), ZPoint{at.x(), at.y()});
    if (item >= 0 && item < 3)
        TablePopupValue(m_doc, m_cursor, TableValueOfPopupItem(item));
}

void CTruthTableGrid::paintEvent(QPaintEvent*)
{
    if (!m_cue.Shown(hasFocus()))
        return;
    QPainter p(this);
    DrawFocusCue(p, QRectF(CellRect(m_cursor)));
}
