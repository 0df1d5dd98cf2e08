// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"
#include "ZoomSteps.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QKeySequence>
#include <QScrollBar>
#include <QSettings>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>
#include <functional>

// What the windows that zoom share: the conversion of a device position to
// logical units, the scrolling that keeps a point in place, the wheel's
// notches, the keys and the remembered step.

// The logical point whose area holds the centre of a device pixel: the
// pixel a painter scaled by factor fills for that point. With a shift of
// 0.5, unit x covers x - 0.5 .. x + 0.5 rather than x .. x + 1.
inline ZPoint DeviceToLogical(const QPoint& device, double factor, double shift = 0)
{
    return ZPoint{static_cast<int>(std::floor((device.x() + 0.5) / factor + shift)),
                  static_cast<int>(std::floor((device.y() + 0.5) / factor + shift))};
}

// Changes the zoom of a scrolled drawing from one factor to another:
// resize lays the content out at the new factor (the scroll ranges follow
// it), then the drawing is scrolled so that what lay under anchor (a
// viewport position) lies under it again, as far as the ranges allow.
inline void ZoomScrollArea(QAbstractScrollArea& area, double from, double to, const QPoint& anchor,
                           const std::function<void()>& resize)
{
    const QPointF scroll(area.horizontalScrollBar()->value(), area.verticalScrollBar()->value());
    const QPointF target = (scroll + QPointF(anchor)) * (to / from) - QPointF(anchor);
    resize();
    area.horizontalScrollBar()->setValue(qRound(target.x()));
    area.verticalScrollBar()->setValue(qRound(target.y()));
}

// Ctrl + wheel: zoom(notches, position) for the whole notches turned, away
// from the user positive; what a fine wheel turned short of a notch is kept
// in rest for the next event. False, the event left alone, without Ctrl.
inline bool ZoomByCtrlWheel(QWheelEvent& event, int& rest, const std::function<void(int, const QPoint&)>& zoom)
{
    if (!(event.modifiers() & Qt::ControlModifier)) {
        rest = 0;
        return false;
    }
    event.accept();
    rest += event.angleDelta().y();
    const int notches = rest / kWheelNotch;
    rest -= notches * kWheelNotch;
    if (notches != 0)
        zoom(notches, event.position().toPoint());
    return true;
}

// Gives a window the zoom keys of the main window, on the main keyboard and
// the keypad: zoom(+1) one step in, zoom(-1) one out, zoom(0) actual size.
inline void AddZoomKeys(QWidget& window, const std::function<void(int)>& zoom)
{
    const auto add = [&](const auto& keys, int step) {
        QList<QKeySequence> sequences;
        for (std::string_view k : keys)
            sequences << QKeySequence(QString::fromLatin1(k.data(), static_cast<qsizetype>(k.size())),
                                      QKeySequence::PortableText);
        auto* action = new QAction(&window);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, &window, [zoom, step] { zoom(step); });
        window.addAction(action);
    };
    add(kZoomInKeys, 1);
    add(kZoomOutKeys, -1);
    add(kActualSizeKeys, 0);
}

// The step a zoom key or notches lead to from percent (0: actual size).
inline int ZoomAfter(int percent, int steps) { return steps == 0 ? kActualZoom : ZoomStepFrom(percent, steps); }

// How a new zoom is told: "Zoom 150%".
inline QString ZoomText(int percent) { return QStringLiteral("Zoom %1%").arg(percent); }

// A window without a status bar tells its new zoom for a few seconds
// over its middle.
inline void ShowZoomTip(QWidget& widget, int percent)
{
    QToolTip::showText(widget.mapToGlobal(widget.rect().center()), ZoomText(percent), &widget, QRect(), 3000);
}

// A window's zoom as the settings remember it: a whole number snapped to a
// step, anything else (text, "1e9", nothing) the actual size.
inline int StoredZoom(const QString& key, const QSettings& settings = QSettings())
{
    bool number = false;
    const int percent = settings.value(key).toString().toInt(&number);
    return number ? NearestZoomStep(percent) : kActualZoom;
}
inline void StoreZoom(const QString& key, int percent) { QSettings().setValue(key, percent); }
