// SPDX-License-Identifier: GPL-3.0-or-later
// Consistency checks of a device document, shared by the random walks of
// the view logic and of the widget view. Each returns "" when the document
// is consistent, else a description of the first fault found.
#pragma once

#include "CZYLDoc.h"

#include <set>
#include <string>

namespace zyltest {

inline std::set<int> ListSet(const int* list, int n) { return std::set<int>(list, list + n); }

// A sorted list without duplicates of at most 16 minterms 0..15.
inline std::string CheckList(const char* what, int f, const int* list, int n)
{
    const std::string where = std::string(what) + " of function " + std::to_string(f);
    if (n < 0 || n > 16)
        return where + ": count " + std::to_string(n);
    for (int i = 0; i < n; ++i) {
        if (list[i] < 0 || list[i] > 15)
            return where + ": entry " + std::to_string(list[i]);
        if (i > 0 && list[i - 1] >= list[i])
            return where + ": not ascending at " + std::to_string(i);
    }
    return "";
}

// The minterms a row's fuses let through, computed from the fuses alone.
inline std::set<int> RowCover(const CAndRow& row)
{
    std::set<int> cover;
    for (int m = 0; m < 16; ++m) {
        bool on = true;
        for (int i = 0; i < 4; ++i) {
            const int bit = (m >> (3 - i)) & 1;
            if (row.m_nFuse[2 * i] == 1 && bit == 0)
                on = false;
            if (row.m_nFuse[2 * i + 1] == 1 && bit == 1)
                on = false;
        }
        if (on)
            cover.insert(m);
    }
    return cover;
}

// The product text a row's fuses give with the document's names.
inline std::string RowText(const CZYLDoc& doc, const CAndRow& row)
{
    bool any = false;
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (row.m_nFuse[2 * i] == 1 && row.m_nFuse[2 * i + 1] == 1)
            return "0";
        if (row.m_nFuse[2 * i] == 1)
            text += doc.m_strVariableName[i];
        if (row.m_nFuse[2 * i + 1] == 1)
            text += "^" + doc.m_strVariableName[i];
        any = any || row.m_nFuse[2 * i] == 1 || row.m_nFuse[2 * i + 1] == 1;
    }
    return any ? text : "1";
}

inline bool IsFlag(int v) { return v == 0 || v == 1; }

inline std::string CheckFlags(const CZYLDoc& doc)
{
    if (doc.m_bProm + doc.m_bPal + doc.m_bPla != 1 || !IsFlag(doc.m_bProm) || !IsFlag(doc.m_bPal) ||
        !IsFlag(doc.m_bPla))
        return "device flags " + std::to_string(doc.m_bProm) + std::to_string(doc.m_bPal) +
               std::to_string(doc.m_bPla);
    for (int v : {doc.m_bBlockStructure, doc.m_bAndLabel, doc.m_bOrLabel, doc.m_bShowMinterms,
                  doc.m_bShowProductTerms})
        if (!IsFlag(v))
            return "a display flag is " + std::to_string(v);
    for (int f = 0; f < 4; ++f)
        if (!IsFlag(doc.m_nOutputToggle[f]))
            return "output toggle " + std::to_string(f);
    for (int r = 0; r < 16; ++r)
        if (!IsFlag(doc.m_nRowToggle[r]))
            return "row toggle " + std::to_string(r);
    return "";
}

// PROM: table, OR fuses and lists say the same.
inline std::string CheckProm(const CZYLDoc& doc, int f)
{
    std::string e = CheckList("PROM minterms", f, doc.m_anPromMinterms[f], doc.m_nPromMinterms[f]);
    if (e.empty())
        e = CheckList("PROM don't cares", f, doc.m_anPromDontCares[f], doc.m_nPromDontCares[f]);
    if (!e.empty())
        return e;
    const std::set<int> on = ListSet(doc.m_anPromMinterms[f], doc.m_nPromMinterms[f]);
    const std::set<int> dc = ListSet(doc.m_anPromDontCares[f], doc.m_nPromDontCares[f]);
    for (int r = 0; r < 16; ++r) {
        const std::string cell = "PROM f" + std::to_string(f) + " r" + std::to_string(r) + ": ";
        const char t = doc.m_szPromTable[f][r];
        const int fuse = doc.m_nOrFuse[f][r];
        if (!IsFlag(fuse))
            return cell + "fuse " + std::to_string(fuse);
        if ((t == 'X') != (dc.count(r) == 1))
            return cell + "table " + t + " against the don't-care list";
        if (t != 'X' && t != (fuse == 1 ? '1' : '0'))
            return cell + "table " + t + " against fuse " + std::to_string(fuse);
        if ((on.count(r) == 1) != (t != 'X' && fuse == 1))
            return cell + "minterm list against fuse and table";
    }
    return "";
}

// PAL: lists from the table; the rows cover every ON minterm and nothing
// outside ON-set and don't cares; each row's text and cover follow its fuses.
inline std::string CheckPal(const CZYLDoc& doc, int f)
{
    std::string e = CheckList("PAL minterms", f, doc.m_anPalMinterms[f], doc.m_nPalMinterms[f]);
    if (e.empty())
        e = CheckList("PAL don't cares", f, doc.m_anPalDontCares[f], doc.m_nPalDontCares[f]);
    if (!e.empty())
        return e;
    const std::set<int> on = ListSet(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f]);
    const std::set<int> dc = ListSet(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f]);
    for (int r = 0; r < 16; ++r) {
        const char t = doc.m_szPalTable[f][r];
        const std::string cell = "PAL f" + std::to_string(f) + " r" + std::to_string(r) + ": ";
        if (t != '0' && t != '1' && t != 'X')
            return cell + "table character";
        if ((t == '1') != (on.count(r) == 1) || (t == 'X') != (dc.count(r) == 1))
            return cell + "table " + t + " against the lists";
    }
    std::set<int> rows;
    for (int r = 4 * f; r < 4 * f + 4; ++r) {
        const CAndRow& row = doc.m_andRow[r];
        const std::string where = "PAL row " + std::to_string(r) + ": ";
        for (int c = 0; c < 8; ++c)
            if (!IsFlag(row.m_nFuse[c]))
                return where + "fuse value";
        if (row.m_nMinterms < 0 || row.m_nMinterms > 16)
            return where + "minterm count " + std::to_string(row.m_nMinterms);
        const std::set<int> listed(row.m_anMinterm, row.m_anMinterm + row.m_nMinterms);
        if (int(listed.size()) != row.m_nMinterms || listed != RowCover(row))
            return where + "covered minterms against fuses";
        if (row.m_strTerm != RowText(doc, row))
            return where + "text " + row.m_strTerm + " against fuses " + RowText(doc, row);
        rows.insert(listed.begin(), listed.end());
    }
    for (int m : on)
        if (!rows.count(m))
            return "PAL f" + std::to_string(f) + ": minterm " + std::to_string(m) + " not produced by its rows";
    for (int m : rows)
        if (!on.count(m) && !dc.count(m))
            return "PAL f" + std::to_string(f) + ": rows produce " + std::to_string(m) + " outside the function";
    return "";
}

inline std::string CheckDocument(const CZYLDoc& doc)
{
    std::string e = CheckFlags(doc);
    for (int f = 0; f < 4 && e.empty(); ++f) {
        e = CheckProm(doc, f);
        if (e.empty())
            e = CheckPal(doc, f);
    }
    return e;
}

} // namespace zyltest
