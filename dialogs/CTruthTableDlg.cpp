// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTruthTableDlg.h"

#include "CZYLDoc.h"
#include "DialogUnits.h"
#include "DrawRichText.h"
#include "Hotspots.h"
#include "Platform.h"
#include "TruthTableLogic.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// Template 138 is laid out two pixels to a unit, which puts the note under
// the painted table.
const DialogFont kFont = DialogFont::System10;
const int kPoints = 100;
const char* const kShowNumbers = "Show No.";
const char* const kHideNumbers = "Hide No.";

QCursor LoadCursor(const char* path, const int (&hotspot)[2])
{
    const QPixmap pixmap(QString::fromLatin1(path));
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, hotspot[0], hotspot[1]);
}

QLabel* AddText(QWidget* parent, const char* text, int x, int y, int w, int h)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(DluRect(kFont, x, y, w, h));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Text with its top-left corner at (x, y), as the table's cells place it.
void TextAt(QPainter& p, int x, int y, const QString& text)
{
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

int KeyFlags(const QMouseEvent& event)
{
    int flags = 0;
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::ShiftModifier)
        flags |= kTableShift;
    if (mods & Qt::ControlModifier)
        flags |= kTableControl;
    if (mods & Qt::AltModifier)
        flags |= kTableAlt;
    // buttons() no longer holds the released left button.
    if (event.buttons() != Qt::NoButton)
        flags |= kTableOtherButton;
    return flags;
}

ZPoint ClientPoint(const QPoint& p) { return ZPoint{p.x(), p.y()}; }

QRect ToQRect(const ZRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

} // namespace

CTruthTableDlg::CTruthTableDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_doc(doc)
    , m_hArrowCursor(LoadCursor(":/res/cur104.png", kCursorHotspot104))
    , m_hFuseCursor(LoadCursor(":/res/cur139.png", kCursorHotspot139))
{
    setWindowTitle(QStringLiteral("Truth Table of the functions"));
    setModal(false);
    setFont(ZylArialFont(kPoints));
    setFixedSize(DluSize(kFont, 202, 333));
    UseWhiteBackground(*this);
    setMouseTracking(true);

    CreateControls();

    const ZSize screen = GetPlatform().GetScreenSize();
    const ZPoint at = TableDialogPosition(screen, ZSize{width(), height()});
    move(at.x, at.y);
}

void CTruthTableDlg::CreateControls()
{
    m_showNumbers = new QPushButton(QString::fromLatin1(kHideNumbers), this);
    m_showNumbers->setGeometry(DluRect(kFont, 30, 7, 55, 15));
    m_showNumbers->setProperty("controlId", int(IDC_SHOW_NUMBERS));
    m_showNumbers->setAutoDefault(false);
    connect(m_showNumbers, &QPushButton::clicked, this, [this] { OnShowNumbers(); });

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setGeometry(DluRect(kFont, 86, 7, 55, 15));
    close->setProperty("controlId", int(IDOK_CLOSE));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        NotifyClosed();
    });

    auto* icon = new QLabel(this);
    icon->setGeometry(DluRect(kFont, 7, 7, 16, 16));
    const QPixmap pixmap(QStringLiteral(":/res/ico128.png"));
    if (!pixmap.isNull())
        icon->setPixmap(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    AddText(this, "Note:", 5, 280, 20, 12);
    AddText(this, "Left Click to toggle the output between 1 and 0; [Shift]+LeftClick to input Don't Care.", 30,
            280, 139, 27);
    AddText(this, "Right Click to get the Pop-up menu for value selection.", 29, 307, 140, 19);
}

void CTruthTableDlg::Refill() { update(); }

void CTruthTableDlg::OnShowNumbers()
{
    m_bShowNumbers = m_bShowNumbers == 1 ? 0 : 1;
    m_showNumbers->setText(QString::fromLatin1(m_bShowNumbers == 1 ? kHideNumbers : kShowNumbers));
    update(ToQRect(TableNumbersRect()));
}

void CTruthTableDlg::OnValue(int id)
{
    if (id < ID_VALUE_0 || id > ID_VALUE_X)
        return;
    TablePopupValue(m_doc, m_ptRightClick, TableValueOfPopupItem(id - ID_VALUE_0));
    update();
}

// --- Paint ------------------------------------------------------------------

void CTruthTableDlg::paintEvent(QPaintEvent*)
{
    if (m_doc.m_nVariables != 4)
        return;
    QPainter p(this);
    p.setFont(ZylArialFont(kPoints));
    p.setPen(QPen(Qt::black, 1));
    p.setBackgroundMode(Qt::TransparentMode);
    PaintHeader(p);
    PaintTitles(p);
    PaintGrid(p);
    PaintValues(p);
    if (m_bShowNumbers == 1)
        PaintNumbers(p);
}

void CTruthTableDlg::PaintHeader(QPainter& p)
{
    p.drawLine(90, 88, 330, 88);
    p.drawLine(330, 88, 330, 110);
    p.drawLine(90, 88, 90, 110);
    p.drawLine(210, 88, 210, 110);
    p.drawLine(212, 88, 212, 110);
    TextAt(p, 135, 93, QStringLiteral("Inputs"));
    TextAt(p, 245, 93, QStringLiteral("Outputs"));
}

void CTruthTableDlg::PaintTitles(QPainter& p)
{
    for (int i = 0; i < CZYLDoc::kVariables; ++i)
        TextAt(p, 101 + 30 * i, 115, QString::fromStdString(m_doc.m_strVariableName[i]));
    for (int f = 0; f < CZYLDoc::kFunctions; ++f)
        DrawRichText(p, 219 + 30 * f, 115, TableFunctionTitle(m_doc.m_strFunctionName[f]), kPoints, Qt::black,
                     Qt::white);
}

void CTruthTableDlg::PaintGrid(QPainter& p)
{
    for (int x = 90; x <= 330; x += 30)
        p.drawLine(x, 110, x, 536);
    p.drawLine(212, 110, 212, 535);
    for (int y = 110; y <= 535; y += 25)
        p.drawLine(90, y, 330, y);
    p.drawLine(90, 137, 330, 137);
}

void CTruthTableDlg::PaintValues(QPainter& p)
{
    for (int r = 0; r < CZYLDoc::kRows; ++r)
        for (int i = 0; i < CZYLDoc::kVariables; ++i)
            TextAt(p, 101 + 30 * i, 141 + 25 * r, QString::number((r >> (3 - i)) & 1));
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            const char value = TableCellValue(m_doc, f, r);
            if (value == 0)
                continue;
            p.drawText(ToQRect(TableClickRect(f, r)), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                       QString(QChar::fromLatin1(value)));
        }
    }
}

void CTruthTableDlg::PaintNumbers(QPainter& p)
{
    p.drawLine(50, 110, 50, 535);
    p.drawLine(88, 110, 88, 536);
    p.drawLine(50, 137, 88, 137);
    for (int y = 110; y <= 535; y += 25)
        p.drawLine(50, y, 88, y);
    TextAt(p, 60, 116, QStringLiteral("No."));
    for (int r = 0; r < CZYLDoc::kRows; ++r)
        TextAt(p, 63, 141 + 25 * r, QString::asprintf("%2d", r));
}

// --- Mouse ------------------------------------------------------------------

void CTruthTableDlg::mouseMoveEvent(QMouseEvent* event)
{
    const bool over = TableOutputArea().Contains(ClientPoint(event->position().toPoint()));
    setCursor(over ? m_hFuseCursor : m_hArrowCursor);
    CModelessDlg::mouseMoveEvent(event);
}

void CTruthTableDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        m_ptRightClick = ClientPoint(event->position().toPoint());
    CModelessDlg::mousePressEvent(event);
}

void CTruthTableDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        TableLeftClick(m_doc, ClientPoint(event->position().toPoint()), TableIsShiftClick(KeyFlags(*event)));
        update();
    }
    CModelessDlg::mouseReleaseEvent(event);
}

void CTruthTableDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (!TableOpensValuePopup(m_ptRightClick))
        return;
    const QPoint at = event->globalPos();
    const int item = GetPlatform().TrackPopup(TableValuePopupItems(), ZPoint{at.x(), at.y()});
    if (item >= 0 && item < 3)
        OnValue(ID_VALUE_0 + item);
}

void CTruthTableDlg::reject()
{
    setCursor(m_hArrowCursor);
    hide();
    NotifyClosed();
}
