#pragma once

#include "filestamp.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class QTimer;

// Watches a set of files and reports the ones another program changed. A change is looked at once
// the file has been quiet for a moment; a file missing while a writer renames its new content
// into place is waited for; a file whose stamp did not change is no news.
class FileChangeWatcher : public QObject
{
    Q_OBJECT

public:
    // While it answers true for a path (this program is writing it), that change waits.
    using BusyCheck = std::function<bool(const QString &path)>;

    explicit FileChangeWatcher(QObject *parent = nullptr);
    ~FileChangeWatcher() override;

    void setBusyCheck(BusyCheck busy) { m_busy = std::move(busy); }
    // Watches exactly these files; those watched already keep the stamp they were last seen with.
    void setFiles(const QSet<QString> &paths);
    // This program wrote the file: what it now holds is no news.
    void noteWritten(const QString &path);
    // A new file was put under the name: watch that one, as it is now.
    void rewatch(const QString &path);

Q_SIGNALS:
    void fileChanged(const QString &path);

private:
    friend class SharedFileWatch;
    void checkChanged();
    void changedOnDisk(const QString &path);
    void watch(const QString &path, bool afresh = false);
    void unwatch(const QString &path);

    QSet<QString> m_watched;
    QTimer *m_settle = nullptr;
    BusyCheck m_busy;
    QHash<QString, FileStamp> m_stamps; // by path key
    QSet<QString> m_changed;
    int m_retries = 0;
};
