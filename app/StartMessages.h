// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <QString>

#include <string>
#include <vector>

// Qt's messages while zyl starts, made fit for a script's error output.
//
// Constructing the QApplication of a window run without a reachable display
// makes Qt print several lines and abort. While it exists and until Started()
// this object holds Qt's messages back: if the window system cannot start,
// the program ends with one line that says so (and that the runs
// without a window need no display) and status 1;
// otherwise the held messages go out as Qt would have printed them.
//
// A run without a window (--export, --export-kmap, --print) needs no runtime
// folder, so Qt's "XDG_RUNTIME_DIR not set" warning is dropped there for
// the whole run: a successful run prints nothing on the error output.
class CStartMessages
{
public:
    explicit CStartMessages(const CCommandLine& command);
    ~CStartMessages();
    CStartMessages(const CStartMessages&) = delete;
    CStartMessages& operator=(const CStartMessages&) = delete;

    // The QApplication exists: send the held messages on, hold no more.
    void Started();

private:
    struct CHeld
    {
        QtMsgType type;
        std::string category;
        QString text;
    };
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    bool m_window;
    bool m_holding = true;
    std::vector<CHeld> m_held;
    QtMessageHandler m_previous = nullptr;
};
