#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

extern "C" {
typedef struct fz_context fz_context;
typedef struct pdf_document pdf_document;
}

// MuPDF plumbing shared by the engine: one base context, a cloned context per thread, and a small
// per-thread cache of open documents keyed by path, file stamp and password.
namespace mupdf {

// Room for a MuPDF error text copied out of an fz_catch block.
constexpr int ErrorTextSize = 256;
// Copies the text of the error just caught into buffer (ErrorTextSize bytes); no C++ objects
// involved, so it may run inside fz_catch.
void copyCaughtMessage(fz_context *ctx, char *buffer);

enum class OpenStatus { Ok, NotFound, PasswordRequired, WrongPassword, Corrupt, NoContext };

// Whether an open walks the whole page tree (finding and mending a damaged one) before it
// returns. Deferred takes a long, sound-looking tree as it reads until some open of the same
// file checks it; a file once checked is never walked again while it is unchanged.
enum class TreeCheck { Now, Deferred };

// Size, modification time and identity of a file; a changed stamp means a cached copy is stale.
QByteArray fileStamp(const QString &path);

// The calling thread's context, or nullptr when MuPDF could not make one.
fz_context *threadContext();
// The same, saying in *message why there is none.
fz_context *threadContext(QString *message);

// A reference to an open, authenticated document owned by the calling thread.
class DocumentRef
{
public:
    DocumentRef() = default;
    DocumentRef(fz_context *ctx, pdf_document *doc);
    DocumentRef(const DocumentRef &) = delete;
    DocumentRef &operator=(const DocumentRef &) = delete;
    DocumentRef(DocumentRef &&other) noexcept;
    DocumentRef &operator=(DocumentRef &&other) noexcept;
    ~DocumentRef();

    pdf_document *get() const { return m_doc; }
    fz_context *context() const { return m_ctx; }
    explicit operator bool() const { return m_doc != nullptr; }
    // False when the page tree was taken as it reads (TreeCheck::Deferred).
    bool treeChecked() const { return m_treeChecked; }
    // True when the page tree of the file had to be mended (pages dropped or recounted).
    bool treeRepaired() const { return m_treeRepaired; }

private:
    friend DocumentRef openDocument(const QString &, const QString &, bool, OpenStatus *, QString *,
                                    TreeCheck);
    fz_context *m_ctx = nullptr;
    pdf_document *m_doc = nullptr;
    bool m_treeChecked = true;
    bool m_treeRepaired = false;
};

// Opens through the thread's cache unless fresh is set (then the document is opened anew and
// not cached). Never throws.
DocumentRef openDocument(const QString &path, const QString &password, bool fresh,
                         OpenStatus *status, QString *message, TreeCheck check = TreeCheck::Now);

// While it lives, no thread's cache keeps path open: cached copies are dropped at once (one a
// thread is drawing from closes when that thread is done with it) and new opens of path are not
// cached. Taken before a file is replaced where open files cannot be replaced.
class ReleasedPath
{
public:
    explicit ReleasedPath(const QString &path);
    ReleasedPath(const ReleasedPath &) = delete;
    ReleasedPath &operator=(const ReleasedPath &) = delete;
    ~ReleasedPath();

private:
    QString m_key;
};

// Number of pages, -1 on error.
int pageCount(const DocumentRef &doc);

// True when the file carries encryption (also when it was opened without a password).
bool isEncrypted(const DocumentRef &doc);

// The number of pages carrying comments (annotations other than links, widgets, popups and the
// like), read in one walk of the tree; -1 when the tree cannot be walked. pageCount receives the
// pages found.
int markedPages(const DocumentRef &doc, int *pageCount);

// Page sizes in points as each page shows itself (CropBox within MediaBox, /UserUnit and the
// page's own /Rotate applied). With a limit below the page count, only the first pages are read
// (cheap on any page tree) and count, when given, receives the number of pages.
bool pageSizes(const DocumentRef &doc, QList<QSizeF> *sizes, QString *message, int limit = -1,
               int *count = nullptr);

// Draws page index into image (already sized: RGB888, RGB32 or ARGB32_Premultiplied) over a
// white background, with an extra clockwise rotation, stretched to the image's size. The image is
// filled here. With a pageSize, the page is stretched to that size instead and the image takes
// the part of it whose top left corner is at offset. hidden: positions in the page's /Annots of
// annotations not drawn.
bool drawPage(const DocumentRef &doc, int index, int rotation, QImage *image, QString *message,
              const QSize &pageSize = {}, const QPoint &offset = {}, const QList<int> &hidden = {});

// A form field widget of a page: its field's full name, its box on the page as it shows itself
// (points, origin top left) and, for check boxes and radio buttons, the state it stands for.
struct WidgetBox
{
    QString name;
    QRectF rect;
    QString onState;
    int button = 0; // 1 check box, 2 radio button
};
bool widgetBoxes(const DocumentRef &doc, int index, QList<WidgetBox> *boxes, QString *message);

// Writes an RGB888 image as a PNG file recording dpi; MuPDF's writer is faster than Qt's at a
// like size.
bool savePng(const QImage &image, int dpi, const QString &path, QString *message);

// Writes a repaired, decrypted copy of the document into bytes, for readers stricter than MuPDF.
bool repairedCopy(const DocumentRef &doc, QByteArray *bytes, QString *message);

} // namespace mupdf
