// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CModelessDlg.h"
#include "ChipDesign.h"

class CZYLDoc;
class QComboBox;
class QPlainTextEdit;

// The chip sheet of the device (ChipSheet.h) in a fixed-width font: the
// chip seen from above with its pins, and the equations, for the chip
// chosen in the window (an export chooses the chip it wrote). It follows
// every change of the device, and prints through the platform's print
// question on one page.
class CChipSheetDlg : public CModelessDlg
{
public:
    explicit CChipSheetDlg(CZYLDoc& doc, QWidget* parent = nullptr);

    Chip ShownChip() const;
    void SetChip(Chip chip);
    // The sheet as shown.
    QString Text() const;
    // The Print button.
    void OnPrint();

protected:
    void Reload() override;

private:
    CZYLDoc& m_doc;
    QComboBox* m_chip = nullptr;
    QPlainTextEdit* m_text = nullptr;
};
