#include "pdftoofficepage.h"

#include "pdftoofficeoptionspanel.h"

using namespace Qt::StringLiterals;

PdfToOfficePage::PdfToOfficePage(QWidget *parent)
    : OfficeToolPage(parent)
{
    setObjectName(u"pdfToOfficePage"_s);
    setUp(tr("从你的桌面上添加或拖放PDF文件，开始转换。"), new PdfToOfficeOptionsPanel);
}
