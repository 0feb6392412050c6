#include "sidenavigationbar.h"

#include "dialogseam.h"
#include "iconbutton.h"
#include "sidebardelegate.h"
#include "sidebarmodel.h"
#include "theme.h"
#include "tooltype.h"

#include <QIcon>
#include <QListView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SideNavigationBar::SideNavigationBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"sideNavigationBar"_s);
    setAttribute(Qt::WA_StyledBackground);
    setFixedWidth(236);

    m_listView = new QListView(this);
    m_listView->setObjectName(u"sideNavigationList"_s);
    m_model = new SidebarModel(this);
    m_delegate = new SidebarDelegate(this);
    m_listView->setMouseTracking(true);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setFrameShape(QFrame::NoFrame);
    m_listView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setModel(m_model);
    m_listView->setItemDelegate(m_delegate);

    m_openButton = new IconButton(tr(" 打开"), this);
    m_openButton->setObjectName(u"openFileButton"_s);
    m_openButton->setFixedHeight(40);
    m_openButton->setBackgroundColor(Theme::color(Theme::accent));
    m_openButton->setHoverColor(Theme::color(Theme::accentHover));
    m_openButton->setPixmap(QIcon(u":/res/icons/modern/addfile.png"_s).pixmap(32, 32));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 16, 12, 16);
    layout->setSpacing(6);
    layout->addWidget(m_openButton);
    layout->addSpacing(6);
    layout->addWidget(m_listView);

    setStyleSheet(u"SideNavigationBar{background:%1;}"
                  u"QListView{background:transparent;border:none;outline:none;}"_s.arg(
                      Theme::windowBackground));

    fillModel();

    connect(m_listView, &QListView::clicked, this, &SideNavigationBar::onItemClicked);
    connect(m_openButton, &QPushButton::clicked, this, &SideNavigationBar::onOpenClicked);
}

void SideNavigationBar::fillModel()
{
    const auto icon = [](const QString &name) {
        return QIcon(u":/res/icons/modern/%1.png"_s.arg(name));
    };
    m_model->addItem(SidebarModel::Header, tr("文件"));
    m_model->addItem(SidebarModel::Destination, tr("全部文档"), icon(u"documents-big"_s));
    m_model->addItem(SidebarModel::Header, tr("工具"));
    for (const ToolType::Info *tool = ToolType::begin(); tool != ToolType::end(); ++tool) {
        m_model->addItem(SidebarModel::Tool, tool->navigationLabel(),
                         QIcon(QString::fromLatin1(tool->navigationIcon)), tool->type);
    }
}

void SideNavigationBar::onItemClicked(const QModelIndex &index)
{
    Q_EMIT toolClicked(index.data(SidebarModel::ToolTypeRole).toInt());
}

void SideNavigationBar::onOpenClicked()
{
    const QString path =
        DialogSeam::getOpenFileName(this, tr("打开 PDF 文件"), QString(), tr("PDF 文件 (*.pdf)"));
    if (!path.isEmpty())
        Q_EMIT openFile(path);
}
