#include "officetoolpage.h"

#include "filedropzonewidget.h"
#include "iconbutton.h"
#include "kitstyle.h"
#include "modernmessagebox.h"
#include "tooloptionspanel.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

OfficeToolPage::OfficeToolPage(QWidget *parent)
    : QWidget(parent)
{}

void OfficeToolPage::setUp(const QString &prompt, ToolOptionsPanel *panel)
{
    m_dropZone = new FileDropZoneWidget(this);
    m_dropZone->setPromptText(prompt);

    auto *separator = new QLabel(this);
    separator->setObjectName(u"toolPageSeparator"_s);
    separator->setFixedWidth(1);
    separator->setStyleSheet(KitStyle::dividerStyle());

    m_panel = panel;
    m_panel->setParent(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_dropZone);
    layout->addWidget(separator);
    layout->addWidget(m_panel);
    connect(m_panel->startButton(), &IconButton::clicked, this, &OfficeToolPage::onStart);
}

void OfficeToolPage::onStart()
{
    ModernMessageBox::showInformation(this, tr("无法转换 Office 文件"),
                                      tr("此版本不提供 Office 文件的转换功能。"));
}
