#include "toolpagefactory.h"

#include "imagetopdfpage.h"
#include "officetopdfpage.h"
#include "pdfcompresspage.h"
#include "pdfconvertpage.h"
#include "pdfdecrypage.h"
#include "pdfencrypage.h"
#include "pdfmergepage.h"
#include "pdftoofficepage.h"
#include "textrecognitionpage.h"
#include "tooltype.h"

namespace ToolPageFactory {

QWidget *create(int toolType, QWidget *parent)
{
    switch (toolType) {
    case ToolType::Compress:
        return new PdfCompressPage(parent);
    case ToolType::PdfToOffice:
        return new PdfToOfficePage(parent);
    case ToolType::OfficeToPdf:
        return new OfficeToPdfPage(parent);
    case ToolType::ImageToPdf:
        return new ImageToPdfPage(parent);
    case ToolType::PdfToImages:
        return new PdfConvertPage(parent);
    case ToolType::Decrypt:
        return new PdfDecryPage(parent);
    case ToolType::Encrypt:
        return new PdfEncryPage(parent);
    case ToolType::Merge:
        return new PdfMergePage(parent);
    case ToolType::RecognizeText:
        return new TextRecognitionPage(parent);
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
    else if (auto *recognise = qobject_cast<TextRecognitionPage *>(page))
        recognise->addFile(path);
    else
        return false;
    return true;
}

} // namespace ToolPageFactory
