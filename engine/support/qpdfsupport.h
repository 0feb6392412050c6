#pragma once

#include "pdftypes.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QPDF;
class QPDFWriter;

// qpdf plumbing shared by every writer in the engine.
namespace qpdfsupport {

// A parsed source document. Stream data is read lazily, so it must outlive every write that
// copies from it; a repaired copy keeps its bytes here.
struct Source
{
    std::unique_ptr<QPDF> pdf;
    QByteArray repairedBytes;
    QString path;
    bool encrypted = false; // the file itself, also when pdf reads a decrypted repaired copy
};

// Opens path with password for reading. A file qpdf refuses is rebuilt by MuPDF (which
// forgives more damage) and read from that copy; forceRepair reads from such a copy always. A wrong
// or missing password is reported as PasswordRequired (none given) or WrongPassword; a user and an
// owner password both open.
std::shared_ptr<Source> open(const QString &path, const QString &password, bool forceRepair,
                             PdfBackendError *error, QString *message);

// Opens path for reading and hands the document to read; failed when it cannot be opened or
// read throws, with *message saying why.
template<typename Result, typename Read>
Result readWith(const QString &path, const QString &password, QString *message, Result failed,
                Read read)
{
    PdfBackendError error = PdfBackendError::NoError;
    QString text;
    try {
        const std::shared_ptr<Source> source = open(path, password, false, &error, &text);
        if (source)
            return read(*source->pdf);
    } catch (const std::exception &e) {
        text = QString::fromLocal8Bit(e.what());
    }
    if (message)
        *message = text;
    return failed;
}

// Writes pdf into a staged file (StagedFile::path()), which becomes an output only when placed.
// configure adjusts the writer before writing.
bool writeStaged(QPDF &pdf, const QString &path, const std::function<void(QPDFWriter &)> &configure,
                 PdfBackendError *error, QString *message, bool *sourceDamaged = nullptr);

// True when a qpdf exception means the data of a source is damaged (worth a repaired retry).
bool isDamage(const std::exception &e);

} // namespace qpdfsupport

class QPDFObjectHandle;

namespace qpdfsupport {

// Resolves a destination (explicit array, name, string or << /D [...] >>) to its explicit
// array, or a null handle when it cannot be resolved.
QPDFObjectHandle explicitDestination(QPDF &pdf, QPDFObjectHandle dest);

// explicitDestination for many destinations of one document: its name tree is read once, on
// the first string name, instead of searched for every destination.
class DestinationResolver
{
public:
    explicit DestinationResolver(QPDF &pdf);
    ~DestinationResolver();
    DestinationResolver(const DestinationResolver &) = delete;
    DestinationResolver &operator=(const DestinationResolver &) = delete;

    QPDFObjectHandle resolve(QPDFObjectHandle dest);

private:
    struct Names;
    QPDF &m_pdf;
    std::unique_ptr<Names> m_names;
};

// The destination a link annotation or outline item jumps to inside its document (its /Dest
// or the /D of a /GoTo action), unresolved; null when it has none.
QPDFObjectHandle localDestination(QPDFObjectHandle item);

// Replaces the local destination of a link annotation or outline item.
void setLocalDestination(QPDFObjectHandle item, QPDFObjectHandle dest);

// Normalises a /Rotate value to 0, 90, 180 or 270 the way viewers read it.
int normalizedRotation(long long degrees);
// A page's own /Rotate, inherited from the page tree where the page has none, normalised.
int ownRotation(QPDFObjectHandle page);

} // namespace qpdfsupport
