// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

#ifdef ZYL_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#endif

// While it lives, accessibility is on and every event sent is recorded as
// "TYPE ROLE NAME": the event's type and the role of the object it is
// about (in hex), and its name, read when it is sent. Without Qt's
// platform headers accessibility stays off: Active() says so.
class CAccessibleEvents
{
public:
    CAccessibleEvents()
    {
        Recorder() = this;
        SetActive(true);
        m_previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* about = event->accessibleInterface();
            Recorder()->events << QString("%1 %2 %3")
                                      .arg(event->type(), 0, 16)
                                      .arg(about ? about->role() : -1, 0, 16)
                                      .arg(about ? about->text(QAccessible::Name) : QString());
        });
    }
    ~CAccessibleEvents()
    {
        QAccessible::installUpdateHandler(m_previous);
        SetActive(false);
        Recorder() = nullptr;
    }
    CAccessibleEvents(const CAccessibleEvents&) = delete;
    CAccessibleEvents& operator=(const CAccessibleEvents&) = delete;

    // The events of one type about objects of one role, as the objects' names.
    QStringList Of(QAccessible::Event type, QAccessible::Role role = QAccessible::Cell) const
    {
        QStringList names;
        const QString prefix = QString("%1 %2 ").arg(type, 0, 16).arg(role, 0, 16);
        for (const QString& e : events)
            if (e.startsWith(prefix))
                names << e.mid(prefix.size());
        return names;
    }

    QStringList events;
    static bool Active() { return QAccessible::isActive(); }

private:
    static void SetActive(bool on)
    {
#ifdef ZYL_QPA_ACCESSIBILITY
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(on);
#else
        (void)on;
#endif
    }
    static CAccessibleEvents*& Recorder()
    {
        static CAccessibleEvents* recorder = nullptr;
        return recorder;
    }
    QAccessible::UpdateHandler m_previous = nullptr;
};
