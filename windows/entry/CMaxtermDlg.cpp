// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMaxtermDlg.h"

#include "CZYLDoc.h"
#include "MaxtermLogic.h"

namespace {

// The row controls of the maxterm dialog.
const CMintermDlg::CTemplate& MaxtermTemplate()
{
    static const CMintermDlg::CTemplate layout = [] {
        CMintermDlg::CTemplate t{};
        t.caption = "Edit the Functional Value By Maxterms";
        t.icon = kImgMaxtermIcon;
        t.iconAt = {0, 100, 40, 16, 16};
        t.termEdit = {1030, 123, 40, 162, 12};
        t.bracket = {0, 290, 40, 8, 14};
        t.dontCaresLabel = {0, 299, 41, 41, 9};
        t.dontCareEdit = {1031, 345, 40, 69, 12};
        t.note = {0, 7, 156, 175, 13};
        t.noteText = "Note:  Separate the maxterm numbers by comma.";
        t.maxterms = true;
        return t;
    }();
    return layout;
}

} // namespace

CMaxtermDlg::CMaxtermDlg(CZYLDoc& doc, QWidget* parent)
    : CMintermDlg(doc, parent, MaxtermTemplate())
{
}

std::optional<CEntryLists> CMaxtermDlg::ListsFromDoc() const { return MaxtermListsFromDoc(m_doc.Device()); }

CEntryOutcome CMaxtermDlg::Apply(const CEntryLists& lists) { return UpdateFromMaxterms(m_doc, lists); }
