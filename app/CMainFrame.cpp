// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CViewDialogs.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "CommandTable.h"
#include "DocFile.h"
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
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

void StandardBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ZYL"), text, QMessageBox::Ok, parent);
    box.exec();
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
    connect(m_view, &CZYLView::CommandDone, this, &CMainFrame::AfterCommand);

    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    LoadSettings();
    connect(m_view, &CZYLView::ZoomChanged, this, &CMainFrame::OnZoomChanged);

    QPointer<CMainFrame> self(this);
    m_doc.AddModifiedListener([self] {
        if (self)
            self->setWindowModified(self->m_doc.IsModified());
    });
    m_docListener = m_doc.AddListener([this] { NoteChanges(); });
    RememberSavedState();
    qApp->installEventFilter(this);
    UpdateTitle();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame()
{
    m_doc.RemoveListener(m_docListener);
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
    m_recent.clear();
    for (int i = 0; i < 4; ++i) {
        const QString file = settings.value(QStringLiteral("Recent File List/File%1").arg(i + 1)).toString();
        if (!file.isEmpty())
            m_recent << file;
    }
    m_wndToolBar->setVisible(settings.value(QStringLiteral("Settings/ShowToolbar"), true).toBool());
    statusBar()->setVisible(settings.value(QStringLiteral("Settings/ShowStatusBar"), true).toBool());
    // The drawing comes back at its remembered zoom, from its top left.
    m_view->SetZoom(settings.value(QStringLiteral("Settings/Zoom"), kActualZoom).toInt(), QPoint(0, 0));
    UpdateRecentMenu();
}

void CMainFrame::SaveSettings() const
{
    QSettings settings(QStringLiteral(ZYL_SETTINGS_ORGANISATION), QStringLiteral(ZYL_SETTINGS_APPLICATION));
    for (int i = 0; i < 4; ++i) {
        const QString key = QStringLiteral("Recent File List/File%1").arg(i + 1);
        if (i < m_recent.size())
            settings.setValue(key, m_recent[i]);
        else
            settings.remove(key);
    }
    // Hidden bars are hidden because the user chose so; the frame itself may
    // not be shown (tests, printing from the command line).
    settings.setValue(QStringLiteral("Settings/ShowToolbar"), !m_wndToolBar->isHidden());
    settings.setValue(QStringLiteral("Settings/ShowStatusBar"), !statusBar()->isHidden());
}

void CMainFrame::AddRecentFile(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(full);
    m_recent.prepend(full);
    while (m_recent.size() > 4)
        m_recent.removeLast();
    UpdateRecentMenu();
    SaveSettings();
}

void CMainFrame::UpdateRecentMenu()
{
    for (int i = 0; i < 4; ++i) {
        QAction* a = m_mru[i];
        if (i < m_recent.size()) {
            QString shown = QDir::toNativeSeparators(m_recent[i]);
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
    m_commands.Add(ID_FILE_PRINT_SETUP, [this] { DoPrintSetup(); });
    m_commands.Add(ID_FILE_PRINT, [this] { DoPrint(); });
    m_commands.Add(ID_FILE_PRINT_PREVIEW, [this] { DoPrintPreview(); });
    m_commands.Add(ID_APP_ABOUT, [this] {
        CAboutDlg about(this);
        about.exec();
    });
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
    for (int i = 0; i < 4; ++i) {
        m_commands.Add(ID_FILE_MRU_FILE1 + i, [this, i] {
            const QString path = m_recent.value(i);
            if (!path.isEmpty() && SaveModified())
                OpenDocumentFile(path);
        });
    }
}

bool CMainFrame::ShellHandles(int id) const
{
    // A recent-file entry exists only while the list has that many files.
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 4)
        return id - ID_FILE_MRU_FILE1 < m_recent.size();
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
    return ShellHandles(id) || m_view->HandlesCommand(id);
}

void CMainFrame::OnCommand(int id)
{
    if (!IsCommandEnabled(id)) {
        UpdateCommandUI();
        return;
    }
    if (!ShellHandles(id)) {
        m_view->OnCommand(id); // ends in AfterCommand through CommandDone
        return;
    }
    m_commands.Run(id);
    AfterCommand();
}

void CMainFrame::NoteChanges()
{
    if (!m_doc.IsModified() && SaveDocumentToString(m_doc) != m_savedState)
        m_doc.SetModifiedFlag(true);
}

void CMainFrame::RememberSavedState()
{
    m_savedState = SaveDocumentToString(m_doc);
}

void CMainFrame::AfterCommand()
{
    NoteChanges();
    m_view->viewport()->update();
    m_view->Dialogs().RefreshAll();
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
    // The shell answers for the bars, the view for its commands and the dialogs'.
    for (const auto& [id, action] : m_actions)
        if (action->isCheckable())
            action->setChecked(m_commands.IsChecked(id) || m_view->IsChecked(id));
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
    m_doc.OnNewDocument(); // the one document is reused; nothing is reset
    m_doc.SetPathName(std::string());
    m_doc.SetModifiedFlag(false);
    RememberSavedState();
    UpdateTitle();
    m_doc.UpdateAllViews();
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    return OpenDocumentPath(PathBytes(path));
}

bool CMainFrame::OpenDocumentPath(const std::string& path)
{
    std::string error;
    if (!LoadDocument(m_doc, path, error)) {
        StandardBox(this, Q(error));
        return false;
    }
    std::string absolute = path;
    if (!absolute.starts_with('/')) {
        std::string_view relative = path;
        while (relative.starts_with("./"))
            relative.remove_prefix(2);
        absolute = PathBytes(QDir::currentPath()) + "/" + std::string(relative);
    }
    m_doc.SetPathName(absolute);
    m_doc.SetModifiedFlag(false);
    RememberSavedState();
    AddRecentFile(PathText(absolute));
    UpdateTitle();
    m_doc.UpdateAllViews();
    UpdateCommandUI(); // the type and flags of the document opened, also at start-up
    return true;
}

bool CMainFrame::SaveDocumentTo(const QString& path)
{
    std::string error;
    if (!SaveDocument(m_doc, PathBytes(path), error)) {
        StandardBox(this, Q(error));
        return false;
    }
    m_doc.SetPathName(PathBytes(QFileInfo(path).absoluteFilePath()));
    m_doc.SetModifiedFlag(false);
    RememberSavedState();
    AddRecentFile(path);
    UpdateTitle();
    return true;
}

bool CMainFrame::DoSave(bool askName)
{
    QString path = PathText(m_doc.GetPathName());
    if (askName || path.isEmpty()) {
        const QString suggested = path.isEmpty() ? QStringLiteral("Untitled.zyl") : path;
        path = PathText(GetPlatform().AskSavePath(PathBytes(suggested)));
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".zyl");
    }
    return SaveDocumentTo(path);
}

void CMainFrame::DoOpen()
{
    if (!SaveModified())
        return;
    const std::string path = GetPlatform().AskOpenPath();
    if (!path.empty())
        OpenDocumentPath(path);
}

void CMainFrame::DoExport()
{
    QString suggested = m_lastExport;
    if (suggested.isEmpty()) {
        const std::string& doc = m_doc.GetPathName();
        suggested = doc.empty() ? QStringLiteral("Untitled.png")
                                : QFileInfo(PathText(doc)).completeBaseName() + QStringLiteral(".png");
    }
    QString path = PathText(GetPlatform().AskExportPath(PathBytes(suggested)));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    double scale = 1.0;
    if (PictureType(PathBytes(path)) == "png" && !GetPlatform().AskExportScale(scale))
        return;
    if (ExportPictureTo(path, scale))
        m_lastExport = path;
}

bool CMainFrame::ExportPictureTo(const QString& path, double scale)
{
    std::string error;
    CZYLView* view = m_view;
    if (!ExportPicture(PathBytes(path), CZYLView::kWidth, CZYLView::kHeight,
                       [view](QPainter& p) { view->OnDraw(p); }, scale, error)) {
        StandardBox(this, Q(error));
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
    StandardBox(this, QStringLiteral("The fuse map cannot be printed: %1").arg(Q(error)));
}

void CMainFrame::DoPrint()
{
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::string error;
    if (!PrintFuseMap(Printer(), error))
        ReportPrintFailure(error);
}

void CMainFrame::DoPrintPreview()
{
    QPrintPreviewDialog preview(&Printer(), this);
    // The preview paints into its own pages; only a real failure is told.
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        QPainter painter;
        std::string error;
        const QRectF drawn = m_view->DrawnBounds();
        if (!painter.begin(p)) {
            ReportPrintFailure("the preview could not be started.");
            return;
        }
        painter.setTransform(CZYLView::PrintTransform(drawn, p->pageRect(QPrinter::DevicePixel), p->logicalDpiX(),
                                                      p->logicalDpiY()));
        m_view->OnDraw(painter);
    });
    preview.exec();
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
    m_view->Dialogs().CloseAll();
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

// The local path of a URL in the system's bytes (its percent-encoding kept
// apart from any decoding into text).
std::string LocalPathBytes(const QUrl& url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
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
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    AcceptAsCopy(event);
    activateWindow();
    if (SaveModified())
        OpenDocumentPath(LocalPathBytes(urls.front()));
    AfterCommand();
}
