#include "textrecognition.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

// Apart from the recognition itself: the command line checks --lang without the batch engine.
namespace textrecognition {
namespace {

struct Language
{
    QLocale::Language language;
    const char *code;
};

constexpr Language kLanguages[] = {
    {QLocale::Chinese, "chi_sim"}, {QLocale::German, "deu"},   {QLocale::French, "fra"},
    {QLocale::Spanish, "spa"},     {QLocale::Japanese, "jpn"}, {QLocale::Arabic, "ara"},
    {QLocale::English, "eng"},
};

} // namespace

QString dataFolder()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return QDir::cleanPath(prefix);
    for (const QString &folder :
         {u"/usr/share/tesseract-ocr/5/tessdata"_s, u"/usr/share/tesseract-ocr/4.00/tessdata"_s,
          u"/usr/share/tessdata"_s, u"/usr/local/share/tessdata"_s}) {
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return u"/usr/share/tesseract-ocr/5/tessdata"_s;
}

QStringList installedLanguages()
{
    QStringList languages;
    const QFileInfoList files =
        QDir(dataFolder()).entryInfoList({u"*.traineddata"_s}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString code = file.completeBaseName();
        if (code != u"osd"_s && code != u"equ"_s)
            languages.append(code);
    }
    return languages;
}

QString defaultLanguages()
{
    const QStringList installed = installedLanguages();
    QStringList chosen;
    const QLocale::Language interface = QLocale().language();
    for (const Language &language : kLanguages) {
        if (language.language == interface && installed.contains(QLatin1String(language.code)))
            chosen.append(QLatin1String(language.code));
    }
    if (!chosen.contains(u"eng"_s) && installed.contains(u"eng"_s))
        chosen.append(u"eng"_s);
    if (chosen.isEmpty() && !installed.isEmpty())
        chosen.append(installed.first());
    return chosen.join(u'+');
}

} // namespace textrecognition
