#include "batchtoolpage.h"

#include "batchoptionspanel.h"
#include "filedropzonewidget.h"
#include "filelistwidget.h"
#include "kitstyle.h"
#include "modernmessagebox.h"
#include "outputlocationchoice.h"
#include "outputnaming.h"
#include "tasklistwidget.h"
#include "taskstatus.h"
#include "tooltype.h"
#include "worklane.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMetaMethod>
#include <QStackedWidget>
#include <QUrl>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

BatchToolPage::SubmissionObserver &submissionObserver()
{
    static BatchToolPage::SubmissionObserver observer;
    return observer;
}

// The files a request reads, as the page listed them.
QStringList inputsOf(const TaskRequest &request)
{
    QStringList files = request.inputFiles;
    if (files.isEmpty() && !request.inputFile.isEmpty())
        files = {request.inputFile};
    for (QString &file : files)
        file = QDir::fromNativeSeparators(file);
    return files;
}

void attachPasswords(TaskRequest &request, const QHash<QString, QString> &passwords)
{
    QStringList list;
    bool any = false;
    for (const QString &file : inputsOf(request)) {
        list.append(passwords.value(file));
        any = any || !list.constLast().isEmpty();
    }
    if (any)
        request.options.insert(TaskOption::InputPasswords, list);
    else
        request.options.remove(TaskOption::InputPasswords);
}

// The passwords a submitted request carries, by input file.
QHash<QString, QString> passwordsOf(const TaskRequest &request)
{
    QHash<QString, QString> passwords;
    const QStringList inputs = inputsOf(request);
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const QString password = inputPassword(request.options, i);
        if (!password.isEmpty())
            passwords.insert(inputs.at(i), password);
    }
    return passwords;
}

} // namespace

void BatchToolPage::setSubmissionObserver(SubmissionObserver observer)
{
    submissionObserver() = std::move(observer);
}

BatchToolPage::BatchToolPage(int toolType, BatchOptionsPanel *panel, QWidget *parent)
    : QWidget(parent)
    , m_panel(panel)
    , m_tool(ToolType::info(toolType))
{
    Q_ASSERT(m_tool);
    m_dropZone = new FileDropZoneWidget(this);
    m_fileList = new FileListWidget(this);
    m_taskList = new TaskListWidget(this);

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(u"toolPageStack"_s);
    m_stack->addWidget(m_dropZone);
    m_stack->addWidget(m_fileList);
    m_stack->addWidget(m_taskList);
    m_stack->setCurrentWidget(m_dropZone);

    m_separator = new QLabel(this);
    m_separator->setObjectName(u"toolPageSeparator"_s);
    m_separator->setFixedWidth(1);
    m_separator->setStyleSheet(KitStyle::dividerStyle());

    m_panel->setParent(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_stack);
    layout->addWidget(m_separator);
    layout->addWidget(m_panel);

    connect(m_fileList, &FileListWidget::fileCountChange, this, [this](int count) {
        if (count == 0)
            showDropZone();
    });
    connect(m_dropZone, &FileDropZoneWidget::fileSelected, this, [this](const QStringList &paths) {
        // A dropped link that is not a local file has no path to work on.
        QStringList files = paths;
        files.removeAll(QString());
        if (files.isEmpty())
            return;
        m_fileList->addFiles(files);
        showFileList();
    });
    connect(m_fileList, &FileListWidget::checksFinished, this, [this] {
        if (!m_startWaiting)
            return;
        m_startWaiting = false;
        unsetCursor();
        onStart();
    });
    connect(m_taskList, &TaskListWidget::sigRestart, this, [this] {
        m_jobs.removeIf([this](const QHash<QString, TaskRequest>::iterator it) {
            return !m_taskList->hasTask(it.key());
        });
        showDropZone();
    });
    connect(m_taskList, &TaskListWidget::retryFailedRequested, this, &BatchToolPage::retryFailed);
    connect(m_taskList, &TaskListWidget::removeInputRequested, this,
            &BatchToolPage::removeInputAndRetry);
    connect(m_taskList, &TaskListWidget::openRequested, this, &BatchToolPage::openOutput);
    connect(m_panel, &BatchOptionsPanel::startClicked, this, &BatchToolPage::onStart);
    Worklane &lane = Worklane::instance();
    connect(&lane, &Worklane::taskStatus, this, &BatchToolPage::onTaskStatus);
    connect(&lane, &Worklane::taskError, m_taskList, &TaskListWidget::setTaskFailure);
    connect(&lane, &Worklane::taskOutputWritten, m_taskList, &TaskListWidget::setTaskOutput);
    connect(&lane, &Worklane::taskNote, m_taskList, &TaskListWidget::setTaskNote);
    connect(&lane, &Worklane::taskProgress, m_taskList, &TaskListWidget::setTaskProgress);
    connect(&lane, &Worklane::taskInputFailed, this, &BatchToolPage::onTaskInputFailed);
}

void BatchToolPage::setPasswordCheck(FileProtectionCheck::Ask ask)
{
    m_fileList->setPasswordCheck(ask);
}

void BatchToolPage::setIntake(const QString &prompt, const QString &filter, const QString &caption)
{
    m_dropZone->setPromptText(prompt);
    if (!filter.isEmpty()) {
        m_dropZone->setFilter(filter);
        m_fileList->setFilter(filter);
    }
    if (!caption.isEmpty()) {
        m_dropZone->setCaption(caption);
        m_fileList->setCaption(caption);
    }
}

QList<TaskRequest> BatchToolPage::makeRequests(const QStringList &files) const
{
    return OutputNaming().requests(*m_tool, m_panel->buildRequest(), files);
}

void BatchToolPage::addFile(const QString &path)
{
    if (path.isEmpty())
        return;
    m_fileList->addFiles({path});
    showFileList();
}

void BatchToolPage::onStart()
{
    // The button is disabled then; a start that slips through still writes nothing.
    if (!m_panel->canStart() || m_fileList->count() == 0)
        return;
    if (m_fileList->isChecking()) {
        // Starts once every file was looked at, with the passwords given meanwhile.
        m_startWaiting = true;
        setCursor(Qt::BusyCursor);
        return;
    }
    if (!outputFolderReady())
        return;
    const QStringList files = m_fileList->files();
    QHash<QString, QString> passwords;
    for (const QString &file : files) {
        if (const QString password = m_fileList->password(file); !password.isEmpty())
            passwords.insert(QDir::fromNativeSeparators(file), password);
    }
    m_fileList->takeFiles();
    submit(makeRequests(files), passwords);
    showTaskList();
}

bool BatchToolPage::outputFolderReady()
{
    const QString problem = m_panel->location()->folderProblem();
    if (problem.isEmpty())
        return true;
    ModernMessageBox::showWarning(this, tr("无法创建输出文件夹"), problem);
    return false;
}

void BatchToolPage::submit(const QList<TaskRequest> &requests,
                           const QHash<QString, QString> &passwords, const QString &replacing)
{
    QListWidget *rows = m_taskList->listWidget();
    rows->setUpdatesEnabled(false);
    for (TaskRequest request : requests) {
        attachPasswords(request, passwords);
        QString id = Worklane::instance().submitTask(request);
        if (submissionObserver())
            submissionObserver()(request, id);
        const bool refused = id.isEmpty();
        // A request the centre refuses still gets a row, so no file silently drops out.
        if (refused)
            id = QUuid::createUuid().toString();
        const QStringList inputs = inputsOf(request);
        const QString source = inputs.size() == 1 ? inputs.constFirst() : QString();
        // A job that replaces its source writes nothing else, so its row shows the source: the
        // name the page chose is never written and could not be opened.
        const bool replacesSource = ::replacesSource(request.options) && !source.isEmpty();
        const qint64 sourceSize =
            request.type == TaskType::Compress ? QFileInfo(source).size() : qint64(-1);
        const TaskItemInfo info{id,     request.type, replacesSource ? source : request.outputPath,
                                source, sourceSize,   inputs};
        if (replacing.isEmpty())
            m_taskList->addTask(info);
        else
            m_taskList->replaceTask(replacing, info);
        m_jobs.insert(id, request);
        if (refused) {
            if (m_tool->output == ToolType::Output::ImageFolder)
                QDir().rmdir(request.outputPath);
            onTaskStatus(id, TaskStatus::Failed);
        } else {
            m_unfinished.insert(id);
        }
    }
    rows->setUpdatesEnabled(true);
}

void BatchToolPage::onTaskStatus(const QString &id, int status)
{
    m_taskList->updateTaskStatus(id, status);
    if (status == TaskStatus::Completed || status == TaskStatus::Failed ||
        status == TaskStatus::Cancelled) {
        m_unfinished.remove(id);
        if (status != TaskStatus::Failed && !m_taskList->hasTask(id))
            m_jobs.remove(id);
        updatePanelVisibility();
    }
}

void BatchToolPage::retryFailed()
{
    if (!m_panel->canStart() || !outputFolderReady())
        return;
    const QStringList failed = m_taskList->failedTaskIds();
    for (const QString &id : failed) {
        const TaskRequest job = m_jobs.take(id);
        m_taskList->removeTask(id);
        // Files that are gone now cannot be retried; their rows go with them.
        QStringList present;
        for (const QString &file : inputsOf(job)) {
            if (QFileInfo::exists(file))
                present.append(file);
        }
        if (!present.isEmpty())
            submit(makeRequests(present), passwordsOf(job));
    }
    updatePanelVisibility();
}

void BatchToolPage::onTaskInputFailed(const QString &id, const QString &file)
{
    const auto job = m_jobs.constFind(id);
    if (job == m_jobs.cend())
        return;
    const QStringList inputs = inputsOf(*job);
    const QString input = QDir::fromNativeSeparators(file);
    if (inputs.contains(input))
        m_taskList->setTaskFailedInput(id, input, inputs.size() > 1);
}

void BatchToolPage::removeInputAndRetry(const QString &id, const QString &file)
{
    if (!m_jobs.contains(id) || m_taskList->status(id) != TaskStatus::Failed)
        return;
    TaskRequest job = m_jobs.value(id);
    const QHash<QString, QString> passwords = passwordsOf(job);
    QStringList rest = job.inputFiles;
    const qsizetype index = inputsOf(job).indexOf(file);
    if (index < 0 || rest.size() < 2)
        return;
    rest.removeAt(index);
    job.inputFiles = rest;
    job.outputPath = OutputNaming::outputWithFewerInputs(*m_tool, job);
    m_jobs.remove(id);
    submit({job}, passwords, id);
    updatePanelVisibility();
}

QStringList BatchToolPage::unfinishedJobs() const
{
    return QStringList(m_unfinished.cbegin(), m_unfinished.cend());
}

bool BatchToolPage::confirmClose()
{
    return confirmCancelJobs(this, unfinishedJobs());
}

bool BatchToolPage::confirmCancelJobs(QWidget *parent, const QStringList &taskIds)
{
    QStringList live = Worklane::instance().liveTaskIds();
    live.removeIf([&](const QString &id) { return !taskIds.contains(id); });
    if (live.isEmpty())
        return true;
    const int answer = ModernMessageBox::confirm(
        parent, tr("任务仍在运行"),
        tr("还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。", nullptr,
           int(live.size())),
        QString(), tr("取消任务"), tr("继续等待"), MessageBoxOptions::Warning);
    if (answer != ModernMessageBox::Confirmed)
        return false;
    Worklane::instance().cancelTasks(live);
    return true;
}

void BatchToolPage::openOutput(const QString &path)
{
    const QFileInfo info(path);
    const bool pdf = info.isFile() && info.suffix().compare(u"pdf"_s, Qt::CaseInsensitive) == 0;
    if (pdf && isSignalConnected(QMetaMethod::fromSignal(&BatchToolPage::openPdfRequested))) {
        Q_EMIT openPdfRequested(info.absoluteFilePath());
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
        return;
    ModernMessageBox::showWarning(this, tr("无法打开"), tr("没有可以打开它的程序。"),
                                  QDir::toNativeSeparators(info.absoluteFilePath()));
}

void BatchToolPage::updatePanelVisibility()
{
    if (m_stack->currentWidget() != m_taskList)
        return;
    // A failed job may need other options (a password) before it is retried.
    const bool failures = !m_taskList->failedTaskIds().isEmpty();
    m_separator->setVisible(failures);
    m_panel->setVisible(failures);
}

void BatchToolPage::showDropZone()
{
    m_stack->setCurrentWidget(m_dropZone);
    m_separator->show();
    m_panel->show();
}

void BatchToolPage::showFileList()
{
    m_stack->setCurrentWidget(m_fileList);
    // Files handed over while the jobs of the last start are shown need the panel back to start.
    m_separator->show();
    m_panel->show();
}

void BatchToolPage::showTaskList()
{
    m_stack->setCurrentWidget(m_taskList);
    m_separator->hide();
    m_panel->hide();
    updatePanelVisibility();
}
