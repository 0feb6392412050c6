#include "officetopdfpage.h"

#include "filedropzonewidget.h"
#include "iconbutton.h"
#include "kitstyle.h"
#include "modernmessagebox.h"
#include "officetopdfoptionspanel.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

OfficeToPdfPage::OfficeToPdfPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"officeToPdfPage"_s);
    m_dropZone = new FileDropZoneWidget(this);
    m_dropZone->setPromptText(tr("添加或拖拽文件进行转换。"));

    auto *separator = new QLabel(this);
    separator->setObjectName(u"toolPageSeparator"_s);
    separator->setFixedWidth(1);
    separator->setStyleSheet(KitStyle::dividerStyle());

    m_panel = new OfficeToPdfOptionsPanel(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_dropZone);
    layout->addWidget(separator);
    layout->addWidget(m_panel);
    connect(m_panel->startButton(), &IconButton::clicked, this, &OfficeToPdfPage::onStart);
}

void OfficeToPdfPage::onStart()
{
    ModernMessageBox::showInformation(this, tr("无法转换 Office 文件"),
                                      tr("此版本不提供 Office 文件的转换功能。"));
}
