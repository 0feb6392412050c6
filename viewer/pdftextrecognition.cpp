#include "pdftextrecognition.h"

#include "inkwell.h"
#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"
#include "pdfundomanager.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

namespace PdfTextRecognition {
namespace {

struct Source
{
    QString path;
    QString password;
};

struct Run
{
    QList<Source> sources;
    QString folder;
    std::atomic<bool> cancel{false};
    std::atomic<int> percent{0};
    // Written by the worker, read once it has finished.
    QHash<QString, QString> written;
    BatchOutcome failure;
    int kept = 0; // files whose every page had text
};

void work(Run *run)
{
    Inkwell::setCancelFlag(&run->cancel);
    const int count = int(run->sources.size());
    for (int i = 0; i < count && !run->cancel; ++i) {
        const Source &source = run->sources.at(i);
        Inkwell::setProgressSink(
            [run, i, count](int percent) { run->percent = (i * 100 + percent) / count; });
        TaskRequest request;
        request.type = TaskType::RecognizeText;
        request.inputFile = source.path;
        request.outputPath =
            QDir(run->folder)
                .filePath(u"%1-%2.pdf"_s.arg(i + 1).arg(QFileInfo(source.path).completeBaseName()));
        request.options.insert(TaskOption::InputPasswords, QStringList{source.password});
        const bool done = Inkwell::recognizeText(request);
        const BatchOutcome outcome = Inkwell::lastOutcome();
        if (done) {
            run->written.insert(source.path, outcome.writtenPath);
        } else if (outcome.failure == BatchFailure::AlreadySearchable) {
            ++run->kept;
        } else {
            run->failure = outcome;
            break;
        }
    }
    Inkwell::setProgressSink({});
    Inkwell::setCancelFlag(nullptr);
}

// Escape and Cancel ask the worker to stop; the box closes when it has.
class ProgressBox : public ModernMessageBox
{
public:
    ProgressBox(const MessageBoxOptions &options, QWidget *parent, Run *run)
        : ModernMessageBox(options, parent)
        , m_run(run)
    {}

    void reject() override
    {
        if (m_run->cancel.exchange(true))
            return;
        if (auto *cancel = findChild<QPushButton *>(u"messageBoxCancelButton"_s))
            cancel->setEnabled(false);
        if (auto *message = findChild<QLabel *>(u"messageBoxMessage"_s))
            message->setText(QApplication::translate("PdfTextRecognition", "正在取消文字识别…"));
    }

private:
    Run *m_run;
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
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            QApplication::translate("PdfTextRecognition", "文件需要密码才能读取。"));
        return;
    case BatchFailure::NoSpace:
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            QApplication::translate("PdfTextRecognition", "磁盘空间不足。"));
        return;
    default:
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            QApplication::translate("PdfTextRecognition", "识别过程中出错，文档保持不变。"),
            QDir::toNativeSeparators(outcome.argument));
        return;
    }
}

} // namespace

bool recognise(PdfDocumentModel *model, PdfUndoManager *undo, QTemporaryDir *folder,
               QWidget *parent)
{
    if (!model || !undo || !folder || !folder->isValid())
        return false;
    auto run = std::make_unique<Run>();
    for (const PdfPageEntry &entry : model->pages()) {
        if (entry.sourcePath.isEmpty())
            continue;
        const bool known =
            std::any_of(run->sources.cbegin(), run->sources.cend(),
                        [&entry](const Source &s) { return s.path == entry.sourcePath; });
        if (!known)
            run->sources.append({entry.sourcePath, entry.password});
    }
    if (run->sources.isEmpty())
        return false;
    // Every run writes into a folder of its own: names of earlier runs stay with their pages.
    int serial = 1;
    while (QFileInfo::exists(folder->filePath(QString::number(serial))))
        ++serial;
    run->folder = folder->filePath(QString::number(serial));
    if (!QDir().mkpath(run->folder)) {
        ModernMessageBox::showWarning(
            parent, QApplication::translate("PdfTextRecognition", "无法识别文字"),
            QApplication::translate("PdfTextRecognition", "无法创建临时文件夹。"),
            QDir::toNativeSeparators(run->folder));
        return false;
    }

    MessageBoxOptions options;
    options.kind = MessageBoxOptions::Question;
    options.title = QApplication::translate("PdfTextRecognition", "正在识别文字");
    options.message =
        QApplication::translate("PdfTextRecognition", "正在识别没有文字的页面，每页需要几秒钟。");
    options.details = QApplication::translate("PdfTextRecognition", "已完成 %1%").arg(0);
    options.showConfirm = false;
    options.showCancel = true;
    options.showProgress = true;
    options.mayReject = false;
    ProgressBox box(options, parent, run.get());
    box.setObjectName(u"pdfRecognizeProgressBox"_s);
    QTimer progress;
    progress.setInterval(200);
    QObject::connect(&progress, &QTimer::timeout, &box, [&box, &run] {
        if (auto *details = box.findChild<QLabel *>(u"messageBoxDetails"_s))
            details->setText(QApplication::translate("PdfTextRecognition", "已完成 %1%")
                                 .arg(run->percent.load()));
    });
    progress.start();
    Run *shared = run.get();
    std::unique_ptr<QThread> thread(QThread::create([shared] { work(shared); }));
    QObject::connect(thread.get(), &QThread::finished, &box, &QDialog::accept);
    QThread *started = thread.get();
    QTimer::singleShot(0, started, [started] { started->start(QThread::InheritPriority); });
    box.exec();
    thread->wait();

    if (run->cancel)
        return false;
    if (run->failure.failure != BatchFailure::None) {
        explain(run->failure, parent);
        return false;
    }
    if (run->written.isEmpty()) {
        ModernMessageBox::showInformation(
            parent, QApplication::translate("PdfTextRecognition", "无需识别文字"),
            QApplication::translate("PdfTextRecognition", "此文档的每一页都已有文字。"));
        return false;
    }
    return undo->replaceSourceFiles(QApplication::translate("PdfTextRecognition", "识别文字"),
                                    run->written);
}

} // namespace PdfTextRecognition
