// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

// What the pointer rests on that other windows show too: an AND row of the
// PAL or a term of a PROM function's sum. The fuse map and the Karnaugh
// maps both read it; whoever changes it goes through Set, which tells every
// listener (each repaints itself) when the value really changed.
struct CHighlight
{
    int andRow = -1;   // PAL: the AND row 0..15
    int function = -1; // PROM: the function 0..3 whose term ...
    int term = -1;     // ... of the annotation's sum is meant
    friend bool operator==(const CHighlight&, const CHighlight&) = default;
};

class CHighlightState
{
public:
    const CHighlight& Get() const { return m_value; }
    void Set(const CHighlight& value)
    {
        if (value == m_value)
            return;
        m_value = value;
        for (const auto& [id, listener] : m_listeners)
            listener();
    }
    int AddListener(std::function<void()> listener)
    {
        m_listeners.emplace_back(++m_next, std::move(listener));
        return m_next;
    }
    void RemoveListener(int id)
    {
        std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
    }

private:
    CHighlight m_value;
    std::vector<std::pair<int, std::function<void()>>> m_listeners;
    int m_next = 0;
};

// The one highlight of the program (it has one document and one fuse map).
inline CHighlightState& SharedHighlight()
{
    static CHighlightState state;
    return state;
}
