// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>
#include <string>

// The base of every modeless window (the truth table, the entry dialogs,
// the circuit symbols, the minimization steps, the Karnaugh maps and any
// added later), whatever it shows:
// - It draws the device's current state; Refill() reloads what it shows
//   (edit texts, pictures, covers) and repaints. The dialog manager calls it
//   once for every change of the device while the window is shown, and when
//   it brings the window up; never on an expose.
// - Closed (its own button, the title bar, Escape) it is hidden, never
//   destroyed, and whoever asked hears of it.
// - Given a place to keep it, its geometry is taken whenever it is hidden
//   and given back, moved onto the screen, on every show (a window manager
//   may otherwise place a window anew each time it is shown).
// - It knows when it was last shown, activated or brought up, so that of
//   two windows the later one is known to lie over the earlier.
class CModelessDlg : public QDialog
{
public:
    using QDialog::QDialog;

    void Refill()
    {
        ++m_refills;
        Reload();
    }
    // How often the window was refilled: the refreshes a test counts.
    int Refills() const { return m_refills; }

    // Runs when the user closes the window (it is then hidden).
    void SetClosedHandler(std::function<void()> handler) { m_onClosed = std::move(handler); }
    void reject() override;

    // Remembers the geometry from now on: for this run, and with a settings
    // key also for the next, under "Windows/<settingsKey>" (read back onto
    // the screen, or not at all).
    void KeepGeometry(const std::string& settingsKey);

    // Brings the window up over its owner, refilled, active, with the focus
    // on its first control, whether it was hidden, shown, minimized or
    // covered.
    void BringUp();
    // When the window was last shown, activated or brought up: a count that
    // grows over all windows.
    unsigned long long RaisedOrder() const { return m_raised; }

protected:
    // What Refill does for this window.
    virtual void Reload() = 0;
    bool event(QEvent* event) override;

private:
    void MarkRaised();

    std::function<void()> m_onClosed;
    int m_refills = 0;
    bool m_keepGeometry = false;
    QString m_geometryKey;
    QByteArray m_geometry;
    unsigned long long m_raised = 0;
};
