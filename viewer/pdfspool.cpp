#include "pdfspool.h"

#include <QFile>

#if VELMORA_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace PdfSpool {

#if VELMORA_HAVE_CUPS

bool accepts(const QString &printerName)
{
    return !printerName.isEmpty();
}

bool submit(const QString &pdfPath, const Settings &settings, QString *error)
{
    cups_option_t *options = nullptr;
    int count = 0;
    const auto add = [&](const char *name, const QByteArray &value) {
        count = cupsAddOption(name, value.constData(), count, &options);
    };
    add("copies", QByteArray::number(qMax(settings.copies, 1)));
    // Pages keep their own size: scale each onto the sheet as the rendered path does.
    add("fit-to-page", "true");
    if (!settings.sides.isEmpty())
        add("sides", settings.sides.toUtf8());
    if (!settings.media.isEmpty())
        add("media", settings.media.toUtf8());
    const int job = cupsPrintFile(settings.printerName.toUtf8().constData(),
                                  QFile::encodeName(pdfPath).constData(),
                                  settings.title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job > 0)
        return true;
    if (error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return false;
}

#else

bool accepts(const QString &)
{
    return false;
}

bool submit(const QString &, const Settings &, QString *error)
{
    if (error)
        *error = QStringLiteral("No print spooler takes PDF on this system.");
    return false;
}

#endif

} // namespace PdfSpool
