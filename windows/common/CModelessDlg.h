// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

// A modeless function or teaching dialog owned by the view. It draws the
// device's current state; Refill() reloads what it shows (edit texts, fuse
// pictures, covers) from the document and repaints. The dialog manager
// calls it once for every change of the device while the dialog is shown,
// and when it brings the dialog up; never on an expose.
class CModelessDlg : public QDialog
{
public:
    using QDialog::QDialog;

    void Refill()
    {
        ++m_refills;
        Reload();
    }
    // How often the dialog was refilled: the refreshes a test counts.
    int Refills() const { return m_refills; }

    // Called when the user closes the dialog with its own close button or
    // the title bar (the window is then hidden, not destroyed).
    void SetClosedHandler(std::function<void()> handler) { m_onClosed = std::move(handler); }

protected:
    // What Refill does for this dialog.
    virtual void Reload() = 0;

    void NotifyClosed()
    {
        if (m_onClosed)
            m_onClosed();
    }

private:
    std::function<void()> m_onClosed;
    int m_refills = 0;
};
