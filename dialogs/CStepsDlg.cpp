// SPDX-License-Identifier: GPL-3.0-or-later
#include "CStepsDlg.h"

#include "CZYLDoc.h"
#include "DeviceOps.h"
#include "StepsPage.h"
#include "StepsText.h"
#include "ZoomControl.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>

namespace {
const QString kZoomKey = QStringLiteral("Windows/StepsZoom");
} // namespace

// The page of steps, scrolled and zoomed; a click on a link runs the link
// handler. At a zoom the page is laid out for the width the window shows
// at it, so paragraphs wrap where the window ends.
class CStepsPageView : public QAbstractScrollArea
{
public:
    std::function<void(const std::string&)> onLink;

    explicit CStepsPageView(QWidget* parent)
        : QAbstractScrollArea(parent)
        , m_zoom(StoredZoom(kZoomKey))
    {
        viewport()->setMouseTracking(true);
        viewport()->setBackgroundRole(QPalette::Base);
        viewport()->setAutoFillBackground(true);
    }

    int Zoom() const { return m_zoom; }
    // Keeps the point of the page under anchor (a viewport position) in
    // place, as far as the page wraps alike; remembers the zoom.
    void SetZoom(int percent, const QPoint& anchor)
    {
        percent = NearestZoomStep(percent);
        if (percent == m_zoom)
            return;
        ZoomScrollArea(*this, Factor(), percent / 100.0, anchor, [&] {
            m_zoom = percent;
            LayOut();
        });
        StoreZoom(kZoomKey, percent);
        ShowZoomTip(*viewport(), percent);
    }

    void SetContent(std::vector<CStepsBlock> blocks, const CDerivation* d, CStepsPalOptions options)
    {
        m_blocks = std::move(blocks);
        m_derivation = d;
        m_options = options;
        LayOut();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        LayOut();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(viewport());
        const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
        p.translate(-offset);
        p.scale(Factor(), Factor());
        const QRect exposed = QRectF(QRectF(event->rect().translated(offset)).topLeft() / Factor(),
                                     QRectF(event->rect()).size() / Factor())
                                  .toAlignedRect();
        auto visible = [&exposed](const CStepsRect& r) { return exposed.intersects(QRect(r.x, r.y, r.w, r.h)); };
        for (const CStepsRect& r : m_page.marked)
            if (visible(r))
                p.fillRect(r.x, r.y, r.w, r.h, QColor(0xff, 0xf2, 0xb3));
        for (const CStepsRect& r : m_page.rules)
            if (visible(r))
                p.fillRect(r.x, r.y, r.w, r.h, palette().color(QPalette::Mid));
        const QFontMetrics fm(font());
        for (const CStepsPlaced& t : m_page.texts) {
            if (!visible(t.box))
                continue;
            QFont f = font();
            f.setBold(t.span.strong || t.heading);
            f.setUnderline(!t.span.link.empty());
            p.setFont(f);
            p.setPen(t.span.link.empty() ? palette().color(QPalette::Text) : palette().color(QPalette::Link));
            const int baseline = t.box.y + 2 + fm.ascent();
            p.drawText(t.box.x, baseline, QString::fromStdString(t.span.text));
            if (t.span.bar) // a bar of its own over each complemented name
                p.drawLine(t.box.x + 1, baseline - fm.capHeight() - 2, t.box.x + t.box.w - 2,
                           baseline - fm.capHeight() - 2);
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        viewport()->setCursor(LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const CStepsPlaced* link = LinkAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && link && onLink)
            onLink(link->span.link);
    }

    void wheelEvent(QWheelEvent* event) override
    {
        if (!ZoomByCtrlWheel(*event, m_wheelRest,
                             [this](int notches, const QPoint& at) { SetZoom(ZoomStepFrom(m_zoom, notches), at); }))
            QAbstractScrollArea::wheelEvent(event);
    }

private:
    const CStepsPlaced* LinkAt(const QPoint& pos) const
    {
        const ZPoint at =
            DeviceToLogical(pos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()), Factor());
        for (const CStepsPlaced& t : m_page.texts)
            if (!t.span.link.empty() && t.box.Contains(at.x, at.y))
                return &t;
        return nullptr;
    }

    void LayOut()
    {
        if (!m_derivation)
            return;
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics normal(font()), strong(bold);
        // Shaping every run costs more than the rest of the layout together:
        // ASCII runs are measured by their characters' advances, known once
        // per font; other runs (names in other scripts) are shaped.
        if (!m_advanceKnown || m_advanceFont != font()) {
            m_advanceKnown = true;
            m_advanceFont = font();
            for (int c = 0; c < 128; ++c) {
                m_advance[0][c] = normal.horizontalAdvance(QChar(c));
                m_advance[1][c] = strong.horizontalAdvance(QChar(c));
            }
        }
        CStepsMetrics metrics;
        metrics.width = [&](const std::string& text, bool isStrong) {
            int w = 0;
            for (char c : text) {
                if (static_cast<unsigned char>(c) >= 128)
                    return (isStrong ? strong : normal).horizontalAdvance(QString::fromStdString(text));
                w += m_advance[isStrong ? 1 : 0][static_cast<unsigned char>(c)];
            }
            return w;
        };
        metrics.lineHeight = normal.height() + 4;
        const double z = Factor();
        m_page = LayOutPage(m_blocks, *m_derivation, m_options, static_cast<int>(viewport()->width() / z), metrics);
        horizontalScrollBar()->setRange(0, std::max(0, qRound(m_page.width * z) - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        verticalScrollBar()->setRange(0, std::max(0, qRound(m_page.height * z) - viewport()->height()));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(qRound(metrics.lineHeight * z));
        viewport()->update();
    }

    double Factor() const { return m_zoom / 100.0; }

    int m_zoom;
    int m_wheelRest = 0;
    std::vector<CStepsBlock> m_blocks;
    const CDerivation* m_derivation = nullptr;
    CStepsPalOptions m_options;
    CStepsPage m_page;
    bool m_advanceKnown = false;
    QFont m_advanceFont;
    int m_advance[2][128] = {};
};

namespace {

// What the device programs for f: PROM its minterms and don't cares, PAL
// its minterms alone (its don't cares listed as unused).
struct CStepsSource
{
    std::vector<int> on, dc;
    CStepsInput input;
};

CStepsSource SourceOf(const CZYLDoc& doc, int f)
{
    CStepsSource s;
    for (int v = 0; v < 4; ++v)
        s.input.variables[v] = doc.m_strVariableName[v];
    s.input.function = doc.m_strFunctionName[f];
    if (doc.m_bPal == 1) {
        s.on.assign(doc.m_anPalMinterms[f], doc.m_anPalMinterms[f] + doc.m_nPalMinterms[f]);
        s.input.unusedDontCares.assign(doc.m_anPalDontCares[f], doc.m_anPalDontCares[f] + doc.m_nPalDontCares[f]);
        s.input.pal = true;
    } else {
        s.on.assign(doc.m_anPromMinterms[f], doc.m_anPromMinterms[f] + doc.m_nPromMinterms[f]);
        s.dc.assign(doc.m_anPromDontCares[f], doc.m_anPromDontCares[f] + doc.m_nPromDontCares[f]);
    }
    return s;
}

} // namespace

CStepsDlg::CStepsDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent)
    , m_doc(doc)
{
    setWindowTitle("Minimization Steps");
    setSizeGripEnabled(true);
    m_function = new QComboBox(this);
    m_page = new CStepsPageView(this);
    m_page->onLink = [this](const std::string& link) { OnLink(link); };
    auto* copyText = new QPushButton("Copy as &Text", this);
    auto* copyLatex = new QPushButton("Copy as &LaTeX", this);
    auto* close = new QPushButton("Close", this);

    auto* top = new QHBoxLayout;
    auto* label = new QLabel("&Function:", this);
    label->setBuddy(m_function);
    top->addWidget(label);
    top->addWidget(m_function);
    top->addStretch(1);
    top->addWidget(copyText);
    top->addWidget(copyLatex);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_page, 1);
    layout->addLayout(bottom);
    resize(720, 640);

    for (int f = 0; f < 4; ++f)
        m_function->addItem(QString());
    connect(m_function, &QComboBox::currentIndexChanged, this, [this] { Refill(); });
    connect(copyText, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(PlainText())); });
    connect(copyLatex, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(Latex())); });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    AddZoomKeys(*this, [this](int steps) { SetZoom(ZoomAfter(Zoom(), steps), m_page->viewport()->rect().center()); });
    Refill();
}

int CStepsDlg::Zoom() const { return m_page->Zoom(); }

void CStepsDlg::SetZoom(int percent, const QPoint& anchor) { m_page->SetZoom(percent, anchor); }

int CStepsDlg::Function() const { return std::max(m_function->currentIndex(), 0); }

void CStepsDlg::SetFunction(int f) { m_function->setCurrentIndex(std::clamp(f, 0, 3)); }

void CStepsDlg::Refill()
{
    for (int f = 0; f < 4; ++f)
        m_function->setItemText(f, QString::fromStdString(m_doc.m_strFunctionName[f]));
    const int f = Function();
    const CStepsSource source = SourceOf(m_doc, f);
    m_derivation = Derive(source.on.data(), static_cast<int>(source.on.size()), source.dc.data(),
                          static_cast<int>(source.dc.size()));
    m_programmed = m_doc.m_bPal == 1 ? FindProgrammedCover() : -1;
    CStepsPalOptions options;
    options.pal = m_doc.m_bPal == 1;
    options.programmed = m_programmed;
    // The page is laid out again; the scroll bars keep the reader's place.
    m_page->SetContent(LayOutSteps(m_derivation, source.input), &m_derivation, options);
}

int CStepsDlg::FindProgrammedCover() const
{
    // The products the rows hold, each as its (true, complemented) masks; a
    // row holding a variable in both forms is the constant 0 and adds none.
    const int f = Function();
    std::set<std::pair<int, int>> rows;
    for (int r = 4 * f; r < 4 * f + 4; ++r) {
        int ones = 0, zeros = 0;
        bool zero = false;
        for (int v = 0; v < 4; ++v) {
            const bool t = m_doc.m_andRow[r].m_nFuse[2 * v] == 1;
            const bool c = m_doc.m_andRow[r].m_nFuse[2 * v + 1] == 1;
            zero = zero || (t && c);
            ones |= t ? 8 >> v : 0;
            zeros |= c ? 8 >> v : 0;
        }
        if (!zero)
            rows.insert({ones, zeros});
    }
    for (int s = 0; s < static_cast<int>(m_derivation.covers.size()); ++s) {
        std::set<std::pair<int, int>> cover;
        for (int p : m_derivation.covers[static_cast<std::size_t>(s)])
            cover.insert({m_derivation.Prime(p).ones, m_derivation.Prime(p).zeros});
        if (cover == rows)
            return s;
    }
    return -1;
}

bool CStepsDlg::ProgramCover(int s)
{
    if (m_doc.m_bPal != 1 || s < 0 || s >= static_cast<int>(m_derivation.covers.size()))
        return false;
    const std::vector<int>& cover = m_derivation.covers[static_cast<std::size_t>(s)];
    if (cover.size() > kPalTermsPerFunction)
        return false;
    CImplicant terms[kPalTermsPerFunction];
    for (std::size_t t = 0; t < cover.size(); ++t) {
        const CDerivationTerm& prime = m_derivation.Prime(cover[t]);
        terms[t] = CImplicant(4, -1, 0, "ABCD");
        terms[t].m_nOnes = prime.ones;
        terms[t].m_nZeros = prime.zeros;
        terms[t].m_nMinterms = static_cast<int>(prime.minterms.size());
        std::copy(prime.minterms.begin(), prime.minterms.end(), terms[t].m_anMinterm);
        terms[t].BuildTerm();
    }
    if (ProgramPalCover(m_doc, Function(), terms, static_cast<int>(cover.size())) != ProgramResult::Programmed)
        return false;
    m_doc.SetModifiedFlag();
    m_doc.UpdateAllViews();
    Refill(); // also when the window is not among the views refilled
    return true;
}

void CStepsDlg::OnLink(const std::string& link)
{
    const std::string prefix = "program:";
    if (link.rfind(prefix, 0) == 0)
        ProgramCover(std::atoi(link.c_str() + prefix.size()));
}

std::string CStepsDlg::PlainText() const
{
    const CStepsSource source = SourceOf(m_doc, Function());
    return StepsPlainText(LayOutSteps(m_derivation, source.input), m_derivation);
}

std::string CStepsDlg::Latex() const
{
    const CStepsSource source = SourceOf(m_doc, Function());
    return StepsLatex(LayOutSteps(m_derivation, source.input));
}

void CStepsDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}

void CStepsDlg::reject()
{
    hide();
    NotifyClosed();
}
