// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CCommandRows.h"
#include "ChipFile.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDialogManager;
class CZYLDoc;
class CZYLView;
class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

// The main frame: menus, toolbar and status bar built from the command
// table, the one view in the middle, the modeless windows (CDialogManager),
// and the shell's own commands (files, printing, the bars, About, Exit). It subscribes to the document: every
// change of the device sets the check marks, every change of the path or
// the modified flag the title; every command ends with the check marks
// (some follow the windows, not the device).
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CZYLDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CZYLDoc& Document() const { return m_doc; }
    CZYLView* View() const { return m_view; }
    CDialogManager& Dialogs() const { return *m_dialogs; }
    QToolBar* ToolBar() const { return m_wndToolBar; }
    // The action of a command id, or nullptr.
    QAction* Action(int id) const;
    // The message pane's current text ("Ready" when idle).
    QString MessageText() const;

    // Runs a command as the menu, toolbar or an accelerator does.
    void OnCommand(int id);
    bool ShellHandles(int id) const;
    bool IsCommandEnabled(int id) const;
    // Sets every item's enabled state and every check mark from the
    // document, the view and the bars.
    void UpdateCommandUI();

    // File commands without their dialogs; false after a reported failure.
    // Paths are the system's bytes (which need not be UTF-8); the QString
    // forms are for names that are text.
    bool OpenDocumentFile(const QString& path) { return OpenDocumentPath(PathBytesOf(path)); }
    bool OpenDocumentPath(const std::string& path);
    bool SaveDocumentTo(const QString& path) { return SaveDocumentPath(PathBytesOf(path)); }
    bool SaveDocumentPath(const std::string& path);
    void NewDocument();
    // The recent files, newest first, as absolute paths.
    const std::vector<std::string>& RecentFiles() const { return m_recent; }
    void AddRecentFile(const std::string& absolutePath);

    // The fuse map as a picture file (.png at scale pixels a unit, .svg,
    // .pdf); false after a reported failure.
    bool ExportPictureTo(const std::string& path, double scale);


    // Prints one page to the printer (no dialog); false with the reason
    // when printing could not start.
    bool PrintFuseMap(QPrinter& printer, std::string& error);
    // The printer File > Print and Print Preview use, with the page that
    // Print Setup chose (landscape until then, as the fuse map is wide).
    QPrinter& Printer();

    // Title "<document name>[*] - ZYL", the marker bound to the modified
    // flag; set whenever the document's path or modified flag changes.
    void UpdateTitle();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static std::string PathBytesOf(const QString& path);
    void BuildShellCommands();
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void LoadSettings();
    void SaveSettings() const;
    void UpdateRecentMenu();
    void SetCheckMarks();
    bool SaveModified();
    // The document now holds the file at path (opened or saved): its
    // path, unmodified, the first of the recent files.
    void HoldsFile(const std::string& path);
    bool DoSave(bool askName);
    void DoOpen();
    void DoExport();
    // A fuse file or a Verilog module of the device, then the chip sheet.
    void DoExportChip(ChipFile kind);
    // The last file of an export, else one named after the document beside it, with ext.
    std::string SuggestedExport(const std::string& last, const char* ext) const;
    void DoPrint();
    void DoPrintPreview();
    void DoPrintSetup();
    void ReportPrintFailure(const std::string& error);
    void UpdateKeyIndicators(quint32 nativeModifiers);
    void OnZoomChanged(int percent);

    CZYLDoc& m_doc;
    CZYLView* m_view = nullptr;
    std::unique_ptr<CDialogManager> m_dialogs;
    QToolBar* m_wndToolBar = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_cap = nullptr;
    QLabel* m_num = nullptr;
    QLabel* m_scrl = nullptr;
    QTimer* m_messageTimer = nullptr; // ends a passing message such as the new zoom
    std::map<int, QAction*> m_actions;
    CCommandRows m_commands; // the shell's own: files, printing, bars, About, Exit
    QAction* m_mru[4] = {};
    std::vector<std::string> m_recent;
    std::unique_ptr<QPrinter> m_printer;
    std::string m_lastExport;
    std::string m_lastChipExport[2]; // a fuse file, a Verilog module
    Chip m_chip = Chip::GAL16V8;     // the chip of the last fuse file
    int m_docListener = 0;
    int m_statusListener = 0;
};

// The settings of the program: organisation "Local AppWizard-Generated
// Applications", application "ZYL".
#define ZYL_SETTINGS_ORGANISATION "Local AppWizard-Generated Applications"
#define ZYL_SETTINGS_APPLICATION "ZYL"
