// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewDialogs.h"

#include "CMaxtermDlg.h"
#include "CMintermDlg.h"
#include "CNamesDlg.h"
#include "NamesLogic.h"
#include "TeachingWindows.h"
#include "CSymbolsDlg.h"
#include "CTruthTableDlg.h"
#include "CCommandRows.h"
#include "CZYLDoc.h"
#include "CommandIds.h"
#include "Platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {
const char* const kPlaDialogs = "\n\nPLA is not commonly used, so this will not be implemented.";
const char* const kPlaSymbols = "\nNo circuit symbol will be shown\nfor PLA.";
} // namespace

namespace {

// Moves and sizes a window as little as needed for its frame to lie on
// the available part of its screen.
void KeepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize size = window.size().boundedTo(available.size() - frame).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    const QSize outer = size + frame;
    const QPoint at = window.pos();
    const int x = std::max(available.left(), std::min(at.x(), available.right() + 1 - outer.width()));
    const int y = std::max(available.top(), std::min(at.y(), available.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != at)
        window.move(x, y);
}

} // namespace

// Keeps a window where the user left it: its geometry is taken whenever it
// is hidden and given back, onto the screen, on every show (a window
// manager may otherwise place a window anew each time it is shown). With a
// settings key it is also kept in the settings for the next run.
class CGeometryKeeper : public QObject
{
public:
    CGeometryKeeper(QWidget& window, const std::string& key)
        : QObject(&window)
        , m_key(key.empty() ? QString() : QStringLiteral("Windows/%1").arg(QString::fromStdString(key)))
    {
        if (!m_key.isEmpty())
            m_geometry = QSettings().value(m_key).toByteArray();
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto& window = *static_cast<QWidget*>(watched);
        if (event->spontaneous())
            return false;
        if (event->type() == QEvent::Hide) {
            m_geometry = window.saveGeometry();
            if (!m_key.isEmpty())
                QSettings().setValue(m_key, m_geometry);
        } else if (event->type() == QEvent::Show && !m_geometry.isEmpty() && window.restoreGeometry(m_geometry)) {
            KeepOnScreen(window);
        }
        return false;
    }

private:
    QString m_key;
    QByteArray m_geometry;
};

// Which of the dialogs came up last: a window activated or shown lies over
// those before it (the dialogs are siblings over the main window), so a
// later one may cover an earlier one.
class CStackingWatch : public QObject
{
public:
    void Watch(QWidget& window)
    {
        window.installEventFilter(this);
        Raised(window);
    }
    void Raised(const QWidget& window) { m_order[&window] = ++m_last; }
    unsigned long long Order(const QWidget& window) const
    {
        const auto it = m_order.find(&window);
        return it == m_order.end() ? 0 : it->second;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
            Raised(*static_cast<QWidget*>(watched));
        return false;
    }

private:
    std::map<const QWidget*, unsigned long long> m_order;
    unsigned long long m_last = 0;
};

struct CExtraWindow
{
    int id;
    std::string settingsKey;
    CViewDialogs::WindowFactory create;
    std::unique_ptr<CModelessDlg> window;
};

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
    std::vector<CExtraWindow> extras;
    std::unique_ptr<CStackingWatch> stacking;
    int listener;

    QWidget* Owner() const { return view ? view->window() : nullptr; }

    // Every dialog whose window exists, the program's own and the added ones.
    std::vector<CModelessDlg*> Existing() const
    {
        std::vector<CModelessDlg*> all;
        for (CModelessDlg* dlg : {static_cast<CModelessDlg*>(truthTable.get()), static_cast<CModelessDlg*>(minterm.get()),
                                  static_cast<CModelessDlg*>(maxterm.get()), static_cast<CModelessDlg*>(symbols.get())})
            if (dlg)
                all.push_back(dlg);
        for (const CExtraWindow& extra : extras)
            if (extra.window)
                all.push_back(extra.window.get());
        return all;
    }

    void ShowExtra(std::size_t index)
    {
        if (doc.Device().flags.blockStructure)
            return;
        if (doc.Device().type == DeviceType::Pla) {
            ShowStandardMessage(kPlaDialogs);
            return;
        }
        CExtraWindow& extra = extras[index];
        if (!extra.window) {
            extra.window = extra.create(doc, Owner());
            new CGeometryKeeper(*extra.window, extra.settingsKey); // owned by the window
            stacking->Watch(*extra.window);
        }
        BringUp(*extra.window);
    }

    // The dialog object of a command, created on first use.
    template <class T>
    CModelessDlg& Ensure(std::unique_ptr<T>& slot)
    {
        if (!slot) {
            slot = std::make_unique<T>(doc, Owner());
            new CGeometryKeeper(*slot, std::string()); // owned by the dialog
            stacking->Watch(*slot);
        }
        return *slot;
    }

    // Brings a dialog up over its owner, active, with the focus on its
    // first control, whether it was hidden, shown, minimized or covered.
    void BringUp(CModelessDlg& dlg)
    {
        dlg.Refill();
        dlg.setWindowState(dlg.windowState() & ~Qt::WindowMinimized);
        dlg.show();
        dlg.raise();
        stacking->Raised(dlg);
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
        default:
            for (const CExtraWindow& extra : extras)
                if (extra.id == id)
                    return extra.window.get();
            return nullptr;
        }
    }

    void ShowFunctionDialog(int id)
    {
        if (doc.Device().flags.blockStructure)
            return;
        if (doc.Device().type == DeviceType::Pla) {
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

    // Whether the windows that came up after the dialog hide more than
    // half of it.
    bool Covered(const QWidget& dlg) const
    {
        const QRect frame = dlg.frameGeometry();
        QRegion shown(frame);
        for (const CModelessDlg* other : Existing())
            if (other != &dlg && other->isVisible() && !other->isMinimized() &&
                stacking->Order(*other) > stacking->Order(dlg))
                shown -= other->frameGeometry();
        long long area = 0;
        for (const QRect& r : shown)
            area += static_cast<long long>(r.width()) * r.height();
        return 2 * area < static_cast<long long>(frame.width()) * frame.height();
    }

    void ToggleSymbols()
    {
        if (doc.Device().type == DeviceType::Pla) {
            ShowStandardMessage(kPlaSymbols);
            return;
        }
        // The command hides a dialog the user can see; one hidden by the
        // window system (minimized with its owner) or covered by another
        // of the program's windows is brought up instead.
        if (symbols && bSymbolsShown == 1 && symbols->isVisible() && !symbols->isMinimized() && !Covered(*symbols)) {
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
    : m_impl(std::make_unique<Impl>(Impl{doc, view, {}, {}, {}, {}, 0, {}, {}, std::make_unique<CStackingWatch>(), 0}))
{
    Impl& impl = *m_impl;
    // Every change of the device: the switch to PLA puts the dialogs away,
    // any other refills each open one once.
    impl.listener = doc.AddListener([this](const DeviceChange& change) {
        if (change.type && m_impl->doc.Device().type == DeviceType::Pla)
            HideAll();
        else
            RefreshAll();
    });
    for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS})
        impl.commands.Add(id, [&impl, id] { impl.ShowFunctionDialog(id); });
    impl.commands.Add(ID_SYMBOLS, [&impl] { impl.ToggleSymbols(); }, [&impl] { return impl.bSymbolsShown == 1; });
    impl.commands.Add(ID_EDIT_NAMES, [&impl] { OnNames(impl.doc); });
    AddTeachingWindows(*this);
}

CViewDialogs::~CViewDialogs() { m_impl->doc.RemoveListener(m_impl->listener); }

bool CViewDialogs::HandlesCommand(int id) const { return m_impl->commands.Handles(id); }

void CViewDialogs::OnCommand(int id) { m_impl->commands.Run(id); }

bool CViewDialogs::IsChecked(int id) const { return m_impl->commands.IsChecked(id); }

void CViewDialogs::AddWindow(int id, const std::string& settingsKey, WindowFactory create)
{
    const std::size_t index = m_impl->extras.size();
    m_impl->extras.push_back(CExtraWindow{id, settingsKey, std::move(create), nullptr});
    m_impl->commands.Add(id, [impl = m_impl.get(), index] { impl->ShowExtra(index); });
}

void CViewDialogs::RefreshAll()
{
    for (CModelessDlg* dlg : m_impl->Existing())
        if (dlg->isVisible())
            dlg->Refill();
}

void CViewDialogs::HideAll()
{
    for (CModelessDlg* dlg : m_impl->Existing())
        dlg->hide();
    m_impl->bSymbolsShown = 0;
}

void CViewDialogs::CloseAll()
{
    for (CModelessDlg* dlg : m_impl->Existing())
        dlg->hide();
}

CModelessDlg* CViewDialogs::Dialog(int id) const { return m_impl->Existing(id); }

int CViewDialogs::SymbolsShown() const { return m_impl->bSymbolsShown; }
