// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CMintermDlg.h"

class CZYLDoc;

// The modeless maxterm dialog: the minterm dialog's window
// with maxterm lists (the combinations where a function is 0) and the
// maxterm dialog's rules, which skip a faulty function instead of stopping.
class CMaxtermDlg : public CMintermDlg
{
public:
    explicit CMaxtermDlg(CZYLDoc& doc, QWidget* parent = nullptr);

protected:
    std::optional<CEntryLists> ListsFromDoc() const override;
    CEntryOutcome Apply(const CEntryLists& lists) override;
};
