#include "readingplacestore.h"

#include "filestamp.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const auto listKey = "places"_L1;

} // namespace

ReadingPlaceStore &ReadingPlaceStore::instance()
{
    static ReadingPlaceStore store(defaultFilePath());
    return store;
}

QString ReadingPlaceStore::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(u"reading_places.json"_s);
}

ReadingPlaceStore::ReadingPlaceStore(const QString &filePath)
    : m_filePath(filePath)
{
    load();
}

QString ReadingPlaceStore::keyOf(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

std::optional<ReadingPlaceStore::Place> ReadingPlaceStore::place(const QString &path) const
{
    const auto found = m_places.constFind(keyOf(path));
    if (found == m_places.cend())
        return std::nullopt;
    const FileStamp stamp = FileStamp::of(found.key());
    if (stamp.size != found->size || stamp.modifiedNs != found->modifiedNs)
        return std::nullopt;
    return *found;
}

void ReadingPlaceStore::remember(const QString &path, Place place)
{
    if (path.isEmpty())
        return;
    if (place.readAt == 0)
        place.readAt = QDateTime::currentMSecsSinceEpoch();
    const QString key = keyOf(path);
    const FileStamp stamp = FileStamp::of(key);
    place.size = stamp.size;
    place.modifiedNs = stamp.modifiedNs;
    m_places.insert(key, place);
    save();
}

void ReadingPlaceStore::load()
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // A store that cannot be read is started afresh: it only saves the reader some scrolling.
    const QJsonArray entries =
        QJsonDocument::fromJson(file.readAll()).object().value(listKey).toArray();
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString path = entry.value("path"_L1).toString();
        if (path.isEmpty())
            continue;
        Place place;
        place.page = std::max(entry.value("page"_L1).toInt(), 0);
        place.zoom = entry.value("zoom"_L1).toDouble(1.0);
        place.fitMode = std::clamp(entry.value("fit"_L1).toInt(), 0, 2);
        place.viewMode = std::clamp(entry.value("view"_L1).toInt(), 0, 1);
        place.layout = std::clamp(entry.value("layout"_L1).toInt(), 0, 3);
        place.viewRotation = std::clamp(entry.value("viewRotation"_L1).toInt(), 0, 3) * 90;
        place.readAt = qint64(entry.value("readAt"_L1).toDouble());
        place.size = entry.value("size"_L1).toString().toLongLong();
        place.modifiedNs = entry.value("modified"_L1).toString().toLongLong();
        m_places.insert(path, place);
    }
}

void ReadingPlaceStore::save()
{
    for (auto it = m_places.begin(); it != m_places.end();) {
        if (QFileInfo::exists(it.key()))
            ++it;
        else
            it = m_places.erase(it);
    }
    QList<QString> keys = m_places.keys();
    std::sort(keys.begin(), keys.end(), [this](const QString &a, const QString &b) {
        return m_places.value(a).readAt > m_places.value(b).readAt;
    });
    while (keys.size() > MaximumFiles)
        m_places.remove(keys.takeLast());

    QJsonArray entries;
    for (const QString &key : std::as_const(keys)) {
        const Place &place = m_places[key];
        entries.append(QJsonObject{{"path"_L1, key},
                                   {"page"_L1, place.page},
                                   {"zoom"_L1, place.zoom},
                                   {"fit"_L1, place.fitMode},
                                   {"view"_L1, place.viewMode},
                                   {"layout"_L1, place.layout},
                                   {"viewRotation"_L1, place.viewRotation / 90},
                                   {"readAt"_L1, double(place.readAt)},
                                   // Nanoseconds pass what a JSON number holds exactly.
                                   {"size"_L1, QString::number(place.size)},
                                   {"modified"_L1, QString::number(place.modifiedNs)}});
    }
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QJsonDocument(QJsonObject{{listKey, entries}}).toJson(QJsonDocument::Compact));
    file.commit();
}
