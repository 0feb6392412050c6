#include "toolpages.h"

#include "imagetopdfoptionspanel.h"
#include "inkwell.h"
#include "officetopdfoptionspanel.h"
#include "pdfcompressoptionspanel.h"
#include "pdfconvertoptionspanel.h"
#include "pdfdecryoptionspanel.h"
#include "pdfencryoptionspanel.h"
#include "pdfmergeoptionspanel.h"
#include "pdftoofficeoptionspanel.h"
#include "textrecognitionoptionspanel.h"
#include "toolpagefactory.h"
#include "tooltype.h"

using namespace Qt::StringLiterals;

PdfCompressPage::PdfCompressPage(QWidget *parent)
    : BatchToolPage(ToolType::Compress, new PdfCompressOptionsPanel, parent)
{
    setObjectName(u"pdfCompressPage"_s);
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始压缩。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

PdfToOfficePage::PdfToOfficePage(QWidget *parent)
    : BatchToolPage(ToolType::PdfToOffice, new PdfToOfficeOptionsPanel, parent)
{
    setObjectName(u"pdfToOfficePage"_s);
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始转换。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

OfficeToPdfPage::OfficeToPdfPage(QWidget *parent)
    : BatchToolPage(ToolType::OfficeToPdf, new OfficeToPdfOptionsPanel, parent)
{
    setObjectName(u"officeToPdfPage"_s);
    QStringList patterns;
    for (const QString &suffix : Inkwell::officeSuffixes())
        patterns.append(u"*."_s + suffix);
    setIntake(tr("添加或拖拽文件进行转换。"), tr("Office 文件 (%1)").arg(patterns.join(u' ')),
              tr("选择 Office 文件"));
}

ImageToPdfPage::ImageToPdfPage(QWidget *parent)
    : BatchToolPage(ToolType::ImageToPdf, new ImageToPdfOptionsPanel, parent)
{
    setObjectName(u"imageToPdfPage"_s);
    setIntake(tr("添加或拖拽图像文件进行转换。"), tr("图像文件 (*.jpg *.jpeg *.png)"),
              tr("选择图片"));
}

PdfConvertPage::PdfConvertPage(QWidget *parent)
    : BatchToolPage(ToolType::PdfToImages, new PdfConvertOptionsPanel, parent)
{
    setObjectName(u"pdfConvertPage"_s);
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始转换。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

PdfDecryPage::PdfDecryPage(QWidget *parent)
    : BatchToolPage(ToolType::Decrypt, new PdfDecryOptionsPanel, parent)
{
    setObjectName(u"pdfDecryPage"_s);
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始解密。"));
    setPasswordCheck(FileProtectionCheck::Ask::AnyPassword);
}

PdfEncryPage::PdfEncryPage(QWidget *parent)
    : BatchToolPage(ToolType::Encrypt, new PdfEncryOptionsPanel, parent)
{
    setObjectName(u"pdfEncryPage"_s);
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始加密。"));
    setPasswordCheck(FileProtectionCheck::Ask::OwnerPassword);
}

PdfMergePage::PdfMergePage(QWidget *parent)
    : BatchToolPage(ToolType::Merge, new PdfMergeOptionsPanel, parent)
{
    setObjectName(u"pdfMergePage"_s);
    setIntake(tr("从你的桌面上添加或拖放PDF文件，开始合并。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

TextRecognitionPage::TextRecognitionPage(QWidget *parent)
    : BatchToolPage(ToolType::RecognizeText, new TextRecognitionOptionsPanel, parent)
{
    setObjectName(u"textRecognitionPage"_s);
    setIntake(tr("从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。"));
    setPasswordCheck(FileProtectionCheck::Ask::OpenPassword);
}

namespace ToolPageFactory {
namespace {

template<typename Page> QWidget *make(QWidget *parent)
{
    return new Page(parent);
}

// The page of each tool type of the tool table.
constexpr struct
{
    int type;
    QWidget *(*make)(QWidget *parent);
} pages[] = {
    {ToolType::Compress, make<PdfCompressPage>},
    {ToolType::PdfToOffice, make<PdfToOfficePage>},
    {ToolType::OfficeToPdf, make<OfficeToPdfPage>},
    {ToolType::ImageToPdf, make<ImageToPdfPage>},
    {ToolType::PdfToImages, make<PdfConvertPage>},
    {ToolType::Decrypt, make<PdfDecryPage>},
    {ToolType::Encrypt, make<PdfEncryPage>},
    {ToolType::Merge, make<PdfMergePage>},
    {ToolType::RecognizeText, make<TextRecognitionPage>},
};

} // namespace

QWidget *create(int toolType, QWidget *parent)
{
    for (const auto &row : pages) {
        if (row.type == toolType)
            return row.make(parent);
    }
    return nullptr;
}

bool addFile(QWidget *page, const QString &path)
{
    auto *tool = qobject_cast<BatchToolPage *>(page);
    if (!tool || !tool->tool().viewerId)
        return false;
    tool->addFile(path);
    return true;
}

} // namespace ToolPageFactory
