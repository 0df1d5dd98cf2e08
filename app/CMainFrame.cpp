// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMainFrame.h"

#include "CDialogManager.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "ChipSheet.h"
#include "CommandTable.h"
#include "DocFile.h"
#include "FileWrite.h"
#include "Handout.h"
#include "PictureExport.h"
#include "QtPlatform.h"
#include "SystemPath.h"
#include "Platform.h"
#include "Pictures.h"
#include "ZoomControl.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

CMainFrame::CMainFrame(CZYLDoc& doc, QWidget* parent)
    : QMainWindow(parent)
    , m_doc(doc)
{
    setObjectName(QStringLiteral("CMainFrame"));
    BuildShellCommands();
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    setWindowIcon(ZylIcon(kImgAppIcon));

    m_view = new CZYLView(doc, this);
    setCentralWidget(m_view);
    connect(m_view, &CZYLView::CommandDone, this, &CMainFrame::UpdateCommandUI);
    m_dialogs = std::make_unique<CDialogManager>(doc, this);
    m_view->SetKarnaughShown([this] { return m_dialogs->IsShown(ID_EDIT_KARNAUGH); });

    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    LoadSettings();
    connect(m_view, &CZYLView::ZoomChanged, this, &CMainFrame::OnZoomChanged);

    QPointer<CMainFrame> self(this);
    // The title follows the path and the modified flag, the check marks
    // every change of the device, whichever window made it.
    m_statusListener = m_doc.AddStatusListener([self] {
        if (self)
            self->UpdateTitle();
    });
    m_docListener = m_doc.AddListener([this](const DeviceChange&) { UpdateCommandUI(); });
    qApp->installEventFilter(this);
    UpdateTitle();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame()
{
    m_view->SetKarnaughShown({}); // the windows go first
    m_doc.RemoveListener(m_docListener);
    m_doc.RemoveStatusListener(m_statusListener);
    qApp->removeEventFilter(this);
}

QAction* CMainFrame::Action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QString CMainFrame::MessageText() const
{
    return m_message->text();
}

// --- Construction -------------------------------------------------------------

void CMainFrame::BuildActions()
{
    for (const CCommandEntry& e : CommandTable()) {
        auto* action = new QAction(Q(e.text), this);
        action->setData(e.id);
        action->setStatusTip(Q(PromptOf(e.prompt)));
        action->setToolTip(Q(ToolTipOf(e.prompt)));
        action->setProperty("zylToolTip", Q(ToolTipOf(e.prompt)));
        action->setProperty("zylPrompt", Q(e.prompt));
        QList<QKeySequence> keys;
        for (const std::string& k : e.keys)
            keys << QKeySequence(Q(k), QKeySequence::PortableText);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        // Shown on a button only while its picture is missing.
        action->setIconText(Q(e.text.substr(0, e.text.find('\t'))).remove(QLatin1Char('&')));
        action->setCheckable(e.checkable);
        // Pictures belong to the toolbar: in a menu a picture would stand
        // where the check mark shows, and a checked item must show one.
        action->setIconVisibleInMenu(false);
        action->setMenuRole(QAction::NoRole);
        const int id = e.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(action); // accelerators work whatever has the focus
        m_actions[id] = action;
        if (id == ID_FILE_MRU_FILE1) {
            m_mru[0] = action;
            for (int i = 1; i < 4; ++i) {
                auto* mru = new QAction(this);
                mru->setData(ID_FILE_MRU_FILE1 + i);
                mru->setStatusTip(action->statusTip());
                mru->setProperty("zylToolTip", QString());
                const int mruId = ID_FILE_MRU_FILE1 + i;
                connect(mru, &QAction::triggered, this, [this, mruId] { OnCommand(mruId); });
                m_actions[mruId] = mru;
                m_mru[i] = mru;
            }
        }
    }
}

void CMainFrame::BuildMenus()
{
    std::map<std::string, QMenu*> menus;
    for (const CCommandEntry& e : CommandTable()) {
        if (e.menuPath.empty())
            continue;
        std::string key;
        QMenu* menu = nullptr;
        for (const std::string& title : e.menuPath) {
            const std::string parentKey = key;
            key += "/" + title;
            auto it = menus.find(key);
            if (it == menus.end()) {
                QMenu* created = menu ? menu->addMenu(Q(title)) : menuBar()->addMenu(Q(title));
                connect(created, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
                it = menus.emplace(key, created).first;
            }
            menu = it->second;
        }
        if (e.separatorBefore)
            menu->addSeparator();
        menu->addAction(Action(e.id));
        if (e.id == ID_FILE_MRU_FILE1)
            for (int i = 1; i < 4; ++i)
                menu->addAction(m_mru[i]);
    }
}

void CMainFrame::BuildToolBar()
{
    m_wndToolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_wndToolBar->setObjectName(QStringLiteral("AFX_IDW_TOOLBAR"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(true);
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : ToolbarLayout()) {
        if (id == kToolbarSeparator) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = Action(id);
        for (const CCommandEntry& e : CommandTable()) {
            if (e.id != id)
                continue;
            if (e.toolbarImage >= 0)
                action->setIcon(ZylToolbarIcon(e.toolbarImage));
            else if (e.buttonPicture >= 0)
                action->setIcon(ZylIcon(ImageId(e.buttonPicture)));
        }
        m_wndToolBar->addAction(action);
        if (QWidget* button = m_wndToolBar->widgetForAction(action))
            button->installEventFilter(this);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
    m_message = new QLabel(QStringLiteral("Ready"), bar);
    m_message->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_message, 1);
    auto indicator = [bar](const char* text, const char* name) {
        auto* label = new QLabel(QString::fromLatin1(text), bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        return label;
    };
    m_cap = indicator("CAP", "ID_INDICATOR_CAPS");
    m_num = indicator("NUM", "ID_INDICATOR_NUM");
    m_scrl = indicator("SCRL", "ID_INDICATOR_SCRL");
    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    connect(m_messageTimer, &QTimer::timeout, this, [this] { m_message->setText(QStringLiteral("Ready")); });
}

void CMainFrame::OnZoomChanged(int percent)
{
    // Told for a few seconds in the message pane, and remembered.
    m_message->setText(ZoomText(percent));
    m_messageTimer->start(3000);
    QSettings(QStringLiteral(ZYL_SETTINGS_ORGANISATION), QStringLiteral(ZYL_SETTINGS_APPLICATION))
        .setValue(QStringLiteral("Settings/Zoom"), percent);
    UpdateCommandUI();
}

// --- Settings -----------------------------------------------------------------

void CMainFrame::LoadSettings()
{
    QSettings settings(QStringLiteral(ZYL_SETTINGS_ORGANISATION), QStringLiteral(ZYL_SETTINGS_APPLICATION));
    // Paths are stored as their bytes; older settings hold them as text.
    m_recent.clear();
    for (int i = 0; i < 4; ++i) {
        const QVariant file = settings.value(QStringLiteral("Recent File List/File%1").arg(i + 1));
        const std::string path = file.typeId() == QMetaType::QByteArray ? file.toByteArray().toStdString()
                                                                        : PathBytes(file.toString());
        if (!path.empty() && std::find(m_recent.begin(), m_recent.end(), path) == m_recent.end())
            m_recent.push_back(path);
    }
    m_wndToolBar->setVisible(settings.value(QStringLiteral("Settings/ShowToolbar"), true).toBool());
    statusBar()->setVisible(settings.value(QStringLiteral("Settings/ShowStatusBar"), true).toBool());
    // The drawing comes back at its remembered zoom, from its top left.
    m_view->SetZoom(StoredZoom(QStringLiteral("Settings/Zoom"), settings), QPoint(0, 0));
    UpdateRecentMenu();
}

void CMainFrame::SaveSettings() const
{
    QSettings settings(QStringLiteral(ZYL_SETTINGS_ORGANISATION), QStringLiteral(ZYL_SETTINGS_APPLICATION));
    for (std::size_t i = 0; i < 4; ++i) {
        const QString key = QStringLiteral("Recent File List/File%1").arg(i + 1);
        if (i < m_recent.size())
            settings.setValue(key, QByteArray::fromStdString(m_recent[i]));
        else
            settings.remove(key);
    }
    // Hidden bars are hidden because the user chose so; the frame itself may
    // not be shown (tests, printing from the command line).
    settings.setValue(QStringLiteral("Settings/ShowToolbar"), !m_wndToolBar->isHidden());
    settings.setValue(QStringLiteral("Settings/ShowStatusBar"), !statusBar()->isHidden());
}

void CMainFrame::AddRecentFile(const std::string& absolutePath)
{
    std::erase(m_recent, absolutePath);
    m_recent.insert(m_recent.begin(), absolutePath);
    if (m_recent.size() > 4)
        m_recent.resize(4);
    UpdateRecentMenu();
    SaveSettings();
}

void CMainFrame::UpdateRecentMenu()
{
    // A long path is cut in the middle, so that the menu stays within
    // reach of its file name.
    const int width = 60 * QFontMetrics(QApplication::font("QMenu")).averageCharWidth();
    for (std::size_t i = 0; i < 4; ++i) {
        QAction* a = m_mru[i];
        if (i < m_recent.size()) {
            QString shown = ShownPath(m_recent[i], width);
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            a->setVisible(true);
        } else if (i == 0) {
            a->setText(QStringLiteral("Recent File"));
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
}

// --- Command routing ----------------------------------------------------------

void CMainFrame::BuildShellCommands()
{
    m_commands.Add(ID_FILE_NEW, [this] {
        if (SaveModified())
            NewDocument();
    });
    m_commands.Add(ID_FILE_OPEN, [this] { DoOpen(); });
    m_commands.Add(ID_FILE_SAVE, [this] { DoSave(false); });
    m_commands.Add(ID_FILE_SAVE_AS, [this] { DoSave(true); });
    m_commands.Add(ID_FILE_EXPORT, [this] { DoExport(); });
    m_commands.Add(ID_FILE_EXPORT_FUSES, [this] { DoExportChip(ChipFile::Fuses); });
    m_commands.Add(ID_FILE_EXPORT_VERILOG, [this] { DoExportChip(ChipFile::Verilog); });
    m_commands.Add(ID_FILE_PRINT_SETUP, [this] { DoPrintSetup(); });
    m_commands.Add(ID_FILE_PRINT, [this] { DoPrint(); });
    m_commands.Add(ID_FILE_PRINT_PREVIEW, [this] { DoPrintPreview(); });
    m_commands.Add(ID_FILE_EXPORT_HANDOUT, [this] { ExportHandoutFromMenu(m_doc, *m_view); });
    m_commands.Add(ID_FILE_PRINT_HANDOUT, [this] { PrintHandoutFromMenu(m_doc, *m_view); });
    m_commands.Add(ID_APP_ABOUT, [] { GetPlatform().ShowAbout(); });
    m_commands.Add(ID_APP_EXIT, [this] { close(); });
    m_commands.Add(
        ID_VIEW_TOOLBAR,
        [this] {
            m_wndToolBar->setVisible(m_wndToolBar->isHidden());
            SaveSettings();
        },
        [this] { return !m_wndToolBar->isHidden(); });
    m_commands.Add(
        ID_VIEW_STATUS_BAR,
        [this] {
            statusBar()->setVisible(statusBar()->isHidden());
            SaveSettings();
        },
        [this] { return !statusBar()->isHidden(); });
    // A single pane: nothing to move to.
    m_commands.Add(ID_NEXT_PANE, [] {});
    m_commands.Add(ID_PREV_PANE, [] {});
    for (std::size_t i = 0; i < 4; ++i) {
        m_commands.Add(ID_FILE_MRU_FILE1 + int(i), [this, i] {
            if (i >= m_recent.size() || !SaveModified())
                return;
            // An entry that no longer opens (gone, moved, not a document)
            // leaves the list.
            const std::string path = m_recent[i];
            if (!OpenDocumentPath(path)) {
                std::erase(m_recent, path);
                UpdateRecentMenu();
                SaveSettings();
            }
        });
    }
}

bool CMainFrame::ShellHandles(int id) const
{
    // A recent-file entry exists only while the list has that many files.
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 4)
        return std::size_t(id - ID_FILE_MRU_FILE1) < m_recent.size();
    return m_commands.Handles(id);
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
        return false; // no handler, for good
    default:
        break;
    }
    return ShellHandles(id) || m_view->HandlesCommand(id) || m_dialogs->HandlesCommand(id);
}

void CMainFrame::OnCommand(int id)
{
    if (!IsCommandEnabled(id)) {
        UpdateCommandUI();
        return;
    }
    if (!ShellHandles(id) && m_view->HandlesCommand(id)) {
        m_view->OnCommand(id); // ends in UpdateCommandUI through CommandDone
        return;
    }
    if (!m_commands.Run(id))
        m_dialogs->OnCommand(id);
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    for (const auto& [id, action] : m_actions)
        action->setEnabled(IsCommandEnabled(id));
    SetCheckMarks();
}

void CMainFrame::SetCheckMarks()
{
    // The shell answers for the bars, the view for its commands, the
    // windows for theirs.
    for (const auto& [id, action] : m_actions)
        if (action->isCheckable())
            action->setChecked(m_commands.IsChecked(id) || m_view->IsChecked(id) || m_dialogs->IsChecked(id));
}

// --- Files --------------------------------------------------------------------

void CMainFrame::UpdateTitle()
{
    const std::string& path = m_doc.GetPathName();
    const QString name = path.empty() ? QStringLiteral("Untitled") : QFileInfo(PathText(path)).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ZYL"));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::NewDocument()
{
    // The one document is reused; nothing of the device is reset.
    m_doc.SetPathName(std::string());
    m_doc.SetModifiedFlag(false);
}

std::string CMainFrame::PathBytesOf(const QString& path)
{
    return PathBytes(path);
}

bool CMainFrame::OpenDocumentPath(const std::string& path)
{
    std::string error;
    if (!LoadDocument(m_doc, path, error)) {
        ShowStandardMessage(error);
        return false;
    }
    HoldsFile(path);
    UpdateCommandUI(); // the type and flags of the document opened, also at start-up
    return true;
}

bool CMainFrame::SaveDocumentPath(const std::string& path)
{
    std::string error;
    if (!SaveDocument(m_doc.Device(), path, error)) {
        ShowStandardMessage(error);
        return false;
    }
    HoldsFile(path);
    return true;
}

void CMainFrame::HoldsFile(const std::string& path)
{
    const std::string absolute = AbsolutePath(path);
    m_doc.SetPathName(absolute);
    m_doc.SetModifiedFlag(false);
    AddRecentFile(absolute);
}

namespace {

// path with ext added when its name has no type of its own.
std::string WithType(const std::string& path, const char* ext)
{
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot + 1 == name.size() ? path + ext : path;
}

} // namespace

bool CMainFrame::DoSave(bool askName)
{
    // The document's own path is used as it is, byte for byte.
    std::string path = m_doc.GetPathName();
    if (askName || path.empty()) {
        path = GetPlatform().AskSavePath(path.empty() ? "Untitled.zyl" : path);
        if (path.empty())
            return false;
        path = WithType(path, ".zyl");
    }
    return SaveDocumentPath(path);
}

void CMainFrame::DoOpen()
{
    if (!SaveModified())
        return;
    const std::string path = GetPlatform().AskOpenPath();
    if (!path.empty())
        OpenDocumentPath(path);
}

std::string CMainFrame::SuggestedExport(const std::string& last, const char* ext) const
{
    return last.empty() ? m_doc.ExportName(ext) : last;
}

void CMainFrame::DoExport()
{
    std::string path = GetPlatform().AskExportPath(SuggestedExport(m_lastExport, ".png"));
    if (path.empty())
        return;
    path = WithType(path, ".png");
    double scale = 1.0;
    if (PictureType(path) == "png" && !GetPlatform().AskExportScale(scale))
        return;
    if (ExportPictureTo(path, scale))
        m_lastExport = path;
}

void CMainFrame::DoExportChip(ChipFile kind)
{
    // A PLA holds no functions: refused before any question, as every
    // command that needs them is.
    if (m_doc.Device().type == DeviceType::Pla) {
        ShowStandardMessage(kPlaNotImplemented);
        return;
    }
    const bool fuses = kind == ChipFile::Fuses;
    std::string& last = m_lastChipExport[fuses ? 0 : 1];
    int type = fuses ? int(m_chip) : 0;
    std::string path = GetPlatform().AskFileToWrite(fuses ? "Export Fuse File" : "Export Verilog",
                                                   SuggestedExport(last, fuses ? ".jed" : ".v"),
                                                   fuses ? FuseFileTypes() : std::vector<std::string>{"Verilog Files (*.v)"},
                                                   type);
    if (path.empty())
        return;
    path = WithType(path, fuses ? ".jed" : ".v");
    const std::vector<Chip> chips = OfferedChips();
    const Chip chip = fuses && type >= 0 && std::size_t(type) < chips.size() ? chips[std::size_t(type)] : m_chip;
    if (const std::string error = WriteChipFile(m_doc.Device(), m_doc.Covers(), m_doc.GetPathName(), path, kind, chip);
        !error.empty()) {
        ShowStandardMessage(error);
        return;
    }
    last = path;
    m_chip = chip;
    m_dialogs->ShowChipSheet(chip);
}

bool CMainFrame::ExportPictureTo(const std::string& path, double scale)
{
    std::string error;
    CZYLView* view = m_view;
    if (!ExportPicture(path, CZYLView::kWidth, CZYLView::kHeight, [view](QPainter& p) { view->OnDraw(p); }, scale,
                       error)) {
        ShowStandardMessage(error);
        return false;
    }
    return true;
}

bool CMainFrame::SaveModified()
{
    if (!m_doc.IsModified())
        return true;
    const std::string& path = m_doc.GetPathName();
    const QString name = path.empty() ? QStringLiteral("Untitled") : QFileInfo(PathText(path)).fileName();
    switch (GetPlatform().AskSaveChanges(name.toStdString())) {
    case IPlatform::SaveAnswer::Save:
        return DoSave(false);
    case IPlatform::SaveAnswer::Discard:
        return true;
    default:
        return false;
    }
}

// --- Printing -----------------------------------------------------------------

QPrinter& CMainFrame::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The fuse map is wider than high.
        m_printer->setPageOrientation(QPageLayout::Landscape);
    }
    return *m_printer;
}

bool CMainFrame::PrintFuseMap(QPrinter& printer, std::string& error)
{
    return m_view->PrintTo(printer, error);
}

void CMainFrame::ReportPrintFailure(const std::string& error)
{
    ShowStandardMessage("The fuse map cannot be printed: " + error);
}

void CMainFrame::DoPrint()
{
    if (!GetPlatform().AskPrint(Printer()))
        return;
    std::string error;
    if (!PrintFuseMap(Printer(), error))
        ReportPrintFailure(error);
}

void CMainFrame::DoPrintPreview()
{
    // The preview paints into its own pages; only a real failure is told.
    GetPlatform().ShowPrintPreview(Printer(), [this](QPrinter& p) {
        QPainter painter;
        const QRectF drawn = m_view->DrawnBounds();
        if (!painter.begin(&p)) {
            ReportPrintFailure("the preview could not be started.");
            return;
        }
        painter.setTransform(CZYLView::PrintTransform(drawn, p.pageRect(QPrinter::DevicePixel), p.logicalDpiX(),
                                                      p.logicalDpiY()));
        m_view->OnDraw(painter);
    });
}

void CMainFrame::DoPrintSetup()
{
    // The printer (when one is installed), its paper and orientation, for
    // File > Print and Print Preview; printing is File > Print.
    CPageSetup setup = PageSetupOf(Printer());
    if (GetPlatform().AskPageSetup(setup))
        ApplyPageSetup(Printer(), setup);
}

// --- Events -------------------------------------------------------------------

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // The message pane shows the prompt of the item under the mouse and
        // "Ready" otherwise.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_messageTimer->stop();
        m_message->setText(tip.isEmpty() ? QStringLiteral("Ready") : tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // Buttons without a tool tip text show none.
        if (auto* button = qobject_cast<QToolButton*>(watched))
            if (QAction* a = button->defaultAction(); a && a->property("zylToolTip").toString().isEmpty())
                return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        UpdateKeyIndicators(static_cast<QKeyEvent*>(event)->nativeModifiers());
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::UpdateKeyIndicators(quint32 nativeModifiers)
{
    // The lock states come with each key event on X11 (Lock and Mod2 for
    // Caps and Num Lock); other platforms leave the indicators dim.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    m_cap->setEnabled((nativeModifiers & 0x02) != 0);
    m_num->setEnabled((nativeModifiers & 0x10) != 0);
    m_scrl->setEnabled(false);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    SaveSettings();
    // The dialogs go with the main window; the program ends with it.
    m_dialogs->CloseAll();
    event->accept();
}

namespace {

// A dropped file is opened, never moved: a file manager may propose Move.
bool AcceptAsCopy(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptAsCopy(event);
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptAsCopy(event);
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    // The list's own bytes: a name that is not UTF-8 stays as it is, which
    // a decoding into URLs would not keep.
    const QByteArray list = event->mimeData()->data(QStringLiteral("text/uri-list"));
    const std::string path = LocalPathFromUriList(std::string_view(list.constData(), std::size_t(list.size())));
    if (path.empty())
        return;
    AcceptAsCopy(event);
    activateWindow();
    if (SaveModified())
        OpenDocumentPath(path);
    UpdateCommandUI();
}
