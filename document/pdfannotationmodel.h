#pragma once

#include "jobrunner.h"
#include "pdfeditorbackend.h"
#include "pdfpageid.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class PdfDocumentModel;
class PdfUndoManager;
struct PdfPageEntry;

// Names one annotation of a page: one of the file's own (by its place in the source page's
// /Annots) or one added in this session (by its place in the page entry's list).
struct PdfAnnotationRef
{
    PdfPageId page = 0;
    bool fromFile = false;
    int index = -1;

    bool isValid() const { return page != 0 && index >= 0; }
    friend bool operator==(const PdfAnnotationRef &, const PdfAnnotationRef &) = default;
};

struct PdfAnnotationItem
{
    PdfAnnotationRef ref;
    PdfAnnotation annotation;
};

// The annotations of an open document: the files' own ones (read in the background, once per
// file) and those added or edited in the model's pages. Every change is one undo step.
class PdfAnnotationModel : public QObject
{
    Q_OBJECT

public:
    PdfAnnotationModel(PdfDocumentModel *model, PdfUndoManager *undo, QObject *parent = nullptr);
    ~PdfAnnotationModel() override;

    // Every annotation the page at row shows, the file's first.
    QList<PdfAnnotationItem> annotations(int row) const;
    std::optional<PdfAnnotation> annotation(const PdfAnnotationRef &ref) const;
    // True while a file's annotations are still being read.
    bool isLoading() const { return !m_loading.isEmpty(); }
    // What keeps annotations or form values from changing.
    enum class Limit { None, FilePermissions, Certification, ReadOnly };
    // False when the opened file's permissions, its certification signature or a read-only tab
    // forbid adding or changing annotations; form filling has its own answer.
    bool allowsAnnotating() const { return annotatingLimit() == Limit::None; }
    bool allowsFormFilling() const { return formFillingLimit() == Limit::None; }
    Limit annotatingLimit() const;
    Limit formFillingLimit() const;
    // What the document's certification signature forbids, on top of the file's permissions.
    void setCertificationLimits(bool annotationsLocked, bool formsLocked);
    void setReadOnly(bool readOnly);
    // True when no page shows an annotation or a form field.
    bool isEmpty() const;
    // Waits for every file's annotations (tests, saving with everything known).
    void waitUntilLoaded();

    static QString typeName(PdfAnnotation::Type type);
    static bool canRedraw(const PdfAnnotation &annotation)
    {
        return annotation.type != PdfAnnotation::Type::Other;
    }

    // Each returns the reference of the annotation afterwards (invalid after remove or when
    // nothing changed).
    PdfAnnotationRef add(PdfPageId page, const PdfAnnotation &annotation);
    PdfAnnotationRef update(const PdfAnnotationRef &ref, const PdfAnnotation &annotation);
    bool remove(const PdfAnnotationRef &ref);

    // The form field widgets of the page at row with the values filled in so far.
    QList<PdfFormField> formFields(int row) const;
    // One undo step; false when the value is the same or the page has no such field.
    bool setFieldValue(int row, const QString &name, const QString &value);

Q_SIGNALS:
    // The annotations of some page changed, or a file's own ones arrived.
    void annotationsChanged();
    void allowsAnnotatingChanged(bool allowed);

private:
    struct FileAnnotations
    {
        QList<QList<PdfAnnotation>> pages;
        QList<QList<PdfFormField>> fields;
        qint64 size = -1;
        QDateTime modified;
    };
    void refreshFiles();
    // Runs a change of the limits and says when the annotating answer changed.
    void changeLimits(const std::function<void()> &change);
    void startLoading(const QString &path, const QString &password);
    QString editorName() const;

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfUndoManager> m_undo;
    QHash<QString, FileAnnotations> m_files;
    QSet<QString> m_loading;
    bool m_allowsAnnotating = true;
    bool m_certifiedAnnotations = false;
    bool m_certifiedForms = false;
    bool m_readOnly = false;
    // One read at a time: each reads a whole file.
    jobs::Group m_pool{jobs::Lane::Reads, 1};
};
