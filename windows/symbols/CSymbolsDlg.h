// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CModelessDlg.h"
#include "SymbolsLogic.h"

#include <QCursor>

class CZYLDoc;
class QPushButton;

// The circuit symbols teaching dialog: the PROM or PAL
// picture of the document's device type, detail and simplified diagram
// side by side, with 16 clickable fuses of its own per picture and
// switchable call-outs. It never changes the document.
class CSymbolsDlg : public CModelessDlg
{
public:
    enum { IDC_ANNOTATION = 1007, IDOK_CLOSE = 1 };

    explicit CSymbolsDlg(const CZYLDoc& doc, QWidget* parent = nullptr);
    const CSymbolsState& State() const { return m_state; }
    // Button 1007: the call-outs on or off.
    void OnAnnotation();

protected:
    void Reload() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateControls();

    const CZYLDoc& m_doc;
    CSymbolsState m_state;
    QPushButton* m_pAnnotationButton = nullptr;
    QCursor m_hFuseCursor;
};
