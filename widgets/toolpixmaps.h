#pragma once

#include <QPixmap>
#include <QString>

// Icons at a logical size, loaded and scaled once per process (long file and task lists show
// the same few icons hundreds of times, and painted buttons ask on every repaint).
namespace ToolPixmaps {

QPixmap icon(const QString &resource, int size);

} // namespace ToolPixmaps
