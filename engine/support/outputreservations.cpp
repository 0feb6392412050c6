#include "outputreservations.h"

#include "pathidentity.h"

#include <QHash>
#include <QMutex>

namespace outputreservations {
namespace {

QMutex g_mutex;
QHash<QString, QString> g_owners; // name key -> owner

} // namespace

bool reserve(const QString &path, const QString &owner)
{
    if (path.isEmpty())
        return true;
    QMutexLocker lock(&g_mutex);
    const QString k = pathidentity::outputKey(path);
    const auto it = g_owners.constFind(k);
    if (it != g_owners.constEnd())
        return it.value() == owner;
    g_owners.insert(k, owner);
    return true;
}

bool isReservedByOther(const QString &path, const QString &owner)
{
    QMutexLocker lock(&g_mutex);
    const auto it = g_owners.constFind(pathidentity::outputKey(path));
    return it != g_owners.constEnd() && it.value() != owner;
}

void release(const QString &owner)
{
    QMutexLocker lock(&g_mutex);
    g_owners.removeIf(
        [&](const QHash<QString, QString>::iterator it) { return it.value() == owner; });
}

} // namespace outputreservations
