#pragma once

#include <memory>

class CZYLDoc;
class QWidget;

// The function-entry dialogs that the view owns (truth table, minterms,
// maxterms, circuit symbols) and the names dialog. Each modeless dialog is
// created on its first command, hidden when closed and destroyed with this
// object.
class CViewDialogs
{
public:
    CViewDialogs(CZYLDoc& doc, QWidget* view);
    ~CViewDialogs();

    // The dialog commands: truth table (32787), minterms (32798),
    // maxterms (32799), circuit symbols (32814), names (32788).
    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    // Check mark of a dialog command (the circuit-symbols dialog is shown).
    bool IsChecked(int id) const;
    // Refill and redraw every open dialog from the document.
    void RefreshAll();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
