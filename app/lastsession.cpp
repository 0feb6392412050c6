#include "lastsession.h"

#include "customtabwidget.h"
#include "mainpage.h"
#include "pathidentity.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString reopenKey = u"session/reopenAtStart"_s;
const QString documentsKey = u"session/documents"_s;
const QString currentKey = u"session/currentDocument"_s;

} // namespace

namespace LastSession {

bool reopensAtStart()
{
    return QSettings().value(reopenKey, false).toBool();
}

void setReopensAtStart(bool reopen)
{
    QSettings().setValue(reopenKey, reopen);
}

Documents saved()
{
    const QSettings settings;
    Documents documents;
    documents.paths = settings.value(documentsKey).toStringList();
    documents.current = settings.value(currentKey, -1).toInt();
    if (documents.current >= documents.paths.size())
        documents.current = -1;
    return documents;
}

Documents documentsOf(const MainPage &page)
{
    Documents documents;
    const QTabWidget *tabs = page.tabWidget();
    for (int i = 0; i < tabs->count(); ++i) {
        const QVariant path = tabs->widget(i)->property("tesselFilePath");
        if (!path.isValid())
            continue;
        if (i == tabs->currentIndex())
            documents.current = int(documents.paths.size());
        documents.paths.append(path.toString());
    }
    return documents;
}

void remember(const Documents &documents)
{
    QSettings settings;
    settings.setValue(documentsKey, documents.paths);
    settings.setValue(currentKey, documents.current);
}

QStringList reopen(MainPage &page)
{
    const Documents documents = saved();
    QStringList opened;
    int current = -1;
    for (int i = 0; i < documents.paths.size(); ++i) {
        const QString &path = documents.paths.at(i);
        if (!QFileInfo(path).isFile())
            continue;
        page.onFileClicked(path);
        const int index = page.viewerTabIndex(pathidentity::normalised(path));
        if (index < 0)
            continue;
        opened.append(path);
        if (i == documents.current)
            current = index;
    }
    if (current >= 0)
        page.tabWidget()->setCurrentIndex(current);
    else if (!opened.isEmpty())
        page.tabWidget()->setCurrentIndex(0);
    return opened;
}

} // namespace LastSession
