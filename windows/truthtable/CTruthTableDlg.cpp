// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTruthTableDlg.h"

#include "CTruthTableGrid.h"
#include "CZYLDoc.h"
#include "DialogUnits.h"
#include "DrawRichText.h"
#include "Pictures.h"
#include "Platform.h"
#include "TruthTableLayout.h"
#include "TruthTableLogic.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// The dialog is laid out two pixels to a unit, which puts the note under
// the painted table.
const DialogFont kFont = DialogFont::System10;
const int kPoints = 100;
const char* const kShowNumbers = "Show No.";
const char* const kHideNumbers = "Hide No.";

namespace L = TruthTableLayout;

QLabel* AddText(QWidget* parent, const char* text, int x, int y, int w, int h)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(DluRect(kFont, x, y, w, h));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Text with its top-left corner at a point, as the table's cells place it.
void TextAt(QPainter& p, const ZPoint& at, const QString& text)
{
    p.drawText(QPoint(at.x, at.y + p.fontMetrics().ascent()), text);
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
    , m_hArrowCursor(ZylCursor(kCurArrow))
    , m_hFuseCursor(ZylCursor(kCurPencil))
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
    // First in the Tab order: the window opens with the focus on its cells.
    m_grid = new CTruthTableGrid(m_doc, this);

    m_showNumbers = new QPushButton(QString::fromLatin1(kHideNumbers), this);
    m_showNumbers->setGeometry(DluRect(kFont, 30, 7, 55, 15));
    m_showNumbers->setProperty("controlId", int(IDC_SHOW_NUMBERS));
    m_showNumbers->setAutoDefault(false);
    connect(m_showNumbers, &QPushButton::clicked, this, [this] { OnShowNumbers(); });

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setGeometry(DluRect(kFont, 86, 7, 55, 15));
    close->setProperty("controlId", int(IDOK_CLOSE));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] { reject(); });

    auto* icon = new QLabel(this);
    icon->setGeometry(DluRect(kFont, 7, 7, 16, 16));
    icon->setPixmap(ZylPixmap(kImgAppIcon, devicePixelRatioF()));
    icon->setAccessibleName(QStringLiteral("ZYL"));

    AddText(this, "Note:", 5, 280, 20, 12);
    AddText(this, "Left Click to toggle the output between 1 and 0; [Shift]+LeftClick to input Don't Care.", 30,
            280, 139, 27);
    AddText(this, "Right Click to get the Pop-up menu for value selection.", 29, 307, 140, 19);
}

void CTruthTableDlg::Reload()
{
    m_grid->AnnounceChanges();
    update();
}

void CTruthTableDlg::OnShowNumbers()
{
    m_bShowNumbers = m_bShowNumbers == 1 ? 0 : 1;
    m_showNumbers->setText(QString::fromLatin1(m_bShowNumbers == 1 ? kHideNumbers : kShowNumbers));
    update(ToQRect(L::kNumbersArea));
}

void CTruthTableDlg::OnValue(int id)
{
    if (id < ID_VALUE_0 || id > ID_VALUE_X)
        return;
    TablePopupValue(m_doc, TableHitCell(m_ptRightClick), TableValueOfPopupItem(id - ID_VALUE_0));
}

// --- Paint ------------------------------------------------------------------

void CTruthTableDlg::paintEvent(QPaintEvent*)
{
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
    p.drawLine(L::kLeft, L::kHeaderTop, L::kRight, L::kHeaderTop);
    for (const int x : {L::kRight, L::kLeft, L::kOutputsLeft, L::kOutputsLeft + L::kDoubleLineGap})
        p.drawLine(x, L::kHeaderTop, x, L::kTop);
    TextAt(p, L::kInputsHeading, QStringLiteral("Inputs"));
    TextAt(p, L::kOutputsHeading, QStringLiteral("Outputs"));
}

void CTruthTableDlg::PaintTitles(QPainter& p)
{
    const CNames& names = m_doc.Device().names;
    for (int i = 0; i < Device::kVariables; ++i)
        TextAt(p, L::VariableTitle(i), QString::fromStdString(names.variables[static_cast<std::size_t>(i)]));
    for (int f = 0; f < Device::kFunctions; ++f) {
        // Within its column, however wide the name's characters.
        const ZPoint at = L::FunctionTitle(f);
        const std::string& name = names.functions[static_cast<std::size_t>(f)];
        DrawRichText(p, at.x, at.y, TableFunctionTitle(name), kPoints, Qt::black, Qt::white,
                     L::ColumnLeft(5 + f) - at.x - 2);
    }
}

// The column lines reach one pixel below the bottom line, closing its corners.
void CTruthTableDlg::PaintGrid(QPainter& p)
{
    for (int x = L::kLeft; x <= L::kRight; x += L::kColumnPitch)
        p.drawLine(x, L::kTop, x, L::kBottom + 1);
    p.drawLine(L::kOutputsLeft + L::kDoubleLineGap, L::kTop, L::kOutputsLeft + L::kDoubleLineGap, L::kBottom);
    for (int y = L::kTop; y <= L::kBottom; y += L::kRowPitch)
        p.drawLine(L::kLeft, y, L::kRight, y);
    p.drawLine(L::kLeft, L::kRowsTop + L::kDoubleLineGap, L::kRight, L::kRowsTop + L::kDoubleLineGap);
}

void CTruthTableDlg::PaintValues(QPainter& p)
{
    for (int r = 0; r < Device::kRows; ++r)
        for (int i = 0; i < Device::kVariables; ++i)
            TextAt(p, L::InputValue(i, r), QString::number((r >> (3 - i)) & 1));
    for (int f = 0; f < Device::kFunctions; ++f) {
        for (int r = 0; r < Device::kRows; ++r) {
            const char value = TableCellValue(m_doc.Device(), f, r);
            if (value == 0)
                continue;
            p.drawText(ToQRect(L::ClickRect(f, r)), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                       QString(QChar::fromLatin1(value)));
        }
    }
}

void CTruthTableDlg::PaintNumbers(QPainter& p)
{
    p.drawLine(L::kNumbersLeft, L::kTop, L::kNumbersLeft, L::kBottom);
    p.drawLine(L::kNumbersRight, L::kTop, L::kNumbersRight, L::kBottom + 1);
    p.drawLine(L::kNumbersLeft, L::kRowsTop + L::kDoubleLineGap, L::kNumbersRight, L::kRowsTop + L::kDoubleLineGap);
    for (int y = L::kTop; y <= L::kBottom; y += L::kRowPitch)
        p.drawLine(L::kNumbersLeft, y, L::kNumbersRight, y);
    TextAt(p, L::kNumbersHeading, QStringLiteral("No."));
    for (int r = 0; r < Device::kRows; ++r)
        TextAt(p, L::RowNumber(r), QString::asprintf("%2d", r));
}

// --- Mouse ------------------------------------------------------------------

void CTruthTableDlg::mouseMoveEvent(QMouseEvent* event)
{
    const bool over = L::kOutputArea.Contains(ClientPoint(event->position().toPoint()));
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
        if (const std::optional<CTableCell> cell = TableHitCell(ClientPoint(event->position().toPoint())))
            TableLeftClick(m_doc, *cell, TableIsShiftClick(KeyFlags(*event)));
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
    CModelessDlg::reject();
}
