#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

// What the screenshot programs share: letting the window settle, grabbing and saving.
namespace shots {

// The folder save() writes into; created when missing.
void setFolder(const QString &folder);
QString folder();

// Runs pending events a few times with short waits, so layouts, timers and paints catch up.
void settle(int rounds = 5);

// Writes name.png into the folder and prints its path; warns when the file could not be written.
bool save(const QPixmap &pixmap, const QString &name);
// Settles, then grabs the widget.
bool save(QWidget *widget, const QString &name);

// Small strips are easier to review at twice their size.
QPixmap zoomed(const QPixmap &pixmap);

// The screen around a window, so rounded corners show against what lies behind.
QPixmap screenAround(QWidget *window, int margin = 12);

} // namespace shots
