#pragma once

#include "CModelessDlg.h"

class CZYLDoc;

// Placeholder: the dialog's window with nothing in it yet.
class CMintermDlg : public CModelessDlg
{
public:
    explicit CMintermDlg(CZYLDoc& doc, QWidget* parent = nullptr);
    void Refill() override;

protected:
    void reject() override;

private:
    CZYLDoc& m_doc;
};
