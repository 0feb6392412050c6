#include "commandlineconversion.h"

#include "commandline.h"
#include "outputnaming.h"
#include "taskstatus.h"
#include "worklane.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLineConversion {

int run(const CommandLine &line)
{
    Worklane &lane = Worklane::instance();
    QHash<QString, QString> sources; // task → file, for its messages
    QHash<QString, QString> errors;
    QHash<QString, QString> written;
    int failed = 0;
    int open = 0;
    QEventLoop loop;
    const QObject context;
    QObject::connect(&lane, &Worklane::taskError, &context,
                     [&](const QString &id, const QString &error) { errors.insert(id, error); });
    QObject::connect(
        &lane, &Worklane::taskNote, &context, [&](const QString &id, const QString &note) {
            fputs(qPrintable(QDir::toNativeSeparators(sources.value(id)) + u": "_s + note + u'\n'),
                  stderr);
        });
    QObject::connect(&lane, &Worklane::taskOutputWritten, &context,
                     [&](const QString &id, const QString &path) { written.insert(id, path); });
    QObject::connect(&lane, &Worklane::taskStatus, &context, [&](const QString &id, int status) {
        if (!sources.contains(id) || status == TaskStatus::Running)
            return;
        if (status == TaskStatus::Completed) {
            fputs(qPrintable(QDir::toNativeSeparators(written.value(id)) + u'\n'), stdout);
            fflush(stdout);
        } else {
            ++failed;
            fputs(qPrintable(QDir::toNativeSeparators(sources.value(id)) + u": "_s +
                             errors.value(id) + u'\n'),
                  stderr);
        }
        if (--open == 0)
            loop.quit();
    });

    if (!line.outputFolder.isEmpty() && !QDir().mkpath(line.outputFolder)) {
        fputs(qPrintable(CommandLine::tr("无法创建文件夹：%1")
                             .arg(QDir::toNativeSeparators(line.outputFolder)) +
                         u'\n'),
              stderr);
        return 1;
    }
    OutputNaming naming;
    const bool toPdf = line.convertTo == u"pdf"_s;
    const OfficeFormat format = line.convertTo == u"xlsx"_s   ? OfficeFormat::Excel
                                : line.convertTo == u"pptx"_s ? OfficeFormat::PowerPoint
                                                              : OfficeFormat::Word;
    for (const QString &file : line.files) {
        TaskRequest request;
        request.type = line.recognizeText ? TaskType::RecognizeText
                       : toPdf            ? TaskType::OfficeToPdf
                                          : TaskType::PdfToOffice;
        request.inputFile = QDir::toNativeSeparators(file);
        if (line.recognizeText)
            request.options.insert(TaskOption::OcrLanguages, line.languages);
        else if (!toPdf)
            request.options.insert(TaskOption::OfficeFormat, int(format));
        const QString folder =
            line.outputFolder.isEmpty() ? QFileInfo(file).absolutePath() : line.outputFolder;
        request.outputPath = naming.file(folder, QFileInfo(file).completeBaseName(),
                                         toPdf || line.recognizeText ? u"pdf"_s : line.convertTo);
        const QString id = lane.submitTask(request);
        if (id.isEmpty()) {
            ++failed;
            continue;
        }
        sources.insert(id, file);
        ++open;
    }
    if (open > 0)
        loop.exec();
    return failed == 0 ? 0 : 1;
}

} // namespace CommandLineConversion
