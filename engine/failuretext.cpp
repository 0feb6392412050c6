#include "failuretext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString fileName(const QString &path)
{
    const QString name = QFileInfo(QDir::fromNativeSeparators(path)).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

// The texts keep the translation contexts of the places that showed them first.
QString failureText(BatchFailure failure, const QString &argument)
{
    const QString name = fileName(argument);
    switch (failure) {
    case BatchFailure::SourceMissing:
        return argument.isEmpty()
                   ? QCoreApplication::translate("Worklane", "找不到源文件")
                   : QCoreApplication::translate("Worklane", "找不到文件：%1").arg(name);
    case BatchFailure::NotPdf:
        return argument.isEmpty()
                   ? QCoreApplication::translate("Worklane", "有文件不是PDF文件或已损坏")
                   : QCoreApplication::translate("Worklane", "不是PDF文件或文件已损坏：%1")
                         .arg(name);
    case BatchFailure::PasswordRequired:
        return QCoreApplication::translate("Worklane", "文件受密码保护，需要密码：%1").arg(name);
    case BatchFailure::WrongPassword:
        return QCoreApplication::translate("Worklane", "密码不正确");
    case BatchFailure::EmptyPassword:
        return QCoreApplication::translate("Worklane", "未输入密码");
    case BatchFailure::UnreadableImage:
        return QCoreApplication::translate("Worklane", "无法读取图像：%1").arg(name);
    case BatchFailure::ImageTooLarge:
        return QCoreApplication::translate("Worklane", "图像太大，无法转换：%1").arg(name);
    case BatchFailure::NoSpace:
        return QCoreApplication::translate("Worklane", "磁盘空间不足");
    case BatchFailure::NoPermission:
        return QCoreApplication::translate("Worklane", "没有写入权限：%1")
            .arg(QDir::toNativeSeparators(argument));
    case BatchFailure::OutputFolderMissing:
        return QCoreApplication::translate("Worklane", "输出文件夹不存在");
    case BatchFailure::WriteFailed:
        return QCoreApplication::translate("Worklane", "无法写入输出文件");
    case BatchFailure::NoPages:
        return QCoreApplication::translate("Worklane", "文档没有页面");
    case BatchFailure::NoImages:
        return QCoreApplication::translate("Worklane", "文档中没有可提取的图像");
    case BatchFailure::OutputIsInput:
        return QCoreApplication::translate("Worklane", "输出会覆盖源文件：%1").arg(name);
    case BatchFailure::OutOfMemory:
        return QCoreApplication::translate("Worklane", "内存不足");
    case BatchFailure::NoFreeName:
        return QCoreApplication::translate("Worklane", "找不到可用的文件名");
    case BatchFailure::Cancelled:
        return QCoreApplication::translate("Worklane", "已取消");
    case BatchFailure::NotProtected:
        return QCoreApplication::translate("Worklane", "此文件没有密码");
    case BatchFailure::OwnerPasswordRequired:
        return QCoreApplication::translate("Worklane", "更改此文件的保护需要其所有者密码：%1")
            .arg(name);
    case BatchFailure::OfficeMissing:
        return QCoreApplication::translate("Worklane", "未找到 LibreOffice，请先安装");
    case BatchFailure::OfficeUnreadable:
        return QCoreApplication::translate("Worklane", "文件已损坏或受密码保护");
    case BatchFailure::ConversionTimedOut:
        return QCoreApplication::translate("Worklane", "转换超时");
    case BatchFailure::ConversionFailed:
        return QCoreApplication::translate("Worklane", "转换失败：%1").arg(name);
    case BatchFailure::UnsupportedFormat:
        return QCoreApplication::translate("Worklane", "不支持的文件类型：%1").arg(name);
    case BatchFailure::RecognitionDataMissing:
        return argument.isEmpty()
                   ? QCoreApplication::translate(
                         "Worklane", "未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包")
                   : QCoreApplication::translate(
                         "Worklane", "未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）")
                         .arg(argument, argument.toLower().replace(u'_', u'-'));
    case BatchFailure::RecognitionFailed:
        return QCoreApplication::translate("Worklane", "文字识别失败：%1").arg(name);
    case BatchFailure::AlreadySearchable:
        return QCoreApplication::translate("Worklane", "每页都已有文字，无需识别：%1").arg(name);
    case BatchFailure::EmptyFile:
        return QCoreApplication::translate("Worklane", "文件是空的：%1").arg(name);
    case BatchFailure::PdfNotOffice:
        return QCoreApplication::translate("Worklane", "这是PDF文件，不是Office文档：%1").arg(name);
    case BatchFailure::None:
    case BatchFailure::Unknown:
        break;
    }
    return QCoreApplication::translate("Worklane", "处理时出错");
}

QString failureText(PdfBackendError error)
{
    switch (error) {
    case PdfBackendError::FileNotFound:
        return QCoreApplication::translate("PdfViewerWidget", "文件不存在或已被移动。");
    case PdfBackendError::PasswordRequired:
        return QCoreApplication::translate("PdfViewerWidget", "PDF 需要密码。");
    case PdfBackendError::WrongPassword:
        return QCoreApplication::translate("PdfViewerWidget", "PDF 密码错误。");
    case PdfBackendError::CorruptOrUnsupported:
        return QCoreApplication::translate("PdfViewerWidget", "PDF 已损坏或格式不受支持。");
    case PdfBackendError::RenderFailed:
        return QCoreApplication::translate("PdfViewerWidget", "页面渲染失败。");
    case PdfBackendError::WriteFailed:
        return QCoreApplication::translate("PdfViewerWidget",
                                           "无法写入目标文件，请检查权限和磁盘空间。");
    default:
        return QCoreApplication::translate("PdfViewerWidget", "操作未完成。");
    }
}
