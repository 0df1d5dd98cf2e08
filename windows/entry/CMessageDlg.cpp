// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMessageDlg.h"

#include "DialogUnits.h"
#include "Pictures.h"
#include "Platform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {
const int IDC_MESSAGE_TEXT = 9000;
const DialogFont kFont = DialogFont::System10;
} // namespace

CMessageDlg::CMessageDlg(const std::string& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("ZYL Message"));
    setModal(true);
    setFixedSize(DluSize(kFont, 150, 107));
    UseWhiteBackground(*this);

    auto* icon = new QLabel(this);
    icon->setGeometry(DluRect(kFont, 7, 7, 16, 16));
    icon->setPixmap(ZylPixmap(kImgAppIcon, devicePixelRatioF()));
    icon->setAccessibleName(QStringLiteral("ZYL"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(DluRect(kFont, 30, 7, 50, 14));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The text rectangle is given in client pixels.
    m_wndText = new QLabel(QString::fromStdString(text), this);
    m_wndText->setObjectName(QStringLiteral("IDC_MESSAGE_TEXT"));
    m_wndText->setProperty("controlId", IDC_MESSAGE_TEXT);
    m_wndText->setTextFormat(Qt::PlainText);
    m_wndText->setWordWrap(true);
    m_wndText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_wndText->setGeometry(QRect(QPoint(26, 66), QPoint(286 - 1, 216 - 1)));

    const ZSize screen = GetPlatform().GetScreenSize();
    move(PlacementFor(QSize(screen.cx, screen.cy)));
}

QPoint CMessageDlg::PlacementFor(const QSize& screen)
{
    return QPoint((screen.width() - 300) / 2, (screen.height() - 180) / 2);
}
