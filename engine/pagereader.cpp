#include "pagereader.h"

#include "privatefiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace textrecognition {
namespace {

using Factory = PageReader *(*)(const char *languages, const char *dataFolder);

QStringList modulePlaces()
{
#ifdef VELMORA_OCR_MODULE_BUILT
    const QString built = QStringLiteral(VELMORA_OCR_MODULE_BUILT);
#else
    const QString built;
#endif
    return privatefiles::places(u"libvelmora_ocr.so"_s, "VELMORA_OCR_MODULE", built);
}

} // namespace

std::unique_ptr<PageReader> makePageReader(const QByteArray &languages,
                                           const QByteArray &dataFolder, QString *why)
{
    static QMutex mutex;
    static Factory factory = nullptr;
    static QString failure;
    {
        QMutexLocker lock(&mutex);
        if (!factory && failure.isEmpty()) {
            for (const QString &place : modulePlaces()) {
                if (!QFileInfo::exists(place))
                    continue;
                // Never unloaded; its libraries global, so that it finds tesseract's OpenMP
                // runtime by name to keep it to one thread.
                QLibrary module(place);
                module.setLoadHints(QLibrary::ExportExternalSymbolsHint);
                factory = reinterpret_cast<Factory>(module.resolve("velmora_page_reader"));
                if (factory)
                    break;
                failure = module.errorString();
            }
            if (!factory && failure.isEmpty())
                failure = u"libvelmora_ocr.so is not installed"_s;
        }
    }
    if (!factory) {
        *why = u"the text recognition module cannot be loaded: "_s + failure;
        return {};
    }
    return std::unique_ptr<PageReader>(factory(languages.constData(), dataFolder.constData()));
}

} // namespace textrecognition
