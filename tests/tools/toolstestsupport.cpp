#include "toolstestsupport.h"

#include "batchoptionspanel.h"
#include "batchtoolpage.h"
#include "combopopup.h"
#include "dialogseam.h"
#include "filelistwidget.h"
#include "iconbutton.h"
#include "moderncombobox.h"
#include "tasklistitem.h"
#include "tasklistwidget.h"
#include "testregistry.h"
#include "widgetinput.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// Every test executable runs in a temporary home (the shared test main): desktop and documents
// outputs never touch the real one.
void prepareHome()
{
    QDir::home().mkpath(u"Desktop"_s);
    DialogSeam::setScripted(true);
}

} // namespace

VELMORA_TEST_SETUP(AfterApp, prepareHome);

namespace toolstest {

QString home()
{
    return QDir::homePath();
}

bool dropFiles(QWidget *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return true;
}

void mouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    input::sendMouse(w, type, pos, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                     buttons);
}

void chooseComboEntry(ModernComboBox *combo, int row)
{
    QTest::mouseClick(combo, Qt::LeftButton);
    QListWidget *list = combo->popup()->listWidget();
    QListWidgetItem *item = list->item(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

bool waitUntilFinished(TaskListWidget *list, int timeoutMs)
{
    return QTest::qWaitFor(
        [list] {
            QListWidget *view = list->listWidget();
            for (int i = 0; i < view->count(); ++i) {
                const int status = list->status(view->item(i)->data(Qt::UserRole).toString());
                if (status != 3 && status != 4 && status != 5)
                    return false;
            }
            return view->count() > 0;
        },
        timeoutMs);
}

namespace {

QStringList rowLabels(TaskListWidget *list, const QString &name)
{
    QStringList texts;
    QListWidget *view = list->listWidget();
    for (int i = 0; i < view->count(); ++i) {
        // Rows are read as a user reads them: scrolled into view.
        view->scrollToItem(view->item(i));
        QWidget *row = view->itemWidget(view->item(i));
        auto *label = row ? row->findChild<QLabel *>(name) : nullptr;
        texts.append(label ? label->text() : QString());
    }
    return texts;
}

} // namespace

QStringList statusTexts(TaskListWidget *list)
{
    return rowLabels(list, u"taskStatusText"_s);
}

QStringList rowNames(TaskListWidget *list)
{
    return rowLabels(list, u"taskName"_s);
}

QString sizedFile(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        return QString();
    return path;
}

bool pressStart(BatchToolPage *page)
{
    QTest::mouseClick(page->optionsPanel()->startButton(), Qt::LeftButton);
    return QTest::qWaitFor([page] { return !page->fileList()->isChecking(); }, 60000);
}

} // namespace toolstest
