#include "recentfilemanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRecent, "velmora.recent", QtInfoMsg)

namespace {

const auto listKey = "recentFiles"_L1;

} // namespace

RecentFileManager &RecentFileManager::instance()
{
    static RecentFileManager manager(defaultFilePath());
    return manager;
}

QString RecentFileManager::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir::toNativeSeparators(QDir(folder).filePath(u"recent_files.json"_s));
}

RecentFileManager::RecentFileManager(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_filePath(filePath)
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    load();
}

bool RecentFileManager::contains(const QString &path) const
{
    return m_paths.contains(path, Qt::CaseSensitive);
}

void RecentFileManager::add(const QString &path)
{
    // A file read every day stays on the list however many others pass through it.
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > m_maximumCount)
        m_paths.removeLast();
    qCDebug(lcRecent) << "recent files after add:" << m_paths;
    save();
}

bool RecentFileManager::remove(const QString &path)
{
    if (!m_paths.removeOne(path))
        return false;
    save();
    return true;
}

void RecentFileManager::load()
{
    m_paths.clear();
    m_fileUnreadable = false;
    qCDebug(lcRecent) << "loading recent files from" << m_filePath;

    QFile file(m_filePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcRecent) << "cannot read" << m_filePath << file.errorString();
        m_fileUnreadable = true;
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        qCDebug(lcRecent) << "malformed recent files store:" << error.errorString();
        m_fileUnreadable = true;
        return;
    }
    if (!document.isObject() || !document.object().value(listKey).isArray()) {
        qCDebug(lcRecent) << "recent files store holds no list";
        m_fileUnreadable = true;
        return;
    }

    const QJsonArray entries = document.object().value(listKey).toArray();
    for (const QJsonValue &entry : entries) {
        const QString path = entry.toString();
        if (!path.isEmpty())
            m_paths.append(path);
    }
}

bool RecentFileManager::keepUnreadableFile()
{
    const QString backup = m_filePath + u".bak"_s;
    QFile::remove(backup);
    if (QFile::copy(m_filePath, backup))
        return true;
    qCDebug(lcRecent) << "could not keep a copy of the unreadable store as" << backup;
    return false;
}

void RecentFileManager::save()
{
    QJsonArray entries;
    for (const QString &path : std::as_const(m_paths))
        entries.append(path);
    QJsonObject root;
    root.insert(listKey, entries);
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    qCDebug(lcRecent) << "saving recent files:" << m_paths;
    qCDebug(lcRecent).noquote() << QString::fromUtf8(json);

    // Rather lose this run's additions than overwrite a file we could neither read nor copy.
    if (m_fileUnreadable && !keepUnreadableFile())
        return;

    // Written beside the store and renamed over it, so a crash mid-write leaves the old list.
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCDebug(lcRecent) << "cannot write" << m_filePath << file.errorString();
        return;
    }
    file.write(json);
    if (!file.commit()) {
        qCDebug(lcRecent) << "writing" << m_filePath << "failed:" << file.errorString();
        return;
    }
    m_fileUnreadable = false;
}
