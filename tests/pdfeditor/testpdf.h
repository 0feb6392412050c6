#pragma once

#include <QColor>
#include <QList>
#include <QSizeF>
#include <QString>

// Small PDFs written by the tests themselves.
namespace TestPdf {

struct Page
{
    QSizeF size; // points
    QColor fill = Qt::white;
};

// Each page filled edge to edge with its colour. Returns false when the file could not be written.
bool write(const QString &path, const QList<Page> &pages);
bool write(const QString &path, int pageCount, const QSizeF &size = QSizeF(595, 842));
// A well-formed document whose page tree is empty.
bool writeWithoutPages(const QString &path);

} // namespace TestPdf
