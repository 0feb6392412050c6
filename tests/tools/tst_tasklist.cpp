#include "testregistry.h"
#include "toolstestsupport.h"

#include "iconbutton.h"
#include "pdfreadback.h"
#include "tasklistitem.h"
#include "tasklistwidget.h"

#include <QAbstractItemModelTester>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace toolstest;

namespace {

// Stands in for the desktop's file browser and viewer.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

using readback::similar;

// How many pixels of the image are close to the colour.
int pixelsLike(const QImage &image, QColor colour)
{
    int count = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QColor c = argb.pixelColor(x, y);
            if (c.alpha() > 200 && similar(c, colour, 12))
                ++count;
        }
    }
    return count;
}

QImage iconImage(const QString &resource, int size)
{
    return QIcon(resource).pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage shownIcon(QWidget *row)
{
    return row->findChild<QLabel *>(u"taskFileIcon"_s)
        ->pixmap()
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The rows of submitted jobs: output, status presentation, open buttons and restart.
class TestTaskList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void statusPresentation_data();
    void statusPresentation();
    void unknownStatusValuesChangeNothing();
    void folderOutput();
    void pendingPdfOutput();
    void missingOutputHidesOpenButtons();
    void unknownIdentifierIgnored();
    void restartEmptiesList();
    void failedRowTitles_data();
    void failedRowTitles();

private:
    TaskListItem *row(TaskListWidget &list, int index) const;
    QLabel *label(QWidget *row, const QString &name) const;
    QPushButton *button(QWidget *row, const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    UrlCatcher m_catcher;
};

void TestTaskList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_catcher.opened.clear();
    QDesktopServices::setUrlHandler(u"file"_s, &m_catcher, "open");
}

void TestTaskList::cleanup()
{
    QDesktopServices::unsetUrlHandler(u"file"_s);
}

TaskListItem *TestTaskList::row(TaskListWidget &list, int index) const
{
    QListWidget *view = list.listWidget();
    return qobject_cast<TaskListItem *>(view->itemWidget(view->item(index)));
}

QLabel *TestTaskList::label(QWidget *row, const QString &name) const
{
    return row->findChild<QLabel *>(name);
}

QPushButton *TestTaskList::button(QWidget *row, const QString &name) const
{
    return row->findChild<QPushButton *>(name);
}

void TestTaskList::statusPresentation_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("icon");
    QTest::newRow("waiting") << 0 << u"处理中..."_s << QColor(0x4F, 0x46, 0xE5) << false;
    QTest::newRow("running") << 1 << u"处理中..."_s << QColor(0x4F, 0x46, 0xE5) << false;
    QTest::newRow("paused") << 2 << u"已暂停"_s << QColor(0xE8, 0x9A, 0x3C) << false;
    QTest::newRow("completed") << 3 << u"完成"_s << QColor(0x20, 0xA6, 0x6A) << true;
    QTest::newRow("failed") << 4 << u"失败"_s << QColor(0xE0, 0x52, 0x52) << true;
    QTest::newRow("cancelled") << 5 << u"已取消"_s << QColor(0xE0, 0x52, 0x52) << true;
}

void TestTaskList::statusPresentation()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(bool, icon);
    TaskListWidget list;
    list.resize(800, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.addTask({u"{a}"_s, 6, m_dir->filePath(u"out.pdf"_s)});
    list.updateTaskStatus(u"{a}"_s, 1); // start from another state than the one looked at
    list.updateTaskStatus(u"{a}"_s, status);

    QWidget *r = row(list, 0);
    QLabel *statusText = label(r, u"taskStatusText"_s);
    QCOMPARE(statusText->text(), text);
    QVERIFY2(pixelsLike(statusText->grab().toImage(), colour) > 5, "text not in its colour");

    QLabel *statusIcon = label(r, u"taskStatusIcon"_s);
    QCOMPARE(statusIcon->isVisible(), icon);
    if (icon) {
        // The icon file recoloured: every visible pixel in the status colour, light areas clear.
        const QImage image = statusIcon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(20, 20));
        int opaque = 0, clear = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() > 128) {
                    ++opaque;
                    QVERIFY2(similar(c, colour, 6), qPrintable(c.name()));
                } else if (c.alpha() == 0) {
                    ++clear;
                }
            }
        }
        QVERIFY(opaque > 40);
        QVERIFY(clear > 40);
    }
    QVERIFY(!button(r, u"taskOpenFileButton"_s)->isVisible());
}

void TestTaskList::unknownStatusValuesChangeNothing()
{
    TaskListWidget list;
    list.addTask({u"{a}"_s, 6, m_dir->filePath(u"out.pdf"_s)});
    list.updateTaskStatus(u"{a}"_s, 4);
    for (int status : {-1, 6, 42})
        list.updateTaskStatus(u"{a}"_s, status);
    QCOMPARE(label(row(list, 0), u"taskStatusText"_s)->text(), u"失败"_s);
    QCOMPARE(row(list, 0)->status(), 4);
}

void TestTaskList::folderOutput()
{
    const QString folder = m_dir->filePath(u"images"_s);
    QVERIFY(QDir().mkpath(folder));
    TaskListWidget list;
    list.resize(800, 300);
    list.show();
    list.addTask({u"{a}"_s, 4, folder + u"/"_s, m_dir->filePath(u"source.pdf"_s)});
    TaskListItem *r = row(list, 0);
    QCOMPARE(label(r, u"taskName"_s)->text(), u"images"_s);
    QCOMPARE(shownIcon(r), iconImage(u":/res/icons/modern/folder.png"_s, 32));
    // No size for a folder; the source tells rows into one folder apart.
    QCOMPARE(label(r, u"taskSize"_s)->text(), u"source.pdf"_s);

    list.updateTaskStatus(u"{a}"_s, 3);
    QVERIFY(!button(r, u"taskOpenFileButton"_s)->isVisible());
    QPushButton *openFolder = button(r, u"taskOpenFolderButton"_s);
    QVERIFY(openFolder->isVisible());
    QCOMPARE(openFolder->toolTip(), u"打开所在文件夹"_s);
    QTest::mouseClick(openFolder, Qt::LeftButton);
    QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
}

void TestTaskList::pendingPdfOutput()
{
    const QString output = m_dir->filePath(u"pdf_merge.pdf"_s);
    TaskListWidget list;
    list.resize(800, 300);
    list.show();
    list.addTask({u"{m}"_s, 0, output});
    TaskListItem *r = row(list, 0);
    QCOMPARE(label(r, u"taskName"_s)->text(), u"pdf_merge.pdf"_s);
    QCOMPARE(shownIcon(r), iconImage(u":/res/icons/modern/file-pdf.png"_s, 32));
    QVERIFY(label(r, u"taskSize"_s)->isHidden());

    list.updateTaskStatus(u"{m}"_s, 1);
    QVERIFY(label(r, u"taskSize"_s)->isHidden());
    QVERIFY(!sizedFile(output, 3000).isEmpty());
    list.updateTaskStatus(u"{m}"_s, 3);
    QVERIFY(label(r, u"taskSize"_s)->isVisible());
    QCOMPARE(label(r, u"taskSize"_s)->text(), u"3 KB"_s);
    QPushButton *openFile = button(r, u"taskOpenFileButton"_s);
    QPushButton *openFolder = button(r, u"taskOpenFolderButton"_s);
    QVERIFY(openFile->isVisible());
    QVERIFY(openFolder->isVisible());
    QCOMPARE(openFile->toolTip(), u"打开文件"_s);

    QTest::mouseClick(openFile, Qt::LeftButton);
    QTest::mouseClick(openFolder, Qt::LeftButton);
    QCOMPARE(m_catcher.opened,
             (QList<QUrl>{QUrl::fromLocalFile(output), QUrl::fromLocalFile(m_dir->path())}));

    // The output went away in the meantime: opening it does nothing.
    QVERIFY(QFile::remove(output));
    QTest::mouseClick(openFile, Qt::LeftButton);
    QCOMPARE(m_catcher.opened.size(), 2);
}

void TestTaskList::missingOutputHidesOpenButtons()
{
    TaskListWidget list;
    list.resize(800, 300);
    list.show();
    list.addTask({u"{x}"_s, 6, m_dir->filePath(u"gone/report(1).pdf"_s)});
    list.updateTaskStatus(u"{x}"_s, 3);
    TaskListItem *r = row(list, 0);
    QCOMPARE(label(r, u"taskStatusText"_s)->text(), u"完成"_s);
    QVERIFY(!button(r, u"taskOpenFileButton"_s)->isVisible());
    QVERIFY(!button(r, u"taskOpenFolderButton"_s)->isVisible());
}

void TestTaskList::unknownIdentifierIgnored()
{
    TaskListWidget list;
    list.addTask({u"{a}"_s, 6, m_dir->filePath(u"a.pdf"_s)});
    list.updateTaskStatus(u"{b}"_s, 4);
    QCOMPARE(label(row(list, 0), u"taskStatusText"_s)->text(), u"处理中..."_s);
    QVERIFY(!list.hasTask(u"{b}"_s));
}

void TestTaskList::restartEmptiesList()
{
    TaskListWidget list;
    QAbstractItemModelTester tester(list.listWidget()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 0; i < 4; ++i)
        list.addTask({u"{%1}"_s.arg(i), 6, m_dir->filePath(u"%1.pdf"_s.arg(i))});
    QCOMPARE(list.listWidget()->count(), 4);
    QCOMPARE(list.listWidget()->item(1)->data(Qt::UserRole).toString(), u"{1}"_s);
    list.updateTaskStatus(u"{0}"_s, 3);
    list.updateTaskStatus(u"{1}"_s, 4);
    list.updateTaskStatus(u"{2}"_s, 5);
    list.updateTaskStatus(u"{3}"_s, 1);
    QSignalSpy restarted(&list, &TaskListWidget::sigRestart);
    list.findChild<IconButton *>(u"taskRestartButton"_s)->click();
    QCOMPARE(restarted.size(), 1);
    // A job still running keeps its row, and with it its final status.
    QCOMPARE(list.listWidget()->count(), 1);
    QVERIFY(!list.hasTask(u"{1}"_s));
    QVERIFY(list.hasTask(u"{3}"_s));
    list.updateTaskStatus(u"{1}"_s, 3);
    list.updateTaskStatus(u"{3}"_s, 3);
    QCOMPARE(list.status(u"{3}"_s), 3);
}

void TestTaskList::failedRowTitles_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("failedInput"); // what taskInputFailed named
    QTest::addColumn<QString>("title");
    const QStringList three{u"a.pdf"_s, u"b.pdf"_s, u"c.pdf"_s};
    QTest::newRow("compress, never written")
        << u"damaged(1).pdf"_s << u"damaged.pdf"_s << QStringList{u"damaged.pdf"_s} << QString()
        << u"damaged.pdf"_s;
    QTest::newRow("unlock, a folder") << u"out"_s << u"secret.pdf"_s << QStringList{u"secret.pdf"_s}
                                      << QString() << u"secret.pdf"_s;
    QTest::newRow("merge, the input named")
        << u"pdf_merge.pdf"_s << QString() << three << u"b.pdf"_s << u"b.pdf"_s;
    QTest::newRow("merge, no input named")
        << u"pdf_merge.pdf"_s << QString() << three << QString() << u"a.pdf 等 3 个文件"_s;
}

void TestTaskList::failedRowTitles()
{
    QFETCH(QString, output);
    QFETCH(QString, source);
    QFETCH(QStringList, inputs);
    QFETCH(QString, failedInput);
    QFETCH(QString, title);
    const QDir dir(m_dir->path());
    QStringList paths;
    for (const QString &input : inputs)
        paths.append(dir.filePath(input));
    TaskListWidget list;
    list.resize(800, 300);
    list.show();
    list.addTask({u"{a}"_s, 0, dir.filePath(output),
                  source.isEmpty() ? QString() : dir.filePath(source), -1, paths});
    if (!failedInput.isEmpty())
        list.setTaskFailedInput(u"{a}"_s, dir.filePath(failedInput), true);
    list.setTaskFailure(u"{a}"_s, u"不是PDF文件或文件已损坏"_s);
    list.updateTaskStatus(u"{a}"_s, 4);
    // Named after what it read; the reason stays below, and a named input can be taken out.
    TaskListItem *r = row(list, 0);
    QCOMPARE(label(r, u"taskName"_s)->text(), title);
    QCOMPARE(label(r, u"taskSize"_s)->text(), u"不是PDF文件或文件已损坏"_s);
    QCOMPARE(button(r, u"taskRemoveInputButton"_s)->isVisible(), !failedInput.isEmpty());
    QCOMPARE(shownIcon(r), iconImage(u":/res/icons/modern/file-pdf.png"_s, 32));
}

VELMORA_REGISTER_TEST(TestTaskList);

#include "tst_tasklist.moc"
