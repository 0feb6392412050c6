#pragma once

#include <QEvent>
#include <QPoint>
#include <QString>
#include <QStringList>

class BatchToolPage;
class ModernComboBox;
class QObject;
class QWidget;
class TaskListWidget;

// Driving the tool widgets as a user would: drops, mouse drags and combo box choices.
namespace toolstest {

// The temporary home every test runs in (desktop and documents folders live there).
QString home();

// Drags a list of local files over target and drops them; answers whether the drag was accepted.
bool dropFiles(QWidget *target, const QStringList &paths);
// Sends one mouse event to w at a position in w, with buttons held.
void mouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons);
// Picks the entry at row of a combo box through its popup.
void chooseComboEntry(ModernComboBox *combo, int row);
// Presses the page's start button and waits until the files it had were looked at (a start
// waits for that); false on time-out.
bool pressStart(BatchToolPage *page);
// Waits until every row of the list shows a final status; false on time-out.
bool waitUntilFinished(TaskListWidget *list, int timeoutMs = 120000);
// The status texts of the rows, top to bottom.
QStringList statusTexts(TaskListWidget *list);
// The output names shown by the rows, top to bottom.
QStringList rowNames(TaskListWidget *list);
// A file of the given size (sparse where the file system allows).
QString sizedFile(const QString &path, qint64 size);

} // namespace toolstest
