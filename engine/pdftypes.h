#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

// Where a page number sits on the page as it is shown (its rotation applied).
enum class PdfStampPosition : qint32 {
    BottomCenter = 0,
    BottomRight = 1,
    BottomLeft = 2,
    TopCenter = 3,
    TopRight = 4,
    TopLeft = 5,
};

// A markup annotation. Geometry is in points on the page as it shows itself (own /Rotate and
// crop applied, origin at its top-left), before any rotation added by the user.
struct PdfAnnotation
{
    enum class Type : qint32 {
        Highlight = 0,
        Underline = 1,
        StrikeOut = 2,
        Note = 3,
        FreeText = 4,
        Ink = 5,
        Rectangle = 6,
        Ellipse = 7,
        Arrow = 8,
        Other = 9, // a kind read from a file that is shown and can be deleted, not redrawn
    };
    Type type = Type::Rectangle;
    QRectF rect;
    QColor colour = QColor(0xE0, 0x52, 0x52);
    double width = 2.0;     // line width, points
    double opacity = 1.0;   // 0..1
    QList<QPolygonF> quads; // text markup: one four-corner quad per line
    QList<QPolygonF> paths; // ink strokes; an arrow's two ends
    QString text;
    QString author;
    QDateTime modified;
    double fontSize = 12.0; // free text
    QColor fill;            // interior of rectangles and ellipses (/IC); none when invalid
    QList<double> dash;     // dash and gap lengths in points (/BS /D); solid when empty
    // Read from files: the annotation this one answers (its place in the page's /Annots, /IRT)
    // and the review state such a reply sets on it (/State, e.g. "Accepted").
    int replyTo = -1;
    QString state;
    QString subtype;    // the file's /Subtype, for Other
    int fileIndex = -1; // position in the source page's /Annots, -1 when new

    friend bool operator==(const PdfAnnotation &, const PdfAnnotation &) = default;
};

// One widget of a fillable form field, geometry as for annotations.
struct PdfFormField
{
    enum class Kind : qint32 { Text = 0, CheckBox = 1, Radio = 2, Choice = 3 };
    QString name; // fully qualified
    Kind kind = Kind::Text;
    QRectF rect;
    QString value;   // text, the chosen option, or the state of a check box or radio button
    QString onState; // check boxes and radio buttons: the state this widget stands for
    QStringList options;
    bool readOnly = false;
    bool multiline = false;

    friend bool operator==(const PdfFormField &, const PdfFormField &) = default;
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
    // Annotations added to the page, and positions in its /Annots of the file's own
    // annotations left out (deleted, or replaced by an edited copy among annotations).
    QList<PdfAnnotation> annotations;
    QList<int> hiddenAnnotations;
    // New values of the form fields whose widgets are on this page, by field name ("Off" turns
    // check boxes and radio buttons off).
    QMap<QString, QString> fieldValues;
};

struct PdfDocumentInfo
{
    QList<QSizeF> pageSizes; // points, own /Rotate applied, document order
    // Pages in the file: more than pageSizes holds when only the first pages were read.
    int pageCount = 0;
    // False when only the first pages were asked for and a long page tree was taken as it reads;
    // a later full inspection checks it.
    bool treeChecked = true;
    // True when the page tree was damaged and was read the way it is mended (pages whose
    // objects are lost left out, counts corrected).
    bool treeRepaired = false;
};

// How a file is protected, as far as a password given for it shows.
struct PdfProtection
{
    bool encrypted = false;
    // The file opens only with a password (a user password is set).
    bool needsPassword = false;
    // The password given (or none, where the file needs none) opens the file / is the owner's.
    bool opens = false;
    bool ownerAccess = false;
};

// The document information a reader may change.
struct PdfDocumentMetadata
{
    QString title;
    QString author;
    QString subject;
    QString keywords;

    friend bool operator==(const PdfDocumentMetadata &, const PdfDocumentMetadata &) = default;
};

// What a file says about itself, read without its pages.
struct PdfDocumentProperties
{
    PdfDocumentMetadata metadata;
    QString creator;
    QString producer;
    QDateTime created; // invalid when the file gives no (readable) date
    QDateTime modified;
    QString version; // "1.7"; an extension level is added as "1.7 (extension level 3)"
    bool linearized = false;
    bool encrypted = false;
    QString encryption;      // "AES-256", "AES-128", "RC4-128", "RC4-40", or empty when unknown
    bool ownerAccess = true; // the password given is the owner's (or the file has no protection)
    // What the file lets a reader without the owner password do.
    bool canPrint = true;
    bool canPrintHighQuality = true;
    bool canModify = true;
    bool canCopy = true;
    bool canAnnotate = true;
    bool canFillForms = true;
    bool canAssemble = true;
    qint64 fileSize = 0;
};

// What a written file keeps besides its pages.
struct PdfWriteOptions
{
    // The file whose protection (encryption, passwords, permissions) the output takes when it is
    // encrypted, and a password that opens it (user or owner; both stay valid in the output).
    // Empty: the output is written without encryption.
    QString protectionSource;
    QString protectionPassword;
    // Annotations and form fields drawn into the page content instead of kept as annotations.
    bool flattenAnnotations = false;
    // New document information (an empty field removes it) and a fresh modification date; the
    // source's information is kept as it is when unset.
    std::optional<PdfDocumentMetadata> metadata;
};

// One bookmark of a document. pageIndex is -1 when it leads nowhere inside the file.
struct PdfOutlineItem
{
    QString title;
    int pageIndex = -1;
    QString uri; // set for a bookmark that leads outside the file
    QList<PdfOutlineItem> children;
};

// Geometry below is in points on the page as it shows itself (own /Rotate and crop applied,
// origin at its top-left), before any rotation added by the user.
struct PdfPageLink
{
    QRectF rect;
    int targetPage = -1; // page index in the same file, or -1
    QString uri;         // set for an external link
};

// What a selection snaps to: a drag selects characters, a double click a word, a triple a line.
enum class PdfSelectionUnit : int { Characters = 0, Words = 1, Lines = 2 };

struct PdfTextSelection
{
    QList<QPolygonF> quads;
    QString text;
};

// One occurrence of a searched text, in points on the page as it is shown (its own /Rotate and
// the extra rotation applied, origin at the top left). A hit running over a line end has one box
// per line.
struct PdfTextHit
{
    QList<QRectF> boxes;
    // The line the hit starts on (shortened around it), and where the hit stands in it.
    QString context;
    int contextStart = 0;
    int contextLength = 0;
};

struct PdfFindOptions
{
    bool matchCase = false;
    // A hit must not have a letter or digit right before or after it.
    bool wholeWords = false;
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
