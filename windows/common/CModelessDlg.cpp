// SPDX-License-Identifier: GPL-3.0-or-later
#include "CModelessDlg.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {

// Moves and sizes a window as little as needed for its frame to lie on
// the available part of its screen.
void KeepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize size = window.size().boundedTo(available.size() - frame).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    const QSize outer = size + frame;
    const QPoint at = window.pos();
    const int x = std::max(available.left(), std::min(at.x(), available.right() + 1 - outer.width()));
    const int y = std::max(available.top(), std::min(at.y(), available.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != at)
        window.move(x, y);
}

unsigned long long g_lastRaised = 0;

} // namespace

void CModelessDlg::reject()
{
    hide();
    if (m_onClosed)
        m_onClosed();
}

void CModelessDlg::KeepGeometry(const std::string& settingsKey)
{
    m_keepGeometry = true;
    m_geometryKey =
        settingsKey.empty() ? QString() : QStringLiteral("Windows/%1").arg(QString::fromStdString(settingsKey));
    if (!m_geometryKey.isEmpty())
        m_geometry = QSettings().value(m_geometryKey).toByteArray();
    MarkRaised();
}

void CModelessDlg::BringUp()
{
    Refill();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    MarkRaised();
    activateWindow();
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void CModelessDlg::MarkRaised() { m_raised = ++g_lastRaised; }

bool CModelessDlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        MarkRaised();
    if (m_keepGeometry && !event->spontaneous()) {
        if (event->type() == QEvent::Hide) {
            m_geometry = saveGeometry();
            if (!m_geometryKey.isEmpty())
                QSettings().setValue(m_geometryKey, m_geometry);
        } else if (event->type() == QEvent::Show && !m_geometry.isEmpty() && restoreGeometry(m_geometry)) {
            KeepOnScreen(*this);
        }
    }
    return QDialog::event(event);
}
