#include "pdffixtures.h"

#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace fixtures {
namespace {

using Obj = QPDFObjectHandle;

std::string num(double v)
{
    return QByteArray::number(v, 'f', 3).toStdString();
}

std::string pageContent(const PageSpec &page)
{
    const double w = page.size.width();
    const double h = page.size.height();
    std::string s;
    s += num(page.colour.redF()) + " " + num(page.colour.greenF()) + " " +
         num(page.colour.blueF()) + " rg 0 0 " + num(w) + " " + num(h) + " re f\n";
    s += "0 0 0 rg 0 " + num(h * 0.75) + " " + num(w / 4) + " " + num(h / 4) + " re f\n";
    return s;
}

Obj rect(double x0, double y0, double x1, double y1)
{
    return Obj::newArray(Obj::Rectangle(x0, y0, x1, y1));
}

Obj explicitDest(Obj page)
{
    return Obj::newArray({page, Obj::newName("/Fit")});
}

} // namespace

QColor colourFor(int index)
{
    static const QColor colours[] = {QColor(220, 40, 40),  QColor(40, 170, 60),
                                     QColor(40, 80, 220),  QColor(230, 200, 30),
                                     QColor(160, 60, 200), QColor(30, 190, 200)};
    return colours[index % 6];
}

QList<PageSpec> pagesOf(int count, QSizeF size)
{
    QList<PageSpec> pages;
    for (int i = 0; i < count; ++i) {
        PageSpec page;
        page.size = size;
        page.colour = colourFor(i);
        pages.append(page);
    }
    return pages;
}

bool write(const DocumentSpec &spec, const QString &path)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pagesHelper(pdf);
        std::vector<Obj> pages;
        for (const PageSpec &page : spec.pages) {
            Obj dict = Obj::newDictionary();
            dict.replaceKey("/Type", Obj::newName("/Page"));
            dict.replaceKey("/MediaBox", rect(0, 0, page.size.width(), page.size.height()));
            if (!page.cropBox.isEmpty())
                dict.replaceKey("/CropBox", rect(page.cropBox.left(), page.cropBox.top(),
                                                 page.cropBox.right(), page.cropBox.bottom()));
            if (page.rotate && !spec.rotateOnPagesNode)
                dict.replaceKey("/Rotate", Obj::newInteger(page.rotate));
            if (spec.userUnit > 0)
                dict.replaceKey("/UserUnit", Obj::newReal(spec.userUnit, 3));
            dict.replaceKey("/Resources", Obj::newDictionary());
            dict.replaceKey("/Contents", Obj::newStream(&pdf, pageContent(page)));
            Obj indirect = pdf.makeIndirectObject(dict);
            pagesHelper.addPage(QPDFPageObjectHelper(indirect), false);
            pages.push_back(pdf.getAllPages().back());
        }
        Obj root = pdf.getRoot();
        if (spec.rotateOnPagesNode && !spec.pages.isEmpty())
            root.getKey("/Pages").replaceKey("/Rotate", Obj::newInteger(spec.pages[0].rotate));

        auto addAnnot = [&](int pageIndex, Obj annot) {
            Obj page = pages[static_cast<size_t>(pageIndex)];
            if (!page.getKey("/Annots").isArray())
                page.replaceKey("/Annots", Obj::newArray());
            page.getKey("/Annots").appendItem(pdf.makeIndirectObject(annot));
        };
        int linkSlot = 0;
        for (const auto &link : spec.links) {
            Obj annot = Obj::newDictionary();
            annot.replaceKey("/Type", Obj::newName("/Annot"));
            annot.replaceKey("/Subtype", Obj::newName("/Link"));
            annot.replaceKey("/Rect", rect(10, 10 + 20 * linkSlot, 60, 25 + 20 * linkSlot));
            annot.replaceKey("/Border", Obj::parse("[0 0 0]"));
            annot.replaceKey("/Dest", explicitDest(pages[static_cast<size_t>(link.second)]));
            addAnnot(link.first, annot);
            ++linkSlot;
        }
        Obj names = Obj::newArray(); // name tree entries, in sorted order
        auto namedTarget = [&](Obj target) {
            if (spec.namedDestsWrapped) {
                Obj wrapper = Obj::newDictionary();
                wrapper.replaceKey("/D", target);
                target = wrapper;
            }
            return pdf.makeIndirectObject(target);
        };
        if (!spec.namedLinks.isEmpty()) {
            for (qsizetype i = 0; i < spec.namedLinks.size(); ++i) {
                const std::string name = "dest" + std::to_string(i);
                names.appendItem(Obj::newString(name));
                names.appendItem(namedTarget(
                    explicitDest(pages[static_cast<size_t>(spec.namedLinks[i].second)])));
                Obj annot = Obj::newDictionary();
                annot.replaceKey("/Type", Obj::newName("/Annot"));
                annot.replaceKey("/Subtype", Obj::newName("/Link"));
                annot.replaceKey("/Rect", rect(70, 10 + 20 * i, 120, 25 + 20 * i));
                Obj action = Obj::newDictionary();
                action.replaceKey("/S", Obj::newName("/GoTo"));
                action.replaceKey("/D", Obj::newString(name));
                annot.replaceKey("/A", action);
                addAnnot(spec.namedLinks[i].first, annot);
            }
        }
        if (spec.annotationPage >= 0) {
            Obj ap = Obj::newStream(&pdf, "0 0 1 rg 0 0 40 40 re f\n");
            Obj apDict = ap.getDict();
            apDict.replaceKey("/Type", Obj::newName("/XObject"));
            apDict.replaceKey("/Subtype", Obj::newName("/Form"));
            apDict.replaceKey("/BBox", rect(0, 0, 40, 40));
            Obj annot = Obj::newDictionary();
            annot.replaceKey("/Type", Obj::newName("/Annot"));
            annot.replaceKey("/Subtype", Obj::newName("/Square"));
            const QSizeF size = spec.pages[spec.annotationPage].size;
            const double x = size.width() / 2 - 20;
            const double y = size.height() / 2 - 20;
            annot.replaceKey("/Rect", rect(x, y, x + 40, y + 40));
            annot.replaceKey("/C", Obj::parse("[0 0 1]"));
            Obj apEntry = Obj::newDictionary();
            apEntry.replaceKey("/N", ap);
            annot.replaceKey("/AP", apEntry);
            addAnnot(spec.annotationPage, annot);
        }
        if (spec.formFieldPage >= 0) {
            Obj field = Obj::newDictionary();
            field.replaceKey("/Type", Obj::newName("/Annot"));
            field.replaceKey("/Subtype", Obj::newName("/Widget"));
            field.replaceKey("/FT", Obj::newName("/Tx"));
            field.replaceKey("/T", Obj::newString("field" + std::to_string(spec.formFieldPage)));
            field.replaceKey("/V", Obj::newString("hello"));
            field.replaceKey("/Rect", rect(100, 100, 180, 120));
            field.replaceKey("/P", pages[static_cast<size_t>(spec.formFieldPage)]);
            Obj indirect = pdf.makeIndirectObject(field);
            Obj page = pages[static_cast<size_t>(spec.formFieldPage)];
            if (!page.getKey("/Annots").isArray())
                page.replaceKey("/Annots", Obj::newArray());
            page.getKey("/Annots").appendItem(indirect);
            Obj acroForm = Obj::newDictionary();
            acroForm.replaceKey("/Fields", Obj::newArray({indirect}));
            acroForm.replaceKey("/DA", Obj::newString("/Helv 0 Tf 0 g"));
            root.replaceKey("/AcroForm", pdf.makeIndirectObject(acroForm));
        }
        if (spec.outlines && !pages.empty()) {
            Obj outlines = pdf.makeIndirectObject(Obj::newDictionary());
            outlines.replaceKey("/Type", Obj::newName("/Outlines"));
            std::vector<Obj> items;
            for (size_t i = 0; i < pages.size(); ++i) {
                Obj item = pdf.makeIndirectObject(Obj::newDictionary());
                item.replaceKey("/Title", Obj::newUnicodeString("Page " + std::to_string(i + 1)));
                item.replaceKey("/Parent", outlines);
                if (spec.namedOutlines) {
                    const std::string name = "page" + std::to_string(i);
                    names.appendItem(Obj::newString(name));
                    names.appendItem(namedTarget(explicitDest(pages[i])));
                    item.replaceKey("/Dest", Obj::newString(name));
                } else {
                    item.replaceKey("/Dest", explicitDest(pages[i]));
                }
                items.push_back(item);
            }
            for (size_t i = 0; i < items.size(); ++i) {
                if (i > 0)
                    items[i].replaceKey("/Prev", items[i - 1]);
                if (i + 1 < items.size())
                    items[i].replaceKey("/Next", items[i + 1]);
            }
            Obj child = pdf.makeIndirectObject(Obj::newDictionary());
            child.replaceKey("/Title", Obj::newUnicodeString("Page 1 detail"));
            child.replaceKey("/Parent", items[0]);
            child.replaceKey("/Dest", explicitDest(pages[0]));
            items[0].replaceKey("/First", child);
            items[0].replaceKey("/Last", child);
            items[0].replaceKey("/Count", Obj::newInteger(1));
            outlines.replaceKey("/First", items.front());
            outlines.replaceKey("/Last", items.back());
            outlines.replaceKey("/Count",
                                Obj::newInteger(static_cast<long long>(items.size() + 1)));
            root.replaceKey("/Outlines", outlines);
        }
        if (names.getArrayNItems() > 0) {
            Obj tree = Obj::newDictionary();
            tree.replaceKey("/Names", names);
            Obj namesDict = Obj::newDictionary();
            namesDict.replaceKey("/Dests", pdf.makeIndirectObject(tree));
            root.replaceKey("/Names", namesDict);
        }
        const QByteArray fileName = QFile::encodeName(path); // the writer keeps the pointer
        QPDFWriter writer(pdf, fileName.constData());
        writer.setStaticID(true);
        writer.write();
        return true;
    } catch (const std::exception &e) {
        qWarning("fixture %s: %s", qPrintable(path), e.what());
        return false;
    }
}

bool encrypt(const QString &in, const QString &out, Scheme scheme, const QString &user,
             const QString &owner)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(in).constData());
        const QByteArray fileName = QFile::encodeName(out);
        QPDFWriter writer(pdf, fileName.constData());
        const std::string u = user.toStdString();
        const std::string o = owner.toStdString();
        switch (scheme) {
        case Scheme::Rc4_40:
            writer.setR2EncryptionParametersInsecure(u.c_str(), o.c_str(), true, true, true, true);
            break;
        case Scheme::Rc4_128:
            writer.setR3EncryptionParametersInsecure(u.c_str(), o.c_str(), true, true, true, true,
                                                     true, true, qpdf_r3p_full);
            break;
        case Scheme::Aes128:
            writer.setR4EncryptionParametersInsecure(u.c_str(), o.c_str(), true, true, true, true,
                                                     true, true, qpdf_r3p_full, true, true);
            break;
        case Scheme::Aes256:
            writer.setR6EncryptionParameters(u.c_str(), o.c_str(), true, true, true, true, true,
                                             true, qpdf_r3p_full, true);
            break;
        }
        writer.write();
        return true;
    } catch (const std::exception &e) {
        qWarning("encrypt %s: %s", qPrintable(in), e.what());
        return false;
    }
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace fixtures
