#pragma once

#include "filestamp.h"
#include "pdfeditorbackend.h"
#include "pdfpageentry.h"

#include <QAbstractListModel>
#include <QFuture>
#include <QSet>

#include <optional>
#include <utility>

// The page list of the one document a viewer tab edits. Pages are never rewritten in place:
// each entry names a page of some source file (or a blank page) plus the user's rotation.
// GUI thread only.
class PdfDocumentModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        PageIdRole = Qt::UserRole + 1,
        SourcePathRole,
        SourcePageIndexRole,
        RotationRole,
        SelectedRole,
        PageSizeRole,
        OriginRole,
        EditedRole,
        StampTextRole,
        // The file under the page changed: the same page draws differently now.
        PixelsRole,
        AnnotationsRole,
    };
    // What a dataChanged tells views that draw pages: drawn anew (pixels, rotation, stamps,
    // comments and form values) or only laid out again (size).
    enum class PageChange : unsigned {
        None = 0,
        Pixels = 1,
        Size = 2,
        Rotation = 4,
        Stamp = 8,
        Annotations = 16,
    };
    Q_DECLARE_FLAGS(PageChanges, PageChange)
    static constexpr PageChanges Redraw{PageChange::Pixels, PageChange::Rotation, PageChange::Stamp,
                                        PageChange::Annotations};
    static PageChanges pageChanges(const QList<int> &roles);

    static inline const QString PageIdMimeType = QStringLiteral("application/x-tessel-page-id");
    static constexpr QSizeF DefaultBlankPageSize{595.0, 842.0};
    // Pages whose sizes a loaded document has at once; the others follow from the background.
    static constexpr int FirstPageSizes = 64;

    explicit PdfDocumentModel(QObject *parent = nullptr);
    ~PdfDocumentModel() override;

    QString documentPath() const { return m_documentPath; }
    QString documentPassword() const { return m_documentPassword; }
    int pageCount() const { return int(m_pages.size()); }
    std::optional<PdfPageEntry> pageAt(int row) const;
    int rowOfPage(PdfPageId id) const;
    QList<PdfPageEntry> pages() const { return m_pages; }
    QList<PdfSourcePage> sourcePages() const;
    // A file the pages read, with the password it opened with.
    struct SourceFile
    {
        QString path;
        QString password;
    };
    // The files the pages read, each once, in the order of their first pages.
    QList<SourceFile> sourceFiles() const;
    quint64 revision() const { return m_revision; }
    bool isModified() const { return m_modified; }
    QSet<PdfPageId> selectedPageIds() const;
    QList<int> selectedRows() const;

    static PdfSourcePage toSourcePage(const PdfPageEntry &entry);
    static QSizeF displaySize(const PdfPageEntry &entry);
    static int normalizedRotation(qint64 degrees);

    bool loadDocument(const QString &path, const QString &password, PdfBackendError *error,
                      QString *message);
    // A long document is shown before every page's size was read: until the rest arrives from
    // a background read (a PageSizeRole change of the rows that differ), those pages carry the
    // first page's size. Work that needs every size (saving, printing, extracting, finding)
    // calls ensurePageSizes, which waits for the read and applies it.
    bool pageSizesPending() const { return m_sizesPending; }
    void ensurePageSizes() const;
    PdfPageId insertBlankPage(int row, const QSizeF &size = QSizeF());
    bool insertPdf(const QString &path, int row, const QString &password, PdfBackendError *error,
                   QString *message);
    QList<PdfPageId> duplicatePages(const QList<PdfPageId> &ids);
    void removePages(const QList<PdfPageId> &ids);
    void rotatePages(const QList<PdfPageId> &ids, int degrees);
    // Replaces the annotations of a page (pdfannotationedits.cpp); false when nothing changed.
    bool setPageAnnotations(PdfPageId id, const QList<PdfAnnotation> &annotations,
                            const QList<int> &hidden);
    bool setPageFieldValues(PdfPageId id, const QMap<QString, QString> &values);
    // Gives every page these page numbers (disabled numbering removes them). False when
    // nothing changed.
    bool setPageNumbering(const PdfPageNumbering &numbering);
    static QString pageNumberText(const PdfPageNumbering &numbering, int row, int pageCount);

    void setPageSelected(PdfPageId id, bool selected);
    void setSelectedPageIds(const QSet<PdfPageId> &ids);
    void selectAll();
    void clearSelection();

    void setModified(bool modified);
    void markSaved(const QString &path);
    void restoreSnapshot(const QList<PdfPageEntry> &entries, bool modified);
    // The files behind the pages changed: every page must be drawn again (views drop what they
    // hold for each page, as for a rotation).
    void invalidatePages();
    // Document information the next save writes; none keeps what the file holds. Cleared when a
    // document is loaded or saved (the file then holds it).
    const std::optional<PdfDocumentMetadata> &metadataEdits() const { return m_metadataEdits; }
    void setMetadataEdits(const std::optional<PdfDocumentMetadata> &metadata);
    // Whether data is a page drag that started in a view of this model.
    bool isOwnPageDrag(const QMimeData *data) const;

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

Q_SIGNALS:
    void selectionChanged();
    void pageOrderChanged();
    // Pages came, went or moved, or the model was reset: whatever maps rows to pages is stale.
    void pageListChanged();
    void modifiedChanged(bool modified);
    void documentReset();
    void metadataChanged();
    // The document now lives in another file (loaded or saved under another name).
    void documentPathChanged(const QString &path);

private:
    std::optional<PdfDocumentMetadata> m_metadataEdits;
    PdfPageId takeNextId() { return m_nextId++; }
    int clampedInsertRow(int row) const;
    bool isMovePossible(int sourceRow, int destination) const;
    void moveOneRow(int sourceRow, int destination);
    void setSelectedAt(int row, bool selected);
    void markPagesChanged();
    // A page's comments or form values changed: a new annotation version, edited, redrawn.
    void markAnnotationsEdited(int row);
    // Puts each numbered page's text in line with its place; notify reports the changed rows.
    void refreshStampTexts(bool notify);
    // The page a payload names, or no value when it names none of this model's pages.
    std::optional<PdfPageId> firstPayloadId(const QMimeData *data) const;
    // The rows a dropped page payload moves from and to, when that move is possible.
    std::optional<std::pair<int, int>> droppedMove(const QMimeData *data, int row,
                                                   const QModelIndex &parent) const;
    void readPageSizes(const QString &path, const QString &password);
    void applyPageSizes();
    void forgetReadSizes();
    // Gives the pages of the loaded file the sizes read for it; the changed rows span
    // first..last (-1 when none changed).
    void fillKnownSizes(int *first, int *last);

    QList<PdfPageEntry> m_pages;
    QString m_documentPath;
    QString m_documentPassword;
    PdfPageId m_nextId = 1;
    quint64 m_revision = 0;
    bool m_modified = false;
    // The background read of a loaded document's page sizes, and what it found.
    QFuture<PdfDocumentInfo> m_sizeRead;
    bool m_sizesPending = false;
    // False while the loaded file's long page tree is taken as it reads (see readPageSizes).
    bool m_treeChecked = true;
    quint64 m_sizeReadGeneration = 0;
    QString m_sizesPath;
    FileStamp m_sizesStamp;
    QList<QSizeF> m_sizes;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PdfDocumentModel::PageChanges)
