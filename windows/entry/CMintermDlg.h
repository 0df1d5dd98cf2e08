// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CModelessDlg.h"
#include "MintermLogic.h"
#include "Resources.h"

#include <optional>
#include <string>

class CZYLDoc;
class QLabel;
class QLineEdit;
class QPushButton;

// The modeless minterm dialog: four functions, each a list
// of minterms and a list of don't cares, applied to the device by Update.
// It shows the document's functions again whenever the view refills it.
// The maxterm dialog is the same window with its own layout and rules.
class CMintermDlg : public CModelessDlg
{
public:
    enum { IDC_UPDATE = 1005 };

    // Where a control of a function row lies, in dialog units.
    struct CDlgItem
    {
        int id; // of function 0; the ids of row f are id + 2f
        int x, y, w, h;
    };
    // The differences between the minterm and maxterm layouts.
    struct CTemplate
    {
        const char* caption;
        ImageId icon;
        CDlgItem iconAt, termEdit, bracket, dontCaresLabel, dontCareEdit, note;
        const char* noteText;
        bool maxterms;
    };

    explicit CMintermDlg(CZYLDoc& doc, QWidget* parent = nullptr);

    // Button 1005: the edit texts go to the device.
    void OnUpdate();

    QLineEdit* TermEdit(int f) const { return m_termEdit[f]; }
    QLineEdit* DontCareEdit(int f) const { return m_dontCareEdit[f]; }
    QPushButton* UpdateButton() const { return m_update; }
    QPushButton* CloseButton() const { return m_close; }
    // The edit texts as last exchanged with the controls.
    const CEntryLists& Lists() const { return m_lists; }

protected:
    // The edits from the document's functions, then a repaint (headings).
    void Reload() override;
    CMintermDlg(CZYLDoc& doc, QWidget* parent, const CTemplate& layout);

    // What the dialog shows for the document, and what Update does.
    virtual std::optional<CEntryLists> ListsFromDoc() const;
    virtual CEntryOutcome Apply(const CEntryLists& lists);

    void paintEvent(QPaintEvent* event) override;

    CZYLDoc& m_doc;

private:
    void CreateControls(const CTemplate& layout);
    // Data exchange, controls to members.
    void ReadEdits();
    // Each row's picture and fields named for a screen reader, with the
    // current names.
    void NameRows();

    QLineEdit* m_termEdit[4] = {};
    QLineEdit* m_dontCareEdit[4] = {};
    QLabel* m_picture[4] = {};
    bool m_maxterms = false;
    QPushButton* m_update = nullptr;
    QPushButton* m_close = nullptr;
    CEntryLists m_lists;
    int m_headingWidth = 0; // the room of a heading, up to its row's picture
};
