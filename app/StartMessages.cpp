// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartMessages.h"

#include <cstdio>
#include <cstdlib>

namespace {

CStartMessages* g_active = nullptr;

// For the value of DISPLAY (null or empty: not set).
std::string NoDisplayMessage(const char* display)
{
    const std::string reason = display && *display ? "the display '" + std::string(display) + "' does not answer"
                                                   : "DISPLAY is not set";
    return "zyl: no display to open the window on (" + reason +
           "); --export, --export-kmap, --export-handout, --print, --report and --check work without one.";
}

} // namespace

CStartMessages::CStartMessages(const CCommandLine& command) : m_window(!IsBatch(command))
{
    g_active = this;
    m_previous = qInstallMessageHandler(&CStartMessages::Handle);
}

CStartMessages::~CStartMessages()
{
    Started();
    qInstallMessageHandler(m_previous);
    g_active = nullptr;
}

void CStartMessages::Started()
{
    m_holding = false;
    for (const CHeld& held : m_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        m_previous(held.type, context, held.text);
    }
    m_held.clear();
}

void CStartMessages::Handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    CStartMessages& self = *g_active;
    if (!self.m_window && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (self.m_holding && self.m_window && type == QtFatalMsg) {
        // Qt found no window system it could start. It would abort next;
        // nothing has been set up that needs an orderly end.
        std::fputs((NoDisplayMessage(std::getenv("DISPLAY")) + "\n").c_str(), stderr);
        std::_Exit(1);
    }
    if (self.m_holding) {
        self.m_held.push_back({type, context.category ? context.category : "default", text});
        return;
    }
    self.m_previous(type, context, text);
}
