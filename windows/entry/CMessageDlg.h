// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

class QLabel;

// The modal "ZYL Message" box: the application icon, an OK
// button and the message text below them. It is placed so that a window of
// 300 x 180 pixels would be centred on a screen of the given size.
class CMessageDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CMessageDlg(const std::string& text, QWidget* parent = nullptr);

    // The top-left corner for a screen of this size (division toward zero).
    static QPoint PlacementFor(const QSize& screen);

    QLabel* TextControl() const { return m_wndText; }

private:
    QLabel* m_wndText = nullptr;
};
