// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NamesLogic.h"

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

// The modal names dialog: the four function names (at most
// two characters each) and the four variable names (one character, chosen
// from A to Z or typed). Characters are code points, so a letter beyond the
// Basic Multilingual Plane counts once. Every field starts with the current
// name and keeps what the user types, case included; an edited field is
// stored in Unicode normalization form C, an untouched one byte for byte as
// the document had it, so OK without changes changes nothing. OK refuses a
// variable field of more than one character and a field holding "^" or "~"
// and stays open; the names command checks and applies them (OnNames).
class CNamesDlg : public QDialog
{
    Q_OBJECT
public:
    // The fields start with these names.
    explicit CNamesDlg(const CNames& names, QWidget* parent = nullptr);

    // The names as the dialog closed with OK.
    const CNames& Names() const { return m_names; }

    QComboBox* VariableBox(int i) const { return m_variable[i]; }
    QLineEdit* FunctionEdit(int f) const { return m_function[f]; }
    QPushButton* OkButton() const { return m_ok; }

public slots:
    void accept() override;

private:
    void CreateControls();
    void LoadNames(const CNames& names);

    // The name a field holds: the name's own bytes while the field
    // still shows them, else the typed text in normalization form C.
    std::string FieldName(const QString& text, std::size_t field) const;

    QComboBox* m_variable[4] = {};
    QLineEdit* m_function[4] = {};
    // The names the fields started with: variables 0..3, functions 4..7.
    std::string m_initial[8];
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    CNames m_names;
};
