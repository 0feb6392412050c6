#include "pdfviewerwidget.h"

#include "dialogseam.h"
#include "failuretext.h"
#include "jobrunner.h"
#include "modernmessagebox.h"
#include "pathidentity.h"
#include "pdfbottomcontrolbar.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdfdocumentview.h"
#include "pdfextractsplitwriter.h"
#include "pdffileregistry.h"
#include "pdffindbar.h"
#include "pdfoperationsidepanel.h"
#include "pdfoutlinepanel.h"
#include "pdfpagecardmenu.h"
#include "pdfpageinteraction.h"
#include "pdfpagelabels.h"
#include "pdfpagemanagerview.h"
#include "pdfpagemenu.h"
#include "pdfpagenumberdialog.h"
#include "pdfpagetonemenu.h"
#include "pdfprintjob.h"
#include "pdfpropertiesdialog.h"
#include "pdfreadinghistory.h"
#include "pdfreadingmodes.h"
#include "pdfreadingplace.h"
#include "pdfrendermanager.h"
#include "pdfsignatures.h"
#include "pdftextrecognition.h"
#include "pdfthumbnailpanel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewershortcuts.h"
#include "revealinfolder.h"
#include "theme.h"
#include "tooltype.h"

#include <QAbstractItemView>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int BottomBarGap = 24;
constexpr int LabelWaitMs = 1000;
constexpr int BottomBarTopLimit = 8;

} // namespace

PdfViewerWidget::PdfViewerWidget(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<PdfViewMode>("PdfViewMode");
    qRegisterMetaType<PdfWorkspaceMode>("PdfWorkspaceMode");
    setObjectName(u"pdfViewerWidget"_s);

    m_session = new PdfDocumentSession(this);
    m_model = m_session->model();
    m_renderManager = m_session->renderManager();
    m_undoManager = m_session->undoManager();
    m_session->setPasswordProvider(
        [this](PdfDocumentSession::PasswordPrompt prompt) -> std::optional<QString> {
            // Named, since a start that reopens several documents asks for each in turn.
            const QString name = QFileInfo(m_passwordFile).fileName();
            QString text;
            switch (prompt) {
            case PdfDocumentSession::PasswordPrompt::WrongPassword:
                text = tr("密码错误，请重新输入“%1”的密码：").arg(name);
                break;
            case PdfDocumentSession::PasswordPrompt::InsertedEncrypted:
                text = tr("插入的 PDF“%1”已加密，请输入密码：").arg(name);
                break;
            case PdfDocumentSession::PasswordPrompt::Encrypted:
                text = tr("“%1”已加密，请输入密码：").arg(name);
                break;
            }
            bool ok = false;
            const QString answer = askPassword(text, &ok);
            if (!ok)
                return std::nullopt;
            return answer;
        });

    buildLayout();
    m_history = new PdfReadingHistory(m_documentView, m_model, this);
    m_bottomBar->setHistoryActions(m_history->backAction(), m_history->forwardAction());
    connect(this, &PdfViewerWidget::documentLoaded, m_history, &PdfReadingHistory::clear);
    wire();
    auto *keys = new PdfViewerShortcuts({.host = this,
                                         .model = m_model,
                                         .view = m_documentView,
                                         .history = m_history,
                                         .toolBar = m_topToolBar,
                                         .viewStack = m_viewStack,
                                         .strip = m_thumbnailPanel,
                                         .grid = m_pageManagerView});
    connect(keys, &PdfViewerShortcuts::zoomInPressed, this, &PdfViewerWidget::zoomIn);
    connect(keys, &PdfViewerShortcuts::zoomOutPressed, this, &PdfViewerWidget::zoomOut);
    connect(keys, &PdfViewerShortcuts::zoomResetPressed, this, [this] { setZoomFactor(1.0); });
    connect(keys, &PdfViewerShortcuts::fitPagePressed, this, &PdfViewerWidget::fitPage);
    connect(keys, &PdfViewerShortcuts::fitWidthPressed, this, &PdfViewerWidget::fitWidth);
    connect(keys, &PdfViewerShortcuts::pageNumberPressed, this, [this] {
        if (m_bottomBarWanted)
            m_bottomBar->focusPageNumber();
    });
    m_readingModes = new PdfReadingModes({.host = this,
                                          .model = m_model,
                                          .renderManager = m_renderManager,
                                          .view = m_documentView,
                                          .history = m_history,
                                          .toolBar = m_topToolBar,
                                          .splitter = m_splitter,
                                          .viewStack = m_viewStack});
    connect(this, &PdfViewerWidget::pageCountChanged, m_readingModes,
            &PdfReadingModes::updateEnabled);
    PdfPageToneMenu::install(m_topToolBar, m_documentView);
    wireReading();
    updatePageCount();
}

PdfViewerWidget::~PdfViewerWidget()
{
    readingplace::remember(*this);
    // No late render result may reach a view that is being torn down.
    m_renderManager->cancelPending();
    // The undo stack clears itself as it goes, after the tool bar it would report to.
    m_undoManager->undoStack()->disconnect(this);
}

void PdfViewerWidget::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_topToolBar = new PdfTopToolBar(this);
    layout->addWidget(m_topToolBar);

    auto *divider = new QFrame(this);
    divider->setObjectName(u"pdfToolbarViewDivider"_s);
    divider->setFixedHeight(1);
    divider->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    divider->setStyleSheet(
        u"#pdfToolbarViewDivider { background: %1; border: none; }"_s.arg(Theme::border));
    layout->addWidget(divider);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(u"pdfViewerSplitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(1);
    m_splitter->setStyleSheet(
        u"QSplitter#pdfViewerSplitter::handle { background: %1; }"_s.arg(Theme::border));
    layout->addWidget(m_splitter, 1);

    m_thumbnailPanel = new PdfThumbnailPanel(m_splitter);
    m_thumbnailPanel->setDocumentModel(m_model);
    m_thumbnailPanel->setRenderManager(m_renderManager);
    m_splitter->addWidget(m_thumbnailPanel);

    m_viewStack = new QStackedWidget(m_splitter);
    m_viewStack->setObjectName(u"pdfViewStack"_s);
    m_documentView = new PdfDocumentView(m_viewStack);
    m_documentView->setDocumentModel(m_model);
    m_documentView->setRenderManager(m_renderManager);
    m_viewStack->addWidget(m_documentView);
    m_findBar = new PdfFindBar(m_documentView, m_model, this);
    m_pageManagerView = new PdfPageManagerView(m_viewStack);
    m_pageManagerView->setDocumentModel(m_model);
    m_pageManagerView->setRenderManager(m_renderManager);
    m_viewStack->addWidget(m_pageManagerView);
    m_splitter->addWidget(m_viewStack);

    m_sidePanel = new PdfOperationSidePanel(m_splitter);
    m_sidePanel->setDocumentModel(m_model);
    m_splitter->addWidget(m_sidePanel);

    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setStretchFactor(2, 0);
    m_splitter->setSizes({210, 1000, 340});

    m_viewStack->installEventFilter(this);

    m_bottomBar = new PdfBottomControlBar(m_viewStack);
    m_bottomBar->hide();
    m_bottomBar->raise();
}

void PdfViewerWidget::wire()
{
    PdfDocumentView *view = m_documentView;
    PdfBottomControlBar *bar = m_bottomBar;
    PdfTopToolBar *toolBar = m_topToolBar;

    connect(view, &PdfDocumentView::currentPageChanged, this, [this](int page) {
        m_thumbnailPanel->setCurrentPage(page);
        m_bottomBar->setCurrentPage(page);
        Q_EMIT currentPageChanged(page);
    });
    connect(view, &PdfDocumentView::zoomFactorChanged, this, [this](double factor) {
        m_bottomBar->showZoomFactor(factor);
        m_bottomBar->setFitMode(m_documentView->fitMode());
        Q_EMIT zoomChanged(factor);
        Q_EMIT zoomFactorChanged(factor);
    });

    // A page at a time, or a spread where pages stand in pairs.
    connect(bar, &PdfBottomControlBar::previousPageRequested, this,
            [this] { m_documentView->turnPage(-1); });
    connect(bar, &PdfBottomControlBar::nextPageRequested, this,
            [this] { m_documentView->turnPage(1); });
    connect(bar, &PdfBottomControlBar::pageRequested, m_history, &PdfReadingHistory::jumpTo);
    connect(bar, &PdfBottomControlBar::zoomRequested, this, &PdfViewerWidget::setZoomFactor);
    connect(bar, &PdfBottomControlBar::actualSizeRequested, this, [this] { setZoomFactor(1.0); });
    connect(bar, &PdfBottomControlBar::fitWidthRequested, this, &PdfViewerWidget::fitWidth);
    connect(bar, &PdfBottomControlBar::fitPageRequested, this, &PdfViewerWidget::fitPage);

    connect(toolBar, &PdfTopToolBar::documentViewRequested, this,
            &PdfViewerWidget::showDocumentView);
    connect(toolBar, &PdfTopToolBar::pageManageViewRequested, this,
            &PdfViewerWidget::showPageManager);
    connect(toolBar, &PdfTopToolBar::insertModeRequested, this,
            [this] { showPageManagerFor(PdfWorkspaceMode::Insert); });
    connect(toolBar, &PdfTopToolBar::extractModeRequested, this,
            [this] { showPageManagerFor(PdfWorkspaceMode::Extract); });
    connect(toolBar, &PdfTopToolBar::splitModeRequested, this,
            [this] { showPageManagerFor(PdfWorkspaceMode::Split); });
    connect(toolBar, &PdfTopToolBar::thumbnailToggled, this, &PdfViewerWidget::showThumbnailPanel);
    connect(toolBar, &PdfTopToolBar::rotateLeftRequested, this,
            [this] { m_undoManager->rotatePages(m_model->selectedPageIds().values(), -90); });
    connect(toolBar, &PdfTopToolBar::rotateRightRequested, this,
            [this] { m_undoManager->rotatePages(m_model->selectedPageIds().values(), 90); });
    connect(toolBar, &PdfTopToolBar::deleteRequested, this,
            [this] { removePages(m_model->selectedPageIds().values()); });
    connect(toolBar, &PdfTopToolBar::selectAllToggled, this, [this](bool selected) {
        if (selected)
            m_model->selectAll();
        else
            m_model->clearSelection();
    });
    connect(toolBar, &PdfTopToolBar::handToolToggled, view, &PdfDocumentView::setHandToolEnabled);

    QUndoStack *stack = m_undoManager->undoStack();
    connect(toolBar, &PdfTopToolBar::undoRequested, stack, &QUndoStack::undo);
    connect(toolBar, &PdfTopToolBar::redoRequested, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canUndoChanged, this, [this](bool canUndo) {
        m_topToolBar->setUndoRedoEnabled(canUndo, m_undoManager->undoStack()->canRedo());
    });
    connect(stack, &QUndoStack::canRedoChanged, this, [this](bool canRedo) {
        m_topToolBar->setUndoRedoEnabled(m_undoManager->undoStack()->canUndo(), canRedo);
    });

    connect(toolBar, &PdfTopToolBar::saveRequested, this, &PdfViewerWidget::save);
    connect(toolBar, &PdfTopToolBar::saveAsRequested, this, &PdfViewerWidget::saveAsWithDialog);
    connect(toolBar, &PdfTopToolBar::printRequested, this, &PdfViewerWidget::printDocument);
    connect(toolBar, &PdfTopToolBar::revealInFolderRequested, this,
            &PdfViewerWidget::revealInFolder);
    connect(toolBar, &PdfTopToolBar::convertToOfficeRequested, this,
            [this] { Q_EMIT convertPdfToOfficeRequested(m_model->documentPath()); });
    const auto forwardTool = [this, toolBar](void (PdfTopToolBar::*signal)(), int toolType) {
        const QString toolId = QString::fromLatin1(ToolType::info(toolType)->viewerId);
        connect(toolBar, signal, this,
                [this, toolId] { Q_EMIT externalToolRequested(toolId, m_model->documentPath()); });
    };
    forwardTool(&PdfTopToolBar::compressRequested, ToolType::Compress);
    forwardTool(&PdfTopToolBar::convertToImagesRequested, ToolType::PdfToImages);
    forwardTool(&PdfTopToolBar::encryptRequested, ToolType::Encrypt);
    forwardTool(&PdfTopToolBar::decryptRequested, ToolType::Decrypt);
    connect(toolBar, &PdfTopToolBar::searchRequested, m_findBar, &PdfFindBar::openBar);
    connect(m_findBar, &PdfFindBar::recognizeTextRequested, this, [this] {
        // The recognised versions live as long as the tab: its pages and history read them.
        if (!m_recognised)
            m_recognised = std::make_unique<QTemporaryDir>(
                QDir::temp().filePath(u"velmora-recognised-XXXXXX"_s));
        if (PdfTextRecognition::recognise(m_model, m_undoManager, m_recognised.get(), this))
            m_findBar->openBar();
    });
    connect(m_findBar, &PdfFindBar::opening, this, [this] {
        if (m_viewMode != PdfViewMode::DocumentView && m_model->pageCount() > 0)
            showDocumentView();
    });
    connect(toolBar, &PdfTopToolBar::pageNumberRequested, this,
            &PdfViewerWidget::addPageNumbersWithDialog);
    connect(toolBar, &PdfTopToolBar::propertiesRequested, this,
            &PdfViewerWidget::showDocumentProperties);
    connect(toolBar, &PdfTopToolBar::signRequested, this, &PdfViewerWidget::signDocument);

    wireOrganising();

    connect(m_model, &PdfDocumentModel::pageListChanged, this, &PdfViewerWidget::updatePageCount);
    connect(m_model, &PdfDocumentModel::pageListChanged, this,
            &PdfViewerWidget::onSelectionChanged);
    connect(m_model, &PdfDocumentModel::modifiedChanged, this, &PdfViewerWidget::modifiedChanged);
    connect(m_model, &PdfDocumentModel::documentPathChanged, this,
            &PdfViewerWidget::documentPathChanged);
    connect(m_session, &PdfDocumentSession::fileChangedOnDisk, this,
            &PdfViewerWidget::onFileChangedOnDisk);
    connect(m_session, &PdfDocumentSession::documentReplaced, this, [this] {
        m_documentView->refreshRenders();
        updatePageCount();
    });
    connect(m_model, &PdfDocumentModel::selectionChanged, this,
            &PdfViewerWidget::onSelectionChanged);
}

void PdfViewerWidget::wireOrganising()
{
    PdfThumbnailPanel *strip = m_thumbnailPanel;
    PdfPageManagerView *grid = m_pageManagerView;
    PdfOperationSidePanel *side = m_sidePanel;

    connect(strip, &PdfThumbnailPanel::pageActivated, m_history, &PdfReadingHistory::jumpTo);
    // A reset (open, undo, redo) clears the strip's current card while the view may stay on its
    // page without saying so again.
    connect(m_model, &QAbstractItemModel::modelReset, strip, [this] {
        QTimer::singleShot(0, m_thumbnailPanel, [this] {
            m_thumbnailPanel->setCurrentPage(m_documentView->currentPage());
        });
    });
    const auto preview = [this](PdfPageId id) {
        showDocumentView();
        m_history->jumpTo(m_model->rowOfPage(id));
    };
    const auto rotate = [this](PdfPageId id) {
        m_undoManager->rotatePages({id}, 90);
    };
    const auto remove = [this](PdfPageId id) {
        removePages({id});
    };
    connect(strip, &PdfThumbnailPanel::previewPageRequested, this, preview);
    connect(grid, &PdfPageManagerView::previewPageRequested, this, preview);
    connect(strip, &PdfThumbnailPanel::rotatePageRequested, this, rotate);
    connect(grid, &PdfPageManagerView::rotatePageRequested, this, rotate);
    connect(strip, &PdfThumbnailPanel::deletePageRequested, this, remove);
    connect(grid, &PdfPageManagerView::deletePageRequested, this, remove);
    connect(grid, &PdfPageManagerView::duplicatePageRequested, this,
            [this](PdfPageId id) { m_undoManager->duplicatePages({id}); });
    connect(strip, &PdfThumbnailPanel::chooseInsertFilesRequested, this,
            &PdfViewerWidget::chooseAndInsertPdf);
    connect(strip, &PdfThumbnailPanel::insertFilesRequested, this,
            &PdfViewerWidget::insertPdfFiles);
    connect(grid, &PdfPageManagerView::insertAtRequested, this, &PdfViewerWidget::showInsertMenu);
    connect(grid, &PdfPageManagerView::splitPointsChanged, side,
            &PdfOperationSidePanel::setSplitPoints);
    connect(side, &PdfOperationSidePanel::everyPageSplitToggled, grid,
            &PdfPageManagerView::setSplitEveryPage);
    connect(side, &PdfOperationSidePanel::extractRequested, this, &PdfViewerWidget::extractPages);
    connect(side, &PdfOperationSidePanel::splitRequested, this, &PdfViewerWidget::splitDocument);
}

void PdfViewerWidget::extractPages(bool combineIntoOne, const QString &outputDirectory)
{
    PdfExtractSplitWriter::extract(this, m_model, combineIntoOne, outputDirectory, filesInUse(),
                                   m_session->writeOptions());
}

void PdfViewerWidget::splitDocument(bool everyPage, const QList<int> &beforeRows,
                                    const QString &outputDirectory)
{
    PdfExtractSplitWriter::split(this, m_model, everyPage, beforeRows, outputDirectory,
                                 filesInUse(), m_session->writeOptions());
}

void PdfViewerWidget::onSelectionChanged()
{
    const int selected = int(m_model->selectedPageIds().size());
    const int count = m_model->pageCount();
    m_topToolBar->setSelectionActionsEnabled(selected >= 1);
    m_topToolBar->setDeleteAllowed(selected < count);
    m_topToolBar->setAllSelected(count > 0 && selected == count);
}

void PdfViewerWidget::removePages(const QList<PdfPageId> &ids)
{
    // Deleting every page would leave a blank page in their place.
    if (!ids.isEmpty() && ids.size() >= m_model->pageCount()) {
        ModernMessageBox::showInformation(this, tr("无法删除页面"),
                                          tr("文档至少要保留一页，不能删除全部页面。"));
        return;
    }
    m_undoManager->removePages(ids);
}

void PdfViewerWidget::showBackendError(const QString &title, PdfBackendError error,
                                       const QString &message)
{
    // The engine's words are technical and untranslated: labelled as such, under our sentence.
    const QString detail = message.trimmed();
    ModernMessageBox::showWarning(this, title, failureText(error),
                                  detail.isEmpty() ? QString() : tr("技术信息：%1").arg(detail));
}

QString PdfViewerWidget::askPassword(const QString &prompt, bool *ok)
{
    return DialogSeam::getText(this, tr("需要密码"), prompt, QLineEdit::Password, QString(), ok);
}

QStringList PdfViewerWidget::filesInUse() const
{
    QStringList files = m_session->referencedFiles();
    files.append(m_session->registry()->filesInUse(m_session));
    return files;
}

bool PdfViewerWidget::openDocument(const QString &path, const QString &password)
{
    if (path.isEmpty())
        return false;
    if (m_model->isModified() && !confirmClose())
        return false;
    readingplace::remember(*this);

    PdfDocumentSession::Failure failure;
    m_passwordFile = path;
    switch (m_session->open(path, password, &failure)) {
    case PdfDocumentSession::Result::Cancelled:
        // The previous document stays; its renders were dropped, so ask again.
        m_documentView->refreshRenders();
        return false;
    case PdfDocumentSession::Result::Failed:
        m_documentView->refreshRenders();
        showBackendError(tr("无法打开 PDF"), failure.error, failure.message);
        return false;
    case PdfDocumentSession::Result::Done:
        break;
    }

    if (m_labelWait)
        m_labelWait->start();
    showDocumentView();
    applyWorkspaceMode(PdfWorkspaceMode::Browse);
    m_documentView->fitWidth();
    m_bottomBar->setFitWidth(true);
    m_documentView->goToPage(0);
    updatePageCount();
    readingplace::restore(*this);
    Q_EMIT documentLoaded(m_model->documentPath());
    return true;
}

void PdfViewerWidget::insertPdfFiles(const QStringList &files, int beforeRow)
{
    int row = std::clamp(beforeRow, 0, m_model->pageCount());
    for (const QString &file : files) {
        PdfDocumentSession::Failure failure;
        int added = 0;
        m_passwordFile = file;
        const auto result = m_session->insertFile(file, row, &added, &failure);
        if (result == PdfDocumentSession::Result::Failed)
            showBackendError(tr("插入 PDF 失败"), failure.error, failure.message);
        else if (result == PdfDocumentSession::Result::Done)
            row += added;
    }
}

void PdfViewerWidget::chooseAndInsertPdf(int beforeRow)
{
    const QString folder = QFileInfo(m_model->documentPath()).absolutePath();
    const QStringList files = DialogSeam::getOpenFileNames(
        this, tr("插入 PDF"), m_model->documentPath().isEmpty() ? QString() : folder,
        tr("PDF 文件 (*.pdf)"));
    if (files.isEmpty())
        return;
    insertPdfFiles(files, beforeRow);
}

void PdfViewerWidget::showInsertMenu(int beforeRow, const QPoint &globalPosition)
{
    QMenu menu(this);
    QAction *insertPdf = menu.addAction(tr("插入 PDF"));
    menu.addSeparator();
    QAction *insertBlank = menu.addAction(tr("在后面插入空白页"));
    QAction *chosen = menu.exec(globalPosition);
    if (chosen == insertPdf) {
        chooseAndInsertPdf(beforeRow);
    } else if (chosen == insertBlank) {
        QSizeF size = PdfDocumentModel::DefaultBlankPageSize;
        m_model->ensurePageSizes();
        const int count = m_model->pageCount();
        if (count > 0) {
            const int row = std::max(std::min(count, beforeRow) - 1, 0);
            if (const auto entry = m_model->pageAt(row))
                size = PdfDocumentModel::displaySize(*entry);
        }
        m_undoManager->insertBlankPage(beforeRow, size);
    }
}

QString PdfViewerWidget::documentName() const
{
    const QString path = m_model->documentPath();
    return path.isEmpty() ? tr("未命名.pdf") : QFileInfo(path).fileName();
}

bool PdfViewerWidget::confirmClose()
{
    if (!m_model->isModified())
        return true;
    const int answer = ModernMessageBox::confirmWithDiscard(
        this, tr("保存修改"), tr("“%1”已修改，是否保存？").arg(documentName()), QString(),
        tr("保存"), tr("不保存"), tr("取消"), MessageBoxOptions::Warning);
    switch (answer) {
    case ModernMessageBox::Confirmed:
        return save();
    case ModernMessageBox::Discarded:
        return true;
    default:
        return false;
    }
}

bool PdfViewerWidget::save()
{
    if (m_model->pageCount() == 0)
        return false;
    if (m_model->documentPath().isEmpty() || m_readOnly)
        return saveAsWithDialog();
    return saveAs(m_model->documentPath());
}

QString PdfViewerWidget::askSavePath(const QString &initial)
{
    QString answer =
        DialogSeam::getSaveFileName(this, tr("将 PDF 保存为"), initial, tr("PDF 文件 (*.pdf)"));
    if (answer.isEmpty())
        return QString();
    if (QFileInfo(answer).suffix().isEmpty()) {
        answer += u".pdf"_s;
        // The dialog only asked about the name as typed: replacing "name.pdf" needs its own yes.
        if (QFileInfo::exists(answer) &&
            ModernMessageBox::confirm(
                this, tr("将 PDF 保存为"),
                tr("“%1”已存在，要替换它吗？").arg(QFileInfo(answer).fileName()), QString(),
                tr("替换"), tr("取消"), MessageBoxOptions::Warning) != ModernMessageBox::Confirmed)
            return QString();
    }
    return answer;
}

bool PdfViewerWidget::saveAsWithDialog()
{
    const QString initial = m_model->documentPath().isEmpty()
                                ? QDir::home().filePath(tr("未命名.pdf"))
                                : m_model->documentPath();
    const QString answer = askSavePath(initial);
    if (answer.isEmpty())
        return false;
    if (!askFlatten())
        return false;
    return saveAs(answer);
}

bool PdfViewerWidget::isSaving() const
{
    return m_session->isSaving();
}

bool PdfViewerWidget::saveAs(const QString &path)
{
    if (path.isEmpty() || m_model->pageCount() == 0 || m_session->isSaving())
        return false;

    const QString target = QFileInfo(path).absoluteFilePath();
    if (m_readOnly && pathidentity::same(target, m_model->documentPath())) {
        ModernMessageBox::showWarning(this, tr("保存 PDF 失败"),
                                      tr("此文档以只读方式打开，请另存为新文件。"), QString());
        return false;
    }
    if (const std::optional<bool> settled = settleSignedSave(target)) {
        // Cancelled, or written elsewhere: the next save asks its own questions again.
        m_session->setFlattenNextSave(false);
        return *settled;
    }
    return writeDocument(target);
}

bool PdfViewerWidget::writeDocument(const QString &target)
{
    // Another tab shows this file with unsaved changes: it would load the new file instead.
    const QStringList replaced = m_session->modifiedTabsReplacedBy(target);
    if (!replaced.isEmpty()) {
        const int answer = ModernMessageBox::confirm(
            this, tr("替换文件"),
            tr("“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，"
               "其未保存的修改将丢失。是否替换？")
                .arg(QFileInfo(target).fileName()),
            QDir::toNativeSeparators(target), tr("替换"), tr("取消"), MessageBoxOptions::Warning);
        if (answer != ModernMessageBox::Confirmed)
            return false;
    }

    PdfDocumentSession::Failure failure;
    if (!m_session->beginSave(target, &failure)) {
        if (failure.error != PdfBackendError::NoError)
            showBackendError(tr("保存 PDF 失败"), failure.error, failure.message);
        return false;
    }

    MessageBoxOptions options;
    options.kind = MessageBoxOptions::Question;
    options.title = tr("正在保存 PDF");
    options.message = tr("正在写入文件，大文件可能需要一些时间。");
    options.details = tr("保存完成前请不要关闭程序。");
    ModernMessageBox::waitFor(m_session->writing(), options, this, u"pdfSaveProgressBox"_s);

    const int scroll = m_documentView->verticalScrollBar()->value();
    if (!m_session->endSave(&failure)) {
        showBackendError(tr("保存 PDF 失败"), failure.error, failure.message);
        return false;
    }
    m_documentView->verticalScrollBar()->setValue(scroll);
    return true;
}

void PdfViewerWidget::onFileChangedOnDisk(const QString &path, bool isDocument)
{
    if (!isDocument) {
        // An inserted file: its pages are drawn and saved as the file now is.
        m_session->keepAfterExternalChange(path);
        return;
    }
    if (m_askingReload || m_session->isSaving())
        return;
    m_askingReload = true;
    const bool modified = m_model->isModified();
    const QString name = QFileInfo(path).fileName();
    const QString text =
        modified
            ? tr("“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？").arg(name)
            : tr("“%1”已被其他程序修改。是否重新载入？").arg(name);
    const int answer =
        ModernMessageBox::confirm(this, tr("文件已更改"), text, QDir::toNativeSeparators(path),
                                  tr("重新载入"), tr("保留当前内容"), MessageBoxOptions::Warning);
    m_askingReload = false;
    if (answer != ModernMessageBox::Confirmed) {
        m_session->keepAfterExternalChange(path);
        return;
    }
    PdfDocumentSession::Failure failure;
    m_passwordFile = m_model->documentPath();
    const auto result = m_session->reload(&failure);
    if (result == PdfDocumentSession::Result::Done) {
        showDocumentView();
        updatePageCount();
        Q_EMIT documentLoaded(m_model->documentPath());
        return;
    }
    // Nothing was loaded: keep what the tab shows, drawn from the file as it now is.
    m_session->keepAfterExternalChange(path);
    if (result == PdfDocumentSession::Result::Failed)
        showBackendError(tr("无法打开 PDF"), failure.error, failure.message);
}

void PdfViewerWidget::revealInFolder()
{
    const QString path = m_model->documentPath();
    if (path.isEmpty())
        return;
    RevealInFolder::reveal(path);
}

bool PdfViewerWidget::addPageNumbers(const PdfPageNumbering &numbering)
{
    if (m_model->pageCount() == 0 || isSaving())
        return false;
    return m_undoManager->setPageNumbering(numbering);
}

void PdfViewerWidget::addPageNumbersWithDialog()
{
    if (m_model->pageCount() == 0 || isSaving())
        return;
    const std::optional<PdfPageEntry> first = m_model->pageAt(0);
    const std::optional<PdfPageNumbering> chosen =
        PdfPageNumberDialog::ask(this, first ? first->numbering : PdfPageNumbering());
    if (chosen)
        addPageNumbers(*chosen);
}

void PdfViewerWidget::showDocumentProperties()
{
    if (m_model->pageCount() == 0 || findChild<PdfPropertiesDialog *>())
        return;
    auto *dialog = new PdfPropertiesDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QList<QSizeF> sizes;
    for (const PdfPageEntry &entry : m_model->pages())
        sizes.append(entry.rotation % 180 ? entry.pageSize.transposed() : entry.pageSize);
    const QString path = m_model->documentPath();
    const QString password = m_model->documentPassword();
    const std::optional<PdfDocumentMetadata> pending = m_model->metadataEdits();
    // The fields stay closed until the file's values are in: the tab's pending ones, if any,
    // else the file's own.
    auto shown = std::make_shared<PdfDocumentMetadata>(pending.value_or(PdfDocumentMetadata()));
    dialog->setDocument(path, sizes, *shown);

    QPointer<PdfPropertiesDialog> guard(dialog);
    showSignaturesIn(dialog);
    connect(dialog, &QDialog::accepted, this, [this, guard, shown] {
        if (guard && !isSaving())
            m_undoManager->setDocumentMetadata(*shown, guard->metadata());
    });
    if (path.isEmpty()) {
        dialog->setReadError(tr("文档尚未保存。"));
    } else {
        auto properties = std::make_shared<PdfDocumentProperties>();
        auto failure = std::make_shared<QString>();
        const QFuture<void> read =
            jobs::run(jobs::Lane::Reads, [path, password, properties, failure] {
                if (!PdfEditorBackend::readProperties(path, password, properties.get(), nullptr,
                                                      failure.get()) &&
                    failure->isEmpty())
                    *failure = tr("文件无法读取。");
            });
        jobs::whenDone(read, this, [guard, properties, failure, shown, pending, path, sizes] {
            if (!guard)
                return;
            if (!failure->isEmpty()) {
                guard->setReadError(*failure);
                return;
            }
            if (!pending) {
                *shown = properties->metadata;
                guard->setDocument(path, sizes, *shown);
            }
            guard->setProperties(*properties);
        });
    }
    dialog->open();
}

void PdfViewerWidget::printDocument()
{
    PdfPrintJob::print(m_model, this);
}

void PdfViewerWidget::updatePageCount()
{
    const int count = m_model->pageCount();
    m_bottomBar->setPageCount(count);
    m_bottomBar->setCurrentPage(std::min(std::max(count - 1, 0), m_documentView->currentPage()));
    m_bottomBarWanted = count > 0 && m_viewMode == PdfViewMode::DocumentView;
    if (!m_bottomBarWanted)
        m_bottomBar->hide();
    placeBottomBar();
    m_topToolBar->setDocumentActionsEnabled(count >= 1);
    Q_EMIT pageCountChanged(count);
    placeBottomBar();
}

void PdfViewerWidget::placeBottomBar()
{
    if (!m_bottomBar || m_bottomBarPlacementPending)
        return;
    m_bottomBarPlacementPending = true;
    QTimer::singleShot(0, this, &PdfViewerWidget::doPlaceBottomBar);
}

void PdfViewerWidget::doPlaceBottomBar()
{
    m_bottomBarPlacementPending = false;
    if (!m_bottomBarWanted || !m_viewStack->isVisible() || m_viewStack->width() <= 0 ||
        m_viewStack->height() < 1 || !isVisible())
        return;
    if (m_pageLabels && m_pageLabels->isReading() && m_labelWait->isActive()) {
        m_bottomBar->hide();
        return;
    }
    m_bottomBar->adjustSize();
    const int x = std::max((m_viewStack->width() - m_bottomBar->width()) / 2, 0);
    const int y =
        std::max(m_viewStack->height() - BottomBarGap - m_bottomBar->height(), BottomBarTopLimit);
    m_bottomBar->move(x, y);
    m_bottomBar->show();
    m_bottomBar->raise();
}

bool PdfViewerWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewStack) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::LayoutRequest:
            placeBottomBar();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PdfViewerWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeBottomBar();
}

void PdfViewerWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    placeBottomBar();
}

void PdfViewerWidget::applyWorkspaceMode(PdfWorkspaceMode mode)
{
    m_workspaceMode = mode;
    m_topToolBar->setWorkspaceMode(mode);
    m_pageManagerView->setWorkspaceMode(mode);
    m_sidePanel->setWorkspaceMode(mode);
}

void PdfViewerWidget::showDocumentView()
{
    m_viewMode = PdfViewMode::DocumentView;
    m_viewStack->setCurrentIndex(0);
    m_thumbnailPanel->setVisible(m_thumbnailsWanted);
    m_bottomBarWanted = m_model->pageCount() > 0;
    if (!m_bottomBarWanted)
        m_bottomBar->hide();
    placeBottomBar();
    m_topToolBar->setViewMode(PdfViewMode::DocumentView);
    applyWorkspaceMode(PdfWorkspaceMode::Browse);
    placeBottomBar();
}

void PdfViewerWidget::showPageManager()
{
    m_viewMode = PdfViewMode::PageManageView;
    m_viewStack->setCurrentIndex(1);
    m_thumbnailPanel->hide();
    m_bottomBarWanted = false;
    m_bottomBar->hide();
    placeBottomBar();
    m_topToolBar->setViewMode(PdfViewMode::PageManageView);
}

void PdfViewerWidget::showPageManagerFor(PdfWorkspaceMode mode)
{
    showPageManager();
    applyWorkspaceMode(mode);
}

void PdfViewerWidget::setViewMode(PdfViewMode mode)
{
    placeBottomBar();
    m_viewMode = mode;
    const bool document = mode == PdfViewMode::DocumentView;
    m_viewStack->setCurrentIndex(document ? 0 : 1);
    m_thumbnailPanel->setVisible(document && m_thumbnailsWanted);
    if (document && m_model->pageCount() > 0) {
        m_bottomBarWanted = true;
        m_topToolBar->setViewMode(mode);
        applyWorkspaceMode(PdfWorkspaceMode::Browse);
    } else {
        m_bottomBarWanted = false;
        m_bottomBar->hide();
        m_topToolBar->setViewMode(mode);
        if (document)
            applyWorkspaceMode(PdfWorkspaceMode::Browse);
    }
    placeBottomBar();
}

void PdfViewerWidget::setWorkspaceMode(PdfWorkspaceMode mode)
{
    applyWorkspaceMode(mode);
}

void PdfViewerWidget::showThumbnailPanel(bool show)
{
    m_thumbnailsWanted = show;
    m_thumbnailPanel->setVisible(show && m_viewMode == PdfViewMode::DocumentView);
    m_topToolBar->setThumbnailChecked(show);
    // The view's width changes once the splitter has laid out again.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_documentView->fitMode() == PdfFitMode::FitWidth)
                m_documentView->fitWidth();
            else if (m_documentView->fitMode() == PdfFitMode::FitPage)
                m_documentView->fitPage();
            placeBottomBar();
        },
        Qt::QueuedConnection);
    placeBottomBar();
}

void PdfViewerWidget::setCurrentPage(int page)
{
    m_documentView->goToPage(page);
}

void PdfViewerWidget::goToPage(int page)
{
    m_documentView->goToPage(page);
}

void PdfViewerWidget::setZoomFactor(double factor)
{
    m_documentView->setZoomFactor(factor);
    // A zoom the fit already had changes nothing the view reports.
    m_bottomBar->setFitMode(m_documentView->fitMode());
}

void PdfViewerWidget::zoomIn()
{
    m_documentView->zoomIn();
}

void PdfViewerWidget::zoomOut()
{
    m_documentView->zoomOut();
}

void PdfViewerWidget::fitWidth()
{
    m_documentView->fitWidth();
    m_bottomBar->setFitWidth(true);
}

void PdfViewerWidget::fitPage()
{
    m_documentView->fitPage();
    m_bottomBar->setFitWidth(false);
}

void PdfViewerWidget::fitHeight()
{
    fitPage();
}

void PdfViewerWidget::wireReading()
{
    m_outlinePanel = new PdfOutlinePanel(m_thumbnailPanel);
    m_outlinePanel->setDocumentModel(m_model);
    m_outlinePanel->attachTo(m_thumbnailPanel);
    connect(m_outlinePanel, &PdfOutlinePanel::pageRequested, m_history, &PdfReadingHistory::jumpTo);
    connect(m_outlinePanel, &PdfOutlinePanel::externalLinkRequested, this,
            &PdfViewerWidget::openExternalLink);
    connect(m_documentView, &PdfDocumentView::currentPageChanged, m_outlinePanel,
            &PdfOutlinePanel::setCurrentPage);

    m_pageInteraction = new PdfPageInteraction(m_documentView, m_model);
    connect(m_pageInteraction, &PdfPageInteraction::pageRequested, m_history,
            &PdfReadingHistory::jumpTo);
    connect(m_findBar, &PdfFindBar::hitAboutToShow, m_history, &PdfReadingHistory::record);
    // Before the annotation tools, whose own right clicks on comments come first.
    auto *pageMenu = new PdfPageMenu({.host = this,
                                      .model = m_model,
                                      .view = m_documentView,
                                      .pages = m_pageInteraction,
                                      .findBar = m_findBar,
                                      .history = m_history});
    new PdfPageCardMenu(
        {.host = this,
         .model = m_model,
         .undo = m_undoManager,
         .toolBar = m_topToolBar,
         .views = {m_thumbnailPanel->findChild<QAbstractItemView *>(u"pdfThumbnailList"_s),
                   m_pageManagerView->findChild<QAbstractItemView *>(u"pdfPageGrid"_s)},
         .insertPdf = [this](int beforeRow) {
             chooseAndInsertPdf(beforeRow);
         }});
    auto *labels = new PdfPageLabels(m_model, this);
    m_pageLabels = labels;
    m_labelWait = new QTimer(this);
    m_labelWait->setSingleShot(true);
    m_labelWait->setInterval(LabelWaitMs);
    connect(m_labelWait, &QTimer::timeout, this, &PdfViewerWidget::placeBottomBar);
    connect(labels, &PdfPageLabels::readingDone, this, &PdfViewerWidget::placeBottomBar);
    connect(labels, &PdfPageLabels::labelsChanged, this, [this](const QStringList &list) {
        m_bottomBar->setPageLabels(list);
        m_thumbnailPanel->setPageLabels(list);
        m_pageManagerView->setPageLabels(list);
        m_findBar->setPageLabels(list);
        m_commentsPanel->setPageLabels(list);
        placeBottomBar();
    });
    connect(m_pageInteraction, &PdfPageInteraction::externalLinkRequested, this,
            &PdfViewerWidget::openExternalLink);
    wireAnnotations();
    pageMenu->setAnnotations(m_annotations, m_annotationLayer);
    wireSignatures();
}

void PdfViewerWidget::openExternalLink(const QString &uri)
{
    const QUrl url(uri, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    // Files and scripts named by a document are not started from here.
    const bool web =
        scheme == u"http"_s || scheme == u"https"_s || scheme == u"mailto"_s || scheme == u"ftp"_s;
    if (!url.isValid() || !web) {
        ModernMessageBox::showWarning(this, tr("无法打开链接"),
                                      tr("出于安全考虑，只能打开网页和邮件链接。"), uri);
        return;
    }
    const int answer =
        ModernMessageBox::confirm(this, tr("打开链接"), tr("此链接指向文档以外的地址，是否打开？"),
                                  uri, tr("打开"), tr("取消"));
    if (answer == ModernMessageBox::Confirmed && !QDesktopServices::openUrl(url)) {
        ModernMessageBox::showWarning(this, tr("无法打开链接"),
                                      tr("系统没有可以打开此链接的程序。"), uri);
    }
}
