#include "testpdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace TestPdf {

bool write(const QString &path, const QList<Page> &pages)
{
    if (pages.isEmpty())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(72);
    auto layoutFor = [](const Page &page) {
        return QPageLayout(QPageSize(page.size, QPageSize::Point), QPageLayout::Portrait,
                           QMarginsF(0, 0, 0, 0));
    };
    writer.setPageLayout(layoutFor(pages.first()));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(layoutFor(pages.at(i)));
            writer.newPage();
        }
        const QSizeF size = pages.at(i).size;
        painter.fillRect(QRectF(QPointF(0, 0), size), pages.at(i).fill);
    }
    return painter.end();
}

bool write(const QString &path, int pageCount, const QSizeF &size)
{
    QList<Page> pages;
    for (int i = 0; i < pageCount; ++i)
        pages.append({size, QColor::fromHsv((i * 37) % 360, 160, 220)});
    return write(path, pages);
}

bool writeWithoutPages(const QString &path)
{
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [] /Count 0 >>",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : std::as_const(offsets))
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
}

} // namespace TestPdf
