// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

#include <functional>
#include <string>
#include <vector>

struct CNames;
// Qt's printer: the seam hands it to the print dialog and the preview
// untouched, so that this header needs nothing of Qt.
class QPrinter;

// The page File > Print and Print Preview print on, as Print Setup shows
// and changes it. The paper is given by its size, so any paper the
// platform knows (or a custom one) passes unchanged.
struct CPageSetup
{
    std::string printer;      // the printer's name; "" for none (a PDF file)
    double paperWidth = 0;    // the paper upright, in millimetres
    double paperHeight = 0;
    bool landscape = true;
    double margins[4] = {};   // left, top, right, bottom, in millimetres
};

// Everything modal the program asks of the windowing system, behind one
// small interface: messages (every failure the program reports in a box,
// files and printing included), popup menus, the file and save questions,
// the names dialog, Print Setup, the print dialog, the print preview, the
// About box and the screen size. A test installs
// its own answers instead of blocking in a modal loop. Paths are the
// system's bytes. It finds no document or view for anyone: callers are
// given the document they work on.
class IPlatform
{
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~IPlatform() = default;
    // The modal "ZYL Message" box with this text.
    virtual void ShowZylMessage(const std::string& text) = 0;
    // The standard message box: title "ZYL", one OK button.
    virtual void ShowMessageBox(const std::string& text) = 0;
    // Tracks a popup menu with these items at a screen position; returns the
    // index of the chosen item, or -1 when the popup was dismissed.
    virtual int TrackPopup(const std::vector<std::string>& items, const ZPoint& screenPos) = 0;
    // The screen size in pixels.
    virtual ZSize GetScreenSize() = 0;
    // "Save changes to NAME?" before the document is replaced or closed.
    virtual SaveAnswer AskSaveChanges(const std::string& documentName) = 0;
    // The file to open, to save to, to export to; "" when cancelled.
    virtual std::string AskOpenPath() = 0;
    virtual std::string AskSavePath(const std::string& suggested) = 0;
    virtual std::string AskExportPath(const std::string& suggested) = 0;
    // The file a save or an export writes, asked under title with the file
    // types it offers, each "Name (*.ext)": type is the index of the one
    // offered first, and on return of the one the user chose. "" when
    // cancelled.
    virtual std::string AskFileToWrite(const std::string& title, const std::string& suggested,
                                      const std::vector<std::string>& types, int& type) = 0;
    // The scale of a PNG export (pixels per unit); false when cancelled.
    virtual bool AskExportScale(double& scale) = 0;
    // The names dialog, starting from names; true with the names the user
    // accepted in names.
    virtual bool AskNames(CNames& names) = 0;
    // Print Setup on the page as it stands, also without a printer; true
    // with the page the user accepted.
    virtual bool AskPageSetup(CPageSetup& setup) = 0;
    // The print dialog on the printer; true when the user chose to print
    // (the printer then set as the user left it).
    virtual bool AskPrint(QPrinter& printer) = 0;
    // The print preview of the printer's pages, each drawn by paint, until
    // the user closes it.
    virtual void ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
    // The About box.
    virtual void ShowAbout() = 0;
};

// Installs the platform (nullptr restores the silent default, which shows
// nothing, dismisses popups and cancels every question) and returns the
// previous one.
IPlatform* SetPlatform(IPlatform* platform);
IPlatform& GetPlatform();

// The "ZYL Message" box.
void ShowZylMessage(const std::string& text);
// The standard message box.
void ShowStandardMessage(const std::string& text);

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
