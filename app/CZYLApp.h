// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

class CZYLDoc;
class CMainFrame;
class CQtPlatform;
class IPlatform;
struct CCommandLine;

// The application object: one document, one frame with its view, the
// platform seam, and the start-up of the command line.
class CZYLApp
{
public:
    // The platform seam on Qt, or the one given (a test's); it is installed
    // from InitInstance on, the one before it again at the end.
    explicit CZYLApp(IPlatform* platform = nullptr);
    ~CZYLApp();

    // Start-up in order: settings, the document with frame and view, the
    // command line, then the maximized window. Returns false when the
    // program ends at once (printed, exported, help, or a failure);
    // exitCode is set then.
    bool InitInstanceFor(const CCommandLine& command, int& exitCode, bool show = true);
    // The same for arguments not read yet (without the program name).
    bool InitInstance(const std::vector<std::string>& args, int& exitCode, bool show = true);

    CZYLDoc& Document() { return *m_doc; }
    CMainFrame* Frame() { return m_frame.get(); }

private:
    // Settings, the document, the platform and the frame.
    void Start();
    // Prints or exports, then the program ends (false); exitCode 1 after a
    // failure, which goes to the error output.
    bool RunBatch(const CCommandLine& command, int& exitCode);
    static bool Fail(const std::string& message, int& exitCode);

    std::unique_ptr<CZYLDoc> m_doc;
    IPlatform* m_given;
    std::unique_ptr<CQtPlatform> m_platform;
    IPlatform* m_previous = nullptr;
    bool m_installed = false;
    std::unique_ptr<CMainFrame> m_frame;
};
