#include "pagereader.h"

#include "privatefiles.h"

#include <QLibrary>
#include <QMutex>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace textrecognition {
namespace {

using Factory = PageReader *(*)(const char *languages, const char *dataFolder);

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
#ifdef VELMORA_OCR_MODULE_BUILT
            const QString built = QStringLiteral(VELMORA_OCR_MODULE_BUILT);
#else
            const QString built;
#endif
            // Its libraries global, so that it finds tesseract's OpenMP runtime by name to keep
            // it to one thread.
            factory = reinterpret_cast<Factory>(privatefiles::resolve(
                u"libvelmora_ocr.so"_s, "VELMORA_OCR_MODULE", built, "velmora_page_reader",
                QLibrary::ExportExternalSymbolsHint, &failure));
        }
    }
    if (!factory) {
        *why = u"the text recognition module cannot be loaded: "_s + failure;
        return {};
    }
    return std::unique_ptr<PageReader>(factory(languages.constData(), dataFolder.constData()));
}

} // namespace textrecognition
