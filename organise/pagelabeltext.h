#pragma once

#include <QString>
#include <QStringList>

// How a page is named where the document labels its pages ("iii", "A-2"), as the page box names
// it: the label first, the page's place in the document beside it where the two differ.
namespace pagelabeltext {

// The label of the row, or its number (from 1) when it has none.
QString name(const QStringList &labels, int row);
// The label with the number in brackets ("iii (3)") where they differ, else the number alone.
QString withNumber(const QStringList &labels, int row);

} // namespace pagelabeltext
