#include "officepackage.h"

#include <zip.h>

OfficePackage::OfficePackage()
{
    zip_error_t error;
    zip_error_init(&error);
    m_buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_buffer) {
        zip_source_keep(m_buffer); // the archive's close would free it otherwise
        m_archive = zip_open_from_source(m_buffer, ZIP_TRUNCATE, &error);
    }
    if (!m_archive)
        m_error = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
}

OfficePackage::~OfficePackage()
{
    if (m_archive)
        zip_discard(m_archive);
    if (m_buffer)
        zip_source_free(m_buffer);
}

bool OfficePackage::add(const QString &name, const QByteArray &data)
{
    if (!m_archive)
        return false;
    m_data.push_back(data);
    const QByteArray &kept = m_data.back();
    zip_source_t *source =
        zip_source_buffer(m_archive, kept.constData(), zip_uint64_t(kept.size()), 0);
    if (!source) {
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    const zip_int64_t index = zip_file_add(m_archive, name.toUtf8().constData(), source,
                                           ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    const bool picture =
        name.endsWith(QLatin1String(".png")) || name.endsWith(QLatin1String(".jpeg"));
    zip_set_file_compression(m_archive, zip_uint64_t(index),
                             picture ? ZIP_CM_STORE : ZIP_CM_DEFLATE, picture ? 0 : 6);
    return true;
}

bool OfficePackage::finish(QByteArray *bytes, QString *error)
{
    if (!m_archive) {
        *error = m_error;
        return false;
    }
    if (zip_close(m_archive) < 0) {
        *error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    m_archive = nullptr;
    m_data.clear();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(m_buffer, &stat) < 0 || zip_source_open(m_buffer) < 0) {
        *error = QStringLiteral("the archive could not be read back");
        return false;
    }
    bytes->resize(qsizetype(stat.size));
    const zip_int64_t read = zip_source_read(m_buffer, bytes->data(), stat.size);
    zip_source_close(m_buffer);
    if (read < 0 || zip_uint64_t(read) != stat.size) {
        *error = QStringLiteral("the archive could not be read back");
        return false;
    }
    return true;
}

namespace officewriters {

QString xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || (u >= 0x20 && u != 0xfffe && u != 0xffff))
            clean.append(c);
    }
    return clean;
}

} // namespace officewriters
