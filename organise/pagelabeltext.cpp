#include "pagelabeltext.h"

using namespace Qt::StringLiterals;

namespace pagelabeltext {

QString name(const QStringList &labels, int row)
{
    const QString label = labels.value(row);
    return label.isEmpty() ? QString::number(row + 1) : label;
}

QString withNumber(const QStringList &labels, int row)
{
    const QString number = QString::number(row + 1);
    const QString label = labels.value(row);
    if (label.isEmpty() || label == number)
        return number;
    return u"%1 (%2)"_s.arg(label, number);
}

} // namespace pagelabeltext
