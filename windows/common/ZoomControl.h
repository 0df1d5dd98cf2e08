// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"
#include "ZoomSteps.h"

#include <QPoint>
#include <QSettings>
#include <QString>

#include <functional>

class QAbstractScrollArea;
class QWheelEvent;
class QWidget;

// The zoom of a scrolled drawing, in the steps of ZoomSteps.h: the one
// implementation the fuse map, the steps window and the Karnaugh maps
// share. A change keeps the point under its anchor in place; Ctrl + wheel
// zooms about the point under the mouse, the keys and commands about the
// middle of the view.
class CZoomControl
{
public:
    // area: the scrolled drawing; resize lays its content out at the new
    // zoom (the scroll ranges follow it). With a settings key the zoom
    // starts as stored there, and every new zoom is stored and shown for a
    // few seconds over the area's middle (a window without a status bar);
    // without one it starts at actual size and changed tells it.
    CZoomControl(QAbstractScrollArea& area, std::function<void()> resize, const QString& settingsKey = QString());

    int Percent() const { return m_percent; }
    double Factor() const { return m_percent / 100.0; }
    void OnChanged(std::function<void(int percent)> changed) { m_changed = std::move(changed); }

    // The zoom becomes percent snapped to a step, the point under anchor (a
    // viewport position) kept in place; nothing when it already is.
    void Set(int percent, const QPoint& anchor);
    // One step in (+1) or out (-1), or actual size (0), about the middle.
    void Step(int steps);
    // Ctrl + wheel zooms a step a whole notch turned (away from the user
    // in); what a fine wheel turns short of a notch waits for the next
    // event. False, the event left alone, without Ctrl.
    bool Wheel(QWheelEvent& event);
    // Gives a window the zoom keys of the main window, on the main keyboard
    // and the keypad.
    void AddKeys(QWidget& window);

private:
    QAbstractScrollArea& m_area;
    std::function<void()> m_resize;
    QString m_key;
    std::function<void(int)> m_changed;
    int m_percent = kActualZoom;
    int m_wheelRest = 0;
};

// The logical point whose area holds the centre of a device pixel: the
// pixel a painter scaled by factor fills for that point. With a shift of
// 0.5, unit x covers x - 0.5 .. x + 0.5 rather than x .. x + 1.
ZPoint DeviceToLogical(const QPoint& device, double factor, double shift = 0);

// How a new zoom is told: "Zoom 150%".
QString ZoomText(int percent);

// A zoom as the settings remember it: a whole number snapped to a step,
// anything else (text, "1e9", nothing) the actual size.
int StoredZoom(const QString& key, const QSettings& settings = QSettings());
