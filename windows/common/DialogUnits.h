// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QWidget>

#include <QRect>
#include <QSize>

#include <cmath>

// Dialog templates are laid out in dialog units: a horizontal unit is a
// quarter of the template font's average character width and a vertical
// unit an eighth of its height. The two template fonts in use convert as a
// 96-dpi screen converts them.
enum class DialogFont
{
    System10,    // 2 px per unit both ways
    MsSansSerif8 // 1.5 px across, 1.625 px down
};

inline double DialogUnitX(DialogFont font)
{
    return font == DialogFont::System10 ? 2.0 : 1.5;
}

inline double DialogUnitY(DialogFont font)
{
    return font == DialogFont::System10 ? 2.0 : 1.625;
}

inline int DluToPixelsX(DialogFont font, int units)
{
    return int(std::lround(units * DialogUnitX(font)));
}

inline int DluToPixelsY(DialogFont font, int units)
{
    return int(std::lround(units * DialogUnitY(font)));
}

inline QRect DluRect(DialogFont font, int x, int y, int w, int h)
{
    const int left = DluToPixelsX(font, x);
    const int top = DluToPixelsY(font, y);
    return QRect(left, top, DluToPixelsX(font, x + w) - left, DluToPixelsY(font, y + h) - top);
}

inline QSize DluSize(DialogFont font, int w, int h)
{
    return QSize(DluToPixelsX(font, w), DluToPixelsY(font, h));
}

// The program's dialogs draw black on white, whatever the desktop's colours:
// their pictures and headings are drawn for a white background.
inline void UseWhiteBackground(QWidget& dialog)
{
    dialog.setAutoFillBackground(true);
    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    dialog.setPalette(pal);
}
