#include "pdfreadback.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <map>

namespace readback {
namespace {

using Obj = QPDFObjectHandle;

Obj resolve(QPDF &pdf, Obj dest)
{
    for (int i = 0; i < 4 && !dest.isNull(); ++i) {
        if (dest.isArray())
            return dest;
        if (dest.isDictionary()) {
            dest = dest.getKey("/D");
        } else if (dest.isString()) {
            Obj names = pdf.getRoot().getKey("/Names");
            if (!names.isDictionary() || !names.getKey("/Dests").isDictionary())
                return Obj::newNull();
            QPDFNameTreeObjectHelper tree(names.getKey("/Dests"), pdf);
            Obj found;
            if (!tree.findObject(dest.getUTF8Value(), found))
                return Obj::newNull();
            dest = found;
        } else if (dest.isName()) {
            Obj dests = pdf.getRoot().getKey("/Dests");
            dest = dests.isDictionary() ? dests.getKey(dest.getName()) : Obj::newNull();
        } else {
            return Obj::newNull();
        }
    }
    return Obj::newNull();
}

Obj itemDest(Obj item)
{
    if (item.hasKey("/Dest"))
        return item.getKey("/Dest");
    Obj action = item.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
        return action.getKey("/D");
    return Obj::newNull();
}

int pageIndexOf(QPDF &pdf, const std::map<QPDFObjGen, int> &pages, Obj dest)
{
    Obj target = resolve(pdf, dest);
    if (!target.isArray() || target.getArrayNItems() < 1)
        return -1;
    Obj page = target.getArrayItem(0);
    if (!page.isIndirect())
        return -1;
    auto it = pages.find(page.getObjGen());
    return it == pages.end() ? -1 : it->second;
}

void walkOutlines(QPDF &pdf, const std::map<QPDFObjGen, int> &pages, Obj item, DocumentFacts &facts,
                  int depth)
{
    int guard = 0;
    while (item.isDictionary() && guard++ < 10000 && depth < 20) {
        facts.outlineTitles.append(QString::fromStdString(item.getKey("/Title").getUTF8Value()));
        facts.outlineTargets.append(pageIndexOf(pdf, pages, itemDest(item)));
        walkOutlines(pdf, pages, item.getKey("/First"), facts, depth + 1);
        item = item.getKey("/Next");
    }
}

QString romanNumeral(long long value)
{
    static const std::pair<int, const char *> parts[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString text;
    for (const auto &[amount, letters] : parts)
        for (; value >= amount; value -= amount)
            text += QLatin1String(letters);
    return text;
}

// The label text of a page as qpdf resolves the label ranges for it.
QString labelOf(QPDFPageLabelDocumentHelper &labels, long long page)
{
    Obj label = labels.getLabelForPage(page);
    if (!label.isDictionary())
        return {};
    QString text = label.getKey("/P").isString()
                       ? QString::fromStdString(label.getKey("/P").getUTF8Value())
                       : QString();
    const long long n = label.getKey("/St").isInteger() ? label.getKey("/St").getIntValue() : 1;
    const std::string style = label.getKey("/S").isName() ? label.getKey("/S").getName() : "";
    if (style == "/D")
        text += QString::number(n);
    else if (style == "/r")
        text += romanNumeral(n);
    else if (style == "/R")
        text += romanNumeral(n).toUpper();
    else if (style == "/a")
        text += QString(int((n - 1) / 26 + 1), QChar(u'a' + int((n - 1) % 26)));
    else if (style == "/A")
        text += QString(int((n - 1) / 26 + 1), QChar(u'A' + int((n - 1) % 26)));
    return text;
}

} // namespace

DocumentFacts inspect(const QString &path, const QString &password)
{
    DocumentFacts facts;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        facts.encrypted = pdf.isEncrypted();
        Obj info = pdf.getTrailer().getKey("/Info");
        if (info.isDictionary())
            for (auto [key, value] : info.ditems())
                if (value.isString())
                    facts.info.insert(QString::fromStdString(key.substr(1)),
                                      QString::fromStdString(value.getUTF8Value()));
        pdf.pushInheritedAttributesToPage();
        const std::vector<Obj> &all = pdf.getAllPages();
        std::map<QPDFObjGen, int> index;
        for (size_t i = 0; i < all.size(); ++i)
            index[all[i].getObjGen()] = static_cast<int>(i);
        QPDFPageLabelDocumentHelper labels(pdf);
        for (Obj page : all) {
            PageFacts p;
            if (labels.hasPageLabels())
                p.label = labelOf(labels, facts.pages.size());
            QPDFObjectHandle::Rectangle box = page.getKey("/MediaBox").getArrayAsRectangle();
            p.mediaBox = QSizeF(box.urx - box.llx, box.ury - box.lly);
            Obj rotate = page.getKey("/Rotate");
            p.rotate = rotate.isInteger() ? ((rotate.getIntValueAsInt() % 360) + 360) % 360 : 0;
            Obj annots = page.getKey("/Annots");
            if (annots.isArray()) {
                for (Obj annot : annots.aitems()) {
                    ++p.annotations;
                    if (annot.getKey("/Subtype").isNameAndEquals("/Link"))
                        p.linkTargets.append(pageIndexOf(pdf, index, itemDest(annot)));
                }
            }
            facts.pages.append(p);
        }
        Obj outlines = pdf.getRoot().getKey("/Outlines");
        if (outlines.isDictionary())
            walkOutlines(pdf, index, outlines.getKey("/First"), facts, 0);
        QPDFAcroFormDocumentHelper forms(pdf);
        for (QPDFFormFieldObjectHelper field : forms.getFormFields()) {
            facts.fieldNames.append(QString::fromStdString(field.getFullyQualifiedName()));
            int pageIndex = -1;
            for (QPDFAnnotationObjectHelper widget : forms.getAnnotationsForField(field)) {
                for (size_t i = 0; i < all.size() && pageIndex < 0; ++i) {
                    Obj page = all[i];
                    Obj annots = page.getKey("/Annots");
                    if (!annots.isArray())
                        continue;
                    for (Obj a : annots.aitems())
                        if (a.getObjGen() == widget.getObjectHandle().getObjGen())
                            pageIndex = static_cast<int>(i);
                }
            }
            facts.fieldPages.append(pageIndex);
        }
        facts.ok = true;
    } catch (const std::exception &e) {
        facts.error = QString::fromStdString(e.what());
    }
    return facts;
}

bool qpdfCheck(const QString &path, QString *output)
{
    QProcess process;
    process.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    process.waitForFinished(120000);
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput() +
                                         process.readAllStandardError());
    // 0 clean, 3 warnings only.
    return process.exitStatus() == QProcess::NormalExit &&
           (process.exitCode() == 0 || process.exitCode() == 3);
}

QImage renderPoppler(const QString &path, int page, int dpi, const QString &password)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList args{QStringLiteral("-r"),   QString::number(dpi),
                     QStringLiteral("-f"),   QString::number(page + 1),
                     QStringLiteral("-l"),   QString::number(page + 1),
                     QStringLiteral("-png"), QStringLiteral("-singlefile")};
    if (!password.isEmpty())
        args << QStringLiteral("-upw") << password;
    args << path << prefix;
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), args);
    process.waitForFinished(120000);
    return QImage(prefix + QStringLiteral(".png"));
}

int markerQuadrant(const QImage &image)
{
    if (image.isNull())
        return -1;
    const int w = image.width();
    const int h = image.height();
    const QPoint probes[] = {{w / 8, h / 8},
                             {w - 1 - w / 8, h / 8},
                             {w - 1 - w / 8, h - 1 - h / 8},
                             {w / 8, h - 1 - h / 8}};
    int found = -1;
    for (int i = 0; i < 4; ++i) {
        if (qGray(image.pixel(probes[i])) < 60) {
            if (found >= 0)
                return -1;
            found = i;
        }
    }
    return found;
}

QColor centreColour(const QImage &image)
{
    if (image.isNull())
        return {};
    return QColor(image.pixel(image.width() / 2, image.height() * 3 / 4));
}

bool similar(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace readback
