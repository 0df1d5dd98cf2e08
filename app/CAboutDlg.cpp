// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAboutDlg.h"

#include "DialogUnits.h"
#include "Pictures.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {
const DialogFont kFont = DialogFont::MsSansSerif8;
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About ZYL"));
    setFixedSize(DluSize(kFont, 235, 55));
    UseWhiteBackground(*this);

    auto* icon = new QLabel(this);
    icon->setGeometry(DluRect(kFont, 11, 17, 21, 20));
    icon->setPixmap(ZylPixmap(kImgAppIcon, devicePixelRatioF()));

    auto* text = new QLabel(QStringLiteral("ZYL Version 1.0"), this);
    text->setGeometry(DluRect(kFont, 40, 10, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(DluRect(kFont, 178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
