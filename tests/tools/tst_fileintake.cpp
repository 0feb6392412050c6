#include "testregistry.h"
#include "toolstestsupport.h"

#include "dialogseam.h"
#include "filedropzonewidget.h"
#include "filelistitem.h"
#include "filelistwidget.h"
#include "iconbutton.h"
#include "toolpages.h"
#include "toolpixmaps.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace toolstest;

// Files into a tool page: drops, dialogs, duplicates, removal and reordering by dragging.
class TestFileIntake : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sizeText_data();
    void sizeText();
    void dropsAndDialogsSkipDuplicates();
    void dropNeedsUrls();
    void dialogCaptionAndCancel_data();
    void dialogCaptionAndCancel();
    void removingRowsReturnsToDropZone();
    void clearAll();
    void takeFilesEmptiesInOrder();
    void dragReorders_data();
    void dragReorders();
    void pressWithoutDragKeepsOrder();
    void dragAutoScrolls_data();
    void dragAutoScrolls();
    void removingDraggedRowEndsDrag();
    void hundredsOfFiles();

private:
    QStringList makeFiles(int count);
    FileListItem *rowWidget(FileListWidget *list, int row) const;
    // Drags row `from` to a point of the viewport (which may lie outside it) and releases.
    void dragRow(FileListWidget *list, int from, QPoint viewportTarget);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileIntake::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestFileIntake::cleanup()
{
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

QStringList TestFileIntake::makeFiles(int count)
{
    QStringList files;
    for (int i = 0; i < count; ++i)
        files.append(
            sizedFile(m_dir->filePath(u"file%1.pdf"_s.arg(i, 3, 10, QLatin1Char('0'))), 100 + i));
    return files;
}

FileListItem *TestFileIntake::rowWidget(FileListWidget *list, int row) const
{
    QListWidget *view = list->listWidget();
    return qobject_cast<FileListItem *>(view->itemWidget(view->item(row)));
}

void TestFileIntake::dragRow(FileListWidget *list, int from, QPoint viewportTarget)
{
    FileListItem *row = rowWidget(list, from);
    QWidget *viewport = list->listWidget()->viewport();
    const QPoint start = row->rect().center();
    mouse(row, QEvent::MouseButtonPress, start, Qt::LeftButton);
    // Past the drag distance, then to the target.
    mouse(row, QEvent::MouseMove, start + QPoint(0, QApplication::startDragDistance() + 1),
          Qt::LeftButton);
    mouse(row, QEvent::MouseMove, row->mapFromGlobal(viewport->mapToGlobal(viewportTarget)),
          Qt::LeftButton);
    mouse(row, QEvent::MouseButtonRelease,
          row->mapFromGlobal(viewport->mapToGlobal(viewportTarget)), Qt::NoButton);
}

void TestFileIntake::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // The row's picture follows the file's kind.
    QTest::addColumn<QString>("icon");
    const QString pdf = u"file-pdf"_s;
    QTest::newRow("empty") << qint64(0) << u"C"_s << u"sized.pdf"_s << u"0 B"_s << pdf;
    QTest::newRow("bytes") << qint64(1023) << u"C"_s << u"sized.pdf"_s << u"1023 B"_s << pdf;
    QTest::newRow("one KB") << qint64(1024) << u"C"_s << u"sized.pdf"_s << u"1 KB"_s << pdf;
    QTest::newRow("KB rounded") << qint64(1536) << u"C"_s << u"sized.pdf"_s << u"2 KB"_s << pdf;
    QTest::newRow("just below a MB")
        << qint64(1048575) << u"C"_s << u"sized.pdf"_s << u"1024 KB"_s << pdf;
    QTest::newRow("one MB") << qint64(1048576) << u"C"_s << u"sized.pdf"_s << u"1.00 MB"_s << pdf;
    QTest::newRow("MB") << qint64(5767168) << u"C"_s << u"sized.pdf"_s << u"5.50 MB"_s << pdf;
    QTest::newRow("one GB") << qint64(1073741824) << u"C"_s << u"sized.pdf"_s << u"1.00 GB"_s
                            << pdf;
    QTest::newRow("GB") << qint64(3LL * 1073741824 / 2) << u"C"_s << u"sized.pdf"_s << u"1.50 GB"_s
                        << pdf;
    QTest::newRow("French decimal comma")
        << qint64(1279262) << u"fr_FR"_s << u"sized.pdf"_s << u"1,22 MB"_s << pdf;
    QTest::newRow("English thousands not grouped")
        << qint64(1048575) << u"en_US"_s << u"sized.pdf"_s << u"1024 KB"_s << pdf;
    QTest::newRow("a picture") << qint64(2048) << u"C"_s << u"scan.PNG"_s << u"2 KB"_s
                               << u"file-image"_s;
    QTest::newRow("a word-processing document")
        << qint64(10) << u"C"_s << u"letter.docx"_s << u"10 B"_s << u"file-word"_s;
}

void TestFileIntake::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, icon);
    const QString path = sizedFile(m_dir->filePath(name), bytes);
    if (path.isEmpty())
        QSKIP("cannot make a file of that size here");
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    FileListWidget list;
    list.addFiles({path, m_dir->filePath(u"missing.pdf"_s)});
    QLocale::setDefault(before);
    QCOMPARE(rowWidget(&list, 0)->findChild<QLabel *>(u"fileListItemSize"_s)->text(), text);
    QCOMPARE(rowWidget(&list, 0)->findChild<QLabel *>(u"fileListItemName"_s)->text(), name);
    const QImage shown =
        rowWidget(&list, 0)->findChild<QLabel *>(u"fileListItemIcon"_s)->pixmap().toImage();
    const QImage expected =
        ToolPixmaps::icon(u":/res/icons/modern/%1.png"_s.arg(icon), 32).toImage();
    QVERIFY(shown == expected);
    // A path that names no file is listed as it was given, at 0 bytes.
    QCOMPARE(rowWidget(&list, 1)->findChild<QLabel *>(u"fileListItemSize"_s)->text(), u"0 B"_s);
}

void TestFileIntake::dropsAndDialogsSkipDuplicates()
{
    const QStringList files = makeFiles(3);
    PdfCompressPage page;
    QCOMPARE(page.stack()->currentWidget(), page.dropZone());
    QVERIFY(dropFiles(page.dropZone(), {files[0], files[1], files[0]}));
    QCOMPARE(page.stack()->currentWidget(), page.fileList());
    QCOMPARE(page.fileList()->files(), (QStringList{files[0], files[1]}));

    // The list's own add button: one known and one new file.
    DialogSeam::answerFiles({files[1], files[2]});
    page.fileList()->findChild<IconButton *>(u"fileListAddButton"_s)->click();
    QCOMPARE(page.fileList()->files(), files);
    QCOMPARE(page.fileList()->listWidget()->count(), 3);
}

void TestFileIntake::dropNeedsUrls()
{
    FileDropZoneWidget zone;
    QSignalSpy selected(&zone, &FileDropZoneWidget::fileSelected);
    QMimeData text;
    text.setText(u"not a file"_s);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&zone, &enter);
    QVERIFY(!enter.isAccepted());
    QVERIFY(dropFiles(&zone, {m_dir->filePath(u"not-there.pdf"_s)}));
    QCOMPARE(selected.size(), 1);
    // Not checked for existence or extension.
    QCOMPARE(selected.at(0).at(0).toStringList(), QStringList{m_dir->filePath(u"not-there.pdf"_s)});
}

void TestFileIntake::dialogCaptionAndCancel_data()
{
    QTest::addColumn<bool>("images");
    QTest::addColumn<QString>("caption");
    QTest::newRow("PDF page") << false << u"选择 PDF"_s;
    QTest::newRow("image page") << true << u"选择图片"_s;
}

void TestFileIntake::dialogCaptionAndCancel()
{
    QFETCH(bool, images);
    QFETCH(QString, caption);
    std::unique_ptr<BatchToolPage> page;
    if (images)
        page = std::make_unique<ImageToPdfPage>();
    else
        page = std::make_unique<PdfCompressPage>();

    // Cancelled: nothing changes.
    page->dropZone()->findChild<IconButton *>(u"dropZoneAddButton"_s)->click();
    QCOMPARE(page->stack()->currentWidget(), page->dropZone());

    const QStringList files = makeFiles(2);
    DialogSeam::answerFiles(files);
    page->dropZone()->findChild<IconButton *>(u"dropZoneAddButton"_s)->click();
    QCOMPARE(page->stack()->currentWidget(), page->fileList());
    QCOMPARE(page->fileList()->files(), files);

    page->fileList()->findChild<IconButton *>(u"fileListAddButton"_s)->click();
    QCOMPARE(page->fileList()->files(), files);

    const auto requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 3);
    for (const DialogSeam::Request &request : requests) {
        QCOMPARE(request.kind, DialogSeam::Kind::OpenFiles);
        QCOMPARE(request.title, caption);
    }
}

void TestFileIntake::removingRowsReturnsToDropZone()
{
    PdfCompressPage page;
    QVERIFY(dropFiles(page.dropZone(), makeFiles(2)));
    QSignalSpy counts(page.fileList(), &FileListWidget::fileCountChange);
    QListWidget *view = page.fileList()->listWidget();
    QTest::mouseClick(
        rowWidget(page.fileList(), 0)->findChild<QPushButton *>(u"fileListItemClose"_s),
        Qt::LeftButton);
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.at(0).at(0).toInt(), 1);
    QCOMPARE(view->count(), 1);
    QCOMPARE(page.stack()->currentWidget(), page.fileList());
    QTest::mouseClick(
        rowWidget(page.fileList(), 0)->findChild<QPushButton *>(u"fileListItemClose"_s),
        Qt::LeftButton);
    QCOMPARE(counts.at(1).at(0).toInt(), 0);
    QCOMPARE(page.stack()->currentWidget(), page.dropZone());
}

void TestFileIntake::clearAll()
{
    PdfCompressPage page;
    QVERIFY(dropFiles(page.dropZone(), makeFiles(3)));
    QSignalSpy counts(page.fileList(), &FileListWidget::fileCountChange);
    page.fileList()->findChild<IconButton *>(u"fileListClearButton"_s)->click();
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.at(0).at(0).toInt(), 0);
    QCOMPARE(page.fileList()->count(), 0);
    QCOMPARE(page.stack()->currentWidget(), page.dropZone());
}

void TestFileIntake::takeFilesEmptiesInOrder()
{
    FileListWidget list;
    const QStringList files = makeFiles(3);
    list.addFiles({files[2], files[0], files[1]});
    QSignalSpy counts(&list, &FileListWidget::fileCountChange);
    QCOMPARE(list.takeFiles(), (QStringList{files[2], files[0], files[1]}));
    QCOMPARE(list.listWidget()->count(), 0);
    QVERIFY(counts.isEmpty());
}

void TestFileIntake::dragReorders_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("target"); // "above", "below", "gap" or a row number
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("first below the list") << 0 << u"below"_s << QList<int>{1, 2, 3, 0};
    QTest::newRow("last above the list") << 3 << u"above"_s << QList<int>{3, 0, 1, 2};
    QTest::newRow("down onto a row") << 0 << u"2"_s << QList<int>{1, 2, 0, 3};
    QTest::newRow("up onto a row") << 3 << u"1"_s << QList<int>{0, 3, 1, 2};
    QTest::newRow("into the empty space") << 1 << u"gap"_s << QList<int>{0, 1, 2, 3};
}

void TestFileIntake::dragReorders()
{
    QFETCH(int, from);
    QFETCH(QString, target);
    QFETCH(QList<int>, order);
    FileListWidget list;
    list.resize(600, 600); // room for four 80-pixel rows and empty space below them
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QAbstractItemModelTester tester(list.listWidget()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList files = makeFiles(4);
    list.addFiles(files);
    QSignalSpy reordered(&list, &FileListWidget::fileOrderChanged);

    QWidget *viewport = list.listWidget()->viewport();
    QPoint point(viewport->width() / 2, 0);
    if (target == u"above"_s)
        point.setY(-20);
    else if (target == u"below"_s)
        point.setY(viewport->height() + 20);
    else if (target == u"gap"_s)
        point.setY(4 * 80 + 60);
    else
        point = list.listWidget()->visualItemRect(list.listWidget()->item(target.toInt())).center();
    dragRow(&list, from, point);

    QStringList expected;
    for (int index : order)
        expected.append(files.at(index));
    QCOMPARE(list.files(), expected);
    if (expected == files) {
        QVERIFY(reordered.isEmpty());
    } else {
        QCOMPARE(reordered.size(), 1);
        QCOMPARE(reordered.at(0).at(0).toStringList(), expected);
    }
    // Rows keep their widgets and leave the dragging look.
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(rowWidget(&list, i)->filePath(), expected.at(i));
        QVERIFY(!rowWidget(&list, i)->isDragging());
        QVERIFY(!rowWidget(&list, i)->property("dragging").toBool());
    }
}

void TestFileIntake::pressWithoutDragKeepsOrder()
{
    FileListWidget list;
    list.resize(600, 400);
    list.show();
    const QStringList files = makeFiles(3);
    list.addFiles(files);
    QSignalSpy reordered(&list, &FileListWidget::fileOrderChanged);
    FileListItem *row = rowWidget(&list, 0);
    const QPoint start = row->rect().center();
    mouse(row, QEvent::MouseButtonPress, start, Qt::LeftButton);
    // Short of the drag distance.
    mouse(row, QEvent::MouseMove, start + QPoint(0, QApplication::startDragDistance() - 1),
          Qt::LeftButton);
    QVERIFY(!row->isDragging());
    mouse(row, QEvent::MouseButtonRelease, start, Qt::NoButton);
    QCOMPARE(list.files(), files);
    QVERIFY(reordered.isEmpty());
}

void TestFileIntake::dragAutoScrolls_data()
{
    QTest::addColumn<bool>("towardsTop");
    QTest::newRow("near the top") << true;
    QTest::newRow("near the bottom") << false;
}

void TestFileIntake::dragAutoScrolls()
{
    QFETCH(bool, towardsTop);
    FileListWidget list;
    list.resize(600, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.addFiles(makeFiles(30));
    QListWidget *view = list.listWidget();
    QScrollBar *bar = view->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 200);
    bar->setValue(bar->maximum() / 2);
    const int before = bar->value();

    QWidget *viewport = view->viewport();
    const QModelIndex middle = view->indexAt(viewport->rect().center());
    FileListItem *row = rowWidget(&list, middle.row());
    const QPoint start = row->rect().center();
    mouse(row, QEvent::MouseButtonPress, start, Qt::LeftButton);
    mouse(row, QEvent::MouseMove, start + QPoint(QApplication::startDragDistance() + 1, 0),
          Qt::LeftButton);
    QCOMPARE(bar->value(), before);

    // Within 32 pixels of the edge: 12 pixels per move.
    const QPoint edge(viewport->width() / 2, towardsTop ? 10 : viewport->height() - 10);
    for (int move = 1; move <= 3; ++move) {
        mouse(row, QEvent::MouseMove, row->mapFromGlobal(viewport->mapToGlobal(edge)),
              Qt::LeftButton);
        // The dragged row is kept in view, which may scroll a little further.
        if (towardsTop)
            QVERIFY2(bar->value() <= before - 12 * move, qPrintable(QString::number(bar->value())));
        else
            QVERIFY2(bar->value() >= before + 12 * move, qPrintable(QString::number(bar->value())));
    }
    mouse(row, QEvent::MouseButtonRelease, row->mapFromGlobal(viewport->mapToGlobal(edge)),
          Qt::NoButton);
}

void TestFileIntake::removingDraggedRowEndsDrag()
{
    FileListWidget list;
    list.resize(600, 400);
    list.show();
    const QStringList files = makeFiles(3);
    list.addFiles(files);
    QSignalSpy counts(&list, &FileListWidget::fileCountChange);
    FileListItem *row = rowWidget(&list, 1);
    const QPoint start = row->rect().center();
    mouse(row, QEvent::MouseButtonPress, start, Qt::LeftButton);
    mouse(row, QEvent::MouseMove, start + QPoint(0, QApplication::startDragDistance() + 1),
          Qt::LeftButton);
    QVERIFY(row->isDragging());
    QTest::mouseClick(row->findChild<QPushButton *>(u"fileListItemClose"_s), Qt::LeftButton);
    QCOMPARE(list.files(), (QStringList{files[0], files[2]}));
    QCOMPARE(counts.size(), 1);
    // Further drags start cleanly.
    dragRow(&list, 0, QPoint(300, list.listWidget()->viewport()->height() + 10));
    QCOMPARE(list.files(), (QStringList{files[2], files[0]}));
}

void TestFileIntake::hundredsOfFiles()
{
    PdfCompressPage page;
    page.resize(1160, 740);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QStringList files = makeFiles(400);
    QVERIFY(dropFiles(page.dropZone(), files + files.mid(0, 50)));
    QCOMPARE(page.fileList()->files(), files);
    // Scrolled to the end, the last file shows in its row.
    QListWidget *view = page.fileList()->listWidget();
    view->scrollToBottom();
    auto *last = qobject_cast<FileListItem *>(view->itemWidget(view->item(399)));
    QVERIFY(last);
    QCOMPARE(last->findChild<QLabel *>(u"fileListItemName"_s)->text(), u"file399.pdf"_s);
}

VELMORA_REGISTER_TEST(TestFileIntake);

#include "tst_fileintake.moc"
