// SPDX-License-Identifier: GPL-3.0-or-later
#include "CImplicant.h"
#include "CZYLDoc.h"
#include "DocOps.h"
#include "ListHelpers.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CZYLDoc> NewDoc()
{
    return std::make_unique<CZYLDoc>();
}

std::vector<int> Vec(const int* list, int n)
{
    return std::vector<int>(list, list + n);
}

void SetPal(CZYLDoc& doc)
{
    doc.m_bProm = 0;
    doc.m_bPal = 1;
    doc.m_bPla = 0;
}

void SetRowFuses(CZYLDoc& doc, int r, const char* fuses)
{
    for (int c = 0; c < 8; ++c)
        doc.m_andRow[r].m_nFuse[c] = fuses[c] == '1' ? 1 : 0;
}

} // namespace

TEST(ListHelpers, Contracts)
{
    EXPECT_EQ(PowerOfTwo(0), 1);
    EXPECT_EQ(PowerOfTwo(1), 2);
    EXPECT_EQ(PowerOfTwo(4), 16);
    EXPECT_EQ(PowerOfTwo(16), 65536);
    EXPECT_EQ(PowerOfTwo(17), 1);
    EXPECT_EQ(PowerOfTwo(-3), 1);

    int a[] = {3, 1, 3, 2};
    EXPECT_EQ(SortUniqueList(a, 4), 3);
    EXPECT_EQ(Vec(a, 4), (std::vector<int>{1, 2, 3, -1}));

    int b[] = {5, 2};
    SortList(b, 1);
    EXPECT_EQ(Vec(b, 2), (std::vector<int>{5, 2}));
    SortList(b, 2);
    EXPECT_EQ(Vec(b, 2), (std::vector<int>{2, 5}));

    int c[] = {4, 7, 4, 9, 4};
    EXPECT_EQ(RemoveFromList(c, 5, 4), 2);
    EXPECT_EQ(c[0], 7);
    EXPECT_EQ(c[1], 9);
    EXPECT_EQ(c[4], 4); // entries from k on are left as they were
    EXPECT_EQ(RemoveFromList(c, 0, 4), 0);
}

TEST(Implicant, RecordsAndText)
{
    const CImplicant m0(4, 0, 0, "ABCD");
    EXPECT_EQ(m0.m_nOnes, 0);
    EXPECT_EQ(m0.m_nZeros, 15);
    EXPECT_EQ(m0.m_strTerm, "^A^B^C^D");
    const CImplicant m15(4, 15, 0, "ABCD");
    EXPECT_EQ(m15.m_strTerm, "ABCD");

    const CImplicant none(4, -1, 0, "ABCD");
    EXPECT_EQ(none.m_nMinterms, 0);
    EXPECT_EQ(none.m_strTerm, "");
    for (int v : none.m_anMinterm)
        ASSERT_EQ(v, -1);

    const CImplicant m5(4, 5, 0, "ABCD");
    const CImplicant m6(4, 6, 0, "ABCD");
    const CImplicant m7(4, 7, 0, "ABCD");
    EXPECT_TRUE(m5.CanCombine(m7));
    EXPECT_FALSE(m5.CanCombine(m6));
    EXPECT_FALSE(m5.CanCombine(m5));
    CImplicant merged(4, -1, 0, "ABCD");
    m5.Combine(m7, merged);
    EXPECT_EQ(merged.m_nOnes, 5);
    EXPECT_EQ(merged.m_nZeros, 8);
    EXPECT_EQ(Vec(merged.m_anMinterm, merged.m_nMinterms), (std::vector<int>{5, 7}));
    EXPECT_EQ(merged.m_strTerm, "^ABD");
    EXPECT_EQ(merged.GetLiteralCount(), 3);

    for (int k = 0; k < 4; ++k)
        merged.m_strName[k] = std::string(1, "XYZW"[k]);
    merged.BuildTerm();
    EXPECT_EQ(merged.m_strTerm, "^XYW");

    CImplicant one;
    one.m_nVariables = 4;
    one.BuildTerm();
    EXPECT_EQ(one.m_strTerm, "1");
    EXPECT_EQ(one.GetLiteralCount(), 0);

    // Same masks are equal whatever the lists and flags.
    CImplicant other = merged;
    other.m_nMinterms = 0;
    other.m_bUsed = 1;
    EXPECT_TRUE(other.IsEqual(merged));

    // Joining {0, 2} and {1, 3} gives {0..3} in either order.
    CImplicant a(4, -1, 0, "ABCD");
    CImplicant b(4, -1, 0, "ABCD");
    CImplicant(4, 0, 0, "ABCD").Combine(CImplicant(4, 2, 0, "ABCD"), a);
    CImplicant(4, 1, 0, "ABCD").Combine(CImplicant(4, 3, 0, "ABCD"), b);
    CImplicant ab(4, -1, 0, "ABCD");
    CImplicant ba(4, -1, 0, "ABCD");
    a.Combine(b, ab);
    b.Combine(a, ba);
    EXPECT_EQ(Vec(ab.m_anMinterm, ab.m_nMinterms), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Vec(ba.m_anMinterm, ba.m_nMinterms), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(ab.m_strTerm, "^A^B");
}

TEST(Document, Defaults)
{
    const auto doc = NewDoc();
    EXPECT_EQ(doc->m_bProm, 1);
    EXPECT_EQ(doc->m_bPal + doc->m_bPla, 0);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(std::string(doc->m_szPromTable[f], 16), std::string(16, '1'));
        EXPECT_EQ(std::string(doc->m_szPalTable[f], 16), std::string(16, '0'));
        EXPECT_EQ(doc->m_nPromMinterms[f], 16);
        EXPECT_EQ(doc->m_anPromMinterms[f][15], 15);
        EXPECT_EQ(doc->m_nPromDontCares[f], 0);
        EXPECT_EQ(doc->m_nPalMinterms[f], 0);
        EXPECT_EQ(doc->m_nPalDontCares[f], 0);
        EXPECT_EQ(doc->m_nOutputToggle[f], 1);
        EXPECT_EQ(doc->m_strFunctionName[f], "Y" + std::to_string(f));
        EXPECT_EQ(doc->m_rcFunctionArea[f], (ZRect{500, 80 + 80 * f, 1100, 380 + 80 * f}));
        EXPECT_EQ(doc->m_rcOutputGate[f], (ZRect{278 + 21 * f, 540, 290 + 21 * f, 565}));
    }
    EXPECT_EQ(doc->m_strVariableName[0], "A");
    EXPECT_EQ(doc->m_strVariableName[3], "D");
    for (int r = 0; r < 16; ++r) {
        const CAndRow& row = doc->m_andRow[r];
        EXPECT_EQ(row.m_strTerm, "0");
        EXPECT_EQ(row.m_nVariables, 4);
        EXPECT_EQ(doc->m_nRowToggle[r], 1);
        EXPECT_EQ(doc->m_rcRowGate[r], (ZRect{225, 138 + 25 * r, 255, 153 + 25 * r}));
        for (int c = 0; c < 8; ++c) {
            EXPECT_EQ(row.m_nFuse[c], 1);
            EXPECT_EQ(row.m_rcCell[c], doc->m_rcAndCell[c][r]);
            EXPECT_EQ(doc->m_rcAndCell[c][r], (ZRect{48 + 21 * c, 138 + 25 * r, 63 + 21 * c, 153 + 25 * r}));
        }
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(doc->m_nOrFuse[j][r], 1);
            EXPECT_EQ(doc->m_rcOrCell[j][r], (ZRect{277 + 21 * j, 138 + 25 * r, 292 + 21 * j, 153 + 25 * r}));
        }
    }
    EXPECT_EQ(doc->m_strMintermLabel[0], "^A^B^C^D");
    EXPECT_EQ(doc->m_strMintermLabel[5], "^AB^CD");
    EXPECT_EQ(doc->m_strMintermLabel[6], "^ABC^D");
    EXPECT_EQ(doc->m_strMintermLabel[15], "ABCD");
    EXPECT_EQ(doc->m_bAndLabel + doc->m_bOrLabel + doc->m_bBlockStructure + doc->m_bShowMinterms +
                  doc->m_bShowProductTerms,
              0);
    EXPECT_FALSE(doc->IsModified());
}

TEST(Document, RowTermsAndExpansion)
{
    const auto doc = NewDoc();
    SetPal(*doc);
    struct Case
    {
        const char* fuses; // A A' B B' C C' D D'
        const char* term;
        std::vector<int> minterms;
    } cases[] = {
        {"11111111", "0", {}},
        {"00000000", "1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"11000000", "0", {}},
        {"10010000", "A^B", {8, 9, 10, 11}},
        {"01100001", "^AB^D", {4, 6}},
        {"10101010", "ABCD", {15}},
        {"00000001", "^D", {0, 2, 4, 6, 8, 10, 12, 14}},
    };
    for (const Case& c : cases) {
        SetRowFuses(*doc, 3, c.fuses);
        UpdateRowTerm(*doc, 3);
        EXPECT_EQ(doc->m_andRow[3].m_strTerm, c.term) << c.fuses;
        EXPECT_EQ(Vec(doc->m_andRow[3].m_anMinterm, doc->m_andRow[3].m_nMinterms), c.minterms) << c.fuses;
    }
    SetRowFuses(*doc, 3, "10010000");
    UpdateRowTerm(*doc, 3);
    EXPECT_EQ(doc->m_andRow[3].m_nOnes, 8);

    // Not in PAL mode the row is left alone.
    doc->m_bPal = 0;
    doc->m_bProm = 1;
    SetRowFuses(*doc, 3, "00000000");
    UpdateRowTerm(*doc, 3);
    EXPECT_EQ(doc->m_andRow[3].m_strTerm, "A^B");
}

TEST(Document, PalCollectAndLoad)
{
    const auto doc = NewDoc();
    SetPal(*doc);
    // Four rows of output 0 that each cover minterm 5.
    for (int r = 0; r < 4; ++r) {
        SetRowFuses(*doc, r, "01100110"); // ^AB^CD
        UpdateRowTerm(*doc, r);
    }
    CollectPalMinterms(*doc, 0);
    EXPECT_EQ(Vec(doc->m_anPalMinterms[0], doc->m_nPalMinterms[0]), (std::vector<int>{5}));

    // The PAL table keeps an uncovered 'X'; a covered don't care becomes '1'.
    doc->m_szPalTable[0][9] = 'X';
    doc->m_szPalTable[0][5] = 'X';
    UpdateTruthTable(*doc, 0);
    EXPECT_EQ(doc->m_szPalTable[0][5], '1');
    EXPECT_EQ(doc->m_szPalTable[0][9], 'X');

    // A two-term cover leaves rows 2 and 3 at the constant 0.
    doc->m_aCover[0][0] = 2;
    doc->m_aTerms[0] = CImplicant(4, 1, 0, "ABCD");
    CImplicant(4, 1, 0, "ABCD").Combine(CImplicant(4, 3, 0, "ABCD"), doc->m_aTerms[1] = CImplicant(4, -1, 0, "ABCD"));
    LoadPalRows(*doc, 0);
    EXPECT_EQ(doc->m_andRow[0].m_strTerm, "^A^B^CD");
    EXPECT_EQ(std::vector<int>(doc->m_andRow[0].m_nFuse, doc->m_andRow[0].m_nFuse + 8),
              (std::vector<int>{0, 1, 0, 1, 0, 1, 1, 0}));
    EXPECT_EQ(doc->m_andRow[1].m_strTerm, "^A^BD");
    EXPECT_EQ(Vec(doc->m_andRow[1].m_anMinterm, doc->m_andRow[1].m_nMinterms), (std::vector<int>{1, 3}));
    for (int r = 2; r < 4; ++r) {
        EXPECT_EQ(doc->m_andRow[r].m_strTerm, "0");
        EXPECT_EQ(doc->m_andRow[r].m_nMinterms, 0);
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(doc->m_andRow[r].m_nFuse[c], 1);
    }

    // A cover too long for the four rows never reaches the next function.
    doc->m_aCover[0][0] = 7;
    LoadPalRows(*doc, 0);
    EXPECT_EQ(doc->m_andRow[4].m_strTerm, "0");
}

TEST(Document, PromTablesAndLists)
{
    const auto doc = NewDoc();
    // A don't care shows 'X' whatever its OR fuse and stays out of the ON-set.
    doc->m_nOrFuse[1][3] = 0;
    doc->m_nOrFuse[1][7] = 1;
    doc->m_szPromTable[1][7] = 'X';
    UpdateLists(*doc, 1);
    EXPECT_EQ(doc->m_nPromMinterms[1], 14);
    EXPECT_EQ(Vec(doc->m_anPromDontCares[1], doc->m_nPromDontCares[1]), (std::vector<int>{7}));
    doc->m_nOrFuse[1][7] = 0;
    UpdateTruthTable(*doc, 1);
    EXPECT_EQ(doc->m_szPromTable[1][7], 'X');
    EXPECT_EQ(doc->m_szPromTable[1][3], '0');
    // UpdateLists in PROM leaves the PAL lists alone and vice versa.
    EXPECT_EQ(doc->m_nPalMinterms[1], 0);

    for (int i = 0; i < 4; ++i)
        doc->m_strVariableName[i] = std::string(1, "PQRS"[i]);
    BuildMintermLabels(*doc);
    EXPECT_EQ(doc->m_strMintermLabel[9], "P^Q^RS");
}

// Random sequences of the documented calling sequences keep the model's
// invariants in both modes.
TEST(Document, InvariantsAfterOperationSequences)
{
    const auto doc = NewDoc();
    std::mt19937 random(7);
    for (int step = 0; step < 20000; ++step) {
        const int f = static_cast<int>(random() % 4);
        const int r = static_cast<int>(random() % 16);
        switch (random() % 5) {
        case 0: // device type
            doc->m_bProm = doc->m_bPal = doc->m_bPla = 0;
            (random() % 2 ? doc->m_bProm : doc->m_bPal) = 1;
            break;
        case 1: // PROM: OR fuse clicked
            if (doc->m_bProm && doc->m_szPromTable[f][r] != 'X') {
                doc->m_nOrFuse[f][r] ^= 1;
                doc->m_szPromTable[f][r] = doc->m_nOrFuse[f][r] ? '1' : '0';
                UpdateLists(*doc, f);
            }
            break;
        case 2: // PROM: a don't care set by the table
            if (doc->m_bProm) {
                doc->m_szPromTable[f][r] = 'X';
                UpdateLists(*doc, f);
            }
            break;
        case 3: // PAL: AND fuse clicked
            if (doc->m_bPal) {
                doc->m_andRow[r].m_nFuse[random() % 8] ^= 1;
                UpdateRowTerm(*doc, r);
                CollectPalMinterms(*doc, r / 4);
                UpdateTruthTable(*doc, r / 4);
                UpdateLists(*doc, r / 4);
            }
            break;
        default:
            break;
        }
        ASSERT_EQ(doc->m_bProm + doc->m_bPal + doc->m_bPla, 1);
        for (int g = 0; g < 4; ++g) {
            const auto ascending = [](const int* list, int n) {
                for (int i = 1; i < n; ++i) {
                    if (list[i - 1] >= list[i])
                        return false;
                }
                return n >= 0 && n <= 16;
            };
            ASSERT_TRUE(ascending(doc->m_anPromMinterms[g], doc->m_nPromMinterms[g]));
            ASSERT_TRUE(ascending(doc->m_anPromDontCares[g], doc->m_nPromDontCares[g]));
            ASSERT_TRUE(ascending(doc->m_anPalMinterms[g], doc->m_nPalMinterms[g]));
            if (doc->m_bProm) {
                int nOn = 0;
                for (int m = 0; m < 16; ++m) {
                    const char v = doc->m_szPromTable[g][m];
                    ASSERT_TRUE(v == 'X' || v == (doc->m_nOrFuse[g][m] ? '1' : '0'));
                    nOn += v != 'X' && doc->m_nOrFuse[g][m] ? 1 : 0;
                }
                ASSERT_EQ(nOn, doc->m_nPromMinterms[g]);
            }
        }
    }
}
