#pragma once

#include "batchtypes.h"
#include "mupdfsupport.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// MuPDF helpers for the batch operations: encryption state, image decoding by object number and
// the image XObjects each page uses.
namespace mupdftools {

enum class ColorKind { Gray, Rgb, Cmyk, Other };

// 8-bit samples of an image, rows packed, without alpha; its soft mask is not applied.
struct Pixels
{
    int width = 0;
    int height = 0;
    int components = 0;
    ColorKind kind = ColorKind::Other;
    QByteArray samples;
};

struct ImageRef
{
    int num = 0;
    int gen = 0;
    bool isMask = false; // a stencil mask (/ImageMask true)
};

// The batch failure for a document MuPDF would not open.
BatchFailure openFailure(mupdf::OpenStatus status);

// Whether the file is encrypted and whether password opens it (as user or owner password);
// whether it needs a password to open at all, and whether password is the owner's.
bool passwordState(const QString &path, const QString &password, bool *encrypted, bool *accepted,
                   QString *message, bool *needsPassword = nullptr, bool *ownerAccess = nullptr);

// Opens a document held in memory on the calling thread; bytes must outlive it.
mupdf::DocumentRef openMemory(const QByteArray &bytes, QString *message);

// Decodes the image object num/gen (/Decode and indexed colours applied). With toDisplay set,
// colours other than gray and RGB are converted to RGB. A non-empty atLeast lets the decoder
// halve the image (JPEGs are then decoded at a fraction of their size, much faster) as long as
// the result stays at least that large.
bool decodeImage(const mupdf::DocumentRef &doc, int num, int gen, Pixels *pixels, QString *message,
                 bool toDisplay = false, QSize atLeast = QSize());

// The JPEG file inside the image object when it is a baseline-usable gray or RGB JPEG that
// needs no further decoding; empty otherwise.
QByteArray embeddedJpeg(const mupdf::DocumentRef &doc, int num, int gen);

// The object number of an image's /SMask, or 0.
int softMaskOf(const mupdf::DocumentRef &doc, int num, int gen, int *maskGen);

// For every page, the image XObjects it draws from its resources (form XObjects followed), in
// order of first appearance in the resource dictionaries.
bool pageImages(const mupdf::DocumentRef &doc, QList<QList<ImageRef>> *pages, QString *message);

} // namespace mupdftools
