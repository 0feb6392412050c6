#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Test documents and images, built independently of the code under test with qpdf's library and
// QPdfWriter, and readers that do not share code with the engine (qpdf, pdfimages, pdftoppm).
//
// DocumentSpec documents: every page is filled with its colour and carries a black marker square
// in the top-left quarter of its unrotated MediaBox, so rendered pixels reveal order, size and
// rotation.
namespace fixtures {

struct PageSpec
{
    QSizeF size{200, 300};
    int rotate = 0; // stored /Rotate
    QColor colour = Qt::red;
    QRectF cropBox;     // empty for none
    bool marker = true; // false: the colour edge to edge
};

struct DocumentSpec
{
    QList<PageSpec> pages;             // none: a well-formed document with an empty page tree
    bool outlines = false;             // "Page N" items pointing at each page; item 1 has a child
    QList<QPair<int, int>> links;      // link on page a to page b (explicit destination)
    QList<QPair<int, int>> namedLinks; // link on page a to page b through a named destination
    bool namedDestsWrapped = false;    // store named destinations as << /D [...] >>
    bool namedOutlines = false;        // outline items jump through named destinations
    int formFieldPage = -1;            // text field "field<N>" on that page
    int annotationPage = -1;           // square annotation with a blue appearance
    bool rotateOnPagesNode = false;    // pages[0].rotate stored on the /Pages node (inherited)
    double userUnit = 0;               // /UserUnit on every page when > 0
    QString pageLabels; // the /Nums of /PageLabels, e.g. "0 << /S /r >> 2 << /S /D >>"
};

enum class Scheme { Rc4_40, Rc4_128, Aes128, Aes256 };

QList<PageSpec> pagesOf(int count, QSizeF size = {200, 300});
QColor colourFor(int index);

// Writes spec to path; false on failure.
bool write(const DocumentSpec &spec, const QString &path);
bool encrypt(const QString &in, const QString &out, Scheme scheme, const QString &user,
             const QString &owner);

bool writeBytes(const QString &path, const QByteArray &bytes);
// A PDF file of objects numbered 1, 2, ... in order (1 is the catalogue), with its xref table.
QByteArray pdfOfObjects(const QList<QByteArray> &objects, const QByteArray &version = "1.7");
QByteArray readBytes(const QString &path);

struct Outline
{
    QString title;
    int page = -1; // 0-based, -1 when it points nowhere
    QList<Outline> kids;
};

// A PDF of pages of the given size with "Page n" and a coloured block on each (QPdfWriter).
QString textPdf(const QString &path, int pages, const QSizeF &points = QSizeF(595, 842));

// A PDF whose pages each show one photo-like picture of w x h pixels over a wBox x hBox point
// area: as a JPEG stream (quality 95) or as a lossless Flate stream, optionally with an alpha
// soft mask.
enum class Embedding { Jpeg, Flate, FlateWithAlpha, CmykJpeg };
QString photoPdf(const QString &path, int pages, QSize pixels, QSizeF box, Embedding embedding);

// A one-page scan without text: the lines drawn at 300 dpi into a grey picture (turned by turn
// degrees), stored as one JPEG shown edge to edge on a page with /Rotate rotate.
QString scanPdf(const QString &path, const QStringList &lines, int turn = 0, int rotate = 0);

// Two pages showing the same small JPEG through two separate but identical image objects; the
// first page also lists a large picture it never draws.
QString redundantPdf(const QString &path);

// Adds an outline (one item per page, the first with a child) and on page 1 a link to the
// last page and a text field called field.
void addNavigation(const QString &path, const QString &field);

// A photo-like picture with four distinct corner colours (red top left, green top right, blue
// bottom left, yellow bottom right).
QImage picture(QSize size, bool alpha = false);

QByteArray jpegBytes(const QImage &image, int quality = 92);
// Inserts an EXIF orientation tag (1 to 8) into a JPEG.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);
// A valid PNG of w x h gray pixels, written without holding the image in memory.
void hugeGrayPng(const QString &path, int w, int h);

// Readers.
int pageCount(const QString &path, const QString &password = QString());
QList<QSizeF> pageSizes(const QString &path, const QString &password = QString());
int encryptionRevision(const QString &path, const QString &password); // 0 unencrypted, -1 refused
// What opening path with password shows of its protection.
struct Protection
{
    int revision = -1;  // 0 unencrypted, -1 refused
    bool owner = false; // the password is the owner's
    bool print = false;
    bool copy = false;
    bool modify = false;
};
Protection protection(const QString &path, const QString &password);
QList<Outline> outlines(const QString &path);
QStringList fieldNames(const QString &path);
// Target page index of each link annotation on page index page.
QList<int> linkTargets(const QString &path, int page);
QByteArray firstImageRawData(const QString &path, QString *filter);
// Image XObjects stored in the file, used or not.
int imageObjectCount(const QString &path);

struct ListedImage
{
    int page = 0;
    QString type; // "image" or "smask"
    int width = 0;
    int height = 0;
    QString encoding; // "jpeg", "image", "jpx", ...
    int xppi = 0;
};
QList<ListedImage> listImages(const QString &path);

// Runs a tool; true when it exited with 0.
bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr);
bool qpdfCheck(const QString &path, const QString &password = QString());
// Renders one page (1-based) with pdftoppm at dpi.
QImage renderPage(const QString &path, int page, int dpi, const QString &password = QString());
// Mean absolute difference of two images of equal size, 0 to 255.
double meanDifference(const QImage &a, const QImage &b);
bool near(QColor actual, QColor expected, int tolerance = 40);

QByteArray fileHash(const QString &path);

} // namespace fixtures
