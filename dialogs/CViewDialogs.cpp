#include "CViewDialogs.h"

// Placeholder until the dialogs land: no dialog command is handled.
struct CViewDialogs::Impl
{
};

CViewDialogs::CViewDialogs(CZYLDoc&, QWidget*)
    : m_impl(std::make_unique<Impl>())
{
}

CViewDialogs::~CViewDialogs() = default;

bool CViewDialogs::HandlesCommand(int) const { return false; }
void CViewDialogs::OnCommand(int) {}
bool CViewDialogs::IsChecked(int) const { return false; }
void CViewDialogs::RefreshAll() {}
