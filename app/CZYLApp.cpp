// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLApp.h"

#include "CMainFrame.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "CommandLine.h"
#include "DocFile.h"
#include "CKarnaughDlg.h"
#include "PictureExport.h"
#include "QtPlatform.h"

#include "FocusStyle.h"

#include <QApplication>
#include <QPalette>
#include <QPrinter>

#include <cstdio>

CZYLApp::CZYLApp(IPlatform* platform)
    : m_given(platform)
{
}

CZYLApp::~CZYLApp()
{
    if (m_installed)
        SetPlatform(m_previous);
    m_frame.reset();
}

bool CZYLApp::InitInstance(const std::vector<std::string>& args, int& exitCode, bool show)
{
    const CCommandLine cmd = ParseZylCommandLine(args);
    switch (cmd.action) {
    case CCommandLine::Help:
    case CCommandLine::Version:
    case CCommandLine::Error:
        exitCode = AnswerCommandLine(cmd);
        return false;
    default:
        return InitInstanceFor(cmd, exitCode, show);
    }
}

bool CZYLApp::InitInstanceFor(const CCommandLine& cmd, int& exitCode, bool show)
{
    exitCode = 0;
    Start();
    // Printing and exporting end the program without a window: their
    // failures go to the error output, never into a message box that
    // nobody may be there to close.
    const bool batch = cmd.action == CCommandLine::Print || cmd.action == CCommandLine::Export ||
                       cmd.action == CCommandLine::ExportKarnaugh;
    if (!cmd.file.empty()) {
        if (batch) {
            std::string error;
            if (!LoadDocument(*m_doc, cmd.file, error))
                return Fail(error, exitCode);
        } else if (!m_frame->OpenDocumentPath(cmd.file)) {
            exitCode = 1;
            return false;
        }
    }
    if (batch)
        return RunBatch(cmd, exitCode);
    if (show)
        m_frame->showMaximized();
    // Every dialog of the program draws black on white, whatever the
    // desktop's colour scheme: the pictures and headings are drawn for it.
    QPalette dialogs = QApplication::palette();
    dialogs.setColor(QPalette::Window, Qt::white);
    dialogs.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(dialogs, "QDialog");
    return true;
}

void CZYLApp::Start()
{
    QCoreApplication::setOrganizationName(QStringLiteral(ZYL_SETTINGS_ORGANISATION));
    QCoreApplication::setApplicationName(QStringLiteral(ZYL_SETTINGS_APPLICATION));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZYL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZYL_APP_ID));
    static const bool supported = (InstallKeyboardAndReaderSupport(), true);
    (void)supported;

    m_doc = std::make_unique<CZYLDoc>();
    if (!m_given)
        m_platform = std::make_unique<CQtPlatform>();
    m_previous = SetPlatform(m_given ? m_given : m_platform.get());
    m_installed = true;
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    if (m_platform)
        m_platform->SetFrame(m_frame.get());
}

bool CZYLApp::Fail(const std::string& message, int& exitCode)
{
    std::fputs(("zyl: " + message + "\n").c_str(), stderr);
    exitCode = 1;
    return false;
}

bool CZYLApp::RunBatch(const CCommandLine& cmd, int& exitCode)
{
    std::string error;
    if (cmd.action == CCommandLine::Print) {
        QPrinter printer(QPrinter::HighResolution);
        if (!CZYLView::PrintReady(printer, error) || !m_frame->PrintFuseMap(printer, error))
            return Fail("cannot print " + cmd.file + ": " + error, exitCode);
    } else if (cmd.action == CCommandLine::Export) {
        CZYLView* view = m_frame->View();
        if (!ExportPicture(cmd.output, CZYLView::kWidth, CZYLView::kHeight,
                           [view](QPainter& p) { view->OnDraw(p); }, cmd.scale, error))
            return Fail(error, exitCode);
    } else {
        const CKarnaughGroups groups = KarnaughGroups(m_doc->Device(), m_doc->Covers());
        const ZSize size = KarnaughCanvasSize();
        if (!ExportPicture(cmd.output, size.cx, size.cy,
                           [this, &groups](QPainter& p) { PaintKarnaughMaps(p, m_doc->Device(), groups); }, cmd.scale,
                           error))
            return Fail(error, exitCode);
    }
    return false;
}
