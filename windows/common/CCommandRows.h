// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

// The commands one owner carries out, a row each: what runs and, for the
// commands with a check mark, when it shows. "Handles", "checked" and "run"
// all read the same row, so adding a command is one row and one handler.
class CCommandRows
{
public:
    struct Row
    {
        int id;
        std::function<void()> run;
        std::function<bool()> checked; // empty: never checked
    };

    void Add(int id, std::function<void()> run, std::function<bool()> checked = {})
    {
        m_rows.push_back(Row{id, std::move(run), std::move(checked)});
    }

    bool Handles(int id) const { return Find(id) != nullptr; }
    bool IsChecked(int id) const
    {
        const Row* row = Find(id);
        return row && row->checked && row->checked();
    }
    // Runs the command; false when this owner does not have it.
    bool Run(int id) const
    {
        const Row* row = Find(id);
        if (!row)
            return false;
        row->run();
        return true;
    }

private:
    const Row* Find(int id) const
    {
        const auto it = std::find_if(m_rows.begin(), m_rows.end(), [id](const Row& r) { return r.id == id; });
        return it == m_rows.end() ? nullptr : &*it;
    }

    std::vector<Row> m_rows;
};
