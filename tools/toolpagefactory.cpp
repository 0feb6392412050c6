#include "toolpagefactory.h"

#include "imagetopdfpage.h"
#include "officetopdfpage.h"
#include "pdfcompresspage.h"
#include "pdfconvertpage.h"
#include "pdfdecrypage.h"
#include "pdfencrypage.h"
#include "pdfmergepage.h"
#include "pdftoofficepage.h"

namespace ToolPageFactory {

QWidget *create(int toolType, QWidget *parent)
{
    switch (toolType) {
    case 1:
        return new PdfCompressPage(parent);
    case 2:
        return new PdfToOfficePage(parent);
    case 3:
        return new OfficeToPdfPage(parent);
    case 4:
        return new ImageToPdfPage(parent);
    case 5:
        return new PdfConvertPage(parent);
    case 6:
        return new PdfDecryPage(parent);
    case 7:
        return new PdfEncryPage(parent);
    case 8:
        return new PdfMergePage(parent);
    default:
        return nullptr;
    }
}

bool addFile(QWidget *page, const QString &path)
{
    if (auto *compress = qobject_cast<PdfCompressPage *>(page))
        compress->addFile(path);
    else if (auto *convert = qobject_cast<PdfConvertPage *>(page))
        convert->addFile(path);
    else if (auto *decrypt = qobject_cast<PdfDecryPage *>(page))
        decrypt->addFile(path);
    else if (auto *encrypt = qobject_cast<PdfEncryPage *>(page))
        encrypt->addFile(path);
    else
        return false;
    return true;
}

} // namespace ToolPageFactory
