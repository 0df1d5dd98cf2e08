// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <map>
#include <string>

#define ZYL_BITMAP(id, number, width, height) {":/res/bmp" #number ".png", width, height},
#define ZYL_CURSOR(id, number, x, y) {":/res/cur" #number ".png", 32, 32},
#define ZYL_IMAGE(id, stem, width, height) {":/res/" #stem ".png", width, height},
const ZylPicture kZylPictures[] = {
#include "Pictures.def"
};
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE

const std::size_t kZylPictureCount = sizeof(kZylPictures) / sizeof(kZylPictures[0]);

namespace {

const QPixmap& Cached(const char* path)
{
    static std::map<std::string, QPixmap> cache;
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.emplace(path, QPixmap(QString::fromLatin1(path))).first;
    return it->second;
}

} // namespace

const QPixmap& ZylBitmap(int id)
{
#define ZYL_BITMAP(id, number, width, height) case number: return Cached(":/res/bmp" #number ".png");
#define ZYL_CURSOR(id, number, x, y)
#define ZYL_IMAGE(id, stem, width, height)
    switch (id) {
#include "Pictures.def"
    }
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE
    static const QPixmap none;
    return none;
}

const QPixmap& ZylImage(ImageId id)
{
#define ZYL_BITMAP(id, number, width, height)
#define ZYL_CURSOR(id, number, x, y)
#define ZYL_IMAGE(id, stem, width, height) case id: return Cached(":/res/" #stem ".png");
    switch (id) {
#include "Pictures.def"
    }
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE
    static const QPixmap none;
    return none;
}

QCursor ZylCursor(CursorId id)
{
#define ZYL_BITMAP(id, number, width, height)
#define ZYL_CURSOR(id, number, x, y)                                                                                   \
    case id: {                                                                                                         \
        const QPixmap& pixmap = Cached(":/res/cur" #number ".png");                                                    \
        return pixmap.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(pixmap, x, y);                                     \
    }
#define ZYL_IMAGE(id, stem, width, height)
    switch (id) {
#include "Pictures.def"
    }
#undef ZYL_BITMAP
#undef ZYL_CURSOR
#undef ZYL_IMAGE
    return QCursor(Qt::ArrowCursor);
}
