#include "CMaxtermDlg.h"

CMaxtermDlg::CMaxtermDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent)
    , m_doc(doc)
{
}

void CMaxtermDlg::Refill() { update(); }

void CMaxtermDlg::reject()
{
    hide();
    NotifyClosed();
}
