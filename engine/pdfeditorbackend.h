#pragma once

#include "pdftypes.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;

class PdfEditorBackend
{
public:
    static bool inspectDocument(const QString &path, const QString &password, PdfDocumentInfo *info,
                                PdfBackendError *error, QString *message);
    // Reads the sizes of the first pages only (all of them when firstPages is negative), so that
    // a long document can be shown before every page was looked at.
    static bool inspectDocument(const QString &path, const QString &password, int firstPages,
                                PdfDocumentInfo *info, PdfBackendError *error, QString *message);
    // Keeps the protection of the primary source (the file saved over when it is one of the
    // sources, else the first page's file) when that file is encrypted.
    static bool saveDocument(const QList<PdfSourcePage> &pages, const QString &path,
                             PdfBackendError *error, QString *message);
    static bool saveDocument(const QList<PdfSourcePage> &pages, const QString &path,
                             const PdfWriteOptions &options, PdfBackendError *error,
                             QString *message);
    // As saveDocument, but never replaces a file: where path is taken on disk or promised to an
    // unfinished job, the output takes the next free "<stem>(n).pdf". *writtenPath: the name taken.
    static bool saveNewDocument(const QList<PdfSourcePage> &pages, const QString &path,
                                const PdfWriteOptions &options, QString *writtenPath,
                                PdfBackendError *error, QString *message);
    // The file's information, version and security (documentproperties.cpp).
    static bool readProperties(const QString &path, const QString &password,
                               PdfDocumentProperties *properties, PdfBackendError *error,
                               QString *message);
    // Reads only the file's security; false with error and message when it cannot be read.
    static bool readProtection(const QString &path, const QString &password,
                               PdfProtection *protection, PdfBackendError *error, QString *message);
    static QList<QImage> renderPages(const QList<PdfSourcePage> &pages, const QList<QSize> &sizes,
                                     QList<QString> *errors);
    // Only a part of each page drawn at its size: the pixels of regions[i] (the whole page where
    // the region is empty or missing), as the same page drawn whole would show them there.
    static QList<QImage> renderPages(const QList<PdfSourcePage> &pages, const QList<QSize> &sizes,
                                     const QList<QRect> &regions, QList<QString> *errors);
    // Gives the memory kept for the next page images (and what the allocator holds freed) back to
    // the system; called when rendering rests. Takes milliseconds: not on the GUI thread.
    static void releaseSpareMemory();
    // Hands the allocator's freed space back at most twice a second, while pages keep coming;
    // called on the drawing threads after each batch.
    static void trimWhileBusy();
    static QImage renderPage(const PdfSourcePage &page, const QSize &size, PdfBackendError *error,
                             QString *message);

    // Bookmarks of a file, targets resolved to page indexes (documentoutline.cpp).
    static bool loadOutline(const QString &path, const QString &password,
                            QList<PdfOutlineItem> *items, QString *message);
    // Links of one page (pagelinks.cpp).
    static bool loadLinks(const PdfSourcePage &page, QList<PdfPageLink> *links, QString *message);
    // Text between two points of a page in reading order, or all of it (pagetext.cpp).
    static bool selectText(const PdfSourcePage &page, const QPointF &from, const QPointF &to,
                           bool wholePage, PdfTextSelection *selection, QString *message,
                           PdfSelectionUnit unit = PdfSelectionUnit::Characters);
    // The markup annotations of every page of a file (annotationreader.cpp); pages[i] for page i.
    // *allowsAnnotating: the file's permissions let the password given add and change them.
    // With fields, also the form field widgets of every page, in tab order.
    static bool loadAnnotations(const QString &path, const QString &password,
                                QList<QList<PdfAnnotation>> *pages, bool *allowsAnnotating,
                                QString *message, QList<QList<PdfFormField>> *fields = nullptr);
    // Everything an annotation draws, in its page's points.
    static QRectF annotationBounds(const PdfAnnotation &annotation);
    // A free text's box grown downwards until every line of its text fits at its width (as it
    // is when they fit already); any other annotation's rect as it is.
    static QRectF fittedRect(const PdfAnnotation &annotation);
    // Draws a form field's value into rect (white underneath), in the painter's units; and the
    // values of a page's fields over a page image as paintAnnotations places annotations.
    static void paintFormValue(QPainter *painter, const PdfFormField &field, const QRectF &rect);
    static void paintFormValues(QPainter *painter, const QList<PdfFormField> &fields,
                                const QSizeF &pageSize, int rotation, double scale);
    // Draws annotations over a page image: scale is pixels per point, rotation the user's
    // clockwise turn of a page whose own size (points, as it shows itself) is pageSize.
    static void paintAnnotations(QPainter *painter, const QList<PdfAnnotation> &annotations,
                                 const QSizeF &pageSize, int rotation, double scale);
    // Every occurrence of needle in the page's text, ignoring case unless the options say
    // otherwise; none on a blank page. Runs of white space match any white space, line ends too.
    // *hasText (when given): whether the page has any text at all (a scan has none).
    static QList<PdfTextHit> findText(const PdfSourcePage &page, const QString &needle,
                                      PdfBackendError *error, QString *message,
                                      bool *hasText = nullptr, const PdfFindOptions &options = {});
    // The label of each page of a file (/PageLabels: "iii", "A-2"), empty when it has none.
    static QStringList pageLabels(const QString &path, const QString &password, QString *message);
};
