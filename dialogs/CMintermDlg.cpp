#include "CMintermDlg.h"

CMintermDlg::CMintermDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent)
    , m_doc(doc)
{
}

void CMintermDlg::Refill() { update(); }

void CMintermDlg::reject()
{
    hide();
    NotifyClosed();
}
