// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChipSheetDlg.h"

#include "CZYLDoc.h"
#include "ChipSheet.h"
#include "Platform.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CChipSheetDlg::CChipSheetDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_doc(doc)
{
    setWindowTitle(QStringLiteral("Chip Pins and Equations"));
    setModal(false);
    m_chip = new QComboBox(this);
    for (Chip chip : OfferedChips())
        m_chip->addItem(QString::fromLatin1(ChipName(chip).data(), qsizetype(ChipName(chip).size())));
    auto* label = new QLabel(QStringLiteral("&Chip:"), this);
    label->setBuddy(m_chip);
    auto* print = new QPushButton(QStringLiteral("&Print..."), this);
    auto* close = new QPushButton(QStringLiteral("C&lose"), this);
    for (QPushButton* button : {print, close})
        button->setAutoDefault(false);
    connect(m_chip, &QComboBox::currentIndexChanged, this, [this] { Refill(); });
    connect(print, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setAccessibleName(QStringLiteral("Pins and equations"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label);
    buttons->addWidget(m_chip);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_text, 1);
    // Wide and high enough for the larger chip's sheet and a long equation.
    const QFontMetrics metrics(m_text->font());
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * 84, metrics.lineSpacing() * 36);
}

Chip CChipSheetDlg::ShownChip() const { return OfferedChips().at(std::size_t(std::max(0, m_chip->currentIndex()))); }

void CChipSheetDlg::SetChip(Chip chip)
{
    const auto chips = OfferedChips();
    m_chip->setCurrentIndex(int(std::find(chips.begin(), chips.end(), chip) - chips.begin()));
}

QString CChipSheetDlg::Text() const { return m_text->toPlainText(); }

void CChipSheetDlg::Reload()
{
    m_text->setPlainText(
        QString::fromStdString(ChipSheet(m_doc.Device(), m_doc.Covers(), m_doc.GetPathName(), ShownChip())));
}

void CChipSheetDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!GetPlatform().AskPrint(printer))
        return;
    QPainter p;
    if (!p.begin(&printer)) {
        ShowStandardMessage("The chip sheet cannot be printed: the printer could not be started.");
        return;
    }
    // 10 points in the window's fixed-width font, shrunk to fit the page.
    QFont font(m_text->font(), &printer);
    font.setPointSizeF(10);
    const QString text = Text();
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const QRectF needed = QFontMetricsF(font, &printer).boundingRect(page, Qt::AlignLeft | Qt::AlignTop, text);
    const double fit = std::min({1.0, page.width() / needed.width(), page.height() / needed.height()});
    p.setFont(font);
    p.scale(fit, fit);
    p.drawText(QRectF(0, 0, page.width() / fit, page.height() / fit), Qt::AlignLeft | Qt::AlignTop, text);
    p.end();
}
