// SPDX-License-Identifier: GPL-3.0-or-later
// The platform of the tests: records every message in order and answers
// every question from a script. Popups take their answers in order (-1 once
// the script is used up); the export question takes its paths likewise (""
// once used up, as a cancelled dialog); the names dialog, Print Setup, the
// print dialog and the preview run a test's function; About is counted.
#pragma once

#include "CNames.h"
#include "Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CRecordingPlatform : public IPlatform
{
public:
    struct Message
    {
        bool zylBox; // true: "ZYL Message" box; false: the standard box
        std::string text;
    };
    std::vector<Message> messages;
    // The messages so far, each "Z:" (the "ZYL Message" box) or "S:" (the
    // standard box) and its text.
    std::vector<std::string> Recorded() const
    {
        std::vector<std::string> out;
        for (const Message& m : messages)
            out.push_back((m.zylBox ? "Z:" : "S:") + m.text);
        return out;
    }
    std::vector<int> popupAnswers;
    std::vector<std::vector<std::string>> popupsShown;
    ZSize screen{1024, 768};

    // The file questions.
    std::function<SaveAnswer(const std::string& documentName)> saveChanges = [](const std::string&) {
        return SaveAnswer::Cancel;
    };
    std::deque<std::string> exportPaths; // the open and save questions are always cancelled
    int openQuestions = 0;
    std::vector<std::string> suggestions; // what the save and export questions suggested, in order
    std::function<bool(double& scale)> exportScale = [](double&) { return false; };
    // The names dialog and Print Setup: empty declines them.
    std::function<bool(CNames& names)> names;
    std::function<bool(CPageSetup& setup)> pageSetup;
    std::function<bool(QPrinter& printer)> print;
    std::function<void(QPrinter& printer, const std::function<void(QPrinter&)>& paint)> preview;
    int aboutBoxes = 0;

    void ShowZylMessage(const std::string& text) override { messages.push_back({true, text}); }
    void ShowMessageBox(const std::string& text) override { messages.push_back({false, text}); }
    int TrackPopup(const std::vector<std::string>& items, const ZPoint&) override
    {
        popupsShown.push_back(items);
        if (popupAnswers.empty())
            return -1;
        const int answer = popupAnswers.front();
        popupAnswers.erase(popupAnswers.begin());
        return answer;
    }
    ZSize GetScreenSize() override { return screen; }
    SaveAnswer AskSaveChanges(const std::string& name) override { return saveChanges(name); }
    std::string AskOpenPath() override { ++openQuestions; return {}; }
    std::string AskSavePath(const std::string& suggested) override { suggestions.push_back(suggested); return {}; }
    std::string AskExportPath(const std::string& suggested) override
    {
        suggestions.push_back(suggested);
        if (exportPaths.empty())
            return {};
        std::string answer = std::move(exportPaths.front());
        exportPaths.pop_front();
        return answer;
    }
    int exportType = -1; // the type AskFileToWrite chooses (-1: the one offered); its paths are exportPaths
    std::string AskFileToWrite(const std::string&, const std::string& s, const std::vector<std::string>&, int& t) override
    {
        return t = exportType < 0 ? t : exportType, AskExportPath(s);
    }
    bool AskExportScale(double& scale) override { return exportScale(scale); }
    bool AskNames(CNames& n) override { return names && names(n); }
    bool AskPageSetup(CPageSetup& s) override { return pageSetup && pageSetup(s); }
    bool AskPrint(QPrinter& p) override { return print && print(p); }
    void ShowPrintPreview(QPrinter& p, const std::function<void(QPrinter&)>& paint) override
    {
        if (preview)
            preview(p, paint);
    }
    void ShowAbout() override { ++aboutBoxes; }
};
