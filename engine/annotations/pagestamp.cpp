#include "pagestamp.h"

#include "annotationgeometry.h"
#include "qpdfsupport.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <array>
#include <string>

namespace pagestamp {
namespace {

constexpr char FontName[] = "/VlmPageNumber";

QSizeF shownSize(const PdfSourcePage &spec)
{
    const int rotation = qpdfsupport::normalizedRotation(spec.rotation);
    return rotation == 90 || rotation == 270 ? spec.pageSize.transposed() : spec.pageSize;
}

std::string number(double value)
{
    return QString::number(value, 'f', 3).toStdString();
}

std::string literal(const QString &text)
{
    std::string out = "(";
    for (const char c : text.toLatin1()) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ")";
}

} // namespace

QPointF placement(const QSizeF &displaySize, PdfStampPosition position, double fontSize,
                  Anchor *anchor)
{
    const double w = displaySize.width();
    const double h = displaySize.height();
    const double margin = std::clamp(std::min(w, h) * 0.05, 4.0, 30.0);
    double x = w / 2;
    *anchor = Anchor::Centre;
    switch (position) {
    case PdfStampPosition::BottomLeft:
    case PdfStampPosition::TopLeft:
        x = margin;
        *anchor = Anchor::Left;
        break;
    case PdfStampPosition::BottomRight:
    case PdfStampPosition::TopRight:
        x = w - margin;
        *anchor = Anchor::Right;
        break;
    default:
        break;
    }
    const bool top = position == PdfStampPosition::TopCenter ||
                     position == PdfStampPosition::TopLeft ||
                     position == PdfStampPosition::TopRight;
    // Cap height of Helvetica is about 0.72 of the size.
    const double baseline = top ? h - margin - 0.72 * fontSize : margin;
    return {x, baseline};
}

double textWidth(const QString &text, double fontSize)
{
    double units = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            units += 556;
        else if (c == u' ' || c == u'/')
            units += 278;
        else if (c == u'-')
            units += 333;
        else
            units += 556;
    }
    return units * fontSize / 1000.0;
}

QPDFObjectHandle helveticaFont(QPDF &pdf)
{
    QPDFObjectHandle font = QPDFObjectHandle::newDictionary();
    font.replaceKey("/Type", QPDFObjectHandle::newName("/Font"));
    font.replaceKey("/Subtype", QPDFObjectHandle::newName("/Type1"));
    font.replaceKey("/BaseFont", QPDFObjectHandle::newName("/Helvetica"));
    font.replaceKey("/Encoding", QPDFObjectHandle::newName("/WinAnsiEncoding"));
    return pdf.makeIndirectObject(font);
}

void stampPage(QPDF &pdf, QPDFObjectHandle page, int rotation, const PdfSourcePage &spec,
               QPDFObjectHandle font)
{
    if (spec.stampText.isEmpty())
        return;
    const QRectF box = annotationgeometry::visibleBox(page);
    const double w = box.width();
    const double h = box.height();
    rotation = qpdfsupport::normalizedRotation(rotation);
    const bool turned = rotation == 90 || rotation == 270;
    const QSizeF shown = turned ? QSizeF(h, w) : QSizeF(w, h);

    const double size = spec.stampFontSize > 0 ? spec.stampFontSize : 10.0;
    Anchor anchor = Anchor::Centre;
    QPointF at = placement(shown, spec.stampPosition, size, &anchor);
    const double width = textWidth(spec.stampText, size);
    if (anchor == Anchor::Centre)
        at.rx() -= width / 2;
    else if (anchor == Anchor::Right)
        at.rx() -= width;

    // Maps the upright shown page (origin at its lower left) onto the page's own space.
    const double x0 = box.left();
    const double y0 = box.top(); // lowest y: QRectF's top is the smaller coordinate
    std::array<double, 6> m{1, 0, 0, 1, x0, y0};
    if (rotation == 90)
        m = {0, 1, -1, 0, x0 + w, y0};
    else if (rotation == 180)
        m = {-1, 0, 0, -1, x0 + w, y0 + h};
    else if (rotation == 270)
        m = {0, -1, 1, 0, x0, y0 + h};

    QPDFObjectHandle resources = page.getKey("/Resources");
    if (!resources.isDictionary()) {
        resources = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Resources", resources);
    }
    QPDFObjectHandle fonts = resources.getKey("/Font");
    if (!fonts.isDictionary()) {
        fonts = QPDFObjectHandle::newDictionary();
        resources.replaceKey("/Font", fonts);
    }
    std::string name = FontName;
    for (int n = 1; fonts.hasKey(name) && fonts.getKey(name).getObjGen() != font.getObjGen(); ++n)
        name = FontName + std::to_string(n);
    fonts.replaceKey(name, font);

    std::string content = "\nQ\nq\n";
    for (double v : m)
        content += number(v) + " ";
    content += "cm\nBT\n0 g\n" + name + " " + number(size) + " Tf\n" + number(at.x()) + " " +
               number(at.y()) + " Td\n" + literal(spec.stampText) + " Tj\nET\nQ\n";
    // The page's own drawing is wrapped so that state it leaves behind cannot move the number.
    QPDFPageObjectHelper helper(page);
    helper.addPageContents(QPDFObjectHandle::newStream(&pdf, "q\n"), true);
    helper.addPageContents(QPDFObjectHandle::newStream(&pdf, content), false);
}

void paintOnImage(QImage *image, const PdfSourcePage &spec, const QSize &pageSize,
                  const QPoint &offset)
{
    const QSizeF shown = shownSize(spec);
    if (spec.stampText.isEmpty() || image->isNull() || shown.isEmpty())
        return;
    const QSize page = pageSize.isEmpty() ? image->size() : pageSize;
    const double scale = page.width() / shown.width();
    const double scaleY = page.height() / shown.height();
    const double size = spec.stampFontSize > 0 ? spec.stampFontSize : 10.0;
    Anchor anchor = Anchor::Centre;
    const QPointF at = placement(shown, spec.stampPosition, size, &anchor);

    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(size * scale)));
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(spec.stampText);
    double x = at.x() * scale;
    if (anchor == Anchor::Centre)
        x -= width / 2;
    else if (anchor == Anchor::Right)
        x -= width;
    const double y = page.height() - at.y() * scaleY;

    QPainter painter(image);
    painter.translate(-offset);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, y), spec.stampText);
}

} // namespace pagestamp
