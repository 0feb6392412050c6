#pragma once

#include <QPixmap>
#include <QString>

// Icons of the tool pages at a logical size, loaded and scaled once per process (long file and
// task lists show the same few icons hundreds of times).
namespace ToolPixmaps {

QPixmap icon(const QString &resource, int size);

} // namespace ToolPixmaps
