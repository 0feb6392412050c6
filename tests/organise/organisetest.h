#pragma once

#include "pdfdocumentmodel.h"

#include <QObject>
#include <QPoint>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace organise {

// Page i of a fixture document is (200 + 10 i) x 300 points, so the width of a written page
// tells which source page it came from.
QSizeF fixturePageSize(int index);
// Writes a fixture document of count pages to dir/name and returns its path (empty on failure).
QString writeFixture(const QTemporaryDir &dir, const QString &name, int count);
// A model loaded with a fixture document; null when that failed.
std::unique_ptr<PdfDocumentModel> loadFixture(const QTemporaryDir &dir, const QString &name,
                                              int count);
PdfPageId idAt(const PdfDocumentModel &model, int row);

// Mouse events sent through the widget's event filters, as the window system would.
void mouseMove(QWidget *widget, QPoint pos);
void mouseLeave(QWidget *widget);
void mouseClick(QWidget *widget, QPoint pos);

} // namespace organise
