#include "mainpage.h"

#include "batchtoolpage.h"
#include "customtabbar.h"
#include "customtabwidget.h"
#include "homepage.h"
#include "modernmessagebox.h"
#include "pathidentity.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdfdocumentview.h"
#include "pdffileregistry.h"
#include "pdfreadingmodes.h"
#include "pdfshowpage.h"
#include "pdfviewershortcuts.h"
#include "pdfviewerwidget.h"
#include "sidenavigationbar.h"
#include "tabcontextmenu.h"
#include "theme.h"
#include "tooltype.h"
#include "worklane.h"
#include "workspacefactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMimeData>
#include <QMimeDatabase>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const char filePathProperty[] = "tesselFilePath";
const char toolTypeProperty[] = "tesselToolType";

// The dragged local files that are PDFs (by content when the name says otherwise), and the rest.
void splitDroppedFiles(const QMimeData *data, QStringList *pdfs, QStringList *others)
{
    if (!data || !data->hasUrls())
        return;
    const QMimeDatabase mimes;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        const QFileInfo info(path);
        if (info.isFile() && mimes.mimeTypeForFile(info).inherits(u"application/pdf"_s))
            pdfs->append(path);
        else if (others)
            others->append(path);
    }
}

} // namespace

MainPage::MainPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"mainPage"_s);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(u"QWidget#mainPage { background: %1; border-bottom-left-radius: 12px; "
                  u"border-bottom-right-radius: 12px; }"_s.arg(Theme::surface));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_tabWidget = new CustomTabWidget(this);
    m_tabWidget->setObjectName(u"mainTabWidget"_s);
    m_tabWidget->setStyleSheet(m_tabWidget->styleSheet() + uR"(
CustomTabWidget#mainTabWidget, CustomTabWidget#mainTabWidget::pane { border-bottom-left-radius: 11px; border-bottom-right-radius: 11px; }
QTabWidget#mainTabWidget SideNavigationBar { border-bottom-left-radius: 11px; }
QTabWidget#mainTabWidget RecentFilesPage { background: %1; border-bottom-right-radius: 11px; }
)"_s.arg(Theme::surface));

    m_homePage = new HomePage(this);
    const int home =
        m_tabWidget->addTab(m_homePage, QIcon(u":/res/icons/modern/home.png"_s), tr("首页"));
    m_tabWidget->tabBar()->setTabData(home, CustomTabBar::HomeTabData);

    layout->addWidget(m_tabWidget);

    connect(m_homePage, &HomePage::toolClicked, this, &MainPage::onToolClicked);
    connect(m_homePage, &HomePage::openFile, this, &MainPage::onFileOpen);
    connect(m_homePage, &HomePage::fileClicked, this, &MainPage::onFileClicked);
    // A viewer tab that comes to the front takes the keyboard, so that its keys work at once.
    connect(m_tabWidget, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto *viewer = qobject_cast<PdfShowPage *>(m_tabWidget->widget(index));
            viewer && viewer->viewer())
            PdfViewerShortcuts::focusCurrentView(viewer->viewer()->viewStack());
    });
    installShortcuts();
    TabContextMenu::install(
        m_tabWidget, [](QWidget *page) { return page->property(filePathProperty).toString(); });
    setAcceptDrops(true);
}

bool MainPage::takesDropAt(const QPoint &position) const
{
    // A tool page lists dropped files as its own input; the drop is not ours there.
    for (QWidget *widget = childAt(position); widget && widget != this;
         widget = widget->parentWidget()) {
        if (widget->property(toolTypeProperty).isValid())
            return false;
    }
    return true;
}

void MainPage::dragEnterEvent(QDragEnterEvent *event)
{
    QStringList pdfs;
    splitDroppedFiles(event->mimeData(), &pdfs, nullptr);
    if (!pdfs.isEmpty() && takesDropAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainPage::dragMoveEvent(QDragMoveEvent *event)
{
    if (takesDropAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainPage::dropEvent(QDropEvent *event)
{
    QStringList pdfs;
    QStringList others;
    splitDroppedFiles(event->mimeData(), &pdfs, &others);
    if (pdfs.isEmpty() || !takesDropAt(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opening may ask for a password: not while the file manager waits for the drop to end.
    QTimer::singleShot(0, this, [this, pdfs, others] {
        openFiles(pdfs);
        if (others.isEmpty())
            return;
        QStringList names;
        for (const QString &path : others)
            names.append(QDir::toNativeSeparators(path));
        ModernMessageBox::showInformation(this, tr("只打开了 PDF 文件"),
                                          tr("以下文件不是 PDF，未打开："), names.join(u'\n'));
    });
}

QStringList MainPage::openFiles(const QStringList &files, int page)
{
    QStringList missing;
    bool first = true;
    for (const QString &file : files) {
        if (!QFileInfo(file).isFile()) {
            missing.append(file);
            first = false;
            continue;
        }
        onFileOpen(file);
        const int index = viewerTabIndex(pathidentity::normalised(file));
        auto *tab = index >= 0 ? qobject_cast<PdfShowPage *>(m_tabWidget->widget(index)) : nullptr;
        if (first && page > 0 && tab && tab->viewer()) {
            // Once the new tab is laid out, so that the page lands at the top of the view.
            QTimer::singleShot(0, tab->viewer(),
                               [viewer = tab->viewer(), page] { viewer->goToPage(page - 1); });
        }
        first = false;
    }
    if (!missing.isEmpty()) {
        QStringList names;
        for (const QString &path : std::as_const(missing))
            names.append(QDir::toNativeSeparators(path));
        // After the caller is done: a later start's hand-over must not wait on the user.
        QTimer::singleShot(0, this, [this, names] {
            ModernMessageBox::showWarning(this, tr("无法打开文件"),
                                          tr("以下路径不存在，或不是文件："), names.join(u'\n'));
        });
    }
    return missing;
}

QStringList MainPage::viewerPaths() const
{
    QStringList paths;
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        const QVariant path = m_tabWidget->widget(i)->property(filePathProperty);
        if (path.isValid())
            paths.append(path.toString());
    }
    return paths;
}

void MainPage::installShortcuts()
{
    const auto add = [this](const QKeySequence &key, auto slot) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    add(QKeySequence::Open, [this] { openWithDialog(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { closeCurrentTab(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { cycleTabs(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { cycleTabs(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { cycleTabs(-1); });
    // Shift+Tab arrives as Backtab. On X11 the same press also offers Ctrl+Shift+Tab, and two
    // shortcuts that match one press are ambiguous: neither would fire.
    add(QKeySequence(Qt::CTRL | Qt::Key_Backtab), [this] { cycleTabs(-1); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { cycleTabs(-1); });
}

void MainPage::openWithDialog()
{
    m_homePage->navigationBar()->onOpenClicked();
}

void MainPage::closeCurrentTab()
{
    // The same path as the tab's close button, with its questions.
    const int index = m_tabWidget->currentIndex();
    if (index > 0)
        Q_EMIT m_tabWidget->tabBar()->tabCloseRequested(index);
}

void MainPage::setPagesOnly(bool pagesOnly)
{
    if (pagesOnly == m_pagesOnly)
        return;
    m_pagesOnly = pagesOnly;
    QTabBar *bar = m_tabWidget->tabBar();
    if (pagesOnly) {
        m_tabBarWasShown = !bar->isHidden();
        bar->hide();
    } else {
        bar->setVisible(m_tabBarWasShown);
    }
    // The list of tabs stands beside the tab bar and goes with it.
    m_tabWidget->updateGeometry();
    QCoreApplication::postEvent(m_tabWidget, new QEvent(QEvent::LayoutRequest));
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        if (auto *tab = qobject_cast<PdfShowPage *>(m_tabWidget->widget(i)); tab && tab->viewer())
            tab->viewer()->readingModes()->setPagesOnly(pagesOnly);
    }
}

void MainPage::cycleTabs(int step)
{
    const int count = m_tabWidget->count();
    if (count > 1)
        m_tabWidget->setCurrentIndex((m_tabWidget->currentIndex() + step + count) % count);
}

void MainPage::updateViewerTab(QWidget *page)
{
    auto *viewer = qobject_cast<PdfShowPage *>(page);
    const int at = m_tabWidget->indexOf(page);
    if (!viewer || at < 0)
        return;
    const QString path = page->property(filePathProperty).toString();
    const bool modified = viewer->viewer() && viewer->viewer()->documentModel()->isModified();
    const QString name = QFileInfo(path).fileName();
    // A dot before the name marks unsaved changes, as the title bars of editors do.
    m_tabWidget->setTabText(at, modified ? u"\u2022 "_s + name : name);
    const QString native = QDir::toNativeSeparators(path);
    m_tabWidget->setTabToolTip(at, modified ? tr("%1（未保存）").arg(native) : native);
}

QString MainPage::toolTabLabel(int toolType)
{
    const ToolType::Info *tool = ToolType::info(toolType);
    return tool ? tool->tabLabel() : QString();
}

QString MainPage::toolTabIcon(int toolType)
{
    const ToolType::Info *tool = ToolType::info(toolType);
    return tool ? QString::fromLatin1(tool->tabIcon) : QString();
}

int MainPage::toolTabIndex(int toolType) const
{
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        const QVariant type = m_tabWidget->widget(i)->property(toolTypeProperty);
        if (type.isValid() && type.toInt() == toolType)
            return i;
    }
    return -1;
}

int MainPage::viewerTabIndex(const QString &path) const
{
    if (path.isEmpty())
        return -1;
    // The registry knows which document each tab holds, also after saves under new names.
    if (PdfDocumentSession *session = PdfFileRegistry::instance()->documentSession(path)) {
        for (int i = 0; i < m_tabWidget->count(); ++i) {
            const auto *viewer = qobject_cast<PdfShowPage *>(m_tabWidget->widget(i));
            if (viewer && viewer->viewer() && viewer->viewer()->session() == session)
                return i;
        }
    }
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        const QVariant tabPath = m_tabWidget->widget(i)->property(filePathProperty);
        if (tabPath.isValid() && pathidentity::same(tabPath.toString(), path))
            return i;
    }
    return -1;
}

bool MainPage::confirmStopJobs()
{
    return BatchToolPage::confirmCancelJobs(this, Worklane::instance().liveTaskIds());
}

QList<MainPage::DocumentPlace> MainPage::documentPlaces() const
{
    QList<DocumentPlace> places;
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        auto *tab = qobject_cast<PdfShowPage *>(m_tabWidget->widget(i));
        const QVariant path = m_tabWidget->widget(i)->property(filePathProperty);
        if (!tab || !path.isValid())
            continue;
        DocumentPlace place;
        place.path = path.toString();
        place.current = i == m_tabWidget->currentIndex();
        if (PdfViewerWidget *viewer = tab->viewer()) {
            place.password = viewer->documentModel()->documentPassword();
            place.page = std::max(viewer->documentView()->currentPage(), 0);
            place.zoom = viewer->documentView()->zoomFactor();
            place.fitMode = int(viewer->documentView()->fitMode());
        }
        places.append(place);
    }
    return places;
}

void MainPage::restoreDocuments(const QList<DocumentPlace> &places)
{
    int current = -1;
    for (const DocumentPlace &place : places) {
        if (openInViewerTab(place.path, place.password).isEmpty())
            continue;
        const int index = viewerTabIndex(place.path);
        auto *tab = index >= 0 ? qobject_cast<PdfShowPage *>(m_tabWidget->widget(index)) : nullptr;
        if (place.current)
            current = index;
        if (!tab || !tab->viewer())
            continue;
        // Once the tab is laid out, so that fitting measures the real view.
        QTimer::singleShot(0, tab->viewer(), [viewer = tab->viewer(), place] {
            switch (PdfFitMode(place.fitMode)) {
            case PdfFitMode::FitWidth:
                viewer->fitWidth();
                break;
            case PdfFitMode::FitPage:
                viewer->fitPage();
                break;
            case PdfFitMode::NoFit:
                viewer->setZoomFactor(place.zoom);
                break;
            }
            viewer->goToPage(place.page);
        });
    }
    if (current >= 0)
        m_tabWidget->setCurrentIndex(current);
}

bool MainPage::confirmSaveDocuments()
{
    QList<PdfShowPage *> modified;
    QStringList names;
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        auto *tab = qobject_cast<PdfShowPage *>(m_tabWidget->widget(i));
        if (tab && tab->viewer() && tab->viewer()->documentModel()->isModified()) {
            modified.append(tab);
            names.append(tab->viewer()->documentName());
        }
    }
    if (modified.isEmpty())
        return true;
    const int answer = ModernMessageBox::confirmWithDiscard(
        this, tr("保存修改"), tr("以下文档有未保存的修改，切换前是否保存？"), names.join(u'\n'),
        tr("全部保存"), tr("不保存"), tr("取消"), MessageBoxOptions::Warning);
    if (answer == ModernMessageBox::Discarded)
        return true;
    if (answer != ModernMessageBox::Confirmed)
        return false;
    QWidget *current = m_tabWidget->currentWidget();
    for (PdfShowPage *tab : std::as_const(modified)) {
        // Shown while it saves; a failure leaves it in front with its reason.
        m_tabWidget->setCurrentWidget(tab);
        const int at = tab->viewer()->documentView()->currentPage();
        if (!tab->viewer()->save())
            return false;
        // The saved file is read again; the document opens again where the user was.
        tab->viewer()->goToPage(at);
    }
    m_tabWidget->setCurrentWidget(current);
    return true;
}

bool MainPage::confirmCloseViewers()
{
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        auto *viewer = qobject_cast<PdfShowPage *>(m_tabWidget->widget(i));
        if (!viewer)
            continue;
        // Show the document the question is about.
        m_tabWidget->setCurrentIndex(i);
        if (!viewer->confirmClose())
            return false;
    }
    return true;
}

void MainPage::onToolClicked(int type)
{
    if (const int existing = toolTabIndex(type); existing >= 0) {
        m_tabWidget->setCurrentIndex(existing);
        return;
    }
    if (!ToolType::isValid(type))
        return;
    QWidget *page = WorkspaceFactory::createToolPage(type, this);
    page->setProperty(toolTypeProperty, type);
    if (auto *tool = qobject_cast<BatchToolPage *>(page))
        connect(tool, &BatchToolPage::openPdfRequested, this, &MainPage::onFileOpen);
    const int index = m_tabWidget->addTab(page, QIcon(toolTabIcon(type)), toolTabLabel(type));
    m_tabWidget->setCurrentIndex(index);
}

QString MainPage::openInViewerTab(const QString &filePath, const QString &password)
{
    const QString trimmed = filePath.trimmed();
    if (trimmed.isEmpty())
        return QString();
    const QString path = pathidentity::normalised(trimmed);
    if (path.isEmpty())
        return QString();
    if (const int existing = viewerTabIndex(path); existing >= 0) {
        m_tabWidget->setCurrentIndex(existing);
        return path;
    }

    PdfShowPage *viewer = WorkspaceFactory::createViewerTab(this);
    viewer->setProperty(filePathProperty, path);
    const bool opened = password.isEmpty() || !viewer->viewer()
                            ? viewer->openFile(path)
                            : viewer->viewer()->openDocument(path, password);
    if (!opened) {
        viewer->deleteLater();
        return QString();
    }
    connect(viewer, &PdfShowPage::toolRequested, this, &MainPage::onViewerToolRequested);
    if (m_pagesOnly && viewer->viewer())
        viewer->viewer()->readingModes()->setPagesOnly(true);
    // Saved under a new name, the tab stands for the new file.
    connect(viewer, &PdfShowPage::filePathChanged, this, [this, viewer](const QString &newPath) {
        viewer->setProperty(filePathProperty, pathidentity::normalised(newPath));
        updateViewerTab(viewer);
        closeOtherTabsOf(viewer);
        m_homePage->recordOpenedFile(viewer->property(filePathProperty).toString());
    });
    if (viewer->viewer()) {
        connect(viewer->viewer(), &PdfViewerWidget::modifiedChanged, this,
                [this, viewer] { updateViewerTab(viewer); });
        connect(viewer->viewer(), &PdfViewerWidget::readOnlyCopyRequested, this,
                &MainPage::openReadOnlyCopy);
    }
    const int index = m_tabWidget->addTab(viewer, QIcon(u":/res/icons/modern/file-pdf.png"_s),
                                          QFileInfo(path).fileName());
    updateViewerTab(viewer);
    m_tabWidget->setCurrentIndex(index);
    return path;
}

void MainPage::openReadOnlyCopy(const QString &filePath, const QString &password)
{
    const QString path = openInViewerTab(filePath, password);
    auto *tab = path.isEmpty()
                    ? nullptr
                    : qobject_cast<PdfShowPage *>(m_tabWidget->widget(viewerTabIndex(path)));
    if (tab && tab->viewer())
        tab->viewer()->setReadOnly(true);
}

void MainPage::closeOtherTabsOf(QWidget *viewer)
{
    // Saved over a file another tab showed: that tab would show the same file again, and the
    // user already agreed to lose what it held.
    const QString path = viewer->property(filePathProperty).toString();
    for (int i = m_tabWidget->count() - 1; i >= 0; --i) {
        QWidget *other = m_tabWidget->widget(i);
        const QVariant otherPath = other->property(filePathProperty);
        if (other == viewer || !otherPath.isValid() ||
            !pathidentity::same(otherPath.toString(), path))
            continue;
        m_tabWidget->removeTab(i);
        other->deleteLater();
    }
}

void MainPage::onFileOpen(const QString &filePath)
{
    // Only a file that is open in a tab belongs in the recent list.
    const QString path = openInViewerTab(filePath);
    if (!path.isEmpty())
        m_homePage->recordOpenedFile(path);
}

void MainPage::onFileClicked(const QString &filePath)
{
    openInViewerTab(filePath);
}

void MainPage::onViewerToolRequested(int toolType, const QString &filePath)
{
    onToolClicked(toolType);
    const int index = toolTabIndex(toolType);
    if (index < 0)
        return;
    // The tools the viewer names take its file.
    const ToolType::Info *tool = ToolType::info(toolType);
    if (tool && tool->viewerId)
        WorkspaceFactory::addFileToToolPage(m_tabWidget->widget(index), toolType, filePath);
}
