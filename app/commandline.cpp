#include "commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString absolutePath(const QString &argument, const QString &workingFolder)
{
    // File managers may hand over URLs; only local ones name a file we can open.
    if (argument.startsWith(u"file:"_s, Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return QDir::cleanPath(url.toLocalFile());
    }
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
}

} // namespace

QString CommandLine::versionText()
{
    return u"velmora %1"_s.arg(QStringLiteral(VELMORA_VERSION));
}

CommandLine CommandLine::parse(const QStringList &arguments, const QString &workingFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("阅读 PDF、整理页面并批量处理 PDF 文件。"));
    const QCommandLineOption help({u"h"_s, u"?"_s, u"help"_s}, tr("显示此帮助并退出。"));
    const QCommandLineOption version({u"v"_s, u"version"_s}, tr("显示版本并退出。"));
    const QCommandLineOption page({u"p"_s, u"page"_s}, tr("第一个文件从第 <页码> 页打开。"),
                                  tr("页码"));
    const QCommandLineOption newWindow(u"new-window"_s,
                                       tr("打开一个新窗口，不把文件交给已在运行的 Velmora。"));
    const QCommandLineOption convertTo(
        u"convert-to"_s, tr("不打开窗口，把文件转换为 <格式>（pdf、docx、xlsx、pptx）。"),
        tr("格式"));
    const QCommandLineOption outdir(u"outdir"_s, tr("转换结果写入 <文件夹>。"), tr("文件夹"));
    parser.addOptions({help, version, page, newWindow, convertTo, outdir});
    parser.addPositionalArgument(tr("文件"), tr("要打开的 PDF 文件，可以有多个。"), tr("[文件…]"));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = Action::Error;
        line.message = parser.errorText();
        return line;
    }
    if (parser.isSet(help)) {
        line.action = Action::Help;
        line.message = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = Action::Version;
        line.message = versionText();
        return line;
    }
    line.newWindow = parser.isSet(newWindow);
    for (const QString &argument : parser.positionalArguments()) {
        if (!argument.isEmpty())
            line.files.append(absolutePath(argument, workingFolder));
    }
    if (parser.isSet(convertTo)) {
        const QString format = parser.value(convertTo).toLower();
        const QStringList files = line.files;
        line = CommandLine();
        line.action = Action::Error;
        static const QStringList formats = {u"pdf"_s, u"docx"_s, u"xlsx"_s, u"pptx"_s};
        if (!formats.contains(format))
            line.message = tr("不支持转换为此格式：%1").arg(parser.value(convertTo));
        else if (files.isEmpty())
            line.message = tr("--convert-to 需要要转换的文件。");
        else if (parser.isSet(outdir) && parser.value(outdir).isEmpty())
            line.message = tr("--outdir 需要一个文件夹。");
        else {
            line.action = Action::Convert;
            line.convertTo = format;
            line.files = files;
            if (parser.isSet(outdir))
                line.outputFolder = absolutePath(parser.value(outdir), workingFolder);
        }
        return line;
    }
    if (parser.isSet(outdir)) {
        line = CommandLine();
        line.action = Action::Error;
        line.message = tr("--outdir 只能与 --convert-to 一起使用。");
        return line;
    }
    if (parser.isSet(page)) {
        bool ok = false;
        const QString value = parser.value(page);
        line.page = value.toInt(&ok);
        if (!ok || line.page < 1) {
            line = CommandLine();
            line.action = Action::Error;
            line.message = tr("页码必须是正整数：%1").arg(value);
        } else if (line.files.isEmpty()) {
            line = CommandLine();
            line.action = Action::Error;
            line.message = tr("--page 需要一个要打开的文件。");
        }
    }
    return line;
}
