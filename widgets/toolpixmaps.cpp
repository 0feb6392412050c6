#include "toolpixmaps.h"

#include <QIcon>
#include <QPixmapCache>

using namespace Qt::StringLiterals;

namespace ToolPixmaps {

QPixmap icon(const QString &resource, int size)
{
    const QString key = u"velmora-tools:%1@%2"_s.arg(resource).arg(size);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QIcon(resource).pixmap(size, size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace ToolPixmaps
