#include "officetopdfoptionspanel.h"

#include "kitstyle.h"

#include <QLabel>

using namespace Qt::StringLiterals;

OfficeToPdfOptionsPanel::OfficeToPdfOptionsPanel(QWidget *parent)
    : ToolOptionsPanel(tr("Office转为PDF"), tr("转换"), Location::WithSourceFolder, parent)
{
    setObjectName(u"officeToPdfOptionsPanel"_s);
    addSpacing(10);
    auto *description = new QLabel(tr("将 Word、PowerPoint 和 Excel 文件转换为 PDF"), this);
    description->setObjectName(u"officeDescription"_s);
    description->setWordWrap(true);
    description->setFont(KitStyle::font(KitStyle::Regular16, font()));
    description->setStyleSheet(KitStyle::plainLabelStyle());
    addControl(description);
}
