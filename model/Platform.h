// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

#include <string>
#include <vector>

class CZYLDoc;

// The view as the command and dialog logic sees it. The widget view
// implements it; tests may supply their own.
class IZylView
{
public:
    virtual ~IZylView() = default;
    // Repaint the whole fuse map, or one rectangle of it (logical units).
    virtual void InvalidateView() = 0;
    virtual void InvalidateViewRect(const ZRect& rect) = 0;
    // The switch to PLA hides every function dialog and the circuit symbols.
    virtual void HideDialogs() {}
};

// What the handlers need from the windowing system, behind one small
// interface so that a test can record the messages and choose popup items
// instead of blocking in a modal loop.
class IPlatform
{
public:
    virtual ~IPlatform() = default;
    // The modal "ZYL Message" box. Callers assign the text to the active
    // document's m_strMessage first and pass the same text here.
    virtual void ShowZylMessage(const std::string& text) = 0;
    // The standard message box: title "ZYL", one OK button.
    virtual void ShowMessageBox(const std::string& text) = 0;
    // Tracks a popup menu with these items at a screen position; returns the
    // index of the chosen item, or -1 when the popup was dismissed.
    virtual int TrackPopup(const std::vector<std::string>& items, const ZPoint& screenPos) = 0;
    // The screen size in pixels.
    virtual ZSize GetScreenSize() = 0;
    // The active document and view of the main frame, or nullptr.
    virtual CZYLDoc* FindActiveDoc() = 0;
    virtual IZylView* FindActiveView() = 0;
};

// Installs the platform (nullptr restores the silent default, which shows
// nothing, dismisses popups and knows no document) and returns the previous one.
IPlatform* SetPlatform(IPlatform* platform);
IPlatform& GetPlatform();

CZYLDoc* FindActiveDoc();
IZylView* FindActiveView();

// Assigns text to the document's m_strMessage (when there is a document)
// and shows the "ZYL Message" box.
void ShowDocMessage(CZYLDoc* doc, const std::string& text);
// The standard message box.
void ShowStandardMessage(const std::string& text);

// A platform for tests and tools: records every message in order and answers
// popups from a script (-1 once the script is used up).
class CRecordingPlatform : public IPlatform
{
public:
    struct Message
    {
        bool zylBox; // true: "ZYL Message" box; false: the standard box
        std::string text;
    };
    std::vector<Message> messages;
    std::vector<int> popupAnswers;
    std::vector<std::vector<std::string>> popupsShown;
    ZSize screen{1024, 768};
    CZYLDoc* doc = nullptr;
    IZylView* view = nullptr;

    void ShowZylMessage(const std::string& text) override { messages.push_back({true, text}); }
    void ShowMessageBox(const std::string& text) override { messages.push_back({false, text}); }
    int TrackPopup(const std::vector<std::string>& items, const ZPoint&) override;
    ZSize GetScreenSize() override { return screen; }
    CZYLDoc* FindActiveDoc() override { return doc; }
    IZylView* FindActiveView() override { return view; }
};

// Installs a platform for the lifetime of a scope.
class CScopedPlatform
{
public:
    explicit CScopedPlatform(IPlatform* platform) : m_previous(SetPlatform(platform)) {}
    ~CScopedPlatform() { SetPlatform(m_previous); }
    CScopedPlatform(const CScopedPlatform&) = delete;
    CScopedPlatform& operator=(const CScopedPlatform&) = delete;

private:
    IPlatform* m_previous;
};
