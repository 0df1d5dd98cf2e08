// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "Utf8.h"

#include <algorithm>
#include <map>

// The fuse map by keyboard and by screen reader: the keyboard cursor over
// the programmable cells, the keys that click them, and the cells and
// annotations as words.

namespace {

namespace L = FuseMapLayout;

// The cursor's grid of a type: its size, and a cell's place in it.
struct CCursorGrid
{
    int rows;
    int columns;
};

CCursorGrid GridOf(bool prom) { return prom ? CCursorGrid{Device::kRows + 1, Device::kFunctions} : CCursorGrid{Device::kRows, Device::kColumns + 1}; }

bool IsPromCell(const CFuseMapCell& cell)
{
    return cell.kind == CFuseMapCell::OrCell || cell.kind == CFuseMapCell::OutputGate;
}

CFuseMapCell CellAt(bool prom, int row, int column)
{
    if (prom)
        return row == Device::kRows ? CFuseMapCell{CFuseMapCell::OutputGate, column, 0, 0}
                                    : CFuseMapCell{CFuseMapCell::OrCell, column, row, 0};
    return column == Device::kColumns ? CFuseMapCell{CFuseMapCell::RowGate, FunctionOfRow(row), row, 0}
                                      : CFuseMapCell{CFuseMapCell::AndCell, FunctionOfRow(row), row, column};
}

const char* State(bool intact) { return intact ? "intact" : "blown"; }

} // namespace

ZRect FuseMapCellRect(const CFuseMapCell& cell)
{
    switch (cell.kind) {
    case CFuseMapCell::OrCell:
        return L::OrCellRect(cell.f, cell.r);
    case CFuseMapCell::OutputGate:
        return L::OutputGate(cell.f);
    case CFuseMapCell::AndCell:
        return L::AndCellRect(cell.c, cell.r);
    case CFuseMapCell::RowGate:
        break;
    }
    return L::RowGate(cell.r);
}

std::optional<CFuseMapCell> CursorStart(DeviceType type)
{
    if (type == DeviceType::Pla)
        return std::nullopt;
    return CellAt(type == DeviceType::Prom, 0, 0);
}

CFuseMapCell MovedCursor(const CFuseMapCell& from, CursorMove move)
{
    const bool prom = IsPromCell(from);
    const CCursorGrid grid = GridOf(prom);
    int row = from.r, column = from.c;
    if (prom) {
        row = from.kind == CFuseMapCell::OutputGate ? Device::kRows : from.r;
        column = from.f;
    } else if (from.kind == CFuseMapCell::RowGate) {
        column = Device::kColumns;
    }
    // A page is one function's rows.
    const int page = Device::kRows / Device::kFunctions;
    switch (move) {
    case CursorMove::Left: --column; break;
    case CursorMove::Right: ++column; break;
    case CursorMove::Up: --row; break;
    case CursorMove::Down: ++row; break;
    case CursorMove::RowStart: column = 0; break;
    case CursorMove::RowEnd: column = grid.columns - 1; break;
    case CursorMove::PageUp: row -= page; break;
    case CursorMove::PageDown: row += page; break;
    case CursorMove::First: row = column = 0; break;
    case CursorMove::Last: row = grid.rows - 1, column = grid.columns - 1; break;
    }
    return CellAt(prom, std::clamp(row, 0, grid.rows - 1), std::clamp(column, 0, grid.columns - 1));
}

std::optional<CFuseMapCell> CViewLogic::Cursor() const
{
    if (Dev().flags.blockStructure || Dev().type == DeviceType::Pla)
        return std::nullopt;
    if (m_cursor && IsPromCell(*m_cursor) == (Dev().type == DeviceType::Prom))
        return m_cursor;
    return CursorStart(Dev().type);
}

void CViewLogic::MoveCursor(CursorMove move)
{
    if (const std::optional<CFuseMapCell> cursor = Cursor())
        m_cursor = MovedCursor(*cursor, move);
}

void CViewLogic::ClickCursor(const ZPoint& screen)
{
    if (const std::optional<CFuseMapCell> cursor = Cursor())
        Click(*cursor, screen);
}

void CViewLogic::CursorMenu(const ZPoint& screen)
{
    const std::optional<CFuseMapCell> cursor = Cursor();
    if (cursor && cursor->kind == CFuseMapCell::OrCell && IsEditable(*cursor) &&
        Dev().prom.Entry(cursor->f, cursor->r) == 'X')
        Click(*cursor, screen);
}

std::string CViewLogic::CellName(const CFuseMapCell& cell) const
{
    const CNames& names = Dev().names;
    const std::string output = names.functions[static_cast<std::size_t>(cell.f)];
    switch (cell.kind) {
    case CFuseMapCell::OrCell: {
        std::string name = "OR fuse, output " + output + ", minterm " + std::to_string(cell.r) + ", " +
                           State(Dev().prom.Fuse(cell.f, cell.r));
        return Dev().prom.Entry(cell.f, cell.r) == 'X' ? name + ", don't care" : name;
    }
    case CFuseMapCell::OutputGate:
        return "OR gate, output " + output;
    case CFuseMapCell::AndCell:
        return "AND fuse, row " + std::to_string(cell.r) + ", input " +
               names.variables[static_cast<std::size_t>(cell.c / 2)] + (cell.c % 2 ? " complemented, " : ", ") +
               State(Dev().pal.Row(cell.r).Fuse(cell.c));
    case CFuseMapCell::RowGate:
        break;
    }
    return "AND gate, row " + std::to_string(cell.r) + ", " + ReadableText(Dev().pal.Row(cell.r).text);
}

std::string ReadableText(const std::string& markup)
{
    std::string out;
    for (std::size_t i = 0; i < markup.size();) {
        if (markup[i] == '^' && i + 1 < markup.size()) {
            const std::size_t n = Utf8::CharLength(markup, i + 1);
            out += markup.substr(i + 1, n) + "'";
            i += 1 + n;
        } else if (markup[i] == '~' && i + 1 < markup.size()) {
            i += 2; // a subscript, superscript or gap switch
        } else {
            out += markup[i++];
        }
    }
    return out;
}

std::vector<std::string> CViewLogic::AnnotationLines() const
{
    // The function annotations lie right of the row labels; their items
    // make lines by their place, each line read with its function's name
    // (the label shows only a name's first two characters).
    std::map<int, std::string> texts; // by y
    for (const CDrawItem& item : BuildAnnotations()) {
        if (item.x < L::FunctionArea(0).left)
            continue;
        std::string& line = texts[item.y];
        if (item.kind == CDrawItem::Picture)
            line += " Σ";
        else
            line += (line.empty() || line.ends_with("Σ") ? "" : " ") + ReadableText(item.text);
    }
    std::vector<std::string> out;
    for (int f = 0; f < Device::kFunctions; ++f) {
        const int top = L::FunctionArea(f).top + L::kAnnotationTop;
        for (int y = top; y < top + 3 * L::kAnnotationLinePitch; y += L::kAnnotationLinePitch) {
            const auto it = texts.find(y);
            if (it == texts.end())
                continue;
            std::string line = Dev().names.functions[static_cast<std::size_t>(f)] + " " +
                               it->second.substr(y == top ? it->second.find('=') : it->second.find_first_not_of(' '));
            // One blank between words, as the drawing's gaps are read.
            line.erase(std::unique(line.begin(), line.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
                       line.end());
            out.push_back(line);
        }
    }
    return out;
}
