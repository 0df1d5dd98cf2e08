// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewDialogs.h"

#include "CMaxtermDlg.h"
#include "CMintermDlg.h"
#include "CNamesDlg.h"
#include "NamesLogic.h"
#include "CSymbolsDlg.h"
#include "CTruthTableDlg.h"
#include "CCommandRows.h"
#include "CZYLDoc.h"
#include "CommandIds.h"
#include "Platform.h"

#include <QWidget>

#include <memory>

namespace {
const char* const kPlaDialogs = "\n\nPLA is not commonly used, so this will not be implemented.";
const char* const kPlaSymbols = "\nNo circuit symbol will be shown\nfor PLA.";
} // namespace

struct CViewDialogs::Impl
{
    CZYLDoc& doc;
    QWidget* view;
    std::unique_ptr<CTruthTableDlg> truthTable;
    std::unique_ptr<CMintermDlg> minterm;
    std::unique_ptr<CMaxtermDlg> maxterm;
    std::unique_ptr<CSymbolsDlg> symbols;
    int bSymbolsShown = 0;
    CCommandRows commands;

    // The dialog object of a command, created on first use.
    template <class T>
    CModelessDlg& Ensure(std::unique_ptr<T>& slot)
    {
        if (!slot)
            slot = std::make_unique<T>(doc, view ? view->window() : nullptr);
        return *slot;
    }

    // Brings a dialog up over its owner, active, with the focus on its
    // first control, whether it was hidden, shown or minimized.
    static void BringUp(CModelessDlg& dlg)
    {
        dlg.Refill();
        dlg.setWindowState(dlg.windowState() & ~Qt::WindowMinimized);
        dlg.show();
        dlg.raise();
        dlg.activateWindow();
        for (QWidget* w = dlg.nextInFocusChain(); w && w != &dlg; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&dlg)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }

    CModelessDlg* Existing(int id) const
    {
        switch (id) {
        case ID_EDIT_TRUTH_TABLE: return truthTable.get();
        case ID_EDIT_MINTERMS: return minterm.get();
        case ID_EDIT_MAXTERMS: return maxterm.get();
        case ID_SYMBOLS: return symbols.get();
        default: return nullptr;
        }
    }

    void ShowFunctionDialog(int id)
    {
        if (doc.m_bBlockStructure == 1)
            return;
        if (doc.m_bPla == 1) {
            ShowStandardMessage(kPlaDialogs);
            return;
        }
        CModelessDlg* dlg = nullptr;
        if (id == ID_EDIT_TRUTH_TABLE)
            dlg = &Ensure(truthTable);
        else if (id == ID_EDIT_MINTERMS)
            dlg = &Ensure(minterm);
        else
            dlg = &Ensure(maxterm);
        BringUp(*dlg);
    }

    void ToggleSymbols()
    {
        if (doc.m_bPla == 1) {
            ShowStandardMessage(kPlaSymbols);
            return;
        }
        // The command hides a dialog the user can see; one hidden by the
        // window system (minimized with its owner) is brought up instead.
        if (symbols && bSymbolsShown == 1 && symbols->isVisible() && !symbols->isMinimized()) {
            symbols->hide();
            bSymbolsShown = 0;
            return;
        }
        if (!symbols) {
            Ensure(symbols);
            symbols->SetClosedHandler([this] { bSymbolsShown = 0; });
        }
        BringUp(*symbols);
        bSymbolsShown = 1;
    }
};

CViewDialogs::CViewDialogs(CZYLDoc& doc, QWidget* view)
    : m_impl(std::make_unique<Impl>(Impl{doc, view, {}, {}, {}, {}, 0, {}}))
{
    Impl& impl = *m_impl;
    for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS})
        impl.commands.Add(id, [&impl, id] { impl.ShowFunctionDialog(id); });
    impl.commands.Add(ID_SYMBOLS, [&impl] { impl.ToggleSymbols(); }, [&impl] { return impl.bSymbolsShown == 1; });
    impl.commands.Add(ID_EDIT_NAMES, [&impl] { OnNames(impl.doc); });
}

CViewDialogs::~CViewDialogs() = default;

bool CViewDialogs::HandlesCommand(int id) const { return m_impl->commands.Handles(id); }

void CViewDialogs::OnCommand(int id) { m_impl->commands.Run(id); }

bool CViewDialogs::IsChecked(int id) const { return m_impl->commands.IsChecked(id); }

void CViewDialogs::RefreshAll()
{
    for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS, ID_SYMBOLS})
        if (CModelessDlg* dlg = m_impl->Existing(id); dlg && dlg->isVisible())
            dlg->Refill();
}

void CViewDialogs::HideAll()
{
    for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS, ID_SYMBOLS})
        if (CModelessDlg* dlg = m_impl->Existing(id))
            dlg->hide();
    m_impl->bSymbolsShown = 0;
}

void CViewDialogs::CloseAll()
{
    for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS, ID_SYMBOLS})
        if (CModelessDlg* dlg = m_impl->Existing(id))
            dlg->hide();
}

CModelessDlg* CViewDialogs::Dialog(int id) const { return m_impl->Existing(id); }

int CViewDialogs::SymbolsShown() const { return m_impl->bSymbolsShown; }
