// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The About box: the application icon, "ZYL Version 1.0" and OK.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
