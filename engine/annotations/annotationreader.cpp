#include "annotationgeometry.h"
#include "mupdfsupport.h"
#include "pdfeditorbackend.h"
#include "qpdfsupport.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <QRegularExpression>

#include <map>

namespace {

using Type = PdfAnnotation::Type;
using Handle = QPDFObjectHandle;

double number(Handle value, double fallback)
{
    return value.isNumber() ? value.getNumericValue() : fallback;
}

QString textOf(Handle value)
{
    return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
}

std::vector<double> numbersOf(Handle array)
{
    std::vector<double> out;
    if (!array.isArray())
        return out;
    for (Handle item : array.aitems())
        if (item.isNumber())
            out.push_back(item.getNumericValue());
    return out;
}

QColor colourOf(const std::vector<double> &c, const QColor &fallback)
{
    const auto unit = [](double v) {
        return std::clamp(v, 0.0, 1.0);
    };
    if (c.size() == 1)
        return QColor::fromRgbF(float(unit(c[0])), float(unit(c[0])), float(unit(c[0])));
    if (c.size() == 3)
        return QColor::fromRgbF(float(unit(c[0])), float(unit(c[1])), float(unit(c[2])));
    if (c.size() == 4)
        return QColor::fromCmykF(float(unit(c[0])), float(unit(c[1])), float(unit(c[2])),
                                 float(unit(c[3])))
            .toRgb();
    return fallback;
}

QDateTime dateOf(const QString &value)
{
    static const QRegularExpression pattern(
        QStringLiteral("^D?:?(\\d{4})(\\d{2})?(\\d{2})?(\\d{2})?"
                       "(\\d{2})?(\\d{2})?"));
    const QRegularExpressionMatch m = pattern.match(value);
    if (!m.hasMatch())
        return {};
    const auto part = [&m](int i, int fallback) {
        return m.captured(i).isEmpty() ? fallback : m.captured(i).toInt();
    };
    return QDateTime(QDate(part(1, 1), part(2, 1), part(3, 1)),
                     QTime(part(4, 0), part(5, 0), part(6, 0)), Qt::UTC);
}

bool typeOf(const std::string &subtype, Type *type)
{
    static const std::vector<std::pair<std::string, Type>> known = {
        {"/Highlight", Type::Highlight}, {"/Underline", Type::Underline},
        {"/StrikeOut", Type::StrikeOut}, {"/Text", Type::Note},
        {"/FreeText", Type::FreeText},   {"/Ink", Type::Ink},
        {"/Square", Type::Rectangle},    {"/Circle", Type::Ellipse},
        {"/Line", Type::Arrow}};
    for (const auto &[name, value] : known) {
        if (name == subtype) {
            *type = value;
            return true;
        }
    }
    // Not markup, or not an annotation a reader lists.
    static const std::vector<std::string> skipped = {
        "/Link", "/Widget", "/Popup", "/PrinterMark", "/TrapNet",  "/Watermark",
        "/3D",   "/Screen", "/Movie", "/Sound",       "/RichMedia"};
    *type = Type::Other;
    return std::find(skipped.begin(), skipped.end(), subtype) == skipped.end();
}

QPolygonF pointsOf(const std::vector<double> &values, const QTransform &toShown, size_t from,
                   size_t count)
{
    QPolygonF polygon;
    for (size_t i = from; i + 1 < from + count * 2 && i + 1 < values.size(); i += 2)
        polygon.append(toShown.map(QPointF(values[i], values[i + 1])));
    return polygon;
}

PdfAnnotation readOne(Handle annot, Type type, const QTransform &toShown)
{
    PdfAnnotation a;
    a.type = type;
    const std::vector<double> rect = numbersOf(annot.getKey("/Rect"));
    if (rect.size() == 4)
        a.rect = toShown.mapRect(
            QRectF(QPointF(rect[0], rect[1]), QPointF(rect[2], rect[3])).normalized());
    a.colour =
        colourOf(numbersOf(annot.getKey("/C")),
                 type == Type::Highlight ? QColor(0xFF, 0xE0, 0x3C) : QColor(0xE0, 0x52, 0x52));
    a.opacity = std::clamp(number(annot.getKey("/CA"), 1.0), 0.0, 1.0);
    if (const std::vector<double> fill = numbersOf(annot.getKey("/IC")); !fill.empty())
        a.fill = colourOf(fill, QColor());
    Handle border = annot.getKey("/BS");
    if (border.isDictionary()) {
        a.width = number(border.getKey("/W"), 1.0);
        if (border.getKey("/S").isName() && border.getKey("/S").getName() == "/D") {
            const std::vector<double> dash = numbersOf(border.getKey("/D"));
            a.dash = dash.empty() ? QList<double>{3.0} : QList<double>(dash.begin(), dash.end());
        }
    } else if (const std::vector<double> b = numbersOf(annot.getKey("/Border")); b.size() >= 3) {
        a.width = b[2];
    } else {
        a.width = 1.0;
    }
    a.text = textOf(annot.getKey("/Contents"));
    a.author = textOf(annot.getKey("/T"));
    a.state = textOf(annot.getKey("/State"));
    a.modified = dateOf(textOf(annot.getKey("/M")));
    if (annot.getKey("/Subtype").isName())
        a.subtype = QString::fromStdString(annot.getKey("/Subtype").getName()).mid(1);
    const std::vector<double> quads = numbersOf(annot.getKey("/QuadPoints"));
    for (size_t q = 0; q + 7 < quads.size(); q += 8) {
        const QPolygonF corners = pointsOf(quads, toShown, q, 4);
        // Stored upper left, upper right, lower left, lower right.
        a.quads.append(QPolygonF({corners[0], corners[1], corners[3], corners[2]}));
    }
    Handle ink = annot.getKey("/InkList");
    if (ink.isArray())
        for (Handle stroke : ink.aitems()) {
            const std::vector<double> points = numbersOf(stroke);
            a.paths.append(pointsOf(points, toShown, 0, points.size() / 2));
        }
    if (const std::vector<double> line = numbersOf(annot.getKey("/L")); line.size() == 4)
        a.paths.append(pointsOf(line, toShown, 0, 2));
    static const QRegularExpression size(QStringLiteral("([0-9.]+)\\s+Tf"));
    const QRegularExpressionMatch m = size.match(textOf(annot.getKey("/DA")));
    if (m.hasMatch() && m.captured(1).toDouble() > 0)
        a.fontSize = m.captured(1).toDouble();
    return a;
}

// From the page's user space to the page as shown: its visible box, its own (or inherited)
// /Rotate applied, origin at the top left.
QTransform userToShown(Handle page)
{
    return annotationgeometry::shownToUser(annotationgeometry::visibleBox(page),
                                           qpdfsupport::ownRotation(page))
        .inverted();
}

QList<PdfAnnotation> annotationsOf(Handle page)
{
    QList<PdfAnnotation> list;
    Handle annots = page.getKey("/Annots");
    if (annots.isArray()) {
        const QTransform toShown = userToShown(page);
        const int count = annots.getArrayNItems();
        std::map<QPDFObjGen, int> places;
        for (int i = 0; i < count; ++i)
            if (annots.getArrayItem(i).isIndirect())
                places.emplace(annots.getArrayItem(i).getObjGen(), i);
        for (int i = 0; i < count; ++i) {
            Handle annot = annots.getArrayItem(i);
            if (!annot.isDictionary() || !annot.getKey("/Subtype").isName())
                continue;
            Type type = Type::Other;
            if (!typeOf(annot.getKey("/Subtype").getName(), &type))
                continue;
            PdfAnnotation a = readOne(annot, type, toShown);
            a.fileIndex = i;
            if (Handle parent = annot.getKey("/IRT"); parent.isIndirect()) {
                const auto place = places.find(parent.getObjGen());
                if (place != places.end() && place->second != i)
                    a.replyTo = place->second;
            }
            list.append(a);
        }
    }
    return list;
}

// False only when every page is known to carry no comments (links and the like aside), then
// with the number of pages. Long documents mostly carry links only; MuPDF's objects tell that at
// a sixth of the memory qpdf's take for the same pages.
bool hasComments(const QString &path, const QString &password, int *pageCount)
{
    mupdf::OpenStatus status;
    QString message;
    const mupdf::DocumentRef doc = mupdf::openDocument(path, password, true, &status, &message);
    return !doc || mupdf::markedPages(doc, pageCount) != 0;
}

QList<PdfFormField> fieldsOf(QPDFAcroFormDocumentHelper &forms, QPDFPageObjectHelper page)
{
    QList<PdfFormField> list;
    const QTransform toShown = userToShown(page.getObjectHandle());
    for (QPDFAnnotationObjectHelper widget : forms.getWidgetAnnotationsForPage(page)) {
        QPDFFormFieldObjectHelper field = forms.getFieldForAnnotation(widget);
        if (field.isNull() || field.isPushbutton() || field.getFieldType() == "/Sig")
            continue;
        PdfFormField f;
        f.name = QString::fromStdString(field.getFullyQualifiedName());
        const QPDFObjectHandle::Rectangle r = widget.getRect();
        f.rect = toShown.mapRect(QRectF(QPointF(r.llx, r.lly), QPointF(r.urx, r.ury)).normalized());
        const int flags = field.getFlags();
        f.readOnly = (flags & 1) != 0;
        if (field.isCheckbox() || field.isRadioButton()) {
            f.kind = field.isCheckbox() ? PdfFormField::Kind::CheckBox : PdfFormField::Kind::Radio;
            Handle normal = widget.getAppearanceDictionary().getKey("/N");
            if (normal.isDictionary())
                for (const std::string &key : normal.getKeys())
                    if (key != "/Off")
                        f.onState = QString::fromStdString(key).mid(1);
            const std::string state = widget.getAppearanceState();
            f.value = state.empty() ? QStringLiteral("Off") : QString::fromStdString(state).mid(1);
        } else if (field.isChoice()) {
            f.kind = PdfFormField::Kind::Choice;
            for (const std::string &choice : field.getChoices())
                f.options.append(QString::fromStdString(choice));
            f.value = QString::fromStdString(field.getValueAsString());
        } else if (field.isText()) {
            f.multiline = (flags & (1 << 12)) != 0;
            f.value = QString::fromStdString(field.getValueAsString());
        } else {
            continue;
        }
        list.append(f);
    }
    return list;
}

} // namespace

bool PdfEditorBackend::loadAnnotations(const QString &path, const QString &password,
                                       QList<QList<PdfAnnotation>> *pages, bool *allowsAnnotating,
                                       QString *message, QList<QList<PdfFormField>> *fields)
{
    // Comments and form fields come from one read: on a long manual each read of the page tree
    // costs half a second and a couple of hundred megabytes.
    return qpdfsupport::readWith(path, password, message, false, [&](QPDF &pdf) {
        if (allowsAnnotating)
            *allowsAnnotating = pdf.allowModifyAnnotation() && pdf.allowModifyForm();
        QPDFAcroFormDocumentHelper forms(pdf);
        const bool withFields = fields && forms.hasAcroForm();
        QList<QList<PdfAnnotation>> annotations;
        QList<QList<PdfFormField>> widgets;
        int pageCount = 0;
        if (!withFields && !hasComments(path, password, &pageCount)) {
            annotations.resize(pageCount);
            widgets.resize(fields ? pageCount : 0);
        } else {
            for (QPDFPageObjectHelper page : QPDFPageDocumentHelper(pdf).getAllPages()) {
                annotations.append(annotationsOf(page.getObjectHandle()));
                widgets.append(withFields ? fieldsOf(forms, page) : QList<PdfFormField>());
            }
        }
        if (pages)
            *pages = std::move(annotations);
        if (fields)
            *fields = std::move(widgets);
        return true;
    });
}
