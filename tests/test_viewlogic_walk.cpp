// SPDX-License-Identifier: GPL-3.0-or-later
// A long random walk of clicks, commands and function entries through the
// view logic: every step must leave the document consistent, the
// annotations must describe it, and every few hundred steps the document
// must save and reopen to the same document. ZYL_WALK_STEPS and
// ZYL_WALK_SEED in the environment set the walk's length and seed.
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocInvariants.h"
#include "DocOps.h"
#include "Minimize.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

namespace {

unsigned long FromEnvironment(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

std::set<int> ListSet(const int* list, int n) { return std::set<int>(list, list + n); }

class CFakeView : public IZylView
{
public:
    void InvalidateView() override {}
    void InvalidateViewRect(const ZRect&) override {}
};

const int kCommands[] = {ID_INPUT_REINSTATE_ALL, ID_AND_LABEL,      ID_OR_LABEL,       ID_OUTPUT_REINSTATE_ALL,
                         ID_SHOW_MINTERMS,       ID_OUTPUT_BLOW_ALL, ID_SHOW_PRODUCT_TERMS, ID_TYPE_PROM,
                         ID_TYPE_PAL,            ID_TYPE_PLA,        ID_BLOCK_STRUCTURE, ID_INPUT_BLOW_ALL,
                         ID_OUTPUT_0,      ID_OUTPUT_0 + 1, ID_OUTPUT_0 + 2,
                         ID_OUTPUT_0 + 3,  ID_SIMPLIFY_PAL,    ID_VALUE_0,        ID_VALUE_1,
                         ID_VALUE_X};

class CWalk
{
public:
    explicit CWalk(unsigned seed) : m_rng(seed)
    {
        m_platform.doc = &m_doc;
    }

    // One random step; returns what it did.
    std::string Step()
    {
        const int kind = Pick(100);
        if (kind < 45)
            return ClickTarget();
        if (kind < 55) {
            const ZPoint pt{Pick(1100), Pick(900)};
            m_logic.OnLButtonDown(pt, pt);
            return "click anywhere " + Describe(pt);
        }
        if (kind < 65 && m_doc.m_bBlockStructure == 1) {
            m_logic.OnCommand(ID_BLOCK_STRUCTURE); // do not linger in the block structure
            return "block structure off";
        }
        if (kind < 90) {
            const int id = kCommands[Pick(int(std::size(kCommands)))];
            m_logic.OnCommand(id);
            return "command " + std::to_string(id);
        }
        return EnterFunction();
    }

    // The annotations agree with the document: the PROM cover produces the
    // ON-set and stays within ON-set and don't cares.
    std::string CheckAnnotations()
    {
        const std::vector<CDrawItem> items = m_logic.BuildAnnotations();
        if (m_doc.m_bBlockStructure == 1 || m_doc.m_bPla == 1)
            return items.empty() ? "" : "annotations drawn while hidden";
        if (items.empty())
            return "no annotations";
        if (m_doc.m_bProm != 1)
            return "";
        for (int f = 0; f < 4; ++f) {
            if (m_doc.m_nPromMinterms[f] == 0)
                continue;
            std::set<int> covered;
            for (int t = 0; t < m_doc.m_aCover[f][0]; ++t) {
                const CImplicant& term = m_doc.m_aTerms[500 * f + t];
                covered.insert(term.m_anMinterm, term.m_anMinterm + term.m_nMinterms);
            }
            const std::set<int> on = ListSet(m_doc.m_anPromMinterms[f], m_doc.m_nPromMinterms[f]);
            const std::set<int> dc = ListSet(m_doc.m_anPromDontCares[f], m_doc.m_nPromDontCares[f]);
            for (int m : on)
                if (!covered.count(m))
                    return "PROM cover of " + std::to_string(f) + " misses " + std::to_string(m);
            for (int m : covered)
                if (!on.count(m) && !dc.count(m))
                    return "PROM cover of " + std::to_string(f) + " adds " + std::to_string(m);
        }
        return "";
    }

    CZYLDoc& Doc() { return m_doc; }
    CRecordingPlatform& Platform() { return m_platform; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    static std::string Describe(const ZPoint& pt) { return "(" + std::to_string(pt.x) + ", " + std::to_string(pt.y) + ")"; }

    ZPoint Inside(const ZRect& r) { return ZPoint{r.left + Pick(r.Width()), r.top + Pick(r.Height())}; }

    // A click somewhere inside a cell or gate of either array.
    std::string ClickTarget()
    {
        ZRect target;
        switch (Pick(4)) {
        case 0:
            target = m_doc.m_rcOrCell[Pick(4)][Pick(16)];
            break;
        case 1:
            target = m_doc.m_rcOutputGate[Pick(4)];
            break;
        case 2:
            target = m_doc.m_rcAndCell[Pick(8)][Pick(16)];
            break;
        default:
            target = m_doc.m_rcRowGate[Pick(16)];
            break;
        }
        m_platform.popupAnswers.push_back(Pick(4) - 1); // -1: the popup is dismissed
        const ZPoint pt = Inside(target);
        m_logic.OnLButtonDown(pt, pt);
        m_platform.popupAnswers.clear();
        return "click " + Describe(pt);
    }

    // A function defined with don't cares, as the entry dialogs do it.
    std::string EnterFunction()
    {
        const int f = Pick(4);
        char column[16];
        for (char& c : column)
            c = "01X0"[Pick(4)];
        if (m_doc.m_bProm == 1) {
            for (int r = 0; r < 16; ++r) {
                m_doc.m_szPromTable[f][r] = column[r];
                m_doc.m_nOrFuse[f][r] = column[r] == '1' ? 1 : column[r] == '0' ? 0 : Pick(2);
            }
            UpdateLists(m_doc, f);
            return "PROM entry " + std::to_string(f);
        }
        if (m_doc.m_bPal != 1)
            return "no entry in PLA mode";
        int on[16], dc[16], n = 0, d = 0;
        for (int r = 0; r < 16; ++r) {
            if (column[r] == '1')
                on[n++] = r;
            if (column[r] == 'X')
                dc[d++] = r;
        }
        int counts[10];
        static CImplicant blocks[500];
        Minimize(n, on, d, dc, counts, blocks);
        if (counts[0] > 4)
            return "PAL entry refused";
        std::copy(column, column + 16, m_doc.m_szPalTable[f]);
        UpdateLists(m_doc, f);
        Minimize(n, on, d, dc, m_doc.m_aCover[f], &m_doc.m_aTerms[500 * f]);
        for (int t = 0; t < m_doc.m_aCover[f][0]; ++t) {
            for (int i = 0; i < 4; ++i)
                m_doc.m_aTerms[500 * f + t].m_strName[i] = m_doc.m_strVariableName[i];
            m_doc.m_aTerms[500 * f + t].BuildTerm();
        }
        LoadPalRows(m_doc, f);
        return "PAL entry " + std::to_string(f);
    }

    std::mt19937 m_rng;
    CZYLDoc m_doc;
    CFakeView m_view;
    CViewLogic m_logic{m_doc, m_view};
    CRecordingPlatform m_platform;
    CScopedPlatform m_scope{&m_platform};
};

TEST(ViewLogicWalk, EveryStepKeepsTheDocumentConsistentAndReopenable)
{
    const unsigned long steps = FromEnvironment("ZYL_WALK_STEPS", 12000);
    CWalk walk(static_cast<unsigned>(FromEnvironment("ZYL_WALK_SEED", 20261207)));
    int popups = 0;
    std::set<int> modesSeen;
    for (unsigned long step = 0; step < steps; ++step) {
        const std::string what = walk.Step();
        const std::string fault = CheckDocument(walk.Doc());
        ASSERT_EQ(fault, "") << "step " << step << ": " << what;
        if (step % 10 == 0) {
            ASSERT_EQ(walk.CheckAnnotations(), "") << "step " << step << ": " << what;
        }
        // Reopened in place, the walk goes on from what the file gave back.
        if (step % 300 == 299) {
            const std::string saved = SaveDocumentToString(walk.Doc());
            std::string error;
            ASSERT_TRUE(LoadDocumentFromString(walk.Doc(), saved, "walk.zyl", error)) << "step " << step << ": " << error;
            ASSERT_EQ(SaveDocumentToString(walk.Doc()), saved) << "step " << step;
            ASSERT_EQ(CheckDocument(walk.Doc()), "") << "step " << step << " reopened";
        }
        modesSeen.insert(walk.Doc().m_bProm + 2 * walk.Doc().m_bPal);
        popups += int(walk.Platform().popupsShown.size());
        walk.Platform().popupsShown.clear();
        walk.Platform().messages.clear();
    }
    // A walk of the usual length reaches every mode and the don't-care popup.
    if (steps >= 12000) {
        EXPECT_EQ(modesSeen.size(), 3u);
        EXPECT_GT(popups, 10);
    }
}

} // namespace
