#include "privatefiles.h"

#include <QCoreApplication>
#include <QFileInfo>

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

QFunctionPointer resolve(const QString &name, const char *forcingVariable, const QString &built,
                         const char *symbol, QLibrary::LoadHints hints, QString *failure)
{
    for (const QString &place : places(name, forcingVariable, built)) {
        if (!QFileInfo::exists(place))
            continue;
        QLibrary module(place);
        module.setLoadHints(hints);
        if (const QFunctionPointer function = module.resolve(symbol))
            return function;
        *failure = module.errorString();
    }
    if (failure->isEmpty())
        *failure = name + u" is not installed"_s;
    return nullptr;
}

} // namespace privatefiles
