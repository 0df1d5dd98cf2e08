// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Resources.h"

#include <QCursor>
#include <QPixmap>

// The pictures of Pictures.def, loaded from the resources once and kept for
// the program's life. A picture that is missing is a null pixmap (it draws
// nothing); a missing cursor is the arrow.
const QPixmap& ZylBitmap(int id);
const QPixmap& ZylImage(ImageId id);
// The cursor with its hot spot.
QCursor ZylCursor(CursorId id);
