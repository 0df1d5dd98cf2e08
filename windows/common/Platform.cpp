// SPDX-License-Identifier: GPL-3.0-or-later
#include "Platform.h"

namespace {

class CSilentPlatform : public IPlatform
{
public:
    void ShowZylMessage(const std::string&) override {}
    void ShowMessageBox(const std::string&) override {}
    int TrackPopup(const std::vector<std::string>&, const ZPoint&) override { return -1; }
    ZSize GetScreenSize() override { return ZSize{1024, 768}; }
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::Cancel; }
    std::string AskOpenPath() override { return {}; }
    std::string AskSavePath(const std::string&) override { return {}; }
    std::string AskExportPath(const std::string&) override { return {}; }
    std::string AskFileToWrite(const std::string&, const std::string&, const std::vector<std::string>&, int&) override
    {
        return {};
    }
    bool AskExportScale(double&) override { return false; }
    bool AskNames(CNames&) override { return false; }
    bool AskPageSetup(CPageSetup&) override { return false; }
    bool AskPrint(QPrinter&) override { return false; }
    void ShowPrintPreview(QPrinter&, const std::function<void(QPrinter&)>&) override {}
    void ShowAbout() override {}
};

CSilentPlatform g_silentPlatform;
IPlatform* g_platform = &g_silentPlatform;

} // namespace

IPlatform* SetPlatform(IPlatform* platform)
{
    IPlatform* previous = g_platform;
    g_platform = platform ? platform : &g_silentPlatform;
    return previous == &g_silentPlatform ? nullptr : previous;
}

IPlatform& GetPlatform()
{
    return *g_platform;
}

void ShowZylMessage(const std::string& text)
{
    g_platform->ShowZylMessage(text);
}

void ShowStandardMessage(const std::string& text)
{
    g_platform->ShowMessageBox(text);
}
