#include "mappeddocument.h"

#include <QDir>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

MappedDocument::MappedDocument()
    : m_pdf(std::make_unique<QPDF>())
{
    m_pdf->setSuppressWarnings(true);
}

MappedDocument::~MappedDocument() = default;

bool MappedDocument::open(const QString &path, const QString &password, PdfBackendError *error,
                          QString *message)
{
    m_file.setFileName(path);
    if (!m_file.exists()) {
        *error = PdfBackendError::FileNotFound;
        *message =
            QStringLiteral("The file does not exist: %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        *error = PdfBackendError::CorruptOrUnsupported;
        *message = m_file.errorString();
        return false;
    }
    const qint64 size = m_file.size();
    uchar *mapped = size > 0 ? m_file.map(0, size) : nullptr;
    m_bytes = mapped ? QByteArray::fromRawData(reinterpret_cast<char *>(mapped),
                                               static_cast<qsizetype>(size))
                     : m_file.readAll();
    try {
        m_pdf->processMemoryFile(QFile::encodeName(path).constData(), m_bytes.constData(),
                                 static_cast<size_t>(m_bytes.size()),
                                 password.toStdString().c_str());
        return true;
    } catch (const QPDFExc &e) {
        *error = e.getErrorCode() == qpdf_e_password
                     ? (password.isEmpty() ? PdfBackendError::PasswordRequired
                                           : PdfBackendError::WrongPassword)
                     : PdfBackendError::CorruptOrUnsupported;
        *message = QString::fromStdString(e.getMessageDetail());
    } catch (const std::exception &e) {
        *error = PdfBackendError::CorruptOrUnsupported;
        *message = QString::fromStdString(e.what());
    }
    return false;
}
