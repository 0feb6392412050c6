#include "officepackage.h"

namespace officewriters {

bool writePptx(const officelayout::Document &, QByteArray *, QString *error)
{
    *error = QStringLiteral("not written yet");
    return false;
}

} // namespace officewriters
