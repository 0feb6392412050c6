#pragma once

#include "pdfeditorbackend.h"
#include "pdfpageentry.h"
#include "pdfviewmode.h"

#include <QPoint>
#include <QSet>
#include <QWidget>

#include <memory>
#include <optional>

class QTemporaryDir;
class QTimer;
class PdfAnnotationLayer;
class PdfAnnotationModel;
class PdfBottomControlBar;
class PdfCommentsPanel;
class PdfDocumentModel;
class PdfDocumentSession;
class PdfDocumentView;
class PdfFindBar;
class PdfOperationSidePanel;
class PdfOutlinePanel;
class PdfPageInteraction;
class PdfPageLabels;
class PdfPageManagerView;
class PdfReadingHistory;
class PdfPropertiesDialog;
class PdfReadingModes;
class PdfRenderManager;
class PdfSignatureBar;
class PdfSignatureBoxTool;
class PdfSignaturesPanel;
class PdfSignatureStatus;
struct PdfSignOptions;
class PdfThumbnailPanel;
class PdfTopToolBar;
class PdfUndoManager;
class QSplitter;
class QStackedWidget;

// The content of one PDF tab: lays out the tool bars and views over its document session (one
// model, one undo manager, one render manager), wires them together, and asks the user what the
// session needs to know when it opens, inserts, saves, prints and closes documents.
class PdfViewerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PdfViewerWidget(QWidget *parent = nullptr);
    ~PdfViewerWidget() override;

    bool openDocument(const QString &path, const QString &password = QString());
    bool confirmClose();
    // The file's name as the user knows it, for questions about this document.
    QString documentName() const;
    bool save();
    bool saveAsWithDialog();
    bool saveAs(const QString &path);
    void insertPdfFiles(const QStringList &files, int beforeRow);
    void chooseAndInsertPdf(int beforeRow);
    void showInsertMenu(int beforeRow, const QPoint &globalPosition);
    void revealInFolder();
    void printDocument();
    // Numbers every page as one undoable edit; the dialog variant asks how first.
    bool addPageNumbers(const PdfPageNumbering &numbering);
    void addPageNumbersWithDialog();
    // Opens the document's properties; the file's part is read on a worker thread.
    void showDocumentProperties();
    // Write the selected pages, or the document cut at split points, into new files; the
    // document itself stays as it is.
    void extractPages(bool combineIntoOne, const QString &outputDirectory);
    void splitDocument(bool everyPage, const QList<int> &beforeRows,
                       const QString &outputDirectory);
    // Signs the saved file into a new one chosen by the user and shows that (asks for unsaved
    // changes to be saved first).
    void signDocument();
    // A read-only tab neither annotates, fills forms nor saves over its file.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // The text shown for an engine error.
    void showBackendError(const QString &title, PdfBackendError error, const QString &message);

    PdfDocumentSession *session() const { return m_session; }
    PdfDocumentModel *documentModel() const { return m_model; }
    PdfRenderManager *renderManager() const { return m_renderManager; }
    PdfUndoManager *undoManager() const { return m_undoManager; }
    PdfTopToolBar *topToolBar() const { return m_topToolBar; }
    PdfDocumentView *documentView() const { return m_documentView; }
    PdfAnnotationModel *annotationModel() const { return m_annotations; }
    PdfAnnotationLayer *annotationLayer() const { return m_annotationLayer; }
    PdfCommentsPanel *commentsPanel() const { return m_commentsPanel; }
    PdfThumbnailPanel *thumbnailPanel() const { return m_thumbnailPanel; }
    PdfPageManagerView *pageManagerView() const { return m_pageManagerView; }
    PdfBottomControlBar *bottomBar() const { return m_bottomBar; }
    PdfReadingHistory *history() const { return m_history; }
    PdfReadingModes *readingModes() const { return m_readingModes; }
    PdfPageInteraction *pageInteraction() const { return m_pageInteraction; }
    PdfFindBar *findBar() const { return m_findBar; }
    PdfSignatureStatus *signatureStatus() const;
    PdfSignatureBar *signatureBar() const { return m_signatureBar; }
    PdfSignaturesPanel *signaturesPanel() const { return m_signaturesPanel; }
    // Opens a link that leads outside the document once the user agrees.
    void openExternalLink(const QString &uri);
    QSplitter *splitter() const { return m_splitter; }
    QStackedWidget *viewStack() const { return m_viewStack; }
    PdfViewMode viewMode() const { return m_viewMode; }
    PdfWorkspaceMode workspaceMode() const { return m_workspaceMode; }
    bool isSaving() const;
    bool isBottomBarWanted() const { return m_bottomBarWanted; }

Q_SIGNALS:
    void currentPageChanged(int page);
    void pageCountChanged(int count);
    void zoomChanged(double zoom);
    void zoomFactorChanged(double zoom);
    void modifiedChanged(bool modified);
    void documentLoaded(const QString &path);
    void documentClosed();
    void convertPdfToOfficeRequested(const QString &path);
    void externalToolRequested(const QString &toolId, const QString &path);
    // The document now lives in another file (saved under a new name).
    void documentPathChanged(const QString &path);
    // A file to show in a tab of its own, read-only: the version a signature covers.
    void readOnlyCopyRequested(const QString &path, const QString &password);

public Q_SLOTS:
    void setCurrentPage(int page);
    void goToPage(int page);
    void setZoomFactor(double factor);
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();
    void fitHeight();
    void showThumbnailPanel(bool show);
    void setViewMode(PdfViewMode mode);
    void setWorkspaceMode(PdfWorkspaceMode mode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void wire();
    void wireOrganising();
    void wireReading();
    void updatePageCount();
    void placeBottomBar();
    void doPlaceBottomBar();
    void showDocumentView();
    void showPageManager();
    void showPageManagerFor(PdfWorkspaceMode mode);
    void applyWorkspaceMode(PdfWorkspaceMode mode);
    void onSelectionChanged();
    // Removes pages as one step; refuses, saying why, to remove every page.
    void removePages(const QList<PdfPageId> &ids);
    // Asks for a password; empty and false on cancel.
    QString askPassword(const QString &prompt, bool *ok);
    // The file the next password is asked for.
    QString m_passwordFile;
    void onFileChangedOnDisk(const QString &path, bool isDocument);
    // Files extract and split must not write over: what this tab and every other tab read.
    QStringList filesInUse() const;
    // The save dialog, its name made a PDF's; empty when cancelled.
    QString askSavePath(const QString &initial);
    // Writes the document to target behind the progress box.
    bool writeDocument(const QString &target);

    PdfDocumentSession *m_session = nullptr;
    PdfDocumentModel *m_model = nullptr;
    PdfRenderManager *m_renderManager = nullptr;
    PdfUndoManager *m_undoManager = nullptr;
    PdfTopToolBar *m_topToolBar = nullptr;
    QSplitter *m_splitter = nullptr;
    PdfThumbnailPanel *m_thumbnailPanel = nullptr;
    QStackedWidget *m_viewStack = nullptr;
    PdfDocumentView *m_documentView = nullptr;
    PdfPageManagerView *m_pageManagerView = nullptr;
    PdfOperationSidePanel *m_sidePanel = nullptr;
    PdfBottomControlBar *m_bottomBar = nullptr;
    PdfOutlinePanel *m_outlinePanel = nullptr;
    PdfPageInteraction *m_pageInteraction = nullptr;
    // Annotations (pdfviewerannotations.cpp).
    void wireAnnotations();
    // Keep annotations or flatten them at save as; false when the user cancelled.
    bool askFlatten();
    PdfAnnotationModel *m_annotations = nullptr;
    PdfAnnotationLayer *m_annotationLayer = nullptr;
    PdfCommentsPanel *m_commentsPanel = nullptr;
    PdfFindBar *m_findBar = nullptr;
    // Signatures (pdfviewersignatures.cpp).
    void wireSignatures();
    void showSignatureReport();
    void showSignaturesPanel();
    void goToSignature(int index);
    void openSignedVersion(qint64 signedLength);
    void showAnnotatingRefused(bool formField);
    void showSignaturesIn(PdfPropertiesDialog *dialog);
    void signOnBox(int row, const QRectF &rect);
    void signInto(const PdfSignOptions &options);
    // Before a save that would break the file's signatures: no value when the save may go on
    // as asked, else its outcome (false when cancelled, or the result of saving elsewhere).
    std::optional<bool> settleSignedSave(const QString &target);
    PdfSignatureBar *m_signatureBar = nullptr;
    PdfSignaturesPanel *m_signaturesPanel = nullptr;
    PdfSignatureBoxTool *m_signatureBox = nullptr;
    std::unique_ptr<PdfSignOptions> m_pendingSign;
    // The file whose certification limits the annotation model holds.
    QString m_limitedPath;
    bool m_readOnly = false;
    PdfReadingHistory *m_history = nullptr;
    PdfReadingModes *m_readingModes = nullptr;
    std::unique_ptr<QTemporaryDir> m_recognised;
    PdfViewMode m_viewMode = PdfViewMode::DocumentView;
    PdfWorkspaceMode m_workspaceMode = PdfWorkspaceMode::Browse;
    bool m_thumbnailsWanted = true;
    bool m_bottomBarWanted = false;
    bool m_bottomBarPlacementPending = false;
    // A document just opened shows its bottom bar once its page labels are read (or after a
    // while), so that the bar does not change its width under the reader.
    PdfPageLabels *m_pageLabels = nullptr;
    QTimer *m_labelWait = nullptr;
    // A change-on-disk question is open; further changes wait for its answer.
    bool m_askingReload = false;
};
