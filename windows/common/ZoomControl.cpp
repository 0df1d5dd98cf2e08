// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoomControl.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QKeySequence>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

CZoomControl::CZoomControl(QAbstractScrollArea& area, std::function<void()> resize, const QString& settingsKey)
    : m_area(area)
    , m_resize(std::move(resize))
    , m_key(settingsKey)
    , m_percent(settingsKey.isEmpty() ? kActualZoom : StoredZoom(settingsKey))
{
}

void CZoomControl::Set(int percent, const QPoint& anchor)
{
    percent = NearestZoomStep(percent);
    if (percent == m_percent)
        return;
    // The content is laid out at the new zoom (the scroll ranges follow
    // it), then scrolled so that what lay under anchor lies under it again,
    // as far as the ranges allow.
    const double from = Factor();
    const QPointF scroll(m_area.horizontalScrollBar()->value(), m_area.verticalScrollBar()->value());
    m_percent = percent;
    const QPointF target = (scroll + QPointF(anchor)) * (Factor() / from) - QPointF(anchor);
    m_resize();
    m_area.horizontalScrollBar()->setValue(qRound(target.x()));
    m_area.verticalScrollBar()->setValue(qRound(target.y()));
    if (!m_key.isEmpty()) {
        QSettings().setValue(m_key, percent);
        QWidget& shown = *m_area.viewport();
        QToolTip::showText(shown.mapToGlobal(shown.rect().center()), ZoomText(percent), &shown, QRect(), 3000);
    }
    if (m_changed)
        m_changed(percent);
}

void CZoomControl::Step(int steps)
{
    Set(steps == 0 ? kActualZoom : ZoomStepFrom(m_percent, steps), m_area.viewport()->rect().center());
}

bool CZoomControl::Wheel(QWheelEvent& event)
{
    if (!(event.modifiers() & Qt::ControlModifier)) {
        m_wheelRest = 0;
        return false;
    }
    event.accept();
    m_wheelRest += event.angleDelta().y();
    const int notches = m_wheelRest / kWheelNotch;
    m_wheelRest -= notches * kWheelNotch;
    if (notches != 0)
        Set(ZoomStepFrom(m_percent, notches), event.position().toPoint());
    return true;
}

void CZoomControl::AddKeys(QWidget& window)
{
    const auto add = [&](const auto& keys, int steps) {
        QList<QKeySequence> sequences;
        for (std::string_view k : keys)
            sequences << QKeySequence(QString::fromLatin1(k.data(), static_cast<qsizetype>(k.size())),
                                      QKeySequence::PortableText);
        auto* action = new QAction(&window);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, &window, [this, steps] { Step(steps); });
        window.addAction(action);
    };
    add(kZoomInKeys, 1);
    add(kZoomOutKeys, -1);
    add(kActualSizeKeys, 0);
}

ZPoint DeviceToLogical(const QPoint& device, double factor, double shift)
{
    return ZPoint{static_cast<int>(std::floor((device.x() + 0.5) / factor + shift)),
                  static_cast<int>(std::floor((device.y() + 0.5) / factor + shift))};
}

QString ZoomText(int percent) { return QStringLiteral("Zoom %1%").arg(percent); }

int StoredZoom(const QString& key, const QSettings& settings)
{
    bool number = false;
    const int percent = settings.value(key).toString().toInt(&number);
    return number ? NearestZoomStep(percent) : kActualZoom;
}
