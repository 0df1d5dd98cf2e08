// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDialogManager.h"

#include "CCommandRows.h"
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
    CStackingWatch stacking;
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
            new CGeometryKeeper(*entry.window, entry.settingsKey); // owned by the window
            stacking.Watch(*entry.window);
        }
        return *entry.window;
    }

    // The rule of every window but the symbols.
    void Show(CWindowEntry& entry)
    {
        if (doc.Device().flags.blockStructure)
            return;
        if (doc.Device().type == DeviceType::Pla) {
            ShowStandardMessage(kPlaDialogs);
            return;
        }
        BringUp(Ensure(entry));
    }

    // Brings a window up over its owner, active, with the focus on its
    // first control, whether it was hidden, shown, minimized or covered.
    void BringUp(CModelessDlg& dlg)
    {
        dlg.Refill();
        dlg.setWindowState(dlg.windowState() & ~Qt::WindowMinimized);
        dlg.show();
        dlg.raise();
        stacking.Raised(dlg);
        dlg.activateWindow();
        for (QWidget* w = dlg.nextInFocusChain(); w && w != &dlg; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&dlg)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }

    // Whether the windows that came up after the window hide more than
    // half of it.
    bool Covered(const QWidget& dlg) const
    {
        const QRect frame = dlg.frameGeometry();
        QRegion shown(frame);
        for (const CWindowEntry& other : windows)
            if (other.window && other.window.get() != &dlg && other.window->isVisible() &&
                !other.window->isMinimized() && stacking.Order(*other.window) > stacking.Order(dlg))
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
        BringUp(*entry.window);
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
}

CDialogManager::~CDialogManager() { m_impl->doc.RemoveListener(m_impl->listener); }

void CDialogManager::AddWindow(int id, const std::string& settingsKey, WindowFactory create)
{
    m_impl->windows.push_back(CWindowEntry{id, settingsKey, std::move(create), nullptr});
    m_impl->commands.Add(id, [impl = m_impl.get(), id] { impl->Show(*impl->Find(id)); });
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
