// SPDX-License-Identifier: GPL-3.0-or-later
#include "KarnaughLogic.h"

#include "CZYLDoc.h"
#include "OutputTerms.h"
#include "StepsText.h"
#include "TruthTableLogic.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace L = KarnaughLayout;

namespace {

// The Gray positions (0..3) whose two-variable value agrees with the
// product's literals of a pair of variables: high is the mask bit of the
// first variable (A or C), low that of the second.
std::vector<int> CoveredPositions(ProductTerm product, int high, int low)
{
    std::vector<int> positions;
    for (int i = 0; i < 4; ++i) {
        const int value = KarnaughGray(i);
        const int bits = (value & 2 ? high : 0) | (value & 1 ? low : 0);
        const int fixed = (product.ones | product.zeros) & (high | low);
        if ((bits & fixed) == (product.ones & fixed))
            positions.push_back(i);
    }
    return positions;
}

// The runs of consecutive positions; {0, 3} is the one run that wraps and
// comes back as two, open where they run on over the edge.
struct CRun
{
    int first;
    int count;
    bool openBefore;
    bool openAfter;
};

std::vector<CRun> Runs(const std::vector<int>& positions)
{
    if (positions.size() == 2 && positions[0] == 0 && positions[1] == 3)
        return {{0, 1, true, false}, {3, 1, false, true}};
    if (positions.empty())
        return {};
    return {{positions.front(), static_cast<int>(positions.size()), false, false}};
}

// The group of a product other than 0.
CKarnaughGroup MakeGroup(ProductTerm product, std::string text)
{
    CKarnaughGroup group;
    group.product = product;
    group.text = std::move(text);
    group.cells = product.MintermMask();
    group.pieces = KarnaughPieces(product);
    return group;
}

// The first cover of f's PROM function, named with the current names.
std::vector<CKarnaughGroup> PromGroups(const Device& device, CoverCache& covers, int f)
{
    std::vector<CKarnaughGroup> groups;
    for (const ProductTerm& term : OutputTerms(device, covers, f)) {
        groups.push_back(MakeGroup(term, term.Text(device.names.variables)));
        groups.back().term = static_cast<int>(groups.size()) - 1;
    }
    return groups;
}

// The four AND rows of f as their fuses stand, with their texts.
std::vector<CKarnaughGroup> PalGroups(const Device& device, int f)
{
    std::vector<CKarnaughGroup> groups;
    for (int r : PalRowsOf(f)) {
        const AndRow& row = device.pal.Row(r);
        if (row.term.IsZero())
            continue; // a variable and its complement: the constant 0
        groups.push_back(MakeGroup(row.term, row.text));
        groups.back().andRow = r;
    }
    return groups;
}

// How far the point lies from the rectangle's border (0 on it).
int OutlineDistance(const ZRect& r, const ZPoint& p)
{
    const int dx = std::max({r.left - p.x, p.x - r.right, 0});
    const int dy = std::max({r.top - p.y, p.y - r.bottom, 0});
    if (dx > 0 || dy > 0)
        return std::max(dx, dy);
    return std::min({p.x - r.left, r.right - p.x, p.y - r.top, r.bottom - p.y});
}

} // namespace

CKarnaughCell KarnaughCellOf(int m)
{
    // Gray positions of the values 0..3: 0, 1, 3, 2.
    static const int position[4] = {0, 1, 3, 2};
    return {position[(m >> 2) & 3], position[m & 3]};
}

std::vector<CKarnaughPiece> KarnaughPieces(ProductTerm product)
{
    std::vector<CKarnaughPiece> pieces;
    for (const CRun& rows : Runs(CoveredPositions(product, 8, 4)))
        for (const CRun& columns : Runs(CoveredPositions(product, 2, 1)))
            pieces.push_back({rows.first, rows.count, columns.first, columns.count, rows.openBefore, rows.openAfter,
                              columns.openBefore, columns.openAfter});
    return pieces;
}

void KarnaughAssignInsets(std::vector<CKarnaughGroup>& groups)
{
    // Larger groups first (outside); of equal ones the earlier.
    std::vector<std::size_t> order(groups.size());
    for (std::size_t g = 0; g < order.size(); ++g)
        order[g] = g;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::popcount(groups[a].cells) > std::popcount(groups[b].cells);
    });
    // Each group the first level that no group sharing cells with it has.
    std::vector<int> level(groups.size(), -1);
    int levels = 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        unsigned taken = 0;
        for (std::size_t j = 0; j < i; ++j)
            if (groups[order[i]].cells & groups[order[j]].cells)
                taken |= 1u << level[order[j]];
        level[order[i]] = std::countr_one(taken);
        levels = std::max(levels, level[order[i]] + 1);
    }
    const int step = levels > 1 ? std::min(L::kInsetStep, (L::kMaxInset - L::kFirstInset) / (levels - 1)) : 0;
    for (std::size_t g = 0; g < groups.size(); ++g)
        groups[g].inset = L::kFirstInset + level[g] * step;
}

CKarnaughGroups KarnaughGroups(const Device& device, CoverCache& covers)
{
    CKarnaughGroups groups;
    for (int f = 0; f < Device::kFunctions; ++f) {
        std::vector<CKarnaughGroup>& list = groups[static_cast<std::size_t>(f)];
        if (device.type == DeviceType::Prom)
            list = PromGroups(device, covers, f);
        else if (device.type == DeviceType::Pal)
            list = PalGroups(device, f);
        KarnaughAssignInsets(list);
    }
    return groups;
}

// --- Layout ----------------------------------------------------------------------

ZSize KarnaughCanvasSize() { return {2 * L::kMargin + 2 * L::kBlockWidth, 2 * L::kMargin + 2 * L::kBlockHeight}; }

ZPoint KarnaughBlockOrigin(int f) { return {L::kMargin + (f % 2) * L::kBlockWidth, L::kMargin + (f / 2) * L::kBlockHeight}; }

ZRect KarnaughMapRect(int f)
{
    const ZPoint o = KarnaughBlockOrigin(f);
    return {o.x + L::kMapLeft, o.y + L::kMapTop, o.x + L::kMapLeft + 4 * L::kCell, o.y + L::kMapTop + 4 * L::kCell};
}

ZRect KarnaughCellRect(int f, int row, int column)
{
    const ZRect map = KarnaughMapRect(f);
    const int x = map.left + column * L::kCell;
    const int y = map.top + row * L::kCell;
    return {x, y, x + L::kCell, y + L::kCell};
}

ZPoint KarnaughTitleAt(int f)
{
    const ZRect map = KarnaughMapRect(f);
    return {(map.left + map.right) / 2, KarnaughBlockOrigin(f).y + 2};
}

ZPoint KarnaughRowNamesAt(int f)
{
    const ZRect map = KarnaughMapRect(f);
    return {map.left - 46, map.top - 22};
}

ZPoint KarnaughColumnNamesAt(int f)
{
    const ZRect map = KarnaughMapRect(f);
    return {map.left + 2 * L::kCell - 10, map.top - 38};
}

ZPoint KarnaughRowLabelAt(int f, int i)
{
    const ZRect cell = KarnaughCellRect(f, i, 0);
    return {cell.left - 24, cell.top + L::kCell / 2 - 7};
}

ZPoint KarnaughColumnLabelAt(int f, int i)
{
    const ZRect cell = KarnaughCellRect(f, 0, i);
    return {cell.left + L::kCell / 2 - 8, cell.top - 20};
}

ZRect KarnaughTermRect(int f, int t)
{
    const ZRect map = KarnaughMapRect(f);
    const int x = map.right + L::kTermsGap;
    const int y = map.top + t * L::kTermPitch;
    return {x, y, x + L::kTermsWidth, y + L::kTermPitch};
}

ZRect KarnaughPieceRect(int f, const CKarnaughGroup& group, const CKarnaughPiece& p)
{
    const ZRect first = KarnaughCellRect(f, p.row, p.column);
    const ZRect last = KarnaughCellRect(f, p.row + p.rows - 1, p.column + p.columns - 1);
    const int inset = std::clamp(group.inset, 0, L::kMaxInset);
    const int past = L::kCell / 2;
    return {p.openLeft ? first.left - past : first.left + inset, p.openTop ? first.top - past : first.top + inset,
            p.openRight ? last.right + past : last.right - inset, p.openBottom ? last.bottom + past : last.bottom - inset};
}

ZRect KarnaughVisiblePieceRect(int f, const CKarnaughGroup& group, const CKarnaughPiece& p)
{
    const ZRect r = KarnaughPieceRect(f, group, p);
    const ZRect map = KarnaughMapRect(f);
    return {std::max(r.left, map.left), std::max(r.top, map.top), std::min(r.right, map.right),
            std::min(r.bottom, map.bottom)};
}

// --- Hit tests -------------------------------------------------------------------

std::optional<CKarnaughHit> KarnaughHitCell(const ZPoint& point)
{
    for (int f = 0; f < 4; ++f) {
        const ZRect map = KarnaughMapRect(f);
        if (map.Contains(point))
            return CKarnaughHit{f, (point.y - map.top) / L::kCell, (point.x - map.left) / L::kCell};
    }
    return std::nullopt;
}

std::optional<CKarnaughGroupRef> KarnaughHitGroup(const CKarnaughGroups& groups, const ZPoint& point)
{
    std::optional<CKarnaughGroupRef> nearest;
    int nearestDistance = L::kOutlineReach + 1;
    int nearestInset = -1;
    for (int f = 0; f < 4; ++f) {
        const std::vector<CKarnaughGroup>& list = groups[static_cast<std::size_t>(f)];
        const bool inMap = KarnaughMapRect(f).Contains(point);
        for (int g = 0; g < static_cast<int>(list.size()); ++g) {
            if (KarnaughTermRect(f, g).Contains(point))
                return CKarnaughGroupRef{f, g};
            if (!inMap)
                continue;
            // The nearest outline; of equally near ones the inner, then the later one.
            const CKarnaughGroup& group = list[static_cast<std::size_t>(g)];
            for (const CKarnaughPiece& piece : group.pieces) {
                const int distance = OutlineDistance(KarnaughPieceRect(f, group, piece), point);
                if (distance < nearestDistance || (distance == nearestDistance && group.inset >= nearestInset)) {
                    nearestDistance = distance;
                    nearestInset = group.inset;
                    nearest = CKarnaughGroupRef{f, g};
                }
            }
        }
    }
    return nearest;
}

std::vector<CKarnaughGroupRef> KarnaughGroupsAt(const CKarnaughGroups& groups, int f, int m)
{
    std::vector<CKarnaughGroupRef> found;
    const std::vector<CKarnaughGroup>& list = groups[static_cast<std::size_t>(f)];
    for (std::size_t g = 0; g < list.size(); ++g)
        if (list[g].cells & (1u << m))
            found.push_back({f, static_cast<int>(g)});
    return found;
}

CKarnaughHit KarnaughMoveCursor(const CKarnaughHit& cell, CCursorKey key)
{
    int row = cell.f / 2 * 4 + cell.row;
    int column = cell.f % 2 * 4 + cell.column;
    switch (key) {
    case CCursorKey::Left: --column; break;
    case CCursorKey::Right: ++column; break;
    case CCursorKey::Up: --row; break;
    case CCursorKey::Down: ++row; break;
    case CCursorKey::Home: column -= cell.column; break;
    case CCursorKey::End: column += 3 - cell.column; break;
    case CCursorKey::PageUp: row -= cell.row; break;
    case CCursorKey::PageDown: row += 3 - cell.row; break;
    }
    row = std::clamp(row, 0, 7);
    column = std::clamp(column, 0, 7);
    return {row / 4 * 2 + column / 4, row % 4, column % 4};
}

// --- Cell values and clicks ------------------------------------------------------

char KarnaughCellValue(const Device& device, int f, int m) { return TableCellValue(device, f, m); }

// The truth table's own handlers, on the same entry.
void KarnaughLeftClick(CZYLDoc& doc, const CKarnaughHit& cell, bool shiftClick)
{
    TableLeftClick(doc, CTableCell{cell.f, KarnaughMinterm(cell.row, cell.column)}, shiftClick);
}

void KarnaughPopupValue(CZYLDoc& doc, const CKarnaughHit& cell, char v)
{
    TablePopupValue(doc, CTableCell{cell.f, KarnaughMinterm(cell.row, cell.column)}, v);
}

// --- The maps read aloud ---------------------------------------------------------

namespace {

const char* const kGrayCodes[] = {"00", "01", "11", "10"};


} // namespace

std::string CKarnaughAccessGrid::Caption() const
{
    return "Karnaugh map of " + m_doc.Device().names.functions[static_cast<std::size_t>(m_f)];
}

std::string CKarnaughAccessGrid::RowHeader(int row) const
{
    const auto& v = m_doc.Device().names.variables;
    return v[0] + v[1] + " = " + kGrayCodes[row & 3];
}

std::string CKarnaughAccessGrid::ColumnHeader(int column) const
{
    const auto& v = m_doc.Device().names.variables;
    return v[2] + v[3] + " = " + kGrayCodes[column & 3];
}

std::string CKarnaughAccessGrid::CellValue(int row, int column) const
{
    const char value = KarnaughCellValue(m_doc.Device(), m_f, KarnaughMinterm(row, column));
    return value == 0 ? std::string() : std::string(1, value);
}

std::string CKarnaughAccessGrid::CellName(int row, int column) const
{
    const Device& device = m_doc.Device();
    const int m = KarnaughMinterm(row, column);
    const std::string value = CellValue(row, column);
    std::string name = device.names.functions[static_cast<std::size_t>(m_f)] + ", minterm " + std::to_string(m) +
                       ", " + (value.empty() ? "no value" : value);
    const std::vector<CKarnaughGroupRef> covering = KarnaughGroupsAt(m_groups, m_f, m);
    name += covering.empty() ? ", no group" : covering.size() == 1 ? ", group " : ", groups ";
    for (std::size_t i = 0; i < covering.size(); ++i) {
        const CKarnaughGroup& group =
            m_groups[static_cast<std::size_t>(m_f)][static_cast<std::size_t>(covering[i].g)];
        name += (i > 0 ? ", " : "") + PlainRich(TermRich(group.product, device.names.variables.data()));
    }
    return name;
}

bool CKarnaughAccessGrid::CellFocused(int row, int column) const
{
    return m_cursor.f == m_f && m_cursor.row == row && m_cursor.column == column;
}
