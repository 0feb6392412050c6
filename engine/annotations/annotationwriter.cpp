#include "annotationwriter.h"

#include "annotationgeometry.h"
#include "pdfeditorbackend.h"
#include "unicodeface.h"

#include <QUuid>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace annotationwriter {
namespace {

using Type = PdfAnnotation::Type;
using Handle = QPDFObjectHandle;

std::string num(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text == QLatin1String("-0") ? std::string("0") : text.toStdString();
}

Handle real(double value)
{
    return Handle::newReal(value, 3, true);
}

Handle numbers(const std::vector<double> &values)
{
    std::vector<Handle> items;
    items.reserve(values.size());
    for (double v : values)
        items.push_back(real(v));
    return Handle::newArray(items);
}

Handle text(const QString &value)
{
    return Handle::newUnicodeString(value.toStdString());
}

const char *subtypeOf(Type type)
{
    switch (type) {
    case Type::Highlight:
        return "/Highlight";
    case Type::Underline:
        return "/Underline";
    case Type::StrikeOut:
        return "/StrikeOut";
    case Type::Note:
        return "/Text";
    case Type::FreeText:
        return "/FreeText";
    case Type::Ink:
        return "/Ink";
    case Type::Rectangle:
        return "/Square";
    case Type::Ellipse:
        return "/Circle";
    case Type::Arrow:
        return "/Line";
    case Type::Other:
        break;
    }
    return nullptr;
}

std::string colourOp(const QColor &c, bool stroke)
{
    return num(c.redF()) + " " + num(c.greenF()) + " " + num(c.blueF()) +
           (stroke ? " RG\n" : " rg\n");
}

std::string dashOp(const QList<double> &dash)
{
    std::string out = "[";
    for (double length : dash)
        out += num(length) + " ";
    return out + "] 0 d\n";
}

void appendPath(std::string &out, const QPainterPath &path)
{
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            out += num(e.x) + " " + num(e.y) + " m\n";
        } else if (e.isLineTo()) {
            out += num(e.x) + " " + num(e.y) + " l\n";
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            out += num(e.x) + " " + num(e.y) + " " + num(c2.x) + " " + num(c2.y) + " " +
                   num(end.x) + " " + num(end.y) + " c\n";
            i += 2;
        }
    }
}

// The drawing of an annotation, in shown points (y downwards) under cm.
std::string appearance(const PdfAnnotation &a, const QTransform &cm, const UnicodeFace *face)
{
    std::string out = "q\n" + num(cm.m11()) + " " + num(cm.m12()) + " " + num(cm.m21()) + " " +
                      num(cm.m22()) + " " + num(cm.dx()) + " " + num(cm.dy()) + " cm\n/GS0 gs\n";
    switch (a.type) {
    case Type::Highlight:
        out += colourOp(a.colour, false);
        for (const QPolygonF &quad : a.quads) {
            QPainterPath path;
            path.addPolygon(quad);
            appendPath(out, path);
            out += "h\n";
        }
        out += "f\n";
        break;
    case Type::Underline:
    case Type::StrikeOut:
        out += colourOp(a.colour, true);
        for (const QPolygonF &quad : a.quads) {
            const QLineF line = annotationgeometry::markupLine(a, quad);
            out += num(annotationgeometry::markupThickness(quad)) + " w\n" + num(line.x1()) + " " +
                   num(line.y1()) + " m " + num(line.x2()) + " " + num(line.y2()) + " l S\n";
        }
        break;
    case Type::Note: {
        out += colourOp(a.colour, false) + colourOp(a.colour.darker(160), true) + "0.8 w\n";
        appendPath(out, annotationgeometry::noteIcon(a.rect));
        out += "h B\n";
        const QRectF r = a.rect;
        for (int i = 1; i <= 3; ++i) {
            const double y = r.top() + r.height() * (0.2 + 0.18 * i);
            out += num(r.left() + r.width() * 0.2) + " " + num(y) + " m " +
                   num(r.right() - r.width() * 0.2) + " " + num(y) + " l S\n";
        }
        break;
    }
    case Type::FreeText: {
        const QRectF r = a.rect;
        out += num(r.left()) + " " + num(r.top()) + " " + num(r.width()) + " " + num(r.height()) +
               " re W n\n" + colourOp(a.colour, false);
        double baseline = r.top() + 2 + a.fontSize * 0.9;
        for (const QString &line :
             annotationgeometry::wrappedLines(a.text, a.fontSize, r.width() - 4)) {
            // Text is set upright: flipped back against the downward y of the shown page.
            out += "BT\n1 0 0 -1 " + num(r.left() + 2) + " " + num(baseline) + " Tm\n" +
                   textRuns(line, a.fontSize, face) + "ET\n";
            baseline += a.fontSize * 1.2;
        }
        break;
    }
    case Type::Ink:
    case Type::Rectangle:
    case Type::Ellipse:
    case Type::Arrow: {
        out += colourOp(a.colour, true) + num(a.width) + " w\n1 j\n";
        // Dashes end square, as on screen; round caps would lengthen each one.
        out += a.dash.isEmpty() ? std::string("1 J\n") : "0 J\n" + dashOp(a.dash);
        const bool filled = a.fill.isValid() && annotationgeometry::fillable(a.type);
        if (filled)
            out += colourOp(a.fill, false);
        appendPath(out, annotationgeometry::strokePath(a));
        appendPath(out, annotationgeometry::arrowHead(a));
        if (annotationgeometry::fillable(a.type))
            out += "h\n";
        out += filled ? "B\n" : "S\n";
        break;
    }
    case Type::Other:
        break;
    }
    return out + "Q\n";
}

Handle appearanceStream(QPDF &pdf, const PdfAnnotation &a, const QTransform &cm,
                        const QRectF &userRect, Handle font)
{
    Handle state = Handle::newDictionary();
    state.replaceKey("/Type", Handle::newName("/ExtGState"));
    state.replaceKey("/CA", real(a.opacity));
    state.replaceKey("/ca", real(a.opacity));
    if (a.type == Type::Highlight)
        state.replaceKey("/BM", Handle::newName("/Multiply"));
    Handle states = Handle::newDictionary();
    states.replaceKey("/GS0", state);
    Handle resources = Handle::newDictionary();
    resources.replaceKey("/ExtGState", states);
    std::optional<UnicodeFace> face;
    if (a.type == Type::FreeText) {
        Handle fonts = Handle::newDictionary();
        fonts.replaceKey("/Helv", font);
        if (const std::set<char32_t> wanted = faceCharacters(a.text); !wanted.empty()) {
            face.emplace(wanted);
            if (!face->isNull())
                fonts.replaceKey("/Uni", face->font(pdf));
        }
        if (needsCjk(a.text, face ? &*face : nullptr))
            fonts.replaceKey("/CJK", cjkFont(pdf));
        resources.replaceKey("/Font", fonts);
    }
    Handle stream = Handle::newStream(&pdf, appearance(a, cm, face ? &*face : nullptr));
    Handle dict = stream.getDict();
    dict.replaceKey("/Type", Handle::newName("/XObject"));
    dict.replaceKey("/Subtype", Handle::newName("/Form"));
    dict.replaceKey(
        "/BBox", numbers({userRect.left(), userRect.top(), userRect.right(), userRect.bottom()}));
    dict.replaceKey("/Resources", resources);
    return stream;
}

std::string pdfDate(const QDateTime &when)
{
    const QDateTime utc = (when.isValid() ? when : QDateTime::currentDateTimeUtc()).toUTC();
    return "D:" + utc.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString() + "Z";
}

Handle annotationDictionary(QPDF &pdf, Handle page, const PdfAnnotation &a, const QTransform &cm,
                            Handle font)
{
    const char *subtype = subtypeOf(a.type);
    const QRectF userRect = cm.mapRect(PdfEditorBackend::annotationBounds(a)).normalized();
    Handle annot = Handle::newDictionary();
    annot.replaceKey("/Type", Handle::newName("/Annot"));
    annot.replaceKey("/Subtype", Handle::newName(subtype));
    annot.replaceKey(
        "/Rect", numbers({userRect.left(), userRect.top(), userRect.right(), userRect.bottom()}));
    annot.replaceKey("/P", page);
    annot.replaceKey("/F", Handle::newInteger(4)); // printed
    annot.replaceKey("/NM", text(QUuid::createUuid().toString(QUuid::WithoutBraces)));
    annot.replaceKey("/M", Handle::newString(pdfDate(a.modified)));
    annot.replaceKey("/C", numbers({a.colour.redF(), a.colour.greenF(), a.colour.blueF()}));
    annot.replaceKey("/CA", real(a.opacity));
    if (!a.text.isEmpty())
        annot.replaceKey("/Contents", text(a.text));
    if (!a.author.isEmpty())
        annot.replaceKey("/T", text(a.author));
    Handle border = Handle::newDictionary();
    border.replaceKey("/W", real(a.type == Type::FreeText ? 0 : a.width));
    border.replaceKey("/S", Handle::newName(a.dash.isEmpty() ? "/S" : "/D"));
    if (!a.dash.isEmpty())
        border.replaceKey("/D", numbers(std::vector<double>(a.dash.cbegin(), a.dash.cend())));
    if (a.fill.isValid() && annotationgeometry::fillable(a.type))
        annot.replaceKey("/IC", numbers({a.fill.redF(), a.fill.greenF(), a.fill.blueF()}));
    switch (a.type) {
    case Type::Highlight:
    case Type::Underline:
    case Type::StrikeOut: {
        std::vector<double> points;
        for (const QPolygonF &quad : a.quads) {
            if (quad.size() < 4)
                continue;
            // Upper left, upper right, lower left, lower right.
            for (int corner : {0, 1, 3, 2}) {
                const QPointF p = cm.map(quad.at(corner));
                points.push_back(p.x());
                points.push_back(p.y());
            }
        }
        annot.replaceKey("/QuadPoints", numbers(points));
        break;
    }
    case Type::Note:
        annot.replaceKey("/Name", Handle::newName("/Comment"));
        annot.replaceKey("/Open", Handle::newBool(false));
        break;
    case Type::FreeText:
        annot.replaceKey("/DA",
                         Handle::newString("/Helv " + num(a.fontSize) + " Tf " +
                                           num(a.colour.redF()) + " " + num(a.colour.greenF()) +
                                           " " + num(a.colour.blueF()) + " rg"));
        annot.replaceKey("/BS", border);
        break;
    case Type::Ink: {
        std::vector<Handle> strokes;
        for (const QPolygonF &stroke : a.paths) {
            std::vector<double> points;
            for (const QPointF &shown : stroke) {
                const QPointF p = cm.map(shown);
                points.push_back(p.x());
                points.push_back(p.y());
            }
            strokes.push_back(numbers(points));
        }
        annot.replaceKey("/InkList", Handle::newArray(strokes));
        annot.replaceKey("/BS", border);
        break;
    }
    case Type::Rectangle:
    case Type::Ellipse:
        annot.replaceKey("/BS", border);
        break;
    case Type::Arrow:
        if (!a.paths.isEmpty() && a.paths.first().size() >= 2) {
            const QPointF from = cm.map(a.paths.first().first());
            const QPointF to = cm.map(a.paths.first().last());
            annot.replaceKey("/L", numbers({from.x(), from.y(), to.x(), to.y()}));
        }
        annot.replaceKey("/LE", Handle::newArray(std::vector<Handle>{
                                    Handle::newName("/None"), Handle::newName("/OpenArrow")}));
        annot.replaceKey("/BS", border);
        break;
    case Type::Other:
        break;
    }
    Handle ap = Handle::newDictionary();
    ap.replaceKey("/N", appearanceStream(pdf, a, cm, userRect, font));
    annot.replaceKey("/AP", ap);
    return pdf.makeIndirectObject(annot);
}

} // namespace

void writePage(QPDF &pdf, QPDFObjectHandle page, const PdfSourcePage &spec, int ownRotation,
               QPDFObjectHandle font)
{
    if (spec.annotations.isEmpty() && spec.hiddenAnnotations.isEmpty())
        return;
    std::vector<Handle> kept;
    Handle annots = page.getKey("/Annots");
    if (annots.isArray()) {
        const std::set<int> hidden(spec.hiddenAnnotations.cbegin(), spec.hiddenAnnotations.cend());
        std::set<QPDFObjGen> gone;
        const int count = annots.getArrayNItems();
        for (int i = 0; i < count; ++i)
            if (hidden.count(i))
                gone.insert(annots.getArrayItem(i).getObjGen());
        for (int i = 0; i < count; ++i) {
            Handle item = annots.getArrayItem(i);
            if (hidden.count(i))
                continue;
            // A deleted note's pop-up goes with it.
            if (item.isDictionary() && item.getKey("/Parent").isIndirect() &&
                gone.count(item.getKey("/Parent").getObjGen()))
                continue;
            kept.push_back(item);
        }
    }
    const QTransform cm =
        annotationgeometry::shownToUser(annotationgeometry::visibleBox(page), ownRotation);
    for (const PdfAnnotation &a : spec.annotations) {
        if (a.type == Type::Other)
            continue;
        kept.push_back(annotationDictionary(pdf, page, a, cm, font));
    }
    // A new array: the old one may be shared with other copies of the page.
    page.replaceKey("/Annots", Handle::newArray(kept));
}

void fillForms(QPDF &pdf, const std::vector<QPDFObjectHandle> &pages,
               const QList<PdfSourcePage> &specs)
{
    bool any = false;
    for (const PdfSourcePage &spec : specs)
        any = any || !spec.fieldValues.isEmpty();
    if (!any)
        return;
    // Appearances are set in the font the fields name; forms that name Helvetica ("/Helv")
    // without giving it in their resources would show nothing in other readers.
    Handle acroForm = pdf.getRoot().getKey("/AcroForm");
    if (acroForm.isDictionary()) {
        if (!acroForm.getKey("/DR").isDictionary())
            acroForm.replaceKey("/DR", Handle::newDictionary());
        Handle resources = acroForm.getKey("/DR");
        if (!resources.getKey("/Font").isDictionary())
            resources.replaceKey("/Font", Handle::newDictionary());
        Handle fonts = resources.getKey("/Font");
        if (!fonts.hasKey("/Helv"))
            fonts.replaceKey("/Helv", Handle::parse("<< /Type /Font /Subtype /Type1 /BaseFont "
                                                    "/Helvetica /Encoding /WinAnsiEncoding >>"));
    }
    QPDFAcroFormDocumentHelper forms(pdf);
    for (size_t i = 0; i < pages.size() && i < size_t(specs.size()); ++i) {
        const QMap<QString, QString> &values = specs[qsizetype(i)].fieldValues;
        if (values.isEmpty())
            continue;
        for (QPDFAnnotationObjectHelper widget :
             forms.getWidgetAnnotationsForPage(QPDFPageObjectHelper(pages[i]))) {
            QPDFFormFieldObjectHelper field = forms.getFieldForAnnotation(widget);
            if (field.isNull())
                continue;
            const auto value =
                values.constFind(QString::fromStdString(field.getFullyQualifiedName()));
            if (value == values.cend())
                continue;
            if (field.isCheckbox() || field.isRadioButton())
                field.setV(Handle::newName("/" + value->toStdString()));
            else
                field.setV(value->toStdString());
        }
    }
    forms.generateAppearancesIfNeeded();
}

} // namespace annotationwriter
