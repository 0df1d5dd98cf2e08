// SPDX-License-Identifier: GPL-3.0-or-later
// The desk's CSV read back as a spreadsheet reads it (RFC 4180: quoted
// fields, doubled quotes, CR LF between rows).
#pragma once

#include <string>
#include <vector>

inline std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows{{""}};
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            rows.back().back() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            rows.back().emplace_back();
        else if (!quoted && c == '\r' && text.at(++i) == '\n')
            rows.push_back({""});
        else
            rows.back().back() += c;
    }
    rows.pop_back(); // after the last CR LF
    return rows;
}
