#include "CSymbolsDlg.h"

CSymbolsDlg::CSymbolsDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent)
    , m_doc(doc)
{
}

void CSymbolsDlg::Refill() { update(); }

void CSymbolsDlg::reject()
{
    hide();
    NotifyClosed();
}
