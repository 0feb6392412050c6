#pragma once

#include "officelayout.h"

#include <QByteArray>
#include <QString>

#include <list>

struct zip;
struct zip_source;

// The zip container of .docx and .pptx files, built in memory with libzip: the output is a
// staged file that only takes finished bytes.
class OfficePackage
{
public:
    OfficePackage();
    OfficePackage(const OfficePackage &) = delete;
    OfficePackage &operator=(const OfficePackage &) = delete;
    ~OfficePackage();

    // Pictures are stored as they are, everything else compressed.
    bool add(const QString &name, const QByteArray &data);
    // The finished archive; false with *error when libzip failed.
    bool finish(QByteArray *bytes, QString *error);

private:
    zip_source *m_buffer = nullptr;
    struct zip *m_archive = nullptr;
    std::list<QByteArray> m_data; // kept until the archive is written
    QString m_error;
};

namespace officewriters {

// Text an XML file can hold: control characters other than tab and line feed dropped.
QString xmlText(const QString &text);
inline qint64 emu(double points)
{
    return qint64(points * 12700.0 + 0.5);
}
inline int twips(double points)
{
    return int(points * 20.0 + (points >= 0 ? 0.5 : -0.5));
}

bool writeDocx(const officelayout::Document &document, QByteArray *bytes, QString *error);
bool writePptx(const officelayout::Document &document, QByteArray *bytes, QString *error);
// libxlsxwriter writes to a file name only.
bool writeXlsx(const officelayout::Document &document, const QString &path, QString *error);

} // namespace officewriters
