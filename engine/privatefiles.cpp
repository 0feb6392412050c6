#include "privatefiles.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace privatefiles {

QStringList places(const QString &name, const char *forcingVariable, const QString &built)
{
    const QString forced = qEnvironmentVariable(forcingVariable);
    if (!forced.isEmpty())
        return {forced};
    QStringList found;
    if (QCoreApplication::instance()) {
        const QString folder = QCoreApplication::applicationDirPath();
        found << folder + u"/../lib/velmora/"_s + name << folder + u'/' + name;
    }
    if (!built.isEmpty())
        found << built;
    return found;
}

} // namespace privatefiles
