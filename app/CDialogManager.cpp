// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDialogManager.h"

#include "CCommandRows.h"
#include "CChipSheetDlg.h"
#include "CKarnaughDlg.h"
#include "CMaxtermDlg.h"
#include "CMintermDlg.h"
#include "CStepsDlg.h"
#include "CSymbolsDlg.h"
#include "CTruthTableDlg.h"
#include "CZYLDoc.h"
#include "CommandIds.h"
#include "NamesLogic.h"
#include "Platform.h"

#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
const char* const kPlaSymbols = "\nNo circuit symbol will be shown\nfor PLA.";
} // namespace

// One window of the list: its command, where its geometry is kept, how it
// is made, and the window once made.
struct CWindowEntry
{
    int id;
    std::string settingsKey;
    CDialogManager::WindowFactory create;
    std::unique_ptr<CModelessDlg> window;
};

struct CDialogManager::Impl
{
    Impl(CZYLDoc& doc, QWidget* owner) : doc(doc), owner(owner) {}

    CZYLDoc& doc;
    QWidget* owner;
    std::vector<CWindowEntry> windows; // in the order they were added
    CCommandRows commands;
    bool symbolsShown = false;
    int listener = 0;

    CWindowEntry* Find(int id)
    {
        const auto it = std::find_if(windows.begin(), windows.end(), [id](const CWindowEntry& w) { return w.id == id; });
        return it == windows.end() ? nullptr : &*it;
    }

    CModelessDlg& Ensure(CWindowEntry& entry)
    {
        if (!entry.window) {
            entry.window = entry.create(doc, owner);
            entry.window->KeepGeometry(entry.settingsKey);
        }
        return *entry.window;
    }

    // The rule of every window but the symbols.
    void Show(CWindowEntry& entry)
    {
        if (doc.Device().flags.blockStructure)
            return;
        if (doc.Device().type == DeviceType::Pla) {
            ShowStandardMessage(kPlaNotImplemented);
            return;
        }
        Ensure(entry).BringUp();
    }

    // Whether the windows that came up after the window hide more than
    // half of it.
    bool Covered(const CModelessDlg& dlg) const
    {
        const QRect frame = dlg.frameGeometry();
        QRegion shown(frame);
        for (const CWindowEntry& other : windows)
            if (other.window && other.window.get() != &dlg && other.window->isVisible() &&
                !other.window->isMinimized() && other.window->RaisedOrder() > dlg.RaisedOrder())
                shown -= other.window->frameGeometry();
        long long area = 0;
        for (const QRect& r : shown)
            area += static_cast<long long>(r.width()) * r.height();
        return 2 * area < static_cast<long long>(frame.width()) * frame.height();
    }

    void ToggleSymbols(CWindowEntry& entry)
    {
        if (doc.Device().type == DeviceType::Pla) {
            ShowStandardMessage(kPlaSymbols);
            return;
        }
        // The command hides a dialog the user can see; one hidden by the
        // window system (minimized with its owner) or covered by another
        // of the program's windows is brought up instead.
        CModelessDlg* symbols = entry.window.get();
        if (symbols && symbolsShown && symbols->isVisible() && !symbols->isMinimized() && !Covered(*symbols)) {
            symbols->hide();
            symbolsShown = false;
            return;
        }
        if (!symbols)
            Ensure(entry).SetClosedHandler([this] { symbolsShown = false; });
        entry.window->BringUp();
        symbolsShown = true;
    }

    // Every change of the device: the switch to PLA puts the windows away,
    // any other refills each open one once.
    void Follow(const DeviceChange& change)
    {
        const bool toPla = change.type && doc.Device().type == DeviceType::Pla;
        for (CWindowEntry& entry : windows) {
            if (!entry.window)
                continue;
            if (toPla)
                entry.window->hide();
            else if (entry.window->isVisible())
                entry.window->Refill();
        }
        if (toPla)
            symbolsShown = false;
    }
};

namespace {

template <class T>
CDialogManager::WindowFactory Make()
{
    return [](CZYLDoc& doc, QWidget* owner) { return std::make_unique<T>(doc, owner); };
}

} // namespace

CDialogManager::CDialogManager(CZYLDoc& doc, QWidget* owner)
    : m_impl(std::make_unique<Impl>(doc, owner))
{
    Impl& impl = *m_impl;
    impl.listener = doc.AddListener([&impl](const DeviceChange& change) { impl.Follow(change); });
    // The program's windows, each with its command; the steps and the
    // Karnaugh maps also keep their geometry for the next run.
    AddWindow(ID_EDIT_TRUTH_TABLE, "", Make<CTruthTableDlg>());
    AddWindow(ID_EDIT_MINTERMS, "", Make<CMintermDlg>());
    AddWindow(ID_EDIT_MAXTERMS, "", Make<CMaxtermDlg>());
    impl.windows.push_back(CWindowEntry{ID_SYMBOLS, "", Make<CSymbolsDlg>(), nullptr});
    impl.commands.Add(ID_SYMBOLS, [&impl] { impl.ToggleSymbols(*impl.Find(ID_SYMBOLS)); },
                      [&impl] { return impl.symbolsShown; });
    AddWindow(ID_SHOW_STEPS, "MinimizationSteps", Make<CStepsDlg>());
    AddWindow(ID_EDIT_KARNAUGH, "KarnaughMaps", Make<CKarnaughDlg>());
    impl.commands.Add(ID_EDIT_NAMES, [&impl] { OnNames(impl.doc); });
    impl.windows.push_back(CWindowEntry{ID_FILE_EXPORT_FUSES, "ChipSheet", Make<CChipSheetDlg>(), nullptr});
}

CDialogManager::~CDialogManager() { m_impl->doc.RemoveListener(m_impl->listener); }

void CDialogManager::AddWindow(int id, const std::string& settingsKey, WindowFactory create)
{
    m_impl->windows.push_back(CWindowEntry{id, settingsKey, std::move(create), nullptr});
    m_impl->commands.Add(id, [impl = m_impl.get(), id] { impl->Show(*impl->Find(id)); });
}

void CDialogManager::ShowChipSheet(Chip chip)
{
    auto& sheet = static_cast<CChipSheetDlg&>(m_impl->Ensure(*m_impl->Find(ID_FILE_EXPORT_FUSES)));
    sheet.SetChip(chip);
    sheet.BringUp();
}

bool CDialogManager::HandlesCommand(int id) const { return m_impl->commands.Handles(id); }

void CDialogManager::OnCommand(int id) { m_impl->commands.Run(id); }

bool CDialogManager::IsChecked(int id) const { return m_impl->commands.IsChecked(id); }

bool CDialogManager::IsShown(int id) const
{
    const CModelessDlg* window = Dialog(id);
    return window && window->isVisible() && !window->isMinimized();
}

void CDialogManager::CloseAll()
{
    for (CWindowEntry& entry : m_impl->windows)
        if (entry.window)
            entry.window->hide();
}

CModelessDlg* CDialogManager::Dialog(int id) const
{
    const CWindowEntry* entry = m_impl->Find(id);
    return entry ? entry->window.get() : nullptr;
}
