#include "pdfeditorbackend.h"
#include "qpdfsupport.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

namespace {

QString roman(long long value)
{
    // Beyond a few thousand roman numerals stop being read; such labels show as digits.
    if (value <= 0 || value >= 5000)
        return QString::number(value);
    static const std::pair<int, const char *> parts[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString text;
    for (const auto &[amount, letters] : parts) {
        while (value >= amount) {
            text += QLatin1StringView(letters);
            value -= amount;
        }
    }
    return text;
}

// a..z, then aa..zz, aaa..: the letter repeated, as the PDF format counts.
QString letters(long long value)
{
    if (value <= 0 || value > 26 * 100)
        return QString::number(value);
    const QChar letter(u'a' + int((value - 1) % 26));
    return QString(int((value - 1) / 26) + 1, letter);
}

QString labelText(QPDFObjectHandle label)
{
    if (!label.isDictionary())
        return {};
    QString text;
    QPDFObjectHandle prefix = label.getKey("/P");
    if (prefix.isString())
        text = QString::fromStdString(prefix.getUTF8Value());
    QPDFObjectHandle start = label.getKey("/St");
    const long long number = start.isInteger() ? start.getIntValue() : 1;
    QPDFObjectHandle style = label.getKey("/S");
    const std::string name = style.isName() ? style.getName() : std::string();
    if (name == "/D")
        text += QString::number(number);
    else if (name == "/R")
        text += roman(number).toUpper();
    else if (name == "/r")
        text += roman(number);
    else if (name == "/A")
        text += letters(number).toUpper();
    else if (name == "/a")
        text += letters(number);
    return text;
}

// A count beyond this is more likely damage than a document.
constexpr long long MaxCountedPages = 1000000;

} // namespace

QStringList PdfEditorBackend::pageLabels(const QString &path, const QString &password,
                                         QString *message)
{
    return qpdfsupport::readWith(path, password, message, QStringList(), [](QPDF &pdf) {
        QPDFPageLabelDocumentHelper labels(pdf);
        if (!labels.hasPageLabels())
            return QStringList();
        // The tree's own count spares a walk of every page (half a second and a couple of
        // hundred megabytes on a long manual); a tree whose count cannot be trusted is walked.
        long long count = -1;
        QPDFObjectHandle tree = pdf.getRoot().getKey("/Pages");
        if (QPDFObjectHandle total = tree.getKey("/Count"); total.isInteger())
            count = total.getIntValue();
        if (count <= 0 || count > MaxCountedPages)
            count = static_cast<long long>(pdf.getAllPages().size());
        QStringList result;
        result.reserve(count);
        for (long long page = 0; page < count; ++page)
            result.append(labelText(labels.getLabelForPage(page)));
        return result;
    });
}
