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
