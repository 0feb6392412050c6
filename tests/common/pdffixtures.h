#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Builds small PDFs for tests with qpdf, independently of the code under test. Every page is
// filled with its colour and carries a black marker square in the top-left quarter of its
// unrotated MediaBox, so rendered pixels reveal order, size and rotation.
namespace fixtures {

struct PageSpec
{
    QSizeF size{200, 300};
    int rotate = 0; // stored /Rotate
    QColor colour = Qt::red;
    QRectF cropBox; // empty for none
};

struct DocumentSpec
{
    QList<PageSpec> pages;
    bool outlines = false;             // "Page N" items pointing at each page; item 1 has a child
    QList<QPair<int, int>> links;      // link on page a to page b (explicit destination)
    QList<QPair<int, int>> namedLinks; // link on page a to page b through a named destination
    bool namedDestsWrapped = false;    // store named destinations as << /D [...] >>
    bool namedOutlines = false;        // outline items jump through named destinations
    int formFieldPage = -1;            // text field "field<N>" on that page
    int annotationPage = -1;           // square annotation with a blue appearance
    bool rotateOnPagesNode = false;    // pages[0].rotate stored on the /Pages node (inherited)
    double userUnit = 0;               // /UserUnit on every page when > 0
};

enum class Scheme { Rc4_40, Rc4_128, Aes128, Aes256 };

QList<PageSpec> pagesOf(int count, QSizeF size = {200, 300});
QColor colourFor(int index);

// Writes spec to path; false on failure.
bool write(const DocumentSpec &spec, const QString &path);
bool encrypt(const QString &in, const QString &out, Scheme scheme, const QString &user,
             const QString &owner);

bool writeBytes(const QString &path, const QByteArray &bytes);
QByteArray readBytes(const QString &path);

} // namespace fixtures
