// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

// A modeless function or teaching dialog owned by the view. It draws the
// document's current state; Refill() reloads what it shows (edit texts,
// fuse pictures) from the document and repaints. The view calls it when the
// document changes and when the dialog is brought up, never on an expose.
class CModelessDlg : public QDialog
{
public:
    using QDialog::QDialog;

    virtual void Refill() = 0;

    // Called when the user closes the dialog with its own close button or
    // the title bar (the window is then hidden, not destroyed).
    void SetClosedHandler(std::function<void()> handler) { m_onClosed = std::move(handler); }

protected:
    void NotifyClosed()
    {
        if (m_onClosed)
            m_onClosed();
    }

private:
    std::function<void()> m_onClosed;
};
