// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChipDesign.h"

#include <functional>
#include <memory>
#include <string>

class CZYLDoc;
class QWidget;
class CModelessDlg;

// Every modeless window of the program (the truth table, the minterm and
// maxterm dialogs, the circuit symbols, the minimization steps, the
// Karnaugh maps and any added later) in one list, with its command, and the
// names command. It subscribes to the document: every change refills each
// open window once, and the switch to PLA hides them all. Every window
// follows one rule, kept here and nowhere else: it is made on its first
// command and owned by the main window (it stays above it, minimizes and
// restores with it, and a click in the fuse map never buries it); it is
// hidden when closed and destroyed with this object; it is refused in PLA
// mode with the PLA message and silent while the block structure is shown
// (the symbols have their own message and no silence); shown again, it
// comes back where it was left, on the screen.
class CDialogManager
{
public:
    // owner: the main window (nullptr: the windows stand alone).
    CDialogManager(CZYLDoc& doc, QWidget* owner);
    ~CDialogManager();

    // A window made on its first command by create. With a settings key its
    // geometry is also remembered for the next run, under
    // "Windows/<settingsKey>" (read back onto the screen, or not at all).
    using WindowFactory = std::function<std::unique_ptr<CModelessDlg>(CZYLDoc& doc, QWidget* owner)>;
    void AddWindow(int id, const std::string& settingsKey, WindowFactory create);

    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    // Check mark of a window command (the circuit-symbols dialog is shown).
    bool IsChecked(int id) const;
    // Whether the window of a command is shown and not minimized.
    bool IsShown(int id) const;
    // The main window closes: every window is hidden, its state kept.
    void CloseAll();

    // The chip sheet (the pins and equations of the device on chip), which
    // no command of its own brings up: an export does, after it wrote its
    // file. It is kept as every window is, under the id of Export Fuse File.
    void ShowChipSheet(Chip chip);

    // The window behind a command, or nullptr while it does not exist yet.
    CModelessDlg* Dialog(int id) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
