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

FileChangeWatcher::FileChangeWatcher(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
        m_changed.insert(path);
        m_retries = 0;
        m_settle->start();
    });
    connect(m_settle, &QTimer::timeout, this, &FileChangeWatcher::checkChanged);
}

void FileChangeWatcher::setFiles(const QSet<QString> &paths)
{
    const QStringList watched = m_watcher->files();
    for (const QString &path : watched) {
        if (!paths.contains(path))
            m_watcher->removePath(path);
    }
    QHash<QString, FileStamp> stamps;
    for (const QString &path : paths) {
        const QString key = pathidentity::key(path);
        const auto known = m_stamps.constFind(key);
        stamps.insert(key, known != m_stamps.constEnd() ? *known : FileStamp::of(path));
        if (!watched.contains(path) && QFileInfo::exists(path))
            m_watcher->addPath(path);
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
    m_watcher->removePath(path);
    m_stamps.insert(pathidentity::key(path), FileStamp::of(path));
    if (QFileInfo::exists(path))
        m_watcher->addPath(path);
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
        m_watcher->removePath(path);
        m_watcher->addPath(path);
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
