#include "batchtoolpage.h"

#include "batchoptionspanel.h"
#include "filedropzonewidget.h"
#include "filelistwidget.h"
#include "kitstyle.h"
#include "tasklistwidget.h"
#include "taskstatus.h"
#include "worklane.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

BatchToolPage::SubmissionObserver &submissionObserver()
{
    static BatchToolPage::SubmissionObserver observer;
    return observer;
}

} // namespace

void BatchToolPage::setSubmissionObserver(SubmissionObserver observer)
{
    submissionObserver() = std::move(observer);
}

BatchToolPage::BatchToolPage(BatchOptionsPanel *panel, QWidget *parent)
    : QWidget(parent)
    , m_panel(panel)
{
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
    connect(m_taskList, &TaskListWidget::sigRestart, this, &BatchToolPage::showDropZone);
    connect(m_panel, &BatchOptionsPanel::startClicked, this, &BatchToolPage::onStart);
    connect(&Worklane::instance(), &Worklane::taskStatus, this, &BatchToolPage::onTaskStatus);
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

void BatchToolPage::addFileFromOutside(const QString &path)
{
    if (path.isEmpty())
        return;
    m_fileList->addFiles({path});
    showFileList();
}

void BatchToolPage::onStart()
{
    const QStringList files = m_fileList->takeFiles();
    if (files.isEmpty())
        return;
    const QList<TaskRequest> requests = makeRequests(files);
    QListWidget *rows = m_taskList->listWidget();
    rows->setUpdatesEnabled(false);
    for (const TaskRequest &request : requests) {
        QString id = Worklane::instance().submitTask(request);
        if (submissionObserver())
            submissionObserver()(request, id);
        const bool refused = id.isEmpty();
        // A request the centre refuses still gets a row, so no file silently drops out.
        if (refused)
            id = QUuid::createUuid().toString();
        QString source = QDir::fromNativeSeparators(request.inputFile);
        if (source.isEmpty() && request.inputFiles.size() == 1)
            source = QDir::fromNativeSeparators(request.inputFiles.constFirst());
        // A job that replaces its source writes nothing else, so its row shows the source: the
        // name the page chose is never written and could not be opened.
        const bool replacesSource = request.options.contains(u"saveOption"_s) &&
                                    request.options.value(u"saveOption"_s).toInt() == 0 &&
                                    !source.isEmpty();
        m_taskList->addTask(
            {id, request.type, replacesSource ? source : request.outputPath, source});
        if (request.type == TaskType::PdfToImage)
            m_madeFolders.insert(id, request.outputPath);
        if (refused)
            onTaskStatus(id, TaskStatus::Failed);
    }
    rows->setUpdatesEnabled(true);
    showTaskList();
}

void BatchToolPage::onTaskStatus(const QString &id, int status)
{
    m_taskList->updateTaskStatus(id, status);
    if (status == TaskStatus::Completed || status == TaskStatus::Failed) {
        const QString folder = m_madeFolders.take(id);
        // The folder was made for this job when it was named; a job that failed before writing
        // into it leaves no empty folder behind (rmdir keeps a folder that has anything in it).
        if (status == TaskStatus::Failed && !folder.isEmpty())
            QDir().rmdir(folder);
    }
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
}
