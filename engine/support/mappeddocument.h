#pragma once

#include "pdftypes.h"

#include <QByteArray>
#include <QFile>

#include <memory>

class QPDF;

// A file read once for the parser and for whoever needs its exact bytes (digests, appended
// updates): mapped where it can be, read where it cannot, and parsed by qpdf from those bytes.
class MappedDocument
{
public:
    MappedDocument();
    ~MappedDocument();
    MappedDocument(const MappedDocument &) = delete;
    MappedDocument &operator=(const MappedDocument &) = delete;

    // False with the error and an English message as the other readers report them.
    bool open(const QString &path, const QString &password, PdfBackendError *error,
              QString *message);
    QPDF &pdf() { return *m_pdf; }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_bytes;
    std::unique_ptr<QPDF> m_pdf;
};
