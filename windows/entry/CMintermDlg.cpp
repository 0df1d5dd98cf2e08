// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMintermDlg.h"

#include "CZYLDoc.h"
#include "DialogUnits.h"
#include "DrawRichText.h"
#include "Pictures.h"
#include "Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// The template font is "Arial" 10; the templates are laid out two pixels
// to a unit, which puts each row of edits on its heading line.
const DialogFont kFont = DialogFont::System10;
const int kWidthUnits = 422;
const int kHeightUnits = 176;
const int kRowUnits = 30;
const int kHeadingX = 20;
const int kHeadingY = 86;
const int kHeadingStep = 60;
const int kHeadingPoints = 100;

QLabel* AddPicture(QWidget* parent, ImageId id, const QRect& rect)
{
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setPixmap(ZylPixmap(id, label->devicePixelRatioF()));
    return label;
}

QRect RowRect(int x, int y, int w, int h, int f)
{
    return DluRect(kFont, x, y + kRowUnits * f, w, h);
}

// The row controls of the minterm dialog.
const CMintermDlg::CTemplate& MintermTemplate()
{
    static const CMintermDlg::CTemplate layout = [] {
        CMintermDlg::CTemplate t{};
        t.caption = "Edit the Functional Value By Minterms";
        t.icon = kImgMintermIcon;
        t.iconAt = {0, 100, 40, 16, 16};
        t.termEdit = {107, 126, 42, 164, 12};
        t.bracket = {0, 295, 42, 8, 14};
        t.dontCaresLabel = {0, 307, 42, 41, 9};
        t.dontCareEdit = {108, 352, 40, 65, 12};
        t.note = {0, 11, 161, 175, 13};
        t.noteText = "Note:  Separate the minterm numbers by comma.";
        return t;
    }();
    return layout;
}
} // namespace

CMintermDlg::CMintermDlg(CZYLDoc& doc, QWidget* parent)
    : CMintermDlg(doc, parent, MintermTemplate())
{
}

CMintermDlg::CMintermDlg(CZYLDoc& doc, QWidget* parent, const CTemplate& layout)
    : CModelessDlg(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_doc(doc)
{
    setWindowTitle(QString::fromLatin1(layout.caption));
    setModal(false);
    setFont(ZylArialFont(kHeadingPoints));
    setFixedSize(DluSize(kFont, kWidthUnits, kHeightUnits));
    UseWhiteBackground(*this);

    m_maxterms = layout.maxterms;
    CreateControls(layout);
    NameRows();

    const ZSize screen = GetPlatform().GetScreenSize();
    const ZPoint at = EntryDialogPosition(screen, ZSize{width(), height()});
    move(at.x, at.y);
}

void CMintermDlg::CreateControls(const CTemplate& layout)
{
    m_update = new QPushButton(QStringLiteral("Update"), this);
    m_update->setGeometry(DluRect(kFont, 30, 7, 50, 14));
    m_update->setProperty("controlId", int(IDC_UPDATE));
    m_update->setDefault(true);
    connect(m_update, &QPushButton::clicked, this, [this] { OnUpdate(); });

    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setGeometry(DluRect(kFont, 82, 7, 50, 14));
    m_close->setProperty("controlId", 2);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, [this] { reject(); });

    AddPicture(this, kImgAppIcon, DluRect(kFont, 7, 7, 16, 16))->setAccessibleName(QStringLiteral("ZYL"));

    for (int f = 0; f < 4; ++f) {
        const CDlgItem& ic = layout.iconAt;
        m_picture[f] = AddPicture(this, layout.icon, RowRect(ic.x, ic.y, ic.w, ic.h, f));
        m_headingWidth = RowRect(ic.x, ic.y, ic.w, ic.h, f).left() - kHeadingX - 4;

        const CDlgItem& te = layout.termEdit;
        m_termEdit[f] = new QLineEdit(this);
        m_termEdit[f]->setGeometry(RowRect(te.x, te.y, te.w, te.h, f));
        m_termEdit[f]->setProperty("controlId", te.id + 2 * f);

        const CDlgItem& br = layout.bracket;
        auto* bracket = new QLabel(QStringLiteral(")"), this);
        bracket->setGeometry(RowRect(br.x, br.y, br.w, br.h, f));
        bracket->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        const CDlgItem& dl = layout.dontCaresLabel;
        auto* label = new QLabel(QStringLiteral("Don't Cares:"), this);
        label->setGeometry(RowRect(dl.x, dl.y, dl.w, dl.h, f));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        const CDlgItem& de = layout.dontCareEdit;
        m_dontCareEdit[f] = new QLineEdit(this);
        m_dontCareEdit[f]->setGeometry(RowRect(de.x, de.y, de.w, de.h, f));
        m_dontCareEdit[f]->setProperty("controlId", de.id + 2 * f);
        label->setBuddy(m_dontCareEdit[f]);
    }
    // Tab order: each function's list, then its don't cares.
    for (int f = 0; f < 4; ++f) {
        setTabOrder(m_termEdit[f], m_dontCareEdit[f]);
        if (f < 3)
            setTabOrder(m_dontCareEdit[f], m_termEdit[f + 1]);
    }

    const CDlgItem& n = layout.note;
    auto* note = new QLabel(QString::fromLatin1(layout.noteText), this);
    note->setGeometry(DluRect(kFont, n.x, n.y, n.w, n.h));
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

std::optional<CEntryLists> CMintermDlg::ListsFromDoc() const { return MintermListsFromDoc(m_doc.Device()); }

CEntryOutcome CMintermDlg::Apply(const CEntryLists& lists) { return UpdateFromMinterms(m_doc, lists); }

void CMintermDlg::Reload()
{
    if (const std::optional<CEntryLists> lists = ListsFromDoc()) {
        for (int f = 0; f < 4; ++f) {
            m_termEdit[f]->setText(QString::fromStdString(lists->terms[static_cast<std::size_t>(f)]));
            m_dontCareEdit[f]->setText(QString::fromStdString(lists->dontCares[static_cast<std::size_t>(f)]));
        }
    }
    ReadEdits();
    NameRows();
    update();
}

void CMintermDlg::NameRows()
{
    for (int f = 0; f < 4; ++f) {
        const CEntryRowNames names = EntryRowNames(m_doc.Device(), f, m_maxterms);
        m_picture[f]->setAccessibleName(QString::fromStdString(names.heading));
        m_termEdit[f]->setAccessibleName(QString::fromStdString(names.terms));
        m_dontCareEdit[f]->setAccessibleName(QString::fromStdString(names.dontCares));
    }
}

void CMintermDlg::ReadEdits()
{
    for (int f = 0; f < 4; ++f) {
        m_lists.terms[static_cast<std::size_t>(f)] = m_termEdit[f]->text().toStdString();
        m_lists.dontCares[static_cast<std::size_t>(f)] = m_dontCareEdit[f]->text().toStdString();
    }
}

void CMintermDlg::OnUpdate()
{
    ReadEdits();
    // A copy: applying the lists refills the edits and the members.
    const CEntryLists lists = m_lists;
    Apply(lists);
}

void CMintermDlg::paintEvent(QPaintEvent* event)
{
    CModelessDlg::paintEvent(event);
    QPainter painter(this);
    for (int f = 0; f < 4; ++f)
        DrawRichText(painter, kHeadingX, kHeadingY + kHeadingStep * f, EntryHeading(m_doc.Device(), f), kHeadingPoints,
                     Qt::black, Qt::white, m_headingWidth); // names of wide characters narrowed
}
