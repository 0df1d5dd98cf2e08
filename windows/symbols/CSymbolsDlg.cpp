// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSymbolsDlg.h"

#include "CZYLDoc.h"
#include "DialogUnits.h"
#include "Pictures.h"
#include "Platform.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

const DialogFont kFont = DialogFont::System10;

QRect ToQRect(const ZRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

ZPoint ClientPoint(const QPoint& p) { return ZPoint{p.x(), p.y()}; }

QLabel* AddText(QWidget* parent, const char* text, int x, int y, int w, int h)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(DluRect(kFont, x, y, w, h));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

CSymbolsDlg::CSymbolsDlg(const CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_doc(doc)
{
    setWindowTitle(QStringLiteral("Simplified symbols for ZYL"));
    setModal(false);
    setFixedSize(DluSize(kFont, 410, 200));
    UseWhiteBackground(*this);
    setMouseTracking(true);

    CreateControls();
    m_hFuseCursor = ZylCursor(kCurPencil);

    const ZSize screen = GetPlatform().GetScreenSize();
    const ZPoint at = SymbolsDialogPosition(screen, ZSize{width(), height()});
    move(at.x, at.y);
}

void CSymbolsDlg::CreateControls()
{
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setGeometry(DluRect(kFont, 342, 7, 50, 14));
    close->setProperty("controlId", int(IDOK_CLOSE));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] { reject(); });

    m_pAnnotationButton = new QPushButton(this);
    m_pAnnotationButton->setGeometry(DluRect(kFont, 281, 7, 58, 14));
    m_pAnnotationButton->setProperty("controlId", int(IDC_ANNOTATION));
    m_pAnnotationButton->setAutoDefault(false);
    m_pAnnotationButton->setText(QString::fromLatin1(kSymbolsShowAnnotation));
    connect(m_pAnnotationButton, &QPushButton::clicked, this, [this] { OnAnnotation(); });

    AddText(this, "Detail Connection Diagram", 68, 185, 104, 8);
    AddText(this, "Simplified Connection Diagram", 240, 185, 131, 8);
}

// The dialog draws its own fuses; the document only selects the picture.
void CSymbolsDlg::Reload() { update(); }

void CSymbolsDlg::OnAnnotation()
{
    const std::string text = m_state.ToggleAnnotation(SymbolsPicture(m_doc.Device().type));
    if (text.empty())
        return;
    if (m_pAnnotationButton)
        m_pAnnotationButton->setText(QString::fromStdString(text));
    update();
}

void CSymbolsDlg::paintEvent(QPaintEvent*)
{
    const int picture = SymbolsPicture(m_doc.Device().type);
    if (picture < 0)
        return;
    QPainter p(this);
    // Each picture clipped to its own extent where the area is larger.
    for (const CSymbolsBlit& blit : m_state.PaintList(picture))
        DrawZylPicture(p, blit.pictureId, blit.at.x, blit.at.y, blit.area.cx, blit.area.cy);
}

void CSymbolsDlg::mouseMoveEvent(QMouseEvent* event)
{
    const int picture = SymbolsPicture(m_doc.Device().type);
    if (CSymbolsState::OverFuse(picture, ClientPoint(event->position().toPoint())))
        setCursor(m_hFuseCursor);
    else
        unsetCursor();
    CModelessDlg::mouseMoveEvent(event);
}

void CSymbolsDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int picture = SymbolsPicture(m_doc.Device().type);
        for (const ZRect& area : m_state.Click(picture, ClientPoint(event->position().toPoint())))
            update(ToQRect(area));
    }
    CModelessDlg::mouseReleaseEvent(event);
}
