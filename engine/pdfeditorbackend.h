#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>

// Where a page number sits on the page as it is shown (its rotation applied).
enum class PdfStampPosition : qint32 {
    BottomCenter = 0,
    BottomRight = 1,
    BottomLeft = 2,
    TopCenter = 3,
    TopRight = 4,
    TopLeft = 5,
};

// One page to write or render. A blank page has an empty path and index -1.
struct PdfSourcePage
{
    QString filePath;
    QString password;
    int pageIndex = -1;
    int rotation = 0; // clockwise, on top of the page's own /Rotate
    QSizeF pageSize;  // points, as the page shows itself (own /Rotate applied)
    bool blank = false;
    // A page number drawn over the page, upright as the page is shown; none when empty.
    QString stampText;
    PdfStampPosition stampPosition = PdfStampPosition::BottomCenter;
    double stampFontSize = 10.0; // points
};

struct PdfDocumentInfo
{
    QList<QSizeF> pageSizes; // points, own /Rotate applied, document order
};

// What a written file keeps besides its pages.
struct PdfWriteOptions
{
    // The file whose protection (encryption, passwords, permissions) the output takes when it is
    // encrypted, and a password that opens it (user or owner; both stay valid in the output).
    // Empty: the output is written without encryption.
    QString protectionSource;
    QString protectionPassword;
};

enum class PdfBackendError : int {
    NoError = 0,
    FileNotFound = 1,
    PasswordRequired = 2,
    WrongPassword = 3,
    CorruptOrUnsupported = 4,
    RenderFailed = 5,
    WriteFailed = 6,
};

// Document inspection, rendering and writing. Every function is safe to call from several
// threads at once on different files; nothing is shared between threads but MuPDF's store.
class PdfEditorBackend
{
public:
    static bool inspectDocument(const QString &path, const QString &password, PdfDocumentInfo *info,
                                PdfBackendError *error, QString *message);
    // Keeps the protection of the primary source (the file saved over when it is one of the
    // sources, else the first page's file) when that file is encrypted.
    static bool saveDocument(const QList<PdfSourcePage> &pages, const QString &path,
                             PdfBackendError *error, QString *message);
    static bool saveDocument(const QList<PdfSourcePage> &pages, const QString &path,
                             const PdfWriteOptions &options, PdfBackendError *error,
                             QString *message);
    static QList<QImage> renderPages(const QList<PdfSourcePage> &pages, const QList<QSize> &sizes,
                                     QList<QString> *errors);
    static QImage renderPage(const PdfSourcePage &page, const QSize &size, PdfBackendError *error,
                             QString *message);
};
