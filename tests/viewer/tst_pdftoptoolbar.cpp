#include "pdftoolsmenustyle.h"
#include "pdftoptoolbar.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestTopToolBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialState();
    void documentActions_data();
    void documentActions();
    void viewModeShowsGroups();
    void workspaceModeBrowseUnchecksAll_data();
    void workspaceModeBrowseUnchecksAll();
    void selectAllEcho();
    void buttonSignals_data();
    void buttonSignals();
    void toolsMenuEntries();
    void toolsMenuSignals_data();
    void toolsMenuSignals();
    void moreMenuEntries();
    void moreMenuOpensUnderButton();
    void undoRedoAndSelection();

private:
    static QPushButton *button(PdfTopToolBar &bar, const QString &name)
    {
        return bar.findChild<QPushButton *>(name);
    }
};

void TestTopToolBar::initialState()
{
    PdfTopToolBar bar;
    QCOMPARE(bar.objectName(), u"pdfTopToolBar"_s);
    QVERIFY(button(bar, u"pdfDocumentViewButton"_s)->isChecked());
    QVERIFY(!button(bar, u"pdfPageManageViewButton"_s)->isChecked());
    QVERIFY(button(bar, u"pdfThumbnailButton"_s)->isChecked());
    for (const QString &name : {u"pdfRotateLeftButton"_s, u"pdfRotateRightButton"_s,
                                u"pdfDeleteButton"_s, u"pdfUndoButton"_s, u"pdfRedoButton"_s})
        QVERIFY2(!button(bar, name)->isEnabled(), qPrintable(name));
    QCOMPARE(button(bar, u"pdfToolsButton"_s)->text(), u"工具"_s);
    QCOMPARE(button(bar, u"pdfToolsButton"_s)->menu(), bar.toolsMenu());
    QCOMPARE(button(bar, u"pdfInsertButton"_s)->toolTip(), u"插入 PDF 或空白页"_s);
    QCOMPARE(button(bar, u"pdfSelectAllButton"_s)->iconSize(), QSize(24, 24));
    // The tools carry no key; the buttons' tips name the keys of their commands.
    for (QAction *action : bar.toolsMenu()->actions())
        QVERIFY(action->shortcut().isEmpty());
    QCOMPARE(button(bar, u"pdfUndoButton"_s)->toolTip(),
             u"撤销 (%1)"_s.arg(QKeySequence(u"Ctrl+Z"_s).toString(QKeySequence::NativeText)));
    QCOMPARE(button(bar, u"pdfDeleteButton"_s)->toolTip(),
             u"删除选定页面 (%1)"_s.arg(
                 QKeySequence(QKeySequence::Delete).toString(QKeySequence::NativeText)));
}

void TestTopToolBar::documentActions_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("no pages") << false;
    QTest::newRow("pages") << true;
}

void TestTopToolBar::documentActions()
{
    QFETCH(bool, enabled);
    PdfTopToolBar bar;
    bar.setDocumentActionsEnabled(enabled);
    for (const QString &name : {u"pdfPageManageViewButton"_s, u"pdfThumbnailButton"_s,
                                u"pdfToolsButton"_s, u"pdfHandToolButton"_s, u"pdfInsertButton"_s,
                                u"pdfSplitButton"_s, u"pdfSelectAllButton"_s, u"pdfMoreButton"_s})
        QVERIFY2(button(bar, name)->isEnabledTo(&bar) == enabled, qPrintable(name));
    QVERIFY(button(bar, u"pdfDocumentViewButton"_s)->isEnabled());
}

void TestTopToolBar::viewModeShowsGroups()
{
    PdfTopToolBar bar;
    bar.show();
    QVERIFY(button(bar, u"pdfHandToolButton"_s)->isVisible());
    QVERIFY(button(bar, u"pdfThumbnailButton"_s)->isVisible());
    QVERIFY(!button(bar, u"pdfInsertButton"_s)->isVisible());
    bar.setViewMode(PdfViewMode::PageManageView);
    QVERIFY(!button(bar, u"pdfHandToolButton"_s)->isVisible());
    QVERIFY(!button(bar, u"pdfThumbnailButton"_s)->isVisible());
    QVERIFY(button(bar, u"pdfInsertButton"_s)->isVisible());
    QVERIFY(button(bar, u"pdfRotateLeftButton"_s)->isVisible());
    QVERIFY(button(bar, u"pdfPageManageViewButton"_s)->isChecked());
    QVERIFY(!button(bar, u"pdfDocumentViewButton"_s)->isChecked());
}

void TestTopToolBar::workspaceModeBrowseUnchecksAll_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("checked");
    QTest::newRow("insert") << int(PdfWorkspaceMode::Insert) << u"pdfInsertButton"_s;
    QTest::newRow("extract") << int(PdfWorkspaceMode::Extract) << u"pdfExtractButton"_s;
    QTest::newRow("split") << int(PdfWorkspaceMode::Split) << u"pdfSplitButton"_s;
}

void TestTopToolBar::workspaceModeBrowseUnchecksAll()
{
    QFETCH(int, mode);
    QFETCH(QString, checked);
    PdfTopToolBar bar;
    const QStringList tasks{u"pdfInsertButton"_s, u"pdfExtractButton"_s, u"pdfSplitButton"_s};
    bar.setWorkspaceMode(PdfWorkspaceMode(mode));
    for (const QString &name : tasks)
        QCOMPARE(button(bar, name)->isChecked(), name == checked);
    bar.setWorkspaceMode(PdfWorkspaceMode::Browse);
    for (const QString &name : tasks)
        QVERIFY(!button(bar, name)->isChecked());
    // Still exclusive for the user.
    bar.setWorkspaceMode(PdfWorkspaceMode::Insert);
    button(bar, u"pdfSplitButton"_s)->click();
    QVERIFY(!button(bar, u"pdfInsertButton"_s)->isChecked());
}

void TestTopToolBar::selectAllEcho()
{
    PdfTopToolBar bar;
    QSignalSpy toggled(&bar, &PdfTopToolBar::selectAllToggled);
    bar.setAllSelected(true);
    QCOMPARE(toggled.count(), 0);
    QPushButton *selectAll = button(bar, u"pdfSelectAllButton"_s);
    QVERIFY(selectAll->isChecked());
    QVERIFY(selectAll->styleSheet().contains(u"checkbox-checked.png"_s));
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).toBool(), false);
    QVERIFY(selectAll->styleSheet().contains(u"checkbox-unchecked.png"_s));
}

void TestTopToolBar::buttonSignals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("document view")
        << u"pdfDocumentViewButton"_s << QByteArray("documentViewRequested");
    QTest::newRow("page grid") << u"pdfPageManageViewButton"_s
                               << QByteArray("pageManageViewRequested");
    QTest::newRow("insert") << u"pdfInsertButton"_s << QByteArray("insertModeRequested");
    QTest::newRow("extract") << u"pdfExtractButton"_s << QByteArray("extractModeRequested");
    QTest::newRow("split") << u"pdfSplitButton"_s << QByteArray("splitModeRequested");
    QTest::newRow("thumbnails") << u"pdfThumbnailButton"_s << QByteArray("thumbnailToggled");
    QTest::newRow("hand") << u"pdfHandToolButton"_s << QByteArray("handToolToggled");
}

void TestTopToolBar::buttonSignals()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, signal);
    PdfTopToolBar bar;
    bar.setViewMode(PdfViewMode::PageManageView);
    bar.setViewMode(PdfViewMode::DocumentView);
    QSignalSpy spy(&bar, viewertest::signalNamed(&bar, signal));
    QTest::mouseClick(button(bar, name), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestTopToolBar::toolsMenuEntries()
{
    PdfTopToolBar bar;
    QMenu *menu = bar.toolsMenu();
    QCOMPARE(menu->objectName(), u"pdfToolsMenu"_s);
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? u"-"_s : action->text());
    QCOMPARE(texts,
             (QStringList{u"压缩"_s, u"PDF 转为 Office"_s, u"PDF 转为图像"_s, u"加密 PDF"_s,
                          u"解锁 PDF"_s, u"页面编号"_s, u"-"_s, u"插入"_s, u"提取"_s, u"拆分"_s}));
    QVERIFY(menu->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(menu->windowFlags() & Qt::NoDropShadowWindowHint);
    PdfToolsMenuStyle style;
    QCOMPARE(style.pixelMetric(QStyle::PM_SmallIconSize), 28);
    QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarIconSize),
             QApplication::style()->pixelMetric(QStyle::PM_ToolBarIconSize));
}

void TestTopToolBar::toolsMenuSignals_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("compress") << 0 << QByteArray("compressRequested");
    QTest::newRow("office") << 1 << QByteArray("convertToOfficeRequested");
    QTest::newRow("images") << 2 << QByteArray("convertToImagesRequested");
    QTest::newRow("encrypt") << 3 << QByteArray("encryptRequested");
    QTest::newRow("decrypt") << 4 << QByteArray("decryptRequested");
    QTest::newRow("page numbers") << 5 << QByteArray("pageNumberRequested");
    QTest::newRow("insert, as the insert button") << 7 << QByteArray("insertModeRequested");
    QTest::newRow("extract") << 8 << QByteArray("extractModeRequested");
    QTest::newRow("split") << 9 << QByteArray("splitModeRequested");
}

void TestTopToolBar::toolsMenuSignals()
{
    QFETCH(int, entry);
    QFETCH(QByteArray, signal);
    PdfTopToolBar bar;
    QSignalSpy spy(&bar, viewertest::signalNamed(&bar, signal));
    bar.toolsMenu()->actions().at(entry)->trigger();
    QCOMPARE(spy.count(), 1);
}

void TestTopToolBar::moreMenuEntries()
{
    PdfTopToolBar bar;
    QMenu *menu = bar.moreMenu();
    QCOMPARE(menu->objectName(), u"pdfMoreMenu"_s);
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 6);
    const QList<QByteArray> signals_{"saveRequested",       "saveAsRequested",
                                     "printRequested",      "revealInFolderRequested",
                                     "propertiesRequested", "signRequested"};
    const QStringList texts{u"保存文件"_s,       u"将文件保存为…"_s, u"打印"_s,
                            u"在文件夹中显示"_s, u"文档属性"_s,      u"签名"_s};
    const QList<QKeySequence> keys{QKeySequence::Save,        QKeySequence(u"Ctrl+Shift+S"_s),
                                   QKeySequence::Print,       QKeySequence(),
                                   QKeySequence(u"Ctrl+D"_s), QKeySequence()};
    for (int i = 0; i < 6; ++i) {
        // One action a command: the menu shows its key in its own column.
        QCOMPARE(actions.at(i)->text(), texts.at(i));
        QCOMPARE(actions.at(i)->shortcut(), keys.at(i));
        QSignalSpy spy(&bar, viewertest::signalNamed(&bar, signals_.at(i)));
        actions.at(i)->trigger();
        QCOMPARE(spy.count(), 1);
    }
}

void TestTopToolBar::moreMenuOpensUnderButton()
{
    PdfTopToolBar bar;
    // With the annotation tools the bar fits the smallest window (940 pixels) but not the test
    // screen (800): it stands out to the left, its right end on the screen.
    const int width = bar.minimumSizeHint().width();
    QVERIFY2(width <= 940, qPrintable(QString::number(width)));
    bar.resize(std::max(700, width), 58);
    bar.move(790 - bar.width(), 0);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QPushButton *more = button(bar, u"pdfMoreButton"_s);
    QTest::mouseClick(more, Qt::LeftButton);
    QMenu *menu = bar.moreMenu();
    QTRY_VERIFY(menu->isVisible());
    const QPoint buttonBottomRight = more->mapToGlobal(QPoint(more->width(), more->height()));
    QCOMPARE(menu->geometry().right() + 1, buttonBottomRight.x());
    QCOMPARE(menu->geometry().top(), buttonBottomRight.y() + 2);
    QVERIFY(!menu->mask().isEmpty());
    menu->close();
}

void TestTopToolBar::undoRedoAndSelection()
{
    PdfTopToolBar bar;
    bar.setUndoRedoEnabled(true, false);
    QVERIFY(button(bar, u"pdfUndoButton"_s)->isEnabled());
    QVERIFY(!button(bar, u"pdfRedoButton"_s)->isEnabled());
    bar.setSelectionActionsEnabled(true);
    for (const QString &name :
         {u"pdfRotateLeftButton"_s, u"pdfRotateRightButton"_s, u"pdfDeleteButton"_s})
        QVERIFY(button(bar, name)->isEnabled());
    QSignalSpy left(&bar, &PdfTopToolBar::rotateLeftRequested);
    QSignalSpy right(&bar, &PdfTopToolBar::rotateRightRequested);
    QSignalSpy remove(&bar, &PdfTopToolBar::deleteRequested);
    button(bar, u"pdfRotateLeftButton"_s)->click();
    button(bar, u"pdfRotateRightButton"_s)->click();
    button(bar, u"pdfDeleteButton"_s)->click();
    QCOMPARE(left.count() + right.count() + remove.count(), 3);
    // Thumbnail check state pushed from outside still reports.
    QSignalSpy thumbs(&bar, &PdfTopToolBar::thumbnailToggled);
    bar.setThumbnailChecked(false);
    QCOMPARE(thumbs.count(), 1);
}

VELMORA_REGISTER_TEST(TestTopToolBar);
#include "tst_pdftoptoolbar.moc"
