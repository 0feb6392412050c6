#pragma once

#include "pagethumbnailstore.h"
#include "pdfpageid.h"
#include "pdfrenderpurpose.h"
#include "pdfviewmode.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

class PageManagerListView;
class PdfDocumentModel;
class PdfRenderManager;
class QItemSelection;
class QPushButton;
class QSlider;
class QTimer;
struct PdfPageEntry;

// The page grid of a document tab: every page as a card with a check box and hover actions,
// scaled by a floating zoom control. In insert mode a marker before the first card and one after
// each card ask for an insertion there; in split mode the gaps between cards toggle split points,
// which follow their pages through moves because they are kept as page ids.
class PdfPageManagerView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RequestPriority = 8;
    static constexpr int ZoomMinimum = 70;
    static constexpr int ZoomMaximum = 160;
    static constexpr int ZoomStart = 80;
    static constexpr int RerenderDelayMs = 180;
    // The request pass waits until scrolling has rested this long.
    static constexpr int ScrollSettleMs = 50;
    static constexpr int ActionCount = 4;

    explicit PdfPageManagerView(QWidget *parent = nullptr);
    ~PdfPageManagerView() override;

    void setDocumentModel(PdfDocumentModel *model);
    void setRenderManager(PdfRenderManager *manager);
    void setWorkspaceMode(PdfWorkspaceMode mode);
    void setSplitEveryPage(bool enabled);
    // One label a row ("iii"), shown with the page number where the two differ; empty for
    // numbers only.
    void setPageLabels(const QStringList &labels);
    QStringList pageLabels() const { return m_labels; }
    // Moves the pages, in their document order, to stand together before beforeRow. Each move
    // goes through the model's moveRows, so the undo manager makes one step of them.
    void movePages(const QList<PdfPageId> &pageIds, int beforeRow);

    PdfDocumentModel *documentModel() const;
    PageManagerListView *grid() const { return m_grid; }
    PdfWorkspaceMode workspaceMode() const { return m_mode; }
    bool splitEveryPage() const { return m_splitEveryPage; }
    // Rows before which a new part begins, ascending.
    QList<int> splitRows() const;
    bool isSplitPoint(int row) const;
    int hoverRow() const { return m_hoverRow; }
    QImage thumbnail(PdfPageId pageId) const;
    bool isRequestPending(PdfPageId pageId) const { return m_store.isPending(pageId); }
    int pendingRequestCount() const { return m_store.pendingCount(); }
    const PageThumbnailStore &thumbnailStore() const { return m_store; }
    // Bytes of thumbnails kept at most; past it, those farthest from the shown cards go.
    void setThumbnailBudget(qint64 bytes) { m_store.setBudget(bytes); }

    // Card scale: the grid cell and the card drawn in it, for a slider value.
    static QSize cellSizeFor(int sliderValue);
    static QSize cardSizeFor(int sliderValue);
    QSize cellSize() const { return m_cellSize; }
    QSize cardSize() const { return m_cardSize; }

    // Geometry of one item, in the coordinates of its item rectangle.
    QRect cardRect(const QRect &itemRect) const;
    static QRect checkBoxRect(const QRect &card);
    static QRect imageArea(const QRect &card);
    static QRect actionBarRect(const QRect &card);
    static QRect pageNumberBand(const QRect &itemRect, const QRect &card);
    // The markers sit on the gaps between cards; at the grid's left and right edges they are
    // moved inwards so that they can be seen and clicked in full.
    QRect insertMarkerRect(const QRect &itemRect) const;
    // The marker before the first card, at the grid's left edge.
    QRect insertFirstMarkerRect(const QRect &itemRect) const;
    QRect splitLineRect(const QRect &itemRect) const;
    QRect splitClickArea(const QRect &itemRect) const;
    QRect splitMarkerRect(const QRect &itemRect) const;
    QSize thumbnailRequestBox() const;
    QSize thumbnailTargetSize(const PdfPageEntry &entry) const;

Q_SIGNALS:
    void previewPageRequested(PdfPageId pageId);
    void duplicatePageRequested(PdfPageId pageId);
    void rotatePageRequested(PdfPageId pageId);
    void deletePageRequested(PdfPageId pageId);
    void insertAtRequested(int beforeRow, QPoint globalPosition);
    void splitPointsChanged(QList<int> beforeRows);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildZoomControl();
    void reset();
    void keepValidThumbnails();
    void connectSelectionModel();
    void requestPass();
    void applyCardScale(int sliderValue);
    void placeZoomControl();
    void pruneSplitPoints();
    void emitSplitPoints();
    void gridSelectionToModel();
    void modelSelectionToGrid();
    void setHoverRow(int row);
    bool handlePress(const QPoint &pos);
    void onPageRendered(PdfPageId pageId, PdfRenderPurpose purpose, qulonglong requestId,
                        const QImage &image);
    void onPageRenderFailed(PdfPageId pageId, PdfRenderPurpose purpose, qulonglong requestId);
    int rowCount() const;

    QPointer<PdfDocumentModel> m_model;
    QPointer<PdfRenderManager> m_renderManager;
    PageManagerListView *m_grid = nullptr;
    QWidget *m_zoomControl = nullptr;
    QSlider *m_zoomSlider = nullptr;
    QPushButton *m_zoomOutButton = nullptr;
    QPushButton *m_zoomInButton = nullptr;
    QTimer *m_rerenderTimer = nullptr;
    PageThumbnailStore m_store;
    QSet<PdfPageId> m_splitPoints;
    PdfWorkspaceMode m_mode = PdfWorkspaceMode::Browse;
    bool m_splitEveryPage = false;
    int m_hoverRow = -1;
    bool m_syncingSelection = false;
    // Set while the model removes, moves or replaces rows: the grid's selection follows on its
    // own then, and the model must not be written to in the middle of the change.
    bool m_modelChanging = false;
    bool m_swallowRelease = false;
    QSize m_cellSize{260, 272};
    QSize m_cardSize{206, 232};
    QStringList m_labels;
};
