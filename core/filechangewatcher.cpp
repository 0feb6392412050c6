#include "filechangewatcher.h"

#include "pathidentity.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>

namespace {

// Writers that replace a file by renaming leave it missing for a moment; changes are looked at
// once the file has been quiet this long.
constexpr int SettleMs = 250;
constexpr int MissingRetries = 8;

} // namespace

// One system watch for the whole program: each watcher of its own holds a notification
// instance whose closing costs tens of milliseconds, which a window closing with many
// documents open paid once per document.
class SharedFileWatch : public QObject
{
public:
    static SharedFileWatch &instance()
    {
        static SharedFileWatch *shared = new SharedFileWatch;
        return *shared;
    }

    // afresh: watch whatever the name holds now, also where the old file kept the watch.
    void add(const QString &path, FileChangeWatcher *watcher, bool afresh)
    {
        QList<FileChangeWatcher *> &list = m_subscribers[path];
        if (!list.contains(watcher))
            list.append(watcher);
        if (afresh)
            m_watcher.removePath(path);
        if (afresh || !m_watcher.files().contains(path))
            m_watcher.addPath(path);
    }

    void remove(const QString &path, FileChangeWatcher *watcher)
    {
        const auto found = m_subscribers.find(path);
        if (found == m_subscribers.end())
            return;
        found->removeAll(watcher);
        if (found->isEmpty()) {
            m_subscribers.erase(found);
            m_watcher.removePath(path);
        }
    }

private:
    SharedFileWatch()
    {
        connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
            // A subscriber may unsubscribe while it hears of the change.
            const QList<FileChangeWatcher *> listeners = m_subscribers.value(path);
            for (FileChangeWatcher *listener : listeners)
                listener->changedOnDisk(path);
        });
    }

    QFileSystemWatcher m_watcher;
    QHash<QString, QList<FileChangeWatcher *>> m_subscribers;
};

FileChangeWatcher::FileChangeWatcher(QObject *parent)
    : QObject(parent)
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, &FileChangeWatcher::checkChanged);
}

FileChangeWatcher::~FileChangeWatcher()
{
    for (const QString &path : std::as_const(m_watched))
        SharedFileWatch::instance().remove(path, this);
}

void FileChangeWatcher::changedOnDisk(const QString &path)
{
    m_changed.insert(path);
    m_retries = 0;
    m_settle->start();
}

void FileChangeWatcher::watch(const QString &path, bool afresh)
{
    m_watched.insert(path);
    SharedFileWatch::instance().add(path, this, afresh);
}

void FileChangeWatcher::unwatch(const QString &path)
{
    m_watched.remove(path);
    SharedFileWatch::instance().remove(path, this);
}

void FileChangeWatcher::setFiles(const QSet<QString> &paths)
{
    const QSet<QString> watched = m_watched;
    for (const QString &path : watched) {
        if (!paths.contains(path))
            unwatch(path);
    }
    QHash<QString, FileStamp> stamps;
    for (const QString &path : paths) {
        const QString key = pathidentity::key(path);
        const auto known = m_stamps.constFind(key);
        stamps.insert(key, known != m_stamps.constEnd() ? *known : FileStamp::of(path));
        if (!watched.contains(path) && QFileInfo::exists(path))
            watch(path);
    }
    m_stamps = stamps;
}

void FileChangeWatcher::noteWritten(const QString &path)
{
    const QString key = pathidentity::key(path);
    if (m_stamps.contains(key))
        m_stamps.insert(key, FileStamp::of(path));
    m_changed.remove(path);
}

void FileChangeWatcher::rewatch(const QString &path)
{
    // A watch still on the old file would miss the next change made by another program.
    m_stamps.insert(pathidentity::key(path), FileStamp::of(path));
    if (QFileInfo::exists(path)) {
        watch(path, true);
    } else {
        unwatch(path);
    }
}

void FileChangeWatcher::checkChanged()
{
    QSet<QString> retry;
    const QSet<QString> changed = std::exchange(m_changed, {});
    for (const QString &path : changed) {
        const QString key = pathidentity::key(path);
        const auto known = m_stamps.constFind(key);
        if (known == m_stamps.constEnd())
            continue;
        if (m_busy && m_busy(path)) {
            retry.insert(path);
            continue;
        }
        if (!QFileInfo::exists(path)) {
            // Replaced by renaming: the new file may not be there yet.
            if (m_retries < MissingRetries)
                retry.insert(path);
            continue;
        }
        // A rename may have put a new file under the name while the old one, still open
        // somewhere, keeps the watch: watch whatever the name holds now, then look at it.
        watch(path, true);
        const FileStamp now = FileStamp::of(path);
        if (now == *known)
            continue;
        m_stamps.insert(key, now);
        Q_EMIT fileChanged(path);
    }
    if (!retry.isEmpty()) {
        ++m_retries;
        m_changed.unite(retry);
        m_settle->start();
    }
}
