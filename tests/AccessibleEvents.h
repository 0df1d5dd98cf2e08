// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QStringList>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// While it lives, accessibility is on and every event sent is recorded as
// "TYPE ROLE NAME": the event's type and the role of the object it is
// about (in hex), and its name, read when it is sent. Where the platform
// has no accessibility it stays off: Active() says so.
class CAccessibleEvents
{
public:
    CAccessibleEvents()
    {
        s_recorder = this;
        SetActive(true);
        m_previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* about = event->accessibleInterface();
            s_recorder->m_events << QString("%1 %2 %3")
                                        .arg(event->type(), 0, 16)
                                        .arg(about ? about->role() : -1, 0, 16)
                                        .arg(about ? about->text(QAccessible::Name) : QString());
        });
    }
    ~CAccessibleEvents()
    {
        QAccessible::installUpdateHandler(m_previous);
        SetActive(false);
    }

    static bool Active() { return QAccessible::isActive(); }
    // The events of one type about objects of one role, as the objects' names.
    QStringList Of(QAccessible::Event type, QAccessible::Role role = QAccessible::Cell) const
    {
        const QString prefix = QString("%1 %2 ").arg(type, 0, 16).arg(role, 0, 16);
        QStringList names;
        for (const QString& e : m_events)
            if (e.startsWith(prefix))
                names << e.mid(prefix.size());
        return names;
    }

private:
    static void SetActive(bool on)
    {
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(on);
    }
    static inline CAccessibleEvents* s_recorder = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
    QStringList m_events;
};
