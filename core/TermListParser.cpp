// SPDX-License-Identifier: GPL-3.0-or-later
#include "TermListParser.h"

#include <algorithm>
#include <climits>
#include <vector>

const char* const kTermListMessage = "\nOnly positive integers \nseparated by comma are accepted.";

std::string TrimLeadingSpaces(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string TrimTrailingSpaces(std::string text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

namespace {

// Writes what was read into the caller's array within its capacity.
int Store(const std::vector<int>& read, int* numbers, int capacity)
{
    if (static_cast<int>(read.size()) <= capacity) {
        std::copy(read.begin(), read.end(), numbers);
        return static_cast<int>(read.size());
    }
    std::vector<int> distinct;
    for (int v : read) {
        if (std::find(distinct.begin(), distinct.end(), v) == distinct.end())
            distinct.push_back(v);
    }
    if (static_cast<int>(distinct.size()) > capacity) {
        const bool kept = std::any_of(distinct.begin(), distinct.begin() + capacity, [](int v) { return v > 15; });
        const auto over = std::find_if(distinct.begin() + capacity, distinct.end(), [](int v) { return v > 15; });
        // With capacity 16, more than 16 distinct numbers always include
        // one above 15.
        const int overValue = over != distinct.end() ? *over : -1;
        distinct.resize(static_cast<std::size_t>(capacity));
        if (!kept && overValue > 15)
            distinct.back() = overValue;
    }
    std::copy(distinct.begin(), distinct.end(), numbers);
    return static_cast<int>(distinct.size());
}

} // namespace

int ParseTermList(std::string text, int* numbers, int capacity)
{
    const std::string s = TrimTrailingSpaces(TrimLeadingSpaces(std::move(text)));
    if (s.empty())
        return 0;

    std::vector<int> read;
    long long current = -1;
    const std::size_t last = s.size() - 1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == ' ')
            continue;
        if (c >= '0' && c <= '9') {
            const int d = c - '0';
            current = current < 0 ? d : std::min<long long>(current * 10 + d, INT_MAX);
            if (i == last) {
                read.push_back(static_cast<int>(current));
                return Store(read, numbers, capacity);
            }
            continue;
        }
        if (c == ',') {
            if (current < 0) {
                Store(read, numbers, capacity);
                return 0;
            }
            read.push_back(static_cast<int>(current));
            current = -1;
            if (i == last)
                return Store(read, numbers, capacity);
            continue;
        }
        // A rejected character. What was read before it is still stored,
        // as far as it fits, as callers may see the partial array.
        Store(read, numbers, capacity);
        return -1;
    }
    return Store(read, numbers, capacity);
}
