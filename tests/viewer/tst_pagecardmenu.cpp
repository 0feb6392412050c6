#include "dialogseam.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfpagemanagerview.h"
#include "pdfthumbnailpanel.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A right click on a card of the thumbnail strip or the page grid, an entry of its menu, and the
// document as saved afterwards, read back by qpdf and poppler.
class TestPageCardMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cardMenuActions_data();
    void cardMenuActions();

private:
    QTemporaryDir m_dir;
};

void TestPageCardMenu::init()
{
    QVERIFY(m_dir.isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestPageCardMenu::cleanup()
{
    DialogSeam::reset();
}

void TestPageCardMenu::cardMenuActions_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QList<int>>("selectedBefore");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("entry");
    // The pages written, as the source page each shows ('b' blank) and 'r' for a quarter turn.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("strip: rotate the card clicked")
        << u"strip"_s << QList<int>{} << 1 << u"向右旋转"_s
        << QStringList{u"0"_s, u"1r"_s, u"2"_s, u"3"_s};
    QTest::newRow("grid: rotate the whole selection")
        << u"grid"_s << QList<int>{0, 2} << 2 << u"向左旋转"_s
        << QStringList{u"0r"_s, u"1"_s, u"2r"_s, u"3"_s};
    QTest::newRow("grid: an unselected card becomes the selection")
        << u"grid"_s << QList<int>{0} << 3 << u"向右旋转"_s
        << QStringList{u"0"_s, u"1"_s, u"2"_s, u"3r"_s};
    QTest::newRow("strip: delete the selection")
        << u"strip"_s << QList<int>{1, 2} << 2 << u"删除选定页面"_s << QStringList{u"0"_s, u"3"_s};
    QTest::newRow("grid: duplicate") << u"grid"_s << QList<int>{} << 0 << u"创建副本"_s
                                     << QStringList{u"0"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("strip: blank page after")
        << u"strip"_s << QList<int>{} << 1 << u"在后面插入空白页"_s
        << QStringList{u"0"_s, u"1"_s, u"b"_s, u"2"_s, u"3"_s};
    QTest::newRow("grid: insert a PDF after")
        << u"grid"_s << QList<int>{} << 2 << u"插入 PDF"_s
        << QStringList{u"0"_s, u"1"_s, u"2"_s, u"0"_s, u"1"_s, u"3"_s};
}

void TestPageCardMenu::cardMenuActions()
{
    QFETCH(QString, where);
    QFETCH(QList<int>, selectedBefore);
    QFETCH(int, clicked);
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);

    const QSizeF size(400, 300);
    const QString path = fixtures::textPdf(m_dir.filePath(u"cards.pdf"_s), 4, size);
    const QString other = fixtures::textPdf(m_dir.filePath(u"other.pdf"_s), 2, size);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, path, {1100, 760}));
    PdfDocumentModel *model = viewer.documentModel();
    QSet<PdfPageId> before;
    for (int row : selectedBefore)
        before.insert(model->pageAt(row)->id);
    model->setSelectedPageIds(before);

    QAbstractItemView *list = nullptr;
    if (where == u"grid"_s) {
        viewer.setViewMode(PdfViewMode::PageManageView);
        list = viewer.pageManagerView()->findChild<QAbstractItemView *>(u"pdfPageGrid"_s);
    } else {
        list = viewer.thumbnailPanel()->findChild<QAbstractItemView *>(u"pdfThumbnailList"_s);
    }
    QVERIFY(list && list->isVisible());
    const QModelIndex index = list->model()->index(clicked, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = viewer.findChild<QMenu *>(u"pdfPageCardContextMenu"_s)) &&
                menu->isVisible());
    QAction *action = nullptr;
    for (QAction *candidate : menu->actions()) {
        if (candidate->text() == entry)
            action = candidate;
    }
    QVERIFY2(action && action->isEnabled(), qPrintable(entry));
    const QPointer<QMenu> shown = menu;
    menu->close();
    if (entry == u"插入 PDF"_s)
        DialogSeam::answerFiles({other});
    action->trigger();
    QTRY_VERIFY(!shown);

    const QString tag = QString::fromUtf8(QTest::currentDataTag()).replace(u':', u'-');
    const QString saved = m_dir.filePath(u"saved-%1.pdf"_s.arg(tag));
    QVERIFY(viewer.saveAs(saved));
    QCOMPARE(fixtures::pageCount(saved), expected.size());
    const QList<QSizeF> sizes = fixtures::pageSizes(saved);
    for (int page = 0; page < expected.size(); ++page) {
        const bool turned = expected[page].endsWith(u'r');
        QCOMPARE(sizes.value(page).toSize(), turned ? size.transposed().toSize() : size.toSize());
        QByteArray text;
        QVERIFY(fixtures::run(
            u"pdftotext"_s,
            {u"-f"_s, QString::number(page + 1), u"-l"_s, QString::number(page + 1), saved, u"-"_s},
            &text));
        const QString source = expected[page].chopped(turned ? 1 : 0);
        if (source == u"b"_s)
            QVERIFY2(QString::fromUtf8(text).trimmed().isEmpty(), text.constData());
        else
            QVERIFY2(text.contains(QByteArray("Page " + QByteArray::number(source.toInt() + 1))),
                     text.constData());
    }
}

VELMORA_REGISTER_TEST(TestPageCardMenu);
#include "tst_pagecardmenu.moc"
