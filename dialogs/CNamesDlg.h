// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NamesLogic.h"

#include <QDialog>

#include <functional>
#include <string>

class CZYLDoc;
class QComboBox;
class QLineEdit;
class QPushButton;

// The modal names dialog (template 141): the four function names (at most
// two characters each) and the four variable names (one character, chosen
// from A to Z or typed). OK refuses a variable field of more than one
// character and stays open; the names are checked and applied by OnNames.
class CNamesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CNamesDlg(CZYLDoc& doc, QWidget* parent = nullptr);

    // The names as the dialog closed with OK.
    const CNames& Names() const { return m_names; }

    QComboBox* VariableBox(int i) const { return m_variable[i]; }
    QLineEdit* FunctionEdit(int f) const { return m_function[f]; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // How OnNames runs the dialog: exec() unless a test or a tool installs
    // its own runner, which returns QDialog::Accepted or Rejected. Returns
    // the previous runner (empty for exec()).
    using Runner = std::function<int(CNamesDlg&)>;
    static Runner SetRunner(Runner runner);

public slots:
    void accept() override;

private:
    void CreateControls();
    void LoadNames(const CZYLDoc& doc);

    QComboBox* m_variable[4] = {};
    QLineEdit* m_function[4] = {};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    CNames m_names;
};

// The names command: runs the names dialog on the document and applies the
// accepted names (checked first; every window shows them afterwards).
void OnNames(CZYLDoc& doc, QWidget* parent);
