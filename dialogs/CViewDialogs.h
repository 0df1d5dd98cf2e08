// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

class CZYLDoc;
class QWidget;
class CModelessDlg;

// The function-entry dialogs that the view owns (truth table, minterms,
// maxterms, circuit symbols) and the names dialog. It subscribes to the
// document: every change refills each open dialog once, and the switch to
// PLA hides them all. Each modeless dialog's
// window is created on its first command, hidden when closed and destroyed
// with this object; shown again, it comes back where it was left, on the
// screen. The dialogs are owned by the main window (the view's
// window): they stay above it, minimize and restore with it, and a click in
// the fuse map never buries them.
class CViewDialogs
{
public:
    CViewDialogs(CZYLDoc& doc, QWidget* view);
    ~CViewDialogs();

    // A window added after the program's own dialogs (a teaching window),
    // made on its first command by create. Every such window follows one
    // rule, kept here and nowhere else: it is owned by the main window,
    // refilled on every change of the document, hidden by the switch to PLA
    // and refused there with the PLA message, silent while the block
    // structure is shown, and its geometry is remembered in the settings
    // under "Windows/<settingsKey>" (read back onto the screen, or not at all).
    using WindowFactory = std::function<std::unique_ptr<CModelessDlg>(CZYLDoc& doc, QWidget* owner)>;
    void AddWindow(int id, const std::string& settingsKey, WindowFactory create);

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
