// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class CZYLDoc;
class QWidget;
class CModelessDlg;

// The function-entry dialogs that the view owns (truth table, minterms,
// maxterms, circuit symbols) and the names dialog. Each modeless dialog's
// window is created on its first command, hidden when closed and destroyed
// with this object. The dialogs are owned by the main window (the view's
// window): they stay above it, minimize and restore with it, and a click in
// the fuse map never buries them.
class CViewDialogs
{
public:
    CViewDialogs(CZYLDoc& doc, QWidget* view);
    ~CViewDialogs();

    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    // Check mark of a dialog command (the circuit-symbols dialog is shown).
    bool IsChecked(int id) const;
    // Refill and redraw every open dialog from the document.
    void RefreshAll();
    // The switch to PLA: every dialog is hidden and the symbols flag cleared.
    void HideAll();
    // The main window closes: every dialog is hidden, its state kept.
    void CloseAll();

    // The dialog behind a command, or nullptr while its window does not
    // exist yet (for tests).
    CModelessDlg* Dialog(int id) const;
    int SymbolsShown() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
