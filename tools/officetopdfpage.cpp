#include "officetopdfpage.h"

#include "officetopdfoptionspanel.h"

using namespace Qt::StringLiterals;

OfficeToPdfPage::OfficeToPdfPage(QWidget *parent)
    : OfficeToolPage(parent)
{
    setObjectName(u"officeToPdfPage"_s);
    setUp(tr("添加或拖拽文件进行转换。"), new OfficeToPdfOptionsPanel);
}
