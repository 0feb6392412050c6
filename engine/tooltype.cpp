#include "tooltype.h"

#include <QCoreApplication>

#include <iterator>

namespace ToolType {
namespace {

// The texts keep the translation contexts of the widgets that show them.
constexpr Info table[] = {
    {.type = Compress,
     .task = TaskType::Compress,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "压缩PDF"),
     .navigationIcon = ":/res/icons/modern/compress-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "压缩PDF"),
     .tabIcon = ":/res/icons/modern/compress.png",
     .viewerId = "compress",
     .rewritesPdf = true,
     .verb = "compress",
     .verbHelp = QT_TRANSLATE_NOOP("CommandLine", "不打开窗口，压缩 PDF 文件，写入新文件。")},
    {.type = PdfToOffice,
     .task = TaskType::PdfToOffice,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "PDF 转为 Office"),
     .navigationIcon = ":/res/icons/modern/convert-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "PDF转为Office"),
     .tabIcon = ":/res/icons/modern/convert.png",
     .output = Output::OfficeFile,
     .convertTo = "docx=0|xlsx=1|pptx=2"},
    {.type = OfficeToPdf,
     .task = TaskType::OfficeToPdf,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "Office 转为 PDF"),
     .navigationIcon = ":/res/icons/modern/convert-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "Office转为PDF"),
     .tabIcon = ":/res/icons/modern/convert.png",
     .intake = Intake::Office,
     .ownProcesses = true,
     .convertTo = "pdf=0"},
    {.type = PdfToImages,
     .task = TaskType::PdfToImage,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "PDF 转为图像"),
     .navigationIcon = ":/res/icons/modern/image-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "PDF转为图像"),
     .tabIcon = ":/res/icons/modern/image.png",
     .viewerId = "images",
     .carries = Carries::List,
     .output = Output::ImageFolder,
     .verb = "to-images",
     .verbHelp = QT_TRANSLATE_NOOP("CommandLine",
                                   "不打开窗口，把 PDF 的每一页存为图像，每个文件一个文件夹。")},
    {.type = ImageToPdf,
     .task = TaskType::ImageToPdf,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "图像转 PDF"),
     .navigationIcon = ":/res/icons/modern/image-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "图像转PDF"),
     .tabIcon = ":/res/icons/modern/image.png",
     .intake = Intake::Images,
     .jobs = Jobs::WholeListWhenSinglePdf,
     .carries = Carries::List,
     .verb = "images-to-pdf",
     .verbHelp = QT_TRANSLATE_NOOP("CommandLine", "不打开窗口，把图像（JPEG、PNG）转为 PDF。")},
    {.type = Encrypt,
     .task = TaskType::Encrypt,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "加密PDF"),
     .navigationIcon = ":/res/icons/modern/encrypt-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "PDF加密"),
     .tabIcon = ":/res/icons/modern/encrypt.png",
     .viewerId = "encrypt",
     .carries = Carries::Both,
     .output = Output::NamedByEngine,
     .rewritesPdf = true,
     .takesPassword = true,
     .verb = "encrypt",
     .verbHelp = QT_TRANSLATE_NOOP(
         "CommandLine", "不打开窗口，用 --password 给出的密码保护 PDF 文件，写入新文件。")},
    {.type = Decrypt,
     .task = TaskType::Decrypt,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "解锁PDF"),
     .navigationIcon = ":/res/icons/modern/decrypt-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "PDF解密"),
     .tabIcon = ":/res/icons/modern/decrypt.png",
     .viewerId = "decrypt",
     .output = Output::NamedByEngine,
     .rewritesPdf = true,
     .takesPassword = true,
     .verb = "unlock",
     .verbHelp = QT_TRANSLATE_NOOP(
         "CommandLine", "不打开窗口，用 --password 给出的密码去除 PDF 文件的保护，写入新文件。")},
    {.type = Merge,
     .task = TaskType::Merge,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "合并PDF"),
     .navigationIcon = ":/res/icons/modern/merge-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "合并PDF"),
     .tabIcon = ":/res/icons/modern/merge.png",
     .jobs = Jobs::WholeList,
     .listName = "pdf_merge",
     .rewritesPdf = true,
     .verb = "merge",
     .verbHelp =
         QT_TRANSLATE_NOOP("CommandLine", "不打开窗口，按给出的顺序把 PDF 文件合并为一个。")},
    {.type = RecognizeText,
     .task = TaskType::RecognizeText,
     .navigationText = QT_TRANSLATE_NOOP("SideNavigationBar", "文字识别"),
     .navigationIcon = ":/res/icons/modern/ocr-big.png",
     .tabText = QT_TRANSLATE_NOOP("MainPage", "文字识别"),
     .tabIcon = ":/res/icons/modern/ocr.png",
     .viewerId = "ocr",
     .rewritesPdf = true,
     .verb = "ocr",
     .verbHelp =
         QT_TRANSLATE_NOOP("CommandLine", "不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。")},
};

constexpr Option options[] = {
    {Compress, "level", QT_TRANSLATE_NOOP("CommandLine", "压缩程度：basic（默认）或 strong。"),
     QT_TRANSLATE_NOOP("CommandLine", "程度"), TaskOption::CompressLevel, "basic=0|strong=1"},
    {PdfToImages, "format", QT_TRANSLATE_NOOP("CommandLine", "图像格式：jpg（默认）或 png。"),
     QT_TRANSLATE_NOOP("CommandLine", "格式"), TaskOption::ImageFormat, "jpg=2|png=3"},
    {ImageToPdf, "one-pdf", QT_TRANSLATE_NOOP("CommandLine", "所有图像写入一个 PDF。"), nullptr,
     TaskOption::SinglePdf, nullptr},
    {ImageToPdf, "page-size", QT_TRANSLATE_NOOP("CommandLine", "页面大小：a4（默认）或 letter。"),
     QT_TRANSLATE_NOOP("CommandLine", "大小"), TaskOption::PageSize, "a4=0|letter=1"},
    {ImageToPdf, "margin",
     QT_TRANSLATE_NOOP("CommandLine", "页边距：none（默认）、narrow 或 wide。"),
     QT_TRANSLATE_NOOP("CommandLine", "边距"), TaskOption::PageMargin, "none=0|narrow=1|wide=2"},
    {ImageToPdf, "orientation",
     QT_TRANSLATE_NOOP("CommandLine", "页面方向：portrait（默认）或 landscape。"),
     QT_TRANSLATE_NOOP("CommandLine", "方向"), TaskOption::PageOrientation,
     "portrait=0|landscape=1"},
    {Merge, "blank-pages", QT_TRANSLATE_NOOP("CommandLine", "在文件之间插入一页空白页。"), nullptr,
     TaskOption::InsertBlankPages, nullptr},
    {RecognizeText, "lang", QT_TRANSLATE_NOOP("CommandLine", "文字识别的语言，例如 eng+chi_sim。"),
     QT_TRANSLATE_NOOP("CommandLine", "语言"), TaskOption::OcrLanguages, nullptr},
    {RecognizeText, "force", QT_TRANSLATE_NOOP("CommandLine", "已有文字的页面也重新识别。"),
     nullptr, TaskOption::ForceRecognition, nullptr},
};

} // namespace

const Option *optionsBegin()
{
    return std::begin(options);
}

const Option *optionsEnd()
{
    return std::end(options);
}

QVariant optionValue(const char *values, QStringView value)
{
    for (const QString &entry : QString::fromLatin1(values).split(u'|')) {
        const qsizetype equals = entry.indexOf(u'=');
        if (QStringView(entry).left(equals).compare(value, Qt::CaseInsensitive) == 0)
            return entry.mid(equals + 1).toInt();
    }
    return {};
}

QStringList optionValueNames(const char *values)
{
    QStringList names;
    for (const QString &entry : QString::fromLatin1(values).split(u'|'))
        names.append(entry.section(u'=', 0, 0));
    return names;
}

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

const Info *forTask(int taskType)
{
    for (const Info &row : table) {
        if (row.task == taskType)
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
