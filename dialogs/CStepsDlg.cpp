// SPDX-License-Identifier: GPL-3.0-or-later
#include "CStepsDlg.h"

#include "CZYLDoc.h"
#include "DeviceOps.h"
#include "StepsText.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <set>
#include <utility>

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
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
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
    layout->addWidget(m_browser, 1);
    layout->addLayout(bottom);
    resize(720, 640);

    for (int f = 0; f < 4; ++f)
        m_function->addItem(QString());
    connect(m_function, &QComboBox::currentIndexChanged, this, [this] { Refill(); });
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { OnLink(url); });
    connect(copyText, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(PlainText())); });
    connect(copyLatex, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(Latex())); });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    Refill();
}

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
    CStepsHtmlOptions options;
    options.pal = m_doc.m_bPal == 1;
    options.programmed = m_programmed;
    // Keep the reader's place across a redraw.
    const int scrolled = m_browser->verticalScrollBar()->value();
    m_browser->setHtml(QString::fromStdString(StepsHtml(LayOutSteps(m_derivation, source.input), m_derivation, options)));
    m_browser->verticalScrollBar()->setValue(scrolled);
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

void CStepsDlg::OnLink(const QUrl& url)
{
    const QString link = url.toString();
    if (link.startsWith("program:"))
        ProgramCover(link.mid(8).toInt());
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
