#include "tooltype.h"

#include <QCoreApplication>

#include <iterator>

namespace ToolType {
namespace {

// The texts keep the translation contexts of the widgets that show them.
constexpr Info table[] = {
    {Compress, QT_TRANSLATE_NOOP("SideNavigationBar", "压缩PDF"),
     ":/res/icons/modern/compress-big.png", QT_TRANSLATE_NOOP("MainPage", "压缩PDF"),
     ":/res/icons/modern/compress.png", "compress"},
    {PdfToOffice, QT_TRANSLATE_NOOP("SideNavigationBar", "PDF 转为 Office"),
     ":/res/icons/modern/convert-big.png", QT_TRANSLATE_NOOP("MainPage", "PDF转为Office"),
     ":/res/icons/modern/convert.png", nullptr},
    {OfficeToPdf, QT_TRANSLATE_NOOP("SideNavigationBar", "Office 转为 PDF"),
     ":/res/icons/modern/convert-big.png", QT_TRANSLATE_NOOP("MainPage", "Office转为PDF"),
     ":/res/icons/modern/convert.png", nullptr},
    {PdfToImages, QT_TRANSLATE_NOOP("SideNavigationBar", "PDF 转为图像"),
     ":/res/icons/modern/image-big.png", QT_TRANSLATE_NOOP("MainPage", "PDF转为图像"),
     ":/res/icons/modern/image.png", "images"},
    {ImageToPdf, QT_TRANSLATE_NOOP("SideNavigationBar", "图像转 PDF"),
     ":/res/icons/modern/image-big.png", QT_TRANSLATE_NOOP("MainPage", "图像转PDF"),
     ":/res/icons/modern/image.png", nullptr},
    {Encrypt, QT_TRANSLATE_NOOP("SideNavigationBar", "加密PDF"),
     ":/res/icons/modern/encrypt-big.png", QT_TRANSLATE_NOOP("MainPage", "PDF加密"),
     ":/res/icons/modern/encrypt.png", "encrypt"},
    {Decrypt, QT_TRANSLATE_NOOP("SideNavigationBar", "解锁PDF"),
     ":/res/icons/modern/decrypt-big.png", QT_TRANSLATE_NOOP("MainPage", "PDF解密"),
     ":/res/icons/modern/decrypt.png", "decrypt"},
    {Merge, QT_TRANSLATE_NOOP("SideNavigationBar", "合并PDF"), ":/res/icons/modern/merge-big.png",
     QT_TRANSLATE_NOOP("MainPage", "合并PDF"), ":/res/icons/modern/merge.png", nullptr},
    {RecognizeText, QT_TRANSLATE_NOOP("SideNavigationBar", "文字识别"),
     ":/res/icons/modern/ocr-big.png", QT_TRANSLATE_NOOP("MainPage", "文字识别"),
     ":/res/icons/modern/ocr.png", "ocr"},
};

} // namespace

QString Info::navigationLabel() const
{
    return QCoreApplication::translate("SideNavigationBar", navigationText);
}

QString Info::tabLabel() const
{
    return QCoreApplication::translate("MainPage", tabText);
}

const Info *begin()
{
    return std::begin(table);
}

const Info *end()
{
    return std::end(table);
}

const Info *info(int type)
{
    for (const Info &row : table) {
        if (row.type == type)
            return &row;
    }
    return nullptr;
}

const Info *forViewerId(QStringView id)
{
    for (const Info &row : table) {
        if (row.viewerId && id == QLatin1StringView(row.viewerId))
            return &row;
    }
    return nullptr;
}

} // namespace ToolType
