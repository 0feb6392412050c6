#include "pdftextrecognition.h"

#include "failuretext.h"
#include "inkwell.h"
#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"
#include "pdfundomanager.h"
#include "taskstatus.h"
#include "worklane.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPromise>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace PdfTextRecognition {
namespace {

// The jobs of one run on the task centre, and what they came to.
struct Run
{
    QStringList tasks;
    QHash<QString, QString> sourceOf; // task -> source file
    QHash<QString, int> percent;      // task -> its progress
    int ended = 0;
    bool cancel = false;
    QHash<QString, QString> written; // source -> its searchable version
    BatchOutcome failure;
    int kept = 0; // files whose every page had text

    int overall() const
    {
        int sum = 0;
        for (int value : percent)
            sum += value;
        return tasks.isEmpty() ? 0 : sum / int(tasks.size());
    }
};

void explain(const BatchOutcome &outcome, QWidget *parent)
{
    switch (outcome.failure) {
    case BatchFailure::Cancelled:
        return;
    case BatchFailure::RecognitionDataMissing:
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            outcome.argument.isEmpty()
                ? QApplication::translate("PdfTextRecognition", "未安装文字识别语言数据。")
                : QApplication::translate("PdfTextRecognition", "未安装 %1 的文字识别语言数据。")
                      .arg(outcome.argument),
            QApplication::translate("PdfTextRecognition",
                                    "安装方法：sudo apt install tesseract-ocr-%1")
                .arg(outcome.argument.isEmpty() ? u"eng"_s
                                                : outcome.argument.toLower().replace(u'_', u'-')));
        return;
    case BatchFailure::PasswordRequired:
    case BatchFailure::WrongPassword:
    case BatchFailure::NoSpace:
        ModernMessageBox::showWarning(parent,
                                      QApplication::translate("PdfTextRecognition", "无法识别文字"),
                                      failureText(outcome.failure, outcome.argument));
        return;
    default:
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            QApplication::translate("PdfTextRecognition", "识别过程中出错，文档保持不变。"),
            failureText(outcome.failure, outcome.argument));
        return;
    }
}

} // namespace

bool recognise(PdfDocumentModel *model, PdfUndoManager *undo, QTemporaryDir *folder,
               QWidget *parent)
{
    if (!model || !undo || !folder || !folder->isValid())
        return false;
    const QList<PdfDocumentModel::SourceFile> sources = model->sourceFiles();
    if (sources.isEmpty())
        return false;
    // Every run writes into a folder of its own: names of earlier runs stay with their pages.
    int serial = 1;
    while (QFileInfo::exists(folder->filePath(QString::number(serial))))
        ++serial;
    const QString runFolder = folder->filePath(QString::number(serial));
    if (!QDir().mkpath(runFolder)) {
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            QApplication::translate("PdfTextRecognition", "无法创建临时文件夹。"),
            QDir::toNativeSeparators(runFolder));
        return false;
    }

    Run run;
    // Ends when every job has.
    QPromise<void> ended;
    ended.start();
    // The files are jobs of the task centre: they share its cores with the tool pages' jobs.
    Worklane &centre = Worklane::instance();
    QObject context;
    QObject::connect(&centre, &Worklane::taskProgress, &context,
                     [&run](const QString &task, int percent) {
                         if (run.sourceOf.contains(task))
                             run.percent[task] = percent;
                     });
    QObject::connect(&centre, &Worklane::taskOutputWritten, &context,
                     [&run](const QString &task, const QString &path) {
                         if (run.sourceOf.contains(task))
                             run.written.insert(run.sourceOf.value(task), path);
                     });
    QObject::connect(&centre, &Worklane::taskFailed, &context,
                     [&run](const QString &task, int failure, const QString &argument) {
                         if (!run.sourceOf.contains(task))
                             return;
                         if (BatchFailure(failure) == BatchFailure::AlreadySearchable) {
                             ++run.kept;
                         } else if (run.failure.failure == BatchFailure::None) {
                             // The first failure ends the run: the others are not waited for.
                             run.failure.failure = BatchFailure(failure);
                             run.failure.argument = argument;
                             Worklane::instance().cancelTasks(run.tasks);
                         }
                     });
    QObject::connect(
        &centre, &Worklane::taskStatus, &context, [&run, &ended](const QString &task, int status) {
            const bool final = status == TaskStatus::Completed || status == TaskStatus::Failed ||
                               status == TaskStatus::Cancelled;
            if (final && run.sourceOf.contains(task) && ++run.ended == run.tasks.size())
                ended.finish();
        });
    for (qsizetype i = 0; i < sources.size(); ++i) {
        TaskRequest request;
        request.type = TaskType::RecognizeText;
        request.inputFile = sources[i].path;
        request.outputPath = QDir(runFolder).filePath(
            u"%1-%2.pdf"_s.arg(i + 1).arg(QFileInfo(sources[i].path).completeBaseName()));
        request.options.insert(TaskOption::InputPasswords, QStringList{sources[i].password});
        const QString task = centre.submitTask(request);
        if (task.isEmpty())
            continue;
        run.tasks.append(task);
        run.sourceOf.insert(task, sources[i].path);
    }
    if (run.tasks.isEmpty())
        return false;

    MessageBoxOptions options;
    options.kind = MessageBoxOptions::Question;
    options.title = QApplication::translate("PdfTextRecognition", "正在识别文字");
    options.message =
        QApplication::translate("PdfTextRecognition", "正在识别没有文字的页面，每页需要几秒钟。");
    ModernMessageBox::Wait wait;
    wait.details = [&run] {
        return QApplication::translate("PdfTextRecognition", "已完成 %1%").arg(run.overall());
    };
    wait.cancel = [&run] {
        run.cancel = true;
        Worklane::instance().cancelTasks(run.tasks);
    };
    wait.cancelling = QApplication::translate("PdfTextRecognition", "正在取消文字识别…");
    ModernMessageBox::waitFor(ended.future(), options, parent, u"pdfRecognizeProgressBox"_s, wait);

    if (run.failure.failure != BatchFailure::None) {
        explain(run.failure, parent);
        return false;
    }
    if (run.cancel)
        return false;
    if (run.written.isEmpty()) {
        ModernMessageBox::showInformation(
            parent, QApplication::translate("PdfTextRecognition", "无需识别文字"),
            QApplication::translate("PdfTextRecognition", "此文档的每一页都已有文字。"));
        return false;
    }
    return undo->replaceSourceFiles(QApplication::translate("PdfTextRecognition", "识别文字"),
                                    run.written);
}

} // namespace PdfTextRecognition
