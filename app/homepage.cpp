#include "homepage.h"

#include "recentfilespage.h"
#include "revealinfolder.h"
#include "sidenavigationbar.h"
#include "theme.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

HomePage::HomePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"homePage"_s);

    m_navigationBar = new SideNavigationBar(this);
    m_recentFilesPage = new RecentFilesPage(this);

    auto *divider = new QLabel(this);
    divider->setObjectName(u"homeDivider"_s);
    divider->setFixedWidth(1);
    divider->setStyleSheet(u"QLabel{background-color:%1;}"_s.arg(Theme::homeDivider));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigationBar);
    layout->addWidget(divider);
    layout->addWidget(m_recentFilesPage);

    connect(m_navigationBar, &SideNavigationBar::toolClicked, this, &HomePage::toolClicked);
    connect(m_navigationBar, &SideNavigationBar::openFile, this, &HomePage::openFile);
    connect(m_recentFilesPage, &RecentFilesPage::fileClicked, this, &HomePage::fileClicked);
    connect(m_recentFilesPage, &RecentFilesPage::showInFolderRequested, this,
            [](const QString &path) { RevealInFolder::reveal(path); });
}

void HomePage::recordOpenedFile(const QString &filePath)
{
    m_recentFilesPage->add(filePath);
}
