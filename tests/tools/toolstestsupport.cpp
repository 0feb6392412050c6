#include "toolstestsupport.h"

#include "combopopup.h"
#include "moderncombobox.h"
#include "tasklistitem.h"
#include "tasklistwidget.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

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
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
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

int runTestClass(QObject *test, int argc, char **argv)
{
    // Options of QTest that take a value.
    static const QList<QByteArray> withValue = {
        "-o", "-maxwarnings", "-eventdelay", "-keydelay", "-mousedelay", "-platform", "-seed"};
    std::vector<char *> arguments{argv[0]};
    bool named = false;
    bool ours = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith('-')) {
            arguments.push_back(argv[i]);
            if (withValue.contains(argument) && i + 1 < argc)
                arguments.push_back(argv[++i]);
            continue;
        }
        named = true;
        const qsizetype tag = argument.indexOf(':');
        const QByteArray function = (tag < 0 ? argument : argument.left(tag)) + "()";
        if (test->metaObject()->indexOfMethod(function.constData()) >= 0) {
            arguments.push_back(argv[i]);
            ours = true;
        }
    }
    if (named && !ours)
        return 0;
    return QTest::qExec(test, int(arguments.size()), arguments.data());
}

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

} // namespace toolstest
