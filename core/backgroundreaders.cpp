#include "backgroundreaders.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

namespace background {

QThreadPool *readers()
{
    static QThreadPool *const pool = [] {
        auto *made = new QThreadPool;
        made->setObjectName(QStringLiteral("DocumentReaders"));
        made->setMaxThreadCount(std::max(QThread::idealThreadCount(), 2));
        made->setExpiryTimeout(15000);
        // As for Qt's own pool: reads still running when the application goes are waited for,
        // before the engine's statics are torn down under them.
        qAddPostRoutine([] {
            readers()->clear();
            readers()->waitForDone();
        });
        return made;
    }();
    return pool;
}

} // namespace background
