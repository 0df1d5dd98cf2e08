// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusStyle.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>

namespace {

// A menu item whose text carries its shortcut after a tab: read by name
// without it (the shortcut is its accelerator text), otherwise as the
// toolkit reads menu items.
class CMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CMenuItemAccessible(QAction* action, QWidget* owner)
        : m_action(action)
        , m_owner(owner)
    {
    }
    bool isValid() const override { return m_action && m_owner; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override { return m_owner ? m_owner->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override
    {
        const QString text = m_action->text();
        if (t == QAccessible::Name)
            return QString(text.left(text.indexOf(QLatin1Char('\t')))).remove(QLatin1Char('&'));
        if (t == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QRect rect() const override
    {
        QRect r;
        if (auto* menu = qobject_cast<QMenu*>(m_owner.data()))
            r = menu->actionGeometry(m_action);
        return r.isValid() ? QRect(m_owner->mapToGlobal(r.topLeft()), r.size()) : QRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        auto* menu = qobject_cast<QMenu*>(m_owner.data());
        s.invisible = !m_action->isVisible() || !m_owner->isVisible();
        s.focused = menu && menu->activeAction() == m_action;
        s.disabled = !m_action->isEnabled();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && m_action->isEnabled())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> m_action;
    QPointer<QWidget> m_owner;
};

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || !action || !action->text().contains(QLatin1Char('\t')))
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new CMenuItemAccessible(action, menu);
    return nullptr;
}

} // namespace

void CFocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.color(QPalette::Text), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void CFocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = option->rect.adjusted(4, 4, -4, -4);
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

void InstallKeyboardAndReaderSupport()
{
    QApplication::setStyle(new CFocusStyle(QApplication::style()->name()));
    QAccessible::installFactory(MenuItemFactory);
}

bool IsNavigationKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

void DrawFocusCue(QPainter& painter, const QRectF& cell)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QApplication::palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(-3, -3, 3, 3));
    painter.restore();
}
