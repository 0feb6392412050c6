#include "worklane.h"

#include "inkwell.h"
#include "pdfeditorbackend.h"
#include "taskbase.h"
#include "taskfactory.h"
#include "taskstatus.h"
#include "tooltype.h"
#include "worker.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace {
constexpr int kMaxThreads = 4;

// The output a request writes by name; the engine names some outputs only as it finishes.
QString namedOutput(const ToolType::Info &tool, const TaskRequest &request)
{
    if (tool.output == ToolType::Output::NamedByEngine)
        return {};
    // Replacing the original writes nothing new.
    return replacesSource(request.options) ? QString() : request.outputPath;
}

QString fileName(const QString &path)
{
    const QString name = QFileInfo(QDir::fromNativeSeparators(path)).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

Worklane &Worklane::instance()
{
    static Worklane centre;
    return centre;
}

Worklane::Worklane(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(kMaxThreads);
}

Worklane::~Worklane()
{
    // Jobs still queued at exit run to the end, and each removes itself from the registry, so
    // the registry must outlive them.
    m_pool.waitForDone();
}

QString Worklane::submitTask(TaskRequest request)
{
    const QString taskId = QUuid::createUuid().toString(QUuid::WithBraces);
    request.taskId = taskId;
    std::shared_ptr<TaskBase> task = TaskFactory::create(request);
    if (!task) {
        emit taskError(taskId, tr("invalid task"));
        return {};
    }
    task->progressCallback = [this, taskId](int progress) {
        emit taskProgress(taskId, progress);
    };
    const ToolType::Info *tool = ToolType::forTask(request.type);
    const QString output = tool ? namedOutput(*tool, request) : QString();
    {
        QMutexLocker lock(&m_registryMutex);
        m_registry.insert(taskId, task);
        Inkwell::reserveOutput(QDir::cleanPath(QDir::fromNativeSeparators(output)), taskId);
        if (tool && tool->output == ToolType::Output::ImageFolder && !output.isEmpty() &&
            QDir(output).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                 QDir::System))
            m_emptyFolders.insert(taskId, output);
    }
    emit taskStarted(taskId);

    auto onStatus = [this](const std::string &id, int status) {
        emit taskStatus(QString::fromStdString(id), status);
    };
    auto onResult = [this](const TaskResult &result) {
        finishTask(result);
    };
    m_pool.start(new Worker(std::move(task), onResult, onStatus, taskId.toStdString()), 0);
    return taskId;
}

QStringList Worklane::liveTaskIds() const
{
    QMutexLocker lock(&m_registryMutex);
    return m_registry.keys();
}

bool Worklane::isOutputReserved(const QString &path) const
{
    return Inkwell::isOutputReserved(path);
}

void Worklane::cancelTask(const QString &taskId)
{
    cancelTasks({taskId});
}

void Worklane::cancelTasks(const QStringList &taskIds)
{
    QMutexLocker lock(&m_registryMutex);
    for (const QString &id : taskIds) {
        if (const std::shared_ptr<TaskBase> task = m_registry.value(id))
            task->cancel();
    }
}

QString Worklane::failureText(int failure, const QString &argument)
{
    const QString name = fileName(argument);
    switch (BatchFailure(failure)) {
    case BatchFailure::SourceMissing:
        return argument.isEmpty() ? tr("找不到源文件") : tr("找不到文件：%1").arg(name);
    case BatchFailure::NotPdf:
        return argument.isEmpty() ? tr("有文件不是PDF文件或已损坏")
                                  : tr("不是PDF文件或文件已损坏：%1").arg(name);
    case BatchFailure::PasswordRequired:
        return tr("文件受密码保护，需要密码：%1").arg(name);
    case BatchFailure::WrongPassword:
        return tr("密码不正确");
    case BatchFailure::EmptyPassword:
        return tr("未输入密码");
    case BatchFailure::UnreadableImage:
        return tr("无法读取图像：%1").arg(name);
    case BatchFailure::ImageTooLarge:
        return tr("图像太大，无法转换：%1").arg(name);
    case BatchFailure::NoSpace:
        return tr("磁盘空间不足");
    case BatchFailure::NoPermission:
        return tr("没有写入权限：%1").arg(QDir::toNativeSeparators(argument));
    case BatchFailure::OutputFolderMissing:
        return tr("输出文件夹不存在");
    case BatchFailure::WriteFailed:
        return tr("无法写入输出文件");
    case BatchFailure::NoPages:
        return tr("文档没有页面");
    case BatchFailure::NoImages:
        return tr("文档中没有可提取的图像");
    case BatchFailure::OutputIsInput:
        return tr("输出会覆盖源文件：%1").arg(name);
    case BatchFailure::OutOfMemory:
        return tr("内存不足");
    case BatchFailure::NoFreeName:
        return tr("找不到可用的文件名");
    case BatchFailure::Cancelled:
        return tr("已取消");
    case BatchFailure::NotProtected:
        return tr("此文件没有密码");
    case BatchFailure::OwnerPasswordRequired:
        return tr("更改此文件的保护需要其所有者密码：%1").arg(name);
    case BatchFailure::OfficeMissing:
        return tr("未找到 LibreOffice，请先安装");
    case BatchFailure::OfficeUnreadable:
        return tr("文件已损坏或受密码保护");
    case BatchFailure::ConversionTimedOut:
        return tr("转换超时");
    case BatchFailure::ConversionFailed:
        return tr("转换失败：%1").arg(name);
    case BatchFailure::UnsupportedFormat:
        return tr("不支持的文件类型：%1").arg(name);
    case BatchFailure::RecognitionDataMissing:
        return argument.isEmpty() ? tr("未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包")
                                  : tr("未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）")
                                        .arg(argument, argument.toLower().replace(u'_', u'-'));
    case BatchFailure::RecognitionFailed:
        return tr("文字识别失败：%1").arg(name);
    case BatchFailure::AlreadySearchable:
        return tr("每页都已有文字，无需识别：%1").arg(name);
    case BatchFailure::EmptyFile:
        return tr("文件是空的：%1").arg(name);
    case BatchFailure::PdfNotOffice:
        return tr("这是PDF文件，不是Office文档：%1").arg(name);
    case BatchFailure::None:
    case BatchFailure::Unknown:
        break;
    }
    return tr("处理时出错");
}

void Worklane::finishTask(const TaskResult &result)
{
    QString emptyFolder;
    bool last = false;
    // Leave the registry before reporting, so a receiver of the final status never finds the
    // task still registered; its names stay promised until its output is in place.
    {
        QMutexLocker lock(&m_registryMutex);
        m_registry.remove(result.taskId);
        emptyFolder = m_emptyFolders.take(result.taskId);
        Inkwell::releaseOutputs(result.taskId);
        last = m_registry.isEmpty();
    }
    // Freed pages and objects of big jobs stay with the engine and the allocator; with no job
    // left they go back.
    if (last)
        PdfEditorBackend::releaseSpareMemory();
    if (!result.success && !emptyFolder.isEmpty())
        QDir().rmdir(emptyFolder); // only while nothing is in it
    if (result.cancelled) {
        emit taskStatus(result.taskId, TaskStatus::Cancelled);
        return;
    }
    if (result.success) {
        if (result.pagesWithoutText > 0)
            emit taskNote(result.taskId,
                          tr("%n 页未找到文字，已作为图片保存", nullptr, result.pagesWithoutText));
        if (result.pagesRecognised > 0) {
            QStringList parts{tr("已识别 %n 页", nullptr, result.pagesRecognised)};
            if (result.pagesKept > 0)
                parts.append(tr("%n 页已有文字，保持原样", nullptr, result.pagesKept));
            if (result.pagesUnread > 0)
                parts.append(tr("%n 页无法读取", nullptr, result.pagesUnread));
            emit taskNote(result.taskId, parts.join(tr("，")));
        }
        if (!result.signedInputs.isEmpty()) {
            QStringList names;
            for (const QString &input : result.signedInputs)
                names.append(QFileInfo(input).fileName());
            emit taskNote(result.taskId,
                          tr("%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名")
                              .arg(names.join(tr("、"))));
        }
        if (!result.writtenPath.isEmpty())
            emit taskOutputWritten(result.taskId, result.writtenPath);
        emit taskStatus(result.taskId, TaskStatus::Completed);
        return;
    }
    if (!result.failedInput.isEmpty())
        emit taskInputFailed(result.taskId, result.failedInput);
    emit taskFailed(result.taskId, result.failure, result.failureArgument);
    emit taskError(result.taskId, failureText(result.failure, result.failureArgument));
    emit taskStatus(result.taskId, TaskStatus::Failed);
}
