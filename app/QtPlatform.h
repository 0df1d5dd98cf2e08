// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platform.h"

#include <QString>

class CMainFrame;
class QPrinter;
class QWidget;

// The platform seam on Qt: the "ZYL Message" box, the standard box titled
// "ZYL", popup menus, the save question, the file dialogs, the export scale,
// the names dialog, Print Setup, the print dialog and preview, the About box
// and the screen size: the only place that opens a modal box or dialog. The
// frame it is given owns them when no other window of the program is active.
class CQtPlatform : public IPlatform
{
public:
    explicit CQtPlatform(CMainFrame* frame = nullptr) : m_frame(frame) {}
    void SetFrame(CMainFrame* frame) { m_frame = frame; }

    void ShowZylMessage(const std::string& text) override;
    void ShowMessageBox(const std::string& text) override;
    int TrackPopup(const std::vector<std::string>& items, const ZPoint& screenPos) override;
    ZSize GetScreenSize() override;
    SaveAnswer AskSaveChanges(const std::string& documentName) override;
    std::string AskOpenPath() override;
    std::string AskSavePath(const std::string& suggested) override;
    std::string AskExportPath(const std::string& suggested) override;
    std::string AskFileToWrite(const std::string& title, const std::string& suggested,
                              const std::vector<std::string>& types, int& type) override;
    bool AskExportScale(double& scale) override;
    bool AskNames(CNames& names) override;
    // With a printer installed, the print dialog without its print range
    // (the printer, its paper and orientation); without one, the page
    // setup dialog on a PDF printer (paper, orientation, margins).
    bool AskPageSetup(CPageSetup& setup) override;
    bool AskPrint(QPrinter& printer) override;
    void ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    void ShowAbout() override;

    // The owner of a modal box or dialog: the active window of the program,
    // else the main window.
    QWidget* Owner() const;

private:
    std::string ChosenPath(const QString& chosen, const std::string& suggested);

    CMainFrame* m_frame;
};

// The page a printer prints on, and the printer set to a page.
CPageSetup PageSetupOf(const QPrinter& printer);
void ApplyPageSetup(QPrinter& printer, const CPageSetup& setup);
