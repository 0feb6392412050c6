#include "lastsession.h"

#include "customtabwidget.h"
#include "mainpage.h"
#include "pathidentity.h"
#include "settingskeys.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {} // namespace

namespace LastSession {

bool reopensAtStart()
{
    return QSettings().value(settingskeys::ReopenAtStart, false).toBool();
}

void setReopensAtStart(bool reopen)
{
    QSettings().setValue(settingskeys::ReopenAtStart, reopen);
}

Documents saved()
{
    const QSettings settings;
    Documents documents;
    documents.paths = settings.value(settingskeys::SessionDocuments).toStringList();
    documents.current = settings.value(settingskeys::SessionCurrent, -1).toInt();
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
    settings.setValue(settingskeys::SessionDocuments, documents.paths);
    settings.setValue(settingskeys::SessionCurrent, documents.current);
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
