// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTruthTableGrid.h"

#include "Platform.h"
#include "TruthTableLayout.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>

namespace L = TruthTableLayout;

CTruthTableGrid::CTruthTableGrid(CZYLDoc& doc, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
{
    setGeometry(L::kNumbersLeft, L::kTop, L::kRight + 2 - L::kNumbersLeft, L::kBottom + 2 - L::kTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
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
        update(CellRect(m_cursor).adjusted(-3, -3, 3, 3));
        m_cursor = TableMoveCursor(m_cursor, *key.move);
        update(CellRect(m_cursor).adjusted(-3, -3, 3, 3));
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
    if (!m_cue.Shows(hasFocus()))
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(CellRect(m_cursor).adjusted(-1, -1, 1, 1));
}
