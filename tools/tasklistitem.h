#pragma once

#include "taskiteminfo.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;

// One submitted job: its output file or folder, its status as coloured text and icon, and, once
// completed, buttons that open the output and its folder.
class TaskListItem : public QWidget
{
    Q_OBJECT

public:
    explicit TaskListItem(QWidget *parent = nullptr);

    void setTask(const TaskItemInfo &info);
    void setOutputPath(const QString &path);
    void setStatus(int status);
    // How far a running job is, 0 to 100; negative while it does not say.
    void setProgress(int percent);
    // The reason a failed job gives, shown under its name and on its status.
    void setFailureReason(const QString &reason);
    QString failureReason() const { return m_failureReason; }
    // What a completed job adds to its size, such as pages converted as pictures.
    void setNote(const QString &note);
    // The input a failed job could not read; with offerRemoval the row offers to run the job
    // again without it.
    void setFailedInput(const QString &file, bool offerRemoval);
    QString failedInput() const { return m_failedInput; }

    QString taskId() const { return m_taskId; }
    QString outputPath() const { return m_outputPath; }
    int status() const { return m_status; }
    // The folder the open-folder button shows: the output itself when it is a folder, else the
    // folder holding it; empty without an output.
    QString folderToOpen() const;

    // The look of the rows, set once on the list that holds them.
    static QString styleRules();
    // The status icon: the icon file's dark strokes in the given colour, light areas clear.
    static QPixmap recolouredIcon(const QString &resource, const QColor &colour);
    // "before → after (saved n%)".
    static QString sizeChangeText(qint64 before, qint64 after);

Q_SIGNALS:
    // The open-file or open-folder button was used on this path.
    void openRequested(const QString &path);
    // The remove-and-retry button was used.
    void removeInputRequested();

private:
    void openFile();
    void openFolder();
    void showSecondLine();
    // A failed job wrote nothing: its row is named after what it read.
    void showFailedTitle();

    QString m_outputPath;
    QString m_note;
    QString m_taskId;
    QString m_sourceFile;
    int m_status = -1;
    int m_progress = -1;
    qint64 m_sourceSize = -1;
    QString m_failureReason;
    QStringList m_inputs;
    QString m_failedInput;
    bool m_offerRemoval = false;
    QLabel *m_fileIconLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QLabel *m_statusTextLabel = nullptr;
    QLabel *m_statusIconLabel = nullptr;
    QPushButton *m_openFileButton = nullptr;
    QPushButton *m_openFolderButton = nullptr;
    QPushButton *m_removeInputButton = nullptr;
};
