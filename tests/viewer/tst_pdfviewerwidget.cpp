#include "dialogseam.h"
#include "modernmessagebox.h"
#include "pdfbottomcontrolbar.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpagemanagerview.h"
#include "pdfreadback.h"
#include "pdfrendermanager.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "revealinfolder.h"
#include "testregistry.h"
#include "tooltype.h"
#include "viewertest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

QList<DialogSeam::Request> requestsOf(DialogSeam::Kind kind)
{
    QList<DialogSeam::Request> found;
    for (const DialogSeam::Request &request : DialogSeam::requests()) {
        if (request.kind == kind)
            found.append(request);
    }
    return found;
}

// What qpdf says about a file's encryption when opened with password: the standard handler's
// revision, permissions, methods and which password was given. Empty when qpdf refused it.
QString encryptionOf(const QString &path, const QString &password)
{
    QProcess qpdf;
    qpdf.start(u"qpdf"_s, {u"--show-encryption"_s, u"--password="_s + password, path});
    if (!qpdf.waitForFinished(30000) || qpdf.exitCode() != 0)
        return QString();
    return QString::fromUtf8(qpdf.readAllStandardOutput());
}

// `qpdf --requires-password`: exit code 0 when the file cannot be opened without one.
bool requiresPassword(const QString &path)
{
    QProcess qpdf;
    qpdf.start(u"qpdf"_s, {u"--requires-password"_s, path});
    return qpdf.waitForFinished(30000) && qpdf.exitStatus() == QProcess::NormalExit &&
           qpdf.exitCode() == 0;
}

QList<PdfPageId> allIds(const PdfDocumentModel *model)
{
    QList<PdfPageId> ids;
    for (int row = 0; row < model->pageCount(); ++row)
        ids.append(model->pageAt(row)->id);
    return ids;
}

} // namespace

class TestViewerWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layoutAndStart();
    void openPlain();
    void openFailures_data();
    void openFailures();
    void openEncryptedPrompts();
    void openEncryptedCancelKeepsPrevious();
    void openWhileModifiedAsks();
    void saveAsReadBack();
    void saveOverOpenFile();
    void failedSaveKeepsModified();
    void failedSaveOverKeepsOriginal();
    void saveNeverSavedAsksForName();
    void saveAsAddsPdfSuffix_data();
    void saveAsAddsPdfSuffix();
    void closeConfirmation_data();
    void closeConfirmation();
    void toolBarStates();
    void selectAllWithoutEcho();
    void rotateDeleteUndoRedo();
    void deleteKeepsAPage_data();
    void deleteKeepsAPage();
    void bottomBarPlacement();
    void bottomBarDrivesView();
    void insertFilesWithPasswords();
    void insertMenuBlankPage();
    void toolRequests_data();
    void toolRequests();
    void revealInFolder();
    void destroyWhileRendering();
    void outputsKeepProtection_data();
    void outputsKeepProtection();
    void changedOnDiskOffersReload_data();
    void changedOnDiskOffersReload();

private:
    QString makePdf(const QString &name, int pages, QSizeF size = {200, 300}, int colourOffset = 0);
    QString makeEncrypted(const QString &name, const QString &password);

    QTemporaryDir m_dir;
};

void TestViewerWidget::init()
{
    QVERIFY(m_dir.isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestViewerWidget::cleanup()
{
    DialogSeam::reset();
    RevealInFolder::setLauncher({});
}

QString TestViewerWidget::makePdf(const QString &name, int pages, QSizeF size, int colourOffset)
{
    fixtures::DocumentSpec spec;
    for (int i = 0; i < pages; ++i) {
        fixtures::PageSpec page;
        page.size = size;
        page.colour = fixtures::colourFor(i + colourOffset);
        spec.pages.append(page);
    }
    const QString path = m_dir.filePath(name);
    return fixtures::write(spec, path) ? path : QString();
}

QString TestViewerWidget::makeEncrypted(const QString &name, const QString &password)
{
    const QString plain = makePdf(u"plain-"_s + name, 2, {200, 300}, 3);
    const QString path = m_dir.filePath(name);
    return fixtures::encrypt(plain, path, fixtures::Scheme::Aes256, password, password) ? path
                                                                                        : QString();
}

void TestViewerWidget::layoutAndStart()
{
    PdfViewerWidget viewer;
    QCOMPARE(viewer.objectName(), u"pdfViewerWidget"_s);
    QCOMPARE(viewer.viewMode(), PdfViewMode::DocumentView);
    QCOMPARE(viewer.workspaceMode(), PdfWorkspaceMode::Browse);
    QCOMPARE(viewer.viewStack()->count(), 2);
    QCOMPARE(viewer.viewStack()->widget(0), viewer.documentView());
    QCOMPARE(viewer.findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s)->parentWidget(),
             viewer.viewStack());
    QVERIFY(!viewer.isBottomBarWanted());
    QCOMPARE(viewer.splitter()->objectName(), u"pdfViewerSplitter"_s);
    QVERIFY(!viewer.splitter()->childrenCollapsible());
    QVERIFY(viewer.findChild<QWidget *>(u"pdfToolbarViewDivider"_s));
    // No pages: only the document view button is usable.
    QVERIFY(!viewer.findChild<QPushButton *>(u"pdfMoreButton"_s)->isEnabled());
    QVERIFY(viewer.findChild<QPushButton *>(u"pdfDocumentViewButton"_s)->isEnabled());
    QVERIFY(!viewer.save());
    QVERIFY(!viewer.saveAs(m_dir.filePath(u"x.pdf"_s)));
}

void TestViewerWidget::openPlain()
{
    const QString path = makePdf(u"plain.pdf"_s, 3);
    PdfViewerWidget viewer;
    viewer.resize(1100, 750);
    viewer.show();
    QSignalSpy loaded(&viewer, &PdfViewerWidget::documentLoaded);
    QSignalSpy count(&viewer, &PdfViewerWidget::pageCountChanged);
    QVERIFY(viewer.openDocument(path));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded.at(0).at(0).toString(), path);
    QVERIFY(!count.isEmpty());
    QCOMPARE(count.last().at(0).toInt(), 3);
    QCOMPARE(viewer.documentModel()->pageCount(), 3);
    QCOMPARE(viewer.documentView()->fitMode(), PdfFitMode::FitWidth);
    QVERIFY(viewer.findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s)->isFitWidth());
    QCOMPARE(viewer.findChild<QLabel *>(u"pdfPageCountLabel"_s)->text(), u"/3"_s);
    QVERIFY(viewer.findChild<QPushButton *>(u"pdfMoreButton"_s)->isEnabled());
    QVERIFY(DialogSeam::requests().isEmpty());
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    QVERIFY(readback::similar(viewertest::paintedPageCentre(viewer.documentView(), 0),
                              fixtures::colourFor(0)));
}

void TestViewerWidget::openFailures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << u"missing.pdf"_s << u"文件不存在或已被移动。"_s;
    QTest::newRow("damaged") << u"damaged.pdf"_s << u"PDF 已损坏或格式不受支持。"_s;
}

void TestViewerWidget::openFailures()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    const QString first = makePdf(u"first.pdf"_s, 2);
    QVERIFY(fixtures::writeBytes(m_dir.filePath(u"damaged.pdf"_s), "%PDF-1.7\nnothing here\n"));
    PdfViewerWidget viewer;
    viewer.show();
    QVERIFY(viewer.openDocument(first));
    QSignalSpy loaded(&viewer, &PdfViewerWidget::documentLoaded);
    QVERIFY(!viewer.openDocument(m_dir.filePath(file)));
    QCOMPARE(loaded.count(), 0);
    const auto boxes = requestsOf(DialogSeam::Kind::MessageBox);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, u"无法打开 PDF"_s);
    QCOMPARE(boxes.at(0).text, text);
    // The previous document stays, and is still drawn.
    QCOMPARE(viewer.documentModel()->documentPath(), first);
    QCOMPARE(viewer.documentModel()->pageCount(), 2);
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    QVERIFY(!viewer.openDocument(QString()));
}

void TestViewerWidget::openEncryptedPrompts()
{
    const QString path = makeEncrypted(u"locked.pdf"_s, u"secret"_s);
    PdfViewerWidget viewer;
    viewer.show();
    DialogSeam::answerText(u"nope"_s);
    DialogSeam::answerText(u"still wrong"_s);
    DialogSeam::answerText(u"secret"_s);
    QVERIFY(viewer.openDocument(path));
    const auto prompts = requestsOf(DialogSeam::Kind::Text);
    QCOMPARE(prompts.size(), 3);
    QCOMPARE(prompts.at(0).title, u"需要密码"_s);
    // Each prompt names the file it is for.
    QCOMPARE(prompts.at(0).text, u"“locked.pdf”已加密，请输入密码："_s);
    QCOMPARE(prompts.at(1).text, u"密码错误，请重新输入“locked.pdf”的密码："_s);
    QCOMPARE(prompts.at(2).text, u"密码错误，请重新输入“locked.pdf”的密码："_s);
    QCOMPARE(viewer.documentModel()->pageCount(), 2);
    QVERIFY(requestsOf(DialogSeam::Kind::MessageBox).isEmpty());
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    QVERIFY(readback::similar(viewertest::paintedPageCentre(viewer.documentView(), 0),
                              fixtures::colourFor(3)));
}

void TestViewerWidget::openEncryptedCancelKeepsPrevious()
{
    const QString first = makePdf(u"first.pdf"_s, 2);
    const QString locked = makeEncrypted(u"locked.pdf"_s, u"secret"_s);
    PdfViewerWidget viewer;
    viewer.resize(900, 700);
    viewer.show();
    QVERIFY(viewer.openDocument(first));
    DialogSeam::answerText(QString(), false);
    QVERIFY(!viewer.openDocument(locked));
    QCOMPARE(requestsOf(DialogSeam::Kind::Text).size(), 1);
    QVERIFY(requestsOf(DialogSeam::Kind::MessageBox).isEmpty());
    QCOMPARE(viewer.documentModel()->documentPath(), first);
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
}

void TestViewerWidget::openWhileModifiedAsks()
{
    const QString first = makePdf(u"first.pdf"_s, 2);
    const QString second = makePdf(u"second.pdf"_s, 4);
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(first));
    viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, 90);
    QVERIFY(viewer.documentModel()->isModified());
    DialogSeam::answerMessageBox(ModernMessageBox::Cancelled);
    QVERIFY(!viewer.openDocument(second));
    const auto boxes = requestsOf(DialogSeam::Kind::MessageBox);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, u"保存修改"_s);
    QCOMPARE(boxes.at(0).text, u"“first.pdf”已修改，是否保存？"_s);
    QCOMPARE(viewer.documentModel()->documentPath(), first);
    QVERIFY(viewer.documentModel()->isModified());

    DialogSeam::answerMessageBox(ModernMessageBox::Discarded);
    QVERIFY(viewer.openDocument(second));
    QCOMPARE(viewer.documentModel()->pageCount(), 4);
    QVERIFY(!viewer.documentModel()->isModified());
    QVERIFY(!viewer.undoManager()->undoStack()->canUndo());
    // Discarding left the first file as it was.
    QCOMPARE(readback::inspect(first).pages.at(0).rotate, 0);
}

void TestViewerWidget::saveAsReadBack()
{
    const QString source = makePdf(u"source.pdf"_s, 4);
    const QString target = m_dir.filePath(u"out/saved.pdf"_s);
    QVERIFY(QDir().mkpath(m_dir.filePath(u"out"_s)));
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(source));
    PdfDocumentModel *model = viewer.documentModel();
    PdfUndoManager *undo = viewer.undoManager();
    const QList<PdfPageId> ids = allIds(model);
    // Order 3, 1, blank, 2 with page 1 turned right; page 4 deleted.
    model->moveRows(QModelIndex(), 2, 1, QModelIndex(), 0);
    QTest::qWait(0);
    undo->rotatePages({ids.at(0)}, 90);
    undo->insertBlankPage(2, QSizeF(300, 400));
    undo->removePages({ids.at(3)});
    QVERIFY(model->isModified());

    QSignalSpy modified(&viewer, &PdfViewerWidget::modifiedChanged);
    QVERIFY(viewer.saveAs(target));
    QVERIFY(!model->isModified());
    QCOMPARE(model->documentPath(), target);
    QVERIFY(undo->undoStack()->isClean());
    QVERIFY(!modified.isEmpty());

    const readback::DocumentFacts facts = readback::inspect(target);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.pages.size(), 4);
    QCOMPARE(facts.pages.at(1).rotate, 90);
    QCOMPARE(facts.pages.at(2).mediaBox, QSizeF(300, 400));
    QVERIFY(readback::qpdfCheck(target));
    const QList<QColor> expected{fixtures::colourFor(2), fixtures::colourFor(0), Qt::white,
                                 fixtures::colourFor(1)};
    for (int page = 0; page < 4; ++page) {
        const QImage image = readback::renderPoppler(target, page, 36);
        QVERIFY2(viewertest::centreIs(image, expected.at(page)), qPrintable(QString::number(page)));
    }
    // The source was not touched, and undoing past the save point is a change again.
    QCOMPARE(readback::inspect(source).pages.size(), 4);
    undo->undoStack()->undo();
    QVERIFY(model->isModified());
}

void TestViewerWidget::saveOverOpenFile()
{
    const QString path = makePdf(u"over.pdf"_s, 3);
    PdfViewerWidget viewer;
    viewer.resize(900, 700);
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    PdfDocumentModel *model = viewer.documentModel();
    const QList<PdfPageId> ids = allIds(model);
    viewer.undoManager()->removePages({ids.at(0)});
    viewer.undoManager()->rotatePages({ids.at(1)}, 90);
    QVERIFY(viewer.save());
    QVERIFY(!model->isModified());
    QCOMPARE(model->documentPath(), path);

    const readback::DocumentFacts facts = readback::inspect(path);
    QCOMPARE(facts.pages.size(), 2);
    QCOMPARE(facts.pages.at(0).rotate, 90);
    QVERIFY(viewertest::centreIs(readback::renderPoppler(path, 0, 36), fixtures::colourFor(1)));

    // The open document still shows what was saved: the second page, turned once.
    QCOMPARE(model->pageCount(), 2);
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), model));
    PdfDocumentView *view = viewer.documentView();
    QVERIFY(readback::similar(viewertest::paintedPageCentre(view, 0), fixtures::colourFor(1)));
    const QRect r = view->pageRect(0).translated(-view->horizontalScrollBar()->value(),
                                                 -view->verticalScrollBar()->value());
    const QImage page = view->viewport()->grab().toImage().copy(r.adjusted(2, 2, -2, -2));
    QCOMPARE(page.width() > page.height(), true);
    QCOMPARE(readback::markerQuadrant(page),
             readback::markerQuadrant(readback::renderPoppler(path, 0, 36)));
    // Both steps come back after the save: the turn, read from the saved file, and the deleted
    // page, read from the file as it was. Undone and saved, the file is as it was at first.
    QUndoStack *stack = viewer.undoManager()->undoStack();
    QVERIFY(stack->canUndo());
    stack->undo();
    QVERIFY(model->isModified());
    QCOMPARE(model->pageCount(), 2);
    QVERIFY(stack->canUndo());
    stack->undo();
    QVERIFY(!stack->canUndo());
    QCOMPARE(model->pageCount(), 3);
    QVERIFY(viewer.save());
    const readback::DocumentFacts restored = readback::inspect(path);
    QCOMPARE(restored.pages.size(), 3);
    for (int page = 0; page < 3; ++page) {
        QCOMPARE(restored.pages.at(page).rotate, 0);
        QVERIFY(viewertest::centreIs(readback::renderPoppler(path, page, 36),
                                     fixtures::colourFor(page)));
    }

    // Saving again over it works the same.
    viewer.undoManager()->rotatePages({model->pageAt(1)->id}, 180);
    QVERIFY(viewer.save());
    QCOMPARE(readback::inspect(path).pages.at(1).rotate, 180);
}

void TestViewerWidget::failedSaveKeepsModified()
{
    const QString source = makePdf(u"source.pdf"_s, 2);
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(source));
    viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, 90);
    const QString target = m_dir.filePath(u"no/such/folder/out.pdf"_s);
    QVERIFY(!viewer.saveAs(target));
    QVERIFY(viewer.documentModel()->isModified());
    QCOMPARE(viewer.documentModel()->documentPath(), source);
    QVERIFY(!QFileInfo::exists(target));
    const auto boxes = requestsOf(DialogSeam::Kind::MessageBox);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, u"保存 PDF 失败"_s);
    QVERIFY(!viewer.isSaving());
    // The undo history keeps its clean point.
    viewer.undoManager()->undoStack()->undo();
    QVERIFY(!viewer.documentModel()->isModified());
}

void TestViewerWidget::failedSaveOverKeepsOriginal()
{
    const QString path = makePdf(u"main.pdf"_s, 2);
    const QString extra = makePdf(u"extra.pdf"_s, 1, {200, 300}, 4);
    const QByteArray original = fixtures::readBytes(path);
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(path));
    viewer.insertPdfFiles({extra}, 1);
    QCOMPARE(viewer.documentModel()->pageCount(), 3);
    QVERIFY(QFile::remove(extra));
    QVERIFY(!viewer.save());
    QCOMPARE(fixtures::readBytes(path), original);
    QVERIFY(viewer.documentModel()->isModified());
    QCOMPARE(requestsOf(DialogSeam::Kind::MessageBox).value(0).text, u"文件不存在或已被移动。"_s);
}

void TestViewerWidget::saveNeverSavedAsksForName()
{
    PdfViewerWidget viewer;
    viewer.undoManager()->insertBlankPage(0, QSizeF(300, 300));
    QVERIFY(viewer.documentModel()->documentPath().isEmpty());
    QVERIFY(!viewer.save());
    const auto asked = requestsOf(DialogSeam::Kind::SaveFile);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.at(0).title, u"将 PDF 保存为"_s);
    QCOMPARE(asked.at(0).text, QDir::home().filePath(u"未命名.pdf"_s));

    const QString target = m_dir.filePath(u"named.pdf"_s);
    DialogSeam::answerFiles({target});
    QVERIFY(viewer.save());
    QCOMPARE(viewer.documentModel()->documentPath(), target);
    QCOMPARE(readback::inspect(target).pages.size(), 1);
}

void TestViewerWidget::saveAsAddsPdfSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("answer");
    QTest::newRow("no extension") << u"reorg"_s << u"reorg.pdf"_s << false << -1;
    QTest::newRow("pdf") << u"named.pdf"_s << u"named.pdf"_s << false << -1;
    QTest::newRow("other extension") << u"report.v2"_s << u"report.v2"_s << false << -1;
    QTest::newRow("no extension, name.pdf kept")
        << u"kept"_s << QString() << true << int(ModernMessageBox::Cancelled);
    QTest::newRow("no extension, name.pdf replaced")
        << u"swap"_s << u"swap.pdf"_s << true << int(ModernMessageBox::Confirmed);
}

void TestViewerWidget::saveAsAddsPdfSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(bool, existing);
    QFETCH(int, answer);
    const QString withSuffix = m_dir.filePath(typed + u".pdf"_s);
    if (existing)
        QVERIFY(fixtures::writeBytes(withSuffix, "someone else's file"));
    if (answer >= 0)
        DialogSeam::answerMessageBox(answer);

    PdfViewerWidget viewer;
    viewer.undoManager()->insertBlankPage(0, QSizeF(300, 300));
    DialogSeam::answerFiles({m_dir.filePath(typed)});
    QCOMPARE(viewer.saveAsWithDialog(), !written.isEmpty());
    QVERIFY(!QFileInfo::exists(m_dir.filePath(typed)) || typed.contains(u'.'));
    if (written.isEmpty()) {
        QCOMPARE(fixtures::readBytes(withSuffix), QByteArray("someone else's file"));
        return;
    }
    QCOMPARE(viewer.documentModel()->documentPath(), m_dir.filePath(written));
    QCOMPARE(readback::inspect(m_dir.filePath(written)).pages.size(), 1);
}

void TestViewerWidget::closeConfirmation_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("mayClose");
    QTest::addColumn<int>("savedRotation");
    QTest::newRow("unmodified") << false << -1 << true << 0;
    QTest::newRow("cancel") << true << int(ModernMessageBox::Cancelled) << false << 0;
    QTest::newRow("discard") << true << int(ModernMessageBox::Discarded) << true << 0;
    QTest::newRow("save") << true << int(ModernMessageBox::Confirmed) << true << 90;
}

void TestViewerWidget::closeConfirmation()
{
    QFETCH(bool, modify);
    QFETCH(int, answer);
    QFETCH(bool, mayClose);
    QFETCH(int, savedRotation);
    const QString path = makePdf(u"close.pdf"_s, 2);
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(path));
    if (modify)
        viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, 90);
    if (answer >= 0)
        DialogSeam::answerMessageBox(answer);
    QCOMPARE(viewer.confirmClose(), mayClose);
    const auto boxes = requestsOf(DialogSeam::Kind::MessageBox);
    QCOMPARE(boxes.size(), modify ? 1 : 0);
    if (modify)
        QCOMPARE(boxes.at(0).messageKind, 2);
    QCOMPARE(readback::inspect(path).pages.at(0).rotate, savedRotation);
}

void TestViewerWidget::toolBarStates()
{
    const QString path = makePdf(u"states.pdf"_s, 3);
    PdfViewerWidget viewer;
    auto *rotateLeft = viewer.findChild<QPushButton *>(u"pdfRotateLeftButton"_s);
    auto *tools = viewer.findChild<QPushButton *>(u"pdfToolsButton"_s);
    auto *selectAll = viewer.findChild<QPushButton *>(u"pdfSelectAllButton"_s);
    QVERIFY(!tools->isEnabled());
    QVERIFY(viewer.openDocument(path));
    QVERIFY(tools->isEnabled());
    QVERIFY(!rotateLeft->isEnabledTo(&viewer));

    PdfDocumentModel *model = viewer.documentModel();
    model->setPageSelected(model->pageAt(1)->id, true);
    QVERIFY(rotateLeft->isEnabledTo(&viewer));
    QVERIFY(!selectAll->isChecked());
    model->selectAll();
    QVERIFY(selectAll->isChecked());
    model->setPageSelected(model->pageAt(0)->id, false);
    QVERIFY(!selectAll->isChecked());
    model->clearSelection();
    QVERIFY(!rotateLeft->isEnabledTo(&viewer));

    // Switching views carries the mode to the tool bar; page tasks show in the page grid.
    viewer.topToolBar()->toolsMenu()->actions().at(8)->trigger();
    QCOMPARE(viewer.viewMode(), PdfViewMode::PageManageView);
    QCOMPARE(viewer.workspaceMode(), PdfWorkspaceMode::Extract);
    QCOMPARE(viewer.viewStack()->currentIndex(), 1);
    QVERIFY(viewer.findChild<QPushButton *>(u"pdfExtractButton"_s)->isChecked());
    viewer.findChild<QPushButton *>(u"pdfDocumentViewButton"_s)->click();
    QCOMPARE(viewer.viewMode(), PdfViewMode::DocumentView);
    QCOMPARE(viewer.workspaceMode(), PdfWorkspaceMode::Browse);
    QVERIFY(!viewer.findChild<QPushButton *>(u"pdfExtractButton"_s)->isChecked());
}

void TestViewerWidget::selectAllWithoutEcho()
{
    const QString path = makePdf(u"select.pdf"_s, 4);
    PdfViewerWidget viewer;
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    viewer.setViewMode(PdfViewMode::PageManageView);
    auto *selectAll = viewer.findChild<QPushButton *>(u"pdfSelectAllButton"_s);
    QSignalSpy toggled(viewer.topToolBar(), &PdfTopToolBar::selectAllToggled);
    QSignalSpy selection(viewer.documentModel(), &PdfDocumentModel::selectionChanged);
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(viewer.documentModel()->selectedPageIds().size(), 4);
    QVERIFY(selectAll->isChecked());
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QCOMPARE(toggled.count(), 2);
    QVERIFY(viewer.documentModel()->selectedPageIds().isEmpty());
}

void TestViewerWidget::rotateDeleteUndoRedo()
{
    const QString path = makePdf(u"edit.pdf"_s, 3);
    PdfViewerWidget viewer;
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    viewer.setViewMode(PdfViewMode::PageManageView);
    PdfDocumentModel *model = viewer.documentModel();
    model->setPageSelected(model->pageAt(2)->id, true);
    auto *undo = viewer.findChild<QPushButton *>(u"pdfUndoButton"_s);
    auto *redo = viewer.findChild<QPushButton *>(u"pdfRedoButton"_s);
    QVERIFY(!undo->isEnabled());
    viewer.findChild<QPushButton *>(u"pdfRotateLeftButton"_s)->click();
    QCOMPARE(model->pageAt(2)->rotation, 270);
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    viewer.findChild<QPushButton *>(u"pdfDeleteButton"_s)->click();
    QCOMPARE(model->pageCount(), 2);
    QCOMPARE(viewer.findChild<QLabel *>(u"pdfPageCountLabel"_s)->text(), u"/2"_s);
    undo->click();
    QCOMPARE(model->pageCount(), 3);
    QVERIFY(redo->isEnabled());
    undo->click();
    QCOMPARE(model->pageAt(2)->rotation, 0);
    QVERIFY(!undo->isEnabled());
    QVERIFY(!model->isModified());
    redo->click();
    QCOMPARE(model->pageAt(2)->rotation, 270);
}

void TestViewerWidget::deleteKeepsAPage_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("selected"); // the first pages selected; -1: the last card's delete
    QTest::addColumn<int>("left");
    QTest::newRow("every page selected") << 3 << 3 << 3;
    QTest::newRow("all pages but one selected") << 3 << 2 << 1;
    QTest::newRow("the only page's card") << 1 << -1 << 1;
}

void TestViewerWidget::deleteKeepsAPage()
{
    QFETCH(int, pages);
    QFETCH(int, selected);
    QFETCH(int, left);
    const QString path = makePdf(u"keep-%1-%2.pdf"_s.arg(pages).arg(selected), pages);
    PdfViewerWidget viewer;
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    viewer.setViewMode(PdfViewMode::PageManageView);
    PdfDocumentModel *model = viewer.documentModel();
    auto *remove = viewer.findChild<QPushButton *>(u"pdfDeleteButton"_s);
    const QString refusal = u"文档至少要保留一页，不能删除全部页面"_s;
    if (selected < 0) {
        DialogSeam::answerMessageBox(ModernMessageBox::Confirmed);
        Q_EMIT viewer.pageManagerView()->deletePageRequested(model->pageAt(0)->id);
        QCOMPARE(requestsOf(DialogSeam::Kind::MessageBox).size(), 1);
    } else {
        for (int row = 0; row < selected; ++row)
            model->setPageSelected(model->pageAt(row)->id, true);
        const bool all = selected == pages;
        QCOMPARE(remove->isEnabled(), !all);
        QCOMPARE(remove->toolTip() == refusal, all);
        viewer.topToolBar()->action(PdfTopToolBar::Command::Delete)->trigger();
        remove->click();
    }
    QCOMPARE(model->pageCount(), left);
    QCOMPARE(viewer.undoManager()->undoStack()->count(), left == pages ? 0 : 1);
    for (int row = 0; row < model->pageCount(); ++row)
        QVERIFY(model->pageAt(row)->origin != PdfPageOrigin::Blank);
    // Selecting fewer pages lets them go again.
    model->clearSelection();
    QVERIFY(remove->toolTip() != refusal);
}

void TestViewerWidget::bottomBarPlacement()
{
    const QString path = makePdf(u"bar.pdf"_s, 3);
    PdfViewerWidget viewer;
    viewer.resize(1000, 700);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    PdfBottomControlBar *bar = viewer.findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s);
    QTest::qWait(0);
    QVERIFY(!bar->isVisible());
    QVERIFY(viewer.openDocument(path));
    QTRY_VERIFY(bar->isVisible());
    const QWidget *stack = viewer.viewStack();
    const auto placed = [bar, stack] {
        return bar->x() == std::max((stack->width() - bar->width()) / 2, 0) &&
               bar->y() == std::max(stack->height() - 24 - bar->height(), 8);
    };
    QTRY_VERIFY(placed());
    viewer.resize(800, 600);
    QTRY_VERIFY(placed());
    viewer.setViewMode(PdfViewMode::PageManageView);
    QVERIFY(!bar->isVisible());
    viewer.setViewMode(PdfViewMode::DocumentView);
    QTRY_VERIFY(bar->isVisible());
    QTRY_VERIFY(placed());
}

void TestViewerWidget::bottomBarDrivesView()
{
    const QString path = makePdf(u"drive.pdf"_s, 12);
    PdfViewerWidget viewer;
    viewer.resize(1000, 700);
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    PdfDocumentView *view = viewer.documentView();
    auto *edit = viewer.findChild<QLineEdit *>(u"pdfPageNumberEdit"_s);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, u"99"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(view->currentPage(), 11);
    QCOMPARE(edit->text(), u"12"_s);
    viewer.findChild<QPushButton *>(u"pdfPreviousPageButton"_s)->click();
    QCOMPARE(view->currentPage(), 10);
    QCOMPARE(edit->text(), u"11"_s);

    auto *zoom = viewer.findChild<QComboBox *>(u"pdfZoomCombo"_s);
    QSignalSpy zoomed(&viewer, &PdfViewerWidget::zoomFactorChanged);
    Q_EMIT zoom->activated(zoom->findText(u"50%"_s));
    QCOMPARE(view->zoomFactor(), 0.5);
    QCOMPARE(view->fitMode(), PdfFitMode::NoFit);
    QCOMPARE(zoomed.count(), 1);
    viewer.zoomIn();
    QCOMPARE(zoom->currentText(), u"60%"_s);

    // At a zoom of its own the toggle goes to fit width, then to fit page.
    auto *fit = viewer.findChild<QPushButton *>(u"pdfFitToggleButton"_s);
    QCOMPARE(fit->toolTip(), u"未适合窗口：点按适合宽度"_s);
    fit->click();
    QCOMPARE(view->fitMode(), PdfFitMode::FitWidth);
    QCOMPARE(fit->toolTip(), u"适合宽度"_s);
    fit->click();
    QCOMPARE(view->fitMode(), PdfFitMode::FitPage);
    QCOMPARE(fit->toolTip(), u"适合页面"_s);
    QCOMPARE(view->pageRect(view->currentPage()).height(), view->viewport()->height() - 64);
    viewer.fitWidth();
    QCOMPARE(view->fitMode(), PdfFitMode::FitWidth);
    QVERIFY(viewer.findChild<PdfBottomControlBar *>(u"pdfBottomControlBar"_s)->isFitWidth());
}

void TestViewerWidget::insertFilesWithPasswords()
{
    const QString path = makePdf(u"base.pdf"_s, 2);
    const QString one = makePdf(u"one.pdf"_s, 2, {200, 300}, 2);
    const QString locked = makeEncrypted(u"locked.pdf"_s, u"pw"_s);
    const QString three = makePdf(u"three.pdf"_s, 1, {200, 300}, 5);
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(path));
    DialogSeam::answerText(QString(), false);
    viewer.insertPdfFiles({one, locked, three}, 1);
    PdfDocumentModel *model = viewer.documentModel();
    QStringList sources;
    for (int row = 0; row < model->pageCount(); ++row)
        sources << QFileInfo(model->pageAt(row)->sourcePath).fileName();
    QCOMPARE(sources, (QStringList{u"base.pdf"_s, u"one.pdf"_s, u"one.pdf"_s, u"three.pdf"_s,
                                   u"base.pdf"_s}));
    const auto prompts = requestsOf(DialogSeam::Kind::Text);
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(prompts.at(0).text, u"插入的 PDF“locked.pdf”已加密，请输入密码："_s);
    QVERIFY(requestsOf(DialogSeam::Kind::MessageBox).isEmpty());
    QCOMPARE(viewer.undoManager()->undoStack()->count(), 2);

    // With the password it goes in; a damaged file is reported and skipped.
    QVERIFY(fixtures::writeBytes(m_dir.filePath(u"bad.pdf"_s), "not a pdf"));
    DialogSeam::answerText(u"pw"_s);
    viewer.insertPdfFiles({m_dir.filePath(u"bad.pdf"_s), locked}, 99);
    QCOMPARE(model->pageCount(), 7);
    QCOMPARE(QFileInfo(model->pageAt(6)->sourcePath).fileName(), u"locked.pdf"_s);
    const auto boxes = requestsOf(DialogSeam::Kind::MessageBox);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, u"插入 PDF 失败"_s);
}

void TestViewerWidget::insertMenuBlankPage()
{
    const QString path = makePdf(u"menu.pdf"_s, 2, {300, 200});
    PdfViewerWidget viewer;
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, 90);
    QTimer::singleShot(0, this, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions.at(0)->text(), u"插入 PDF"_s);
        QVERIFY(actions.at(1)->isSeparator());
        QCOMPARE(actions.at(2)->text(), u"在后面插入空白页"_s);
        menu->setActiveAction(actions.at(2));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    viewer.showInsertMenu(1, viewer.mapToGlobal(QPoint(100, 100)));
    PdfDocumentModel *model = viewer.documentModel();
    QCOMPARE(model->pageCount(), 3);
    // The blank page takes the size of the page before it, as shown (turned).
    QCOMPARE(model->pageAt(1)->origin, PdfPageOrigin::Blank);
    QCOMPARE(PdfDocumentModel::displaySize(*model->pageAt(1)), QSizeF(200, 300));
}

void TestViewerWidget::toolRequests_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("toolId");
    QTest::addColumn<bool>("office");
    QTest::newRow("compress") << 0 << u"compress"_s << false;
    QTest::newRow("office") << 1 << QString() << true;
    QTest::newRow("images") << 2 << u"images"_s << false;
    QTest::newRow("encrypt") << 3 << u"encrypt"_s << false;
    QTest::newRow("decrypt") << 4 << u"decrypt"_s << false;
    // Page numbers are the viewer's own: no tool page is asked for.
    QTest::newRow("page numbers") << 5 << QString() << false;
}

void TestViewerWidget::toolRequests()
{
    QFETCH(int, entry);
    QFETCH(QString, toolId);
    QFETCH(bool, office);
    const QString path = makePdf(u"tools.pdf"_s, 1);
    PdfViewerWidget viewer;
    QVERIFY(viewer.openDocument(path));
    QSignalSpy external(&viewer, &PdfViewerWidget::externalToolRequested);
    QSignalSpy officeRequests(&viewer, &PdfViewerWidget::convertPdfToOfficeRequested);
    viewer.topToolBar()->toolsMenu()->actions().at(entry)->trigger();
    QCOMPARE(officeRequests.count(), office ? 1 : 0);
    if (office)
        QCOMPARE(officeRequests.at(0).at(0).toString(), path);
    QCOMPARE(external.count(), toolId.isEmpty() ? 0 : 1);
    if (!toolId.isEmpty()) {
        QCOMPARE(external.at(0).at(0).toString(), toolId);
        QCOMPARE(external.at(0).at(1).toString(), path);
        QVERIFY(ToolType::forViewerId(toolId));
    }
}

void TestViewerWidget::revealInFolder()
{
    const RevealInFolder::Action windows = RevealInFolder::windowsCommand(u"C:/Docs/a b.pdf"_s);
    QCOMPARE(windows.program, u"explorer.exe"_s);
    QCOMPARE(windows.arguments, (QStringList{u"/select,"_s, u"C:\\Docs\\a b.pdf"_s}));

    QList<RevealInFolder::Action> launched;
    bool firstWorks = false;
    RevealInFolder::setLauncher([&](const RevealInFolder::Action &action) {
        launched.append(action);
        return firstWorks;
    });
    PdfViewerWidget viewer;
    viewer.revealInFolder();
    QVERIFY(launched.isEmpty());

    const QString path = makePdf(u"reveal me.pdf"_s, 1);
    QVERIFY(viewer.openDocument(path));
    viewer.topToolBar()->moreMenu()->actions().at(3)->trigger();
#ifdef Q_OS_WIN
    QCOMPARE(launched.size(), 1);
    QCOMPARE(launched.at(0).arguments.at(1), QDir::toNativeSeparators(path));
#else
    QCOMPARE(launched.size(), 2);
    QCOMPARE(launched.at(0).kind, RevealInFolder::Action::ShowItemsOverDBus);
    QCOMPARE(launched.at(0).url, QUrl::fromLocalFile(path));
    QCOMPARE(launched.at(1).kind, RevealInFolder::Action::OpenFolder);
    QCOMPARE(launched.at(1).url, QUrl::fromLocalFile(m_dir.path()));
    launched.clear();
    firstWorks = true;
    viewer.revealInFolder();
    QCOMPARE(launched.size(), 1);
#endif
}

void TestViewerWidget::destroyWhileRendering()
{
    const QString path = makePdf(u"busy.pdf"_s, 30, {600, 800});
    for (int round = 0; round < 3; ++round) {
        auto *viewer = new PdfViewerWidget;
        viewer->resize(900, 700);
        viewer->show();
        QVERIFY(viewer->openDocument(path));
        viewer->setZoomFactor(0.3);
        QCoreApplication::processEvents();
        delete viewer;
        QCoreApplication::processEvents();
    }
}

void TestViewerWidget::outputsKeepProtection_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("save") << u"save"_s << QStringList{u"locked.pdf"_s};
    QTest::newRow("save as") << u"save as"_s << QStringList{u"out/copy.pdf"_s};
    QTest::newRow("extract") << u"extract"_s << QStringList{u"out/locked-2.pdf"_s};
    QTest::newRow("split") << u"split"_s
                           << QStringList{u"out/locked-1.pdf"_s, u"out/locked-2.pdf"_s};
}

void TestViewerWidget::outputsKeepProtection()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, outputs);
    const QString plain = makePdf(u"plain-locked.pdf"_s, 2, {200, 300}, 3);
    const QString path = m_dir.filePath(u"locked.pdf"_s);
    QVERIFY(fixtures::encrypt(plain, path, fixtures::Scheme::Aes256, u"secret"_s, u"owner"_s));
    const QString protection = encryptionOf(path, u"secret"_s);
    QVERIFY(!protection.isEmpty());
    const QString out = m_dir.filePath(u"out"_s);
    QVERIFY(QDir(out).removeRecursively() && QDir().mkpath(out));

    PdfViewerWidget viewer;
    DialogSeam::answerText(u"secret"_s);
    QVERIFY(viewer.openDocument(path));
    PdfDocumentModel *model = viewer.documentModel();
    viewer.undoManager()->rotatePages({model->pageAt(0)->id}, 90);
    if (operation == u"save"_s) {
        QVERIFY(viewer.save());
    } else if (operation == u"save as"_s) {
        QVERIFY(viewer.saveAs(m_dir.filePath(outputs.at(0))));
    } else if (operation == u"extract"_s) {
        model->setSelectedPageIds({model->pageAt(1)->id});
        viewer.extractPages(false, out);
    } else {
        viewer.splitDocument(true, {}, out);
    }

    // Each output asks for the same password and carries the same protection as the source.
    for (const QString &name : std::as_const(outputs)) {
        const QString written = m_dir.filePath(name);
        QVERIFY2(requiresPassword(written), qPrintable(name));
        QCOMPARE(encryptionOf(written, u"secret"_s), protection);
        QVERIFY(!encryptionOf(written, u"owner"_s).isEmpty());
        const readback::DocumentFacts facts = readback::inspect(written, u"secret"_s);
        QVERIFY2(facts.ok, qPrintable(facts.error));
        QVERIFY(facts.encrypted);
    }
    if (operation == u"save as"_s) {
        // The copy is now the document: saving it again keeps its protection too.
        viewer.undoManager()->rotatePages({model->pageAt(1)->id}, 90);
        QVERIFY(viewer.save());
        QCOMPARE(encryptionOf(m_dir.filePath(outputs.at(0)), u"secret"_s), protection);
    }
}

void TestViewerWidget::changedOnDiskOffersReload_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<bool>("byRename");
    QTest::addColumn<int>("answer");
    QTest::newRow("unmodified, written in place, reload")
        << false << false << int(ModernMessageBox::Confirmed);
    QTest::newRow("modified, replaced by rename, keep edits")
        << true << true << int(ModernMessageBox::Cancelled);
    QTest::newRow("modified, replaced by rename, reload")
        << true << true << int(ModernMessageBox::Confirmed);
}

void TestViewerWidget::changedOnDiskOffersReload()
{
    QFETCH(bool, modify);
    QFETCH(bool, byRename);
    QFETCH(int, answer);
    const QString path = makePdf(u"watched.pdf"_s, 3);
    const QString other = makePdf(u"other-program.pdf"_s, 4, {300, 200}, 3);
    PdfViewerWidget viewer;
    viewer.resize(900, 700);
    viewer.show();
    QVERIFY(viewer.openDocument(path));
    PdfDocumentModel *model = viewer.documentModel();
    const auto changeOffers = [] {
        int count = 0;
        for (const DialogSeam::Request &request : requestsOf(DialogSeam::Kind::MessageBox))
            count += request.title == u"文件已更改"_s ? 1 : 0;
        return count;
    };

    // The tab's own save is no news.
    viewer.undoManager()->removePages({model->pageAt(2)->id});
    QVERIFY(viewer.save());
    QTest::qWait(800);
    QCOMPARE(changeOffers(), 0);

    if (modify)
        viewer.undoManager()->rotatePages({model->pageAt(0)->id}, 90);
    DialogSeam::answerMessageBox(answer);
    const QByteArray bytes = fixtures::readBytes(other);
    if (byRename) {
        QSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        QVERIFY(file.commit());
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QTRY_COMPARE(changeOffers(), 1);
    if (answer == ModernMessageBox::Confirmed) {
        // Reloaded: the tab shows what the other program wrote.
        QCOMPARE(model->pageCount(), 4);
        QVERIFY(!model->isModified());
    } else {
        // Declined: the edits stay.
        QVERIFY(model->isModified());
        QCOMPARE(model->pageCount(), 2);
        QCOMPARE(model->pageAt(0)->rotation, 90);
    }

    // The file that replaced the old one is watched as well.
    DialogSeam::answerMessageBox(ModernMessageBox::Cancelled);
    QSaveFile again(path);
    QVERIFY(again.open(QIODevice::WriteOnly));
    again.write(bytes);
    QVERIFY(again.commit());
    QTRY_COMPARE(changeOffers(), 2);

    // What the tab saves is its page list over the file as it now is.
    const QString saved = m_dir.filePath(u"after-change.pdf"_s);
    QVERIFY(viewer.saveAs(saved));
    const readback::DocumentFacts facts = readback::inspect(saved);
    QCOMPARE(facts.pages.size(), answer == ModernMessageBox::Confirmed ? 4 : 2);
    QCOMPARE(facts.pages.at(0).rotate, answer == ModernMessageBox::Confirmed ? 0 : 90);
    QVERIFY(viewertest::centreIs(readback::renderPoppler(saved, 1, 36), fixtures::colourFor(4)));
}

VELMORA_REGISTER_TEST(TestViewerWidget);
#include "tst_pdfviewerwidget.moc"
