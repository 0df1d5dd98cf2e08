// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPath.h"

#include "Utf8.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStringList>

#include <dirent.h>

bool ChosenPathBytes(const QString& chosen, const std::string& known, std::string& bytes)
{
    bytes.clear();
    if (chosen.isEmpty() || (!known.empty() && PathText(known) == chosen)) {
        bytes = chosen.isEmpty() ? std::string() : known;
        return true;
    }
    const QStringList parts = chosen.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (i > 0)
            bytes += '/';
        if (!part.contains(QChar::ReplacementCharacter)) {
            bytes += PathBytes(part); // text that was typed or shown whole
            continue;
        }
        const std::string folder = bytes.size() > 1 ? bytes.substr(0, bytes.size() - 1) : bytes.empty() ? "." : "/";
        std::string match;
        int matches = 0;
        if (DIR* dir = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                if (PathText(entry->d_name) == part) {
                    match = entry->d_name;
                    ++matches;
                }
            }
            ::closedir(dir);
        }
        if (matches > 1 || (matches == 0 && i + 1 < parts.size()))
            return false;
        bytes += matches == 1 ? match : PathBytes(part);
    }
    return true;
}

QString ShownPath(const std::string& path, int width)
{
    const QFontMetrics metrics(QApplication::font("QMenu"));
    return metrics.elidedText(PathText(Utf8::Escaped(path)), Qt::ElideMiddle, width);
}
