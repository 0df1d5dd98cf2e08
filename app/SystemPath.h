// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <string>

// File names go to and from the system as its own bytes: the model keeps
// them as bytes (which need not be UTF-8), the widgets show them as text.
inline std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The bytes of the path a file dialog chose, which shows every name as
// text (a name that is not UTF-8 with U+FFFD in place of its bad bytes).
// known, a path in bytes the dialog was given, stands for itself; any
// other part of the path that holds U+FFFD is the one entry of its folder
// that shows as it does, or, as the last part, a new name. False when a
// part matches no entry or several, so that no other file is written.
bool ChosenPathBytes(const QString& chosen, const std::string& known, std::string& bytes);

// A path as the recent-file list shows it: control characters and bytes
// that are not UTF-8 written visibly ("\t", "\xE9"), and a long path cut in
// the middle to at most width pixels of the menu's font.
QString ShownPath(const std::string& path, int width);
