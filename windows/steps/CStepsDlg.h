// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CDerivation.h"
#include "CModelessDlg.h"
#include "StepsPage.h"

class CZYLDoc;
class QComboBox;
class QVBoxLayout;
class QPoint;
class CStepsPageView;

// The minimization steps of one function: from its minterms through the
// combining table, the prime implicants and their chart to every
// lowest-cost cover. It minimizes what the device programs: in PROM mode
// the function's minterms and don't cares, in PAL mode its minterms alone.
// In PAL mode each cover of at most four terms can be programmed into the
// function's rows, and the cover the rows hold is marked. The page zooms in
// the steps of the fuse map, by Ctrl + wheel and the zoom keys; Home and
// End (also with Ctrl) scroll to its top and bottom. Its colours follow
// the palette, dark ones included.
class CStepsDlg : public CModelessDlg
{
public:
    explicit CStepsDlg(CZYLDoc& doc, QWidget* parent = nullptr);

    // The function shown, 0..3.
    int Function() const;
    void SetFunction(int f);
    const CDerivation& Derivation() const { return m_derivation; }
    // The cover the function's rows hold (PAL), -1 for none.
    int ProgrammedCover() const { return m_programmed; }
    // Programs cover s of the shown function into its PAL rows, as the
    // "Program" link does; false when it cannot (not PAL, too many terms).
    bool ProgramCover(int s);
    // The derivation as the two copy buttons put it on the clipboard.
    std::string PlainText() const;
    std::string Latex() const;
    // The page's zoom in percent; setting it keeps the point under anchor
    // (a position on the page's viewport) in place and remembers it.
    int Zoom() const;
    void SetZoom(int percent, const QPoint& anchor);
    // The page as laid out, in logical units, and the widget it is drawn on.
    const CStepsPage& Page() const;
    QWidget* PageViewport() const;

protected:
    void Reload() override;

private:
    // The function box, the page and the buttons, laid out and connected.
    QVBoxLayout& CreateControls();
    std::vector<CStepsBlock> Blocks() const;

    CZYLDoc& m_doc;
    QComboBox* m_function = nullptr;
    CStepsPageView* m_page = nullptr;
    CDerivation m_derivation;
    int m_programmed = -1;
    int m_shown = -1; // the function the page shows
};
