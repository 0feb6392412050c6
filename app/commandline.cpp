#include "commandline.h"

#include "inkwell.h"
#include "tooltype.h"

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

QString dashed(const char *name)
{
    return u"--"_s + QLatin1StringView(name);
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
    const QCommandLineOption password(
        u"password"_s, tr("从 VELMORA_PASSWORD 或标准输入的第一行读取密码：--encrypt 的新密码，"
                          "--unlock 和其他工具打开文件用的密码。"));
    // Every tool of the tool table with a command line of its own, then their options.
    QList<std::pair<const ToolType::Info *, QCommandLineOption>> verbs;
    for (const ToolType::Info *row = ToolType::begin(); row != ToolType::end(); ++row) {
        if (row->verb)
            verbs.append({row, QCommandLineOption(
                                   QString::fromLatin1(row->verb),
                                   QCoreApplication::translate("CommandLine", row->verbHelp))});
    }
    QList<std::pair<const ToolType::Option *, QCommandLineOption>> toolOptions;
    for (const ToolType::Option *option = ToolType::optionsBegin();
         option != ToolType::optionsEnd(); ++option) {
        toolOptions.append(
            {option,
             option->valueName
                 ? QCommandLineOption(QString::fromLatin1(option->name),
                                      QCoreApplication::translate("CommandLine", option->help),
                                      QCoreApplication::translate("CommandLine", option->valueName))
                 : QCommandLineOption(QString::fromLatin1(option->name),
                                      QCoreApplication::translate("CommandLine", option->help))});
    }
    const QCommandLineOption verify(
        u"verify"_s,
        tr("不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。"));
    const QCommandLineOption sign(
        u"sign"_s, tr("不打开窗口，为文件签名，写入新文件 <名称>-signed.pdf。证书密码从"
                      "标准输入或 VELMORA_CERT_PASSWORD 读取。"));
    const QCommandLineOption cert(u"cert"_s, tr("签名用的证书文件（.p12、.pfx）。"), tr("证书"));
    const QCommandLineOption field(u"field"_s, tr("要签名的空签名字段。"), tr("名称"));
    const QCommandLineOption rect(
        u"rect"_s, tr("签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。"), tr("框"));
    const QCommandLineOption reason(u"reason"_s, tr("签名的原因。"), tr("原因"));
    const QCommandLineOption tsa(u"tsa"_s, tr("时间戳服务器的地址（RFC 3161）。"), tr("地址"));
    parser.addOptions({help, version, page, newWindow, convertTo});
    for (const auto &verb : std::as_const(verbs))
        parser.addOption(verb.second);
    for (const auto &option : std::as_const(toolOptions))
        parser.addOption(option.second);
    parser.addOptions({outdir, password, verify, sign, cert, field, rect, reason, tsa});
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
    auto error = [](const QString &message) {
        CommandLine failed;
        failed.action = Action::Error;
        failed.message = message;
        return failed;
    };
    auto otherToolsOption = [](const ToolType::Option &option) -> QString {
        return tr("%1 只能与 %2 一起使用。")
            .arg(dashed(option.name), dashed(ToolType::info(option.type)->verb));
    };
    // The tools asked for, as they were named.
    QStringList asked;
    if (parser.isSet(convertTo))
        asked.append(u"--convert-to"_s);
    for (const auto &verb : std::as_const(verbs)) {
        if (parser.isSet(verb.second))
            asked.append(dashed(verb.first->verb));
    }
    const bool signing = parser.isSet(sign);
    if (parser.isSet(verify) || signing) {
        const QStringList files = line.files;
        line = CommandLine();
        line.action = Action::Error;
        if (parser.isSet(verify) && signing)
            line.message = tr("--verify 不能与 --sign 一起使用。");
        else if (!asked.isEmpty() || parser.isSet(password))
            line.message = tr("%1 不能与 %2 一起使用。")
                               .arg(signing ? u"--sign"_s : u"--verify"_s,
                                    asked.isEmpty() ? u"--password"_s : asked.constFirst());
        else if (files.isEmpty())
            line.message = signing ? tr("--sign 需要要签名的 PDF 文件。")
                                   : tr("--verify 需要要检查的 PDF 文件。");
        else if (!signing && (parser.isSet(cert) || parser.isSet(field) || parser.isSet(rect) ||
                              parser.isSet(reason) || parser.isSet(tsa) || parser.isSet(outdir) ||
                              parser.isSet(page)))
            line.message = tr("--verify 不接受签名的选项。");
        else if (signing && parser.value(cert).isEmpty())
            line.message = tr("--sign 需要 --cert 证书文件。");
        else if (signing && parser.isSet(field) && (parser.isSet(page) || parser.isSet(rect)))
            line.message = tr("--field 不能与 --page 或 --rect 一起使用。");
        else if (signing && parser.isSet(page) != parser.isSet(rect))
            line.message = tr("--page 和 --rect 要一起使用。");
        else if (parser.isSet(outdir) && parser.value(outdir).isEmpty())
            line.message = tr("--outdir 需要一个文件夹。");
        else {
            line.action = signing ? Action::Sign : Action::Verify;
            line.files = files;
            if (parser.isSet(outdir))
                line.outputFolder = absolutePath(parser.value(outdir), workingFolder);
            if (signing) {
                line.certificate = absolutePath(parser.value(cert), workingFolder);
                line.signatureField = parser.value(field);
                line.reason = parser.value(reason);
                line.timestampUrl = parser.value(tsa);
                if (parser.isSet(page)) {
                    bool pageOk = false;
                    line.signaturePage = parser.value(page).toInt(&pageOk);
                    const QStringList parts = parser.value(rect).split(u',');
                    QList<double> numbers;
                    bool rectOk = parts.size() == 4;
                    for (const QString &part : parts) {
                        bool ok = false;
                        numbers.append(part.trimmed().toDouble(&ok));
                        rectOk = rectOk && ok;
                    }
                    if (!pageOk || line.signaturePage < 1) {
                        line.action = Action::Error;
                        line.message = tr("页码必须是正整数：%1").arg(parser.value(page));
                    } else if (!rectOk || numbers[2] <= 0 || numbers[3] <= 0) {
                        line.action = Action::Error;
                        line.message = tr("--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1")
                                           .arg(parser.value(rect));
                    } else {
                        line.signatureRect = QRectF(numbers[0], numbers[1], numbers[2], numbers[3]);
                    }
                }
            }
        }
        return line;
    }
    for (const QCommandLineOption &option : {cert, field, rect, reason, tsa}) {
        if (parser.isSet(option)) {
            line = CommandLine();
            line.action = Action::Error;
            line.message = tr("--%1 只能与 --sign 一起使用。").arg(option.names().constFirst());
            return line;
        }
    }
    if (!asked.isEmpty()) {
        const QString name = asked.constFirst();
        if (asked.size() > 1)
            return error(tr("%1 不能与 %2 一起使用。").arg(name, asked.at(1)));
        const ToolType::Info *tool = nullptr;
        QVariantMap options;
        if (parser.isSet(convertTo)) {
            const QString format = parser.value(convertTo).trimmed();
            for (const ToolType::Info *row = ToolType::begin(); row != ToolType::end() && !tool;
                 ++row) {
                const QVariant value =
                    row->convertTo ? ToolType::optionValue(row->convertTo, format) : QVariant();
                if (!value.isValid())
                    continue;
                tool = row;
                if (row->output == ToolType::Output::OfficeFile)
                    options.insert(TaskOption::OfficeFormat, value);
            }
            if (!tool)
                return error(tr("不支持转换为此格式：%1").arg(parser.value(convertTo)));
        } else {
            for (const auto &verb : std::as_const(verbs)) {
                if (parser.isSet(verb.second))
                    tool = verb.first;
            }
        }
        for (const auto &[option, parsed] : std::as_const(toolOptions)) {
            if (!parser.isSet(parsed))
                continue;
            if (option->type != tool->type)
                return error(otherToolsOption(*option));
            QVariant stored = true; // a switch
            if (option->valueName) {
                const QString value = parser.value(parsed).trimmed();
                if (value.isEmpty())
                    return error(tr("%1 需要一个值。").arg(dashed(option->name)));
                stored =
                    option->values ? ToolType::optionValue(option->values, value) : QVariant(value);
                if (!stored.isValid())
                    return error(tr("%1 只能是 %2：%3")
                                     .arg(dashed(option->name),
                                          ToolType::optionValueNames(option->values).join(u", "_s),
                                          value));
            }
            options.insert(option->key, stored);
        }
        if (line.files.isEmpty())
            return error(tr("%1 需要要处理的文件。").arg(name));
        if (parser.isSet(outdir) && parser.value(outdir).isEmpty())
            return error(tr("--outdir 需要一个文件夹。"));
        if (tool->takesPassword && !parser.isSet(password))
            return error(tr("%1 需要 --password。").arg(name));
        // Recognition reads only languages whose data is installed.
        const QString languages = options.value(TaskOption::OcrLanguages).toString();
        if (!languages.isEmpty()) {
            const QStringList installed = Inkwell::recognitionLanguages();
            QStringList unknown;
            for (const QString &code : languages.split(u'+', Qt::SkipEmptyParts)) {
                if (!installed.contains(code))
                    unknown.append(code);
            }
            if (!unknown.isEmpty())
                return error(tr("未安装这些语言的识别数据：%1（已安装：%2）")
                                 .arg(unknown.join(u", "_s),
                                      installed.isEmpty() ? tr("无") : installed.join(u", "_s)));
        }
        CommandLine converted;
        converted.action = Action::Convert;
        converted.tool = tool->type;
        converted.options = options;
        converted.readsPassword = parser.isSet(password);
        converted.files = line.files;
        if (parser.isSet(outdir))
            converted.outputFolder = absolutePath(parser.value(outdir), workingFolder);
        return converted;
    }
    for (const auto &[option, parsed] : std::as_const(toolOptions)) {
        if (parser.isSet(parsed))
            return error(otherToolsOption(*option));
    }
    if (parser.isSet(outdir) || parser.isSet(password)) {
        QStringList users{u"--convert-to"_s};
        for (const auto &verb : std::as_const(verbs))
            users.append(dashed(verb.first->verb));
        if (parser.isSet(outdir))
            users.append(u"--sign"_s);
        return error(
            tr("%1 只能与 %2 一起使用。")
                .arg(parser.isSet(outdir) ? u"--outdir"_s : u"--password"_s, users.join(u", "_s)));
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
