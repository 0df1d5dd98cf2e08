#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "Platform.h"

// Placeholder until the view commands land: nothing is handled.
CViewLogic::CViewLogic(CZYLDoc& doc, IZylView& view)
    : m_doc(doc)
    , m_view(view)
{
}

bool CViewLogic::HandlesCommand(int) const { return false; }
void CViewLogic::OnCommand(int) {}
bool CViewLogic::IsChecked(int) const { return false; }
bool CViewLogic::IsFuseCursor(const ZPoint&) const { return false; }
void CViewLogic::OnLButtonDown(const ZPoint&, const ZPoint&) {}
std::vector<CDrawItem> CViewLogic::BuildAnnotations() { return {}; }
