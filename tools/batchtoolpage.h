#pragma once

#include "fileprotectioncheck.h"
#include "taskrequest.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

class BatchOptionsPanel;
class FileDropZoneWidget;
class FileListWidget;
class QLabel;
class QStackedWidget;
class TaskListWidget;
namespace ToolType {
struct Info;
}

// A tool page that runs the jobs of one row of the tool table: files come in through the drop
// zone into the file list, Start turns them into requests for the task centre by the row's
// output rule, and the task list follows the jobs until the user starts over.
class BatchToolPage : public QWidget
{
    Q_OBJECT

public:
    BatchToolPage(int toolType, BatchOptionsPanel *panel, QWidget *parent = nullptr);

    const ToolType::Info &tool() const { return *m_tool; }
    // Adds a file given by another part of the program (the viewer) and shows the list.
    void addFile(const QString &path);

    FileDropZoneWidget *dropZone() const { return m_dropZone; }
    FileListWidget *fileList() const { return m_fileList; }
    TaskListWidget *taskList() const { return m_taskList; }
    QStackedWidget *stack() const { return m_stack; }
    BatchOptionsPanel *optionsPanel() const { return m_panel; }

    // Sees every request a page submits, with the identifier it got (tests read requests back
    // here); an empty observer removes it.
    using SubmissionObserver = std::function<void(const TaskRequest &, const QString &taskId)>;
    static void setSubmissionObserver(SubmissionObserver observer);

    // Jobs of this page that have not ended, in any row or none.
    QStringList unfinishedJobs() const;
    // Asks, while jobs run, whether to cancel them; true when the page may close (no jobs, or
    // they were cancelled), false to keep waiting.
    bool confirmClose();
    // The same question for every job in the process, for closing the window.
    static bool confirmCancelJobs(QWidget *parent, const QStringList &taskIds);

Q_SIGNALS:
    // A finished PDF output should open in a viewer tab.
    void openPdfRequested(const QString &path);

protected:
    // Which added files the list asks a password for (PDF pages: those that need one to open).
    void setPasswordCheck(FileProtectionCheck::Ask ask);
    // Prompt of the drop zone; file-dialog filter and caption of the drop zone and the list.
    void setIntake(const QString &prompt, const QString &filter = QString(),
                   const QString &caption = QString());
private Q_SLOTS:
    void onStart();
    void onTaskStatus(const QString &id, int status);

private:
    // The requests of one start, in submission order, for the files in list order.
    QList<TaskRequest> makeRequests(const QStringList &files) const;
    // Submits the requests with the inputs' passwords; with replacing, the one request's row
    // takes that row's place.
    void submit(const QList<TaskRequest> &requests, const QHash<QString, QString> &passwords,
                const QString &replacing = QString());
    bool outputFolderReady();
    void retryFailed();
    void onTaskInputFailed(const QString &id, const QString &file);
    void removeInputAndRetry(const QString &id, const QString &file);
    void openOutput(const QString &path);
    void updatePanelVisibility();
    void showDropZone();
    void showFileList();
    void showTaskList();

    FileDropZoneWidget *m_dropZone = nullptr;
    FileListWidget *m_fileList = nullptr;
    TaskListWidget *m_taskList = nullptr;
    QStackedWidget *m_stack = nullptr;
    QLabel *m_separator = nullptr;
    BatchOptionsPanel *m_panel = nullptr;
    const ToolType::Info *m_tool = nullptr;
    // Each job of this page as it was submitted, by task identifier, for retrying it.
    QHash<QString, TaskRequest> m_jobs;
    QSet<QString> m_unfinished;
    // Start was pressed while the list still looked at its files.
    bool m_startWaiting = false;
};
