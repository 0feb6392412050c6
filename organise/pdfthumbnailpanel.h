#pragma once

#include "pagethumbnailstore.h"
#include "pdfpageid.h"
#include "pdfrenderpurpose.h"
#include "thumbnaillistview.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class PdfDocumentModel;
class PdfInsertDropZone;
class PdfRenderManager;
class QTimer;
struct PdfPageEntry;

// The strip of page cards at the left of a document tab. Cards on screen are fetched at once;
// all other pages by a slow background sweep that backs off while many requests are in flight.
class PdfThumbnailPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int OnScreenPriority = 10;
    static constexpr int SweepPriority = -10;
    static constexpr int SweepBatch = 8;
    static constexpr int SweepPendingLimit = 18;
    // The on-screen pass waits until scrolling has rested this long.
    static constexpr int ScrollSettleMs = 50;

    explicit PdfThumbnailPanel(QWidget *parent = nullptr);
    ~PdfThumbnailPanel() override;

    void setDocumentModel(PdfDocumentModel *model);
    void setRenderManager(PdfRenderManager *manager);
    void setCurrentPage(int row);
    // One label a row ("iii"), shown with the page number where the two differ; empty for
    // numbers only.
    void setPageLabels(const QStringList &labels);
    QStringList pageLabels() const { return m_labels; }

    PdfDocumentModel *documentModel() const;
    ThumbnailListView *listView() const { return m_list; }
    PdfInsertDropZone *insertDropZone() const { return m_dropZone; }

    // What the cards show; null while the page has no thumbnail yet.
    QImage thumbnail(PdfPageId pageId) const;
    bool isRequestPending(PdfPageId pageId) const { return m_store.isPending(pageId); }
    int pendingRequestCount() const { return m_store.pendingCount(); }
    const PageThumbnailStore &thumbnailStore() const { return m_store; }
    // Bytes of thumbnails kept at most; past it, those farthest from the shown cards go.
    void setThumbnailBudget(qint64 bytes) { m_store.setBudget(bytes); }
    int hoverRow() const { return m_hoverRow; }
    // The card whose actions are shown: the hovered one, once the pointer rested on it.
    int actionsRow() const { return m_actionsRow; }
    static constexpr int ActionDelayMs = 350;
    // The strip's widths; panels of text shown in its place may widen it to the wider one.
    static constexpr int MinimumWidth = 176;
    static constexpr int MaximumWidth = 280;
    static constexpr int MaximumTextWidth = 560;

    // The thumbnail size for a page: its shown size fitted into the card's box.
    static QSize thumbnailTargetSize(const PdfPageEntry &entry);

Q_SIGNALS:
    void pageActivated(int page);
    void insertFilesRequested(QStringList files, int beforeRow);
    void chooseInsertFilesRequested(int beforeRow);
    void previewPageRequested(PdfPageId pageId);
    void rotatePageRequested(PdfPageId pageId);
    void deletePageRequested(PdfPageId pageId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reset();
    void keepValidThumbnails();
    void onScreenPass();
    // Rows on each side of the shown ones that the sweep fetches: what the budget holds.
    int sweepReach() const;
    bool sweepLeft() const;
    void scheduleSweep(int delayMs);
    void sweepStep();
    void requestRows(const QList<int> &rows, int priority);
    void onPageRendered(PdfPageId pageId, QSize targetSize, PdfRenderPurpose purpose,
                        qulonglong requestId, qulonglong documentRevision, const QImage &image);
    void onPageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose, qulonglong requestId);
    void setHoverRow(int row);
    bool handleRelease(const QPoint &pos);
    // The action under the point on the card whose actions are shown, -1 when none.
    int actionUnder(const QPoint &pos) const;
    int rowCount() const;

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfRenderManager> m_renderManager;
    ThumbnailListView *m_list = nullptr;
    PdfInsertDropZone *m_dropZone = nullptr;
    PageThumbnailStore m_store;
    QTimer *m_sweepTimer = nullptr;
    int m_sweepCursor = 0;
    int m_hoverRow = -1;
    int m_actionsRow = -1;
    int m_pressedAction = -1;
    QTimer *m_actionTimer = nullptr;
    QStringList m_labels;
};
