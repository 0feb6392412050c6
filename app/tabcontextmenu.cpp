#include "tabcontextmenu.h"

#include "customtabbar.h"
#include "customtabwidget.h"
#include "revealinfolder.h"
#include "roundedpopupmenu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace TabContextMenu {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TabContextMenu)
};

void closeOthers(CustomTabWidget *tabs, QWidget *keep)
{
    for (int i = tabs->count() - 1; i >= 0; --i) {
        QPointer<QWidget> page = tabs->widget(i);
        const auto *bar = static_cast<CustomTabBar *>(tabs->tabBar());
        if (page == keep || bar->isHomeTab(i))
            continue;
        tabs->requestCloseTab(i);
        // A tab kept when asked about its changes stops the rest: the user cancelled.
        if (page && tabs->indexOf(page) >= 0)
            return;
    }
}

} // namespace

QMenu *build(CustomTabWidget *tabs, int index, const PathOf &pathOf)
{
    auto *menu = new RoundedPopupMenu(tabs);
    menu->setObjectName(u"tabContextMenu"_s);
    QPointer<QWidget> page = tabs->widget(index);
    const auto *bar = static_cast<CustomTabBar *>(tabs->tabBar());

    QAction *close = menu->addAction(Texts::tr("关闭"), tabs, [tabs, page] {
        if (page)
            tabs->requestCloseTab(tabs->indexOf(page));
    });
    close->setObjectName(u"tabCloseAction"_s);
    close->setEnabled(!bar->isHomeTab(index));
    QAction *others = menu->addAction(Texts::tr("关闭其他标签页"), tabs,
                                      [tabs, page] { closeOthers(tabs, page); });
    others->setObjectName(u"tabCloseOthersAction"_s);
    int closable = 0;
    for (int i = 0; i < tabs->count(); ++i)
        closable += i != index && !bar->isHomeTab(i);
    others->setEnabled(closable > 0);

    const QString path = page ? pathOf(page) : QString();
    if (!path.isEmpty()) {
        menu->addSeparator();
        QAction *reveal = menu->addAction(Texts::tr("在文件夹中显示"), tabs,
                                          [path] { RevealInFolder::reveal(path); });
        reveal->setObjectName(u"tabRevealAction"_s);
        QAction *copy = menu->addAction(Texts::tr("复制文件路径"), tabs, [path] {
            QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(path));
        });
        copy->setObjectName(u"tabCopyPathAction"_s);
    }
    return menu;
}

void install(CustomTabWidget *tabs, PathOf pathOf)
{
    QTabBar *bar = tabs->tabBar();
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(bar, &QWidget::customContextMenuRequested, tabs,
                     [tabs, bar, pathOf](const QPoint &position) {
                         const int index = bar->tabAt(position);
                         if (index < 0)
                             return;
                         QMenu *menu = build(tabs, index, pathOf);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(bar->mapToGlobal(position));
                     });
}

} // namespace TabContextMenu
