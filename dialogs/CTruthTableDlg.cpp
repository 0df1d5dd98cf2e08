#include "CTruthTableDlg.h"

CTruthTableDlg::CTruthTableDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent)
    , m_doc(doc)
{
}

void CTruthTableDlg::Refill() { update(); }

void CTruthTableDlg::reject()
{
    hide();
    NotifyClosed();
}
