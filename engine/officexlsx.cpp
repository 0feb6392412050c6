#include "officepackage.h"

namespace officewriters {

bool writeXlsx(const officelayout::Document &, const QString &, QString *error)
{
    *error = QStringLiteral("not written yet");
    return false;
}

} // namespace officewriters
