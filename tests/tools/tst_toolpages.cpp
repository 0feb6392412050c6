#include "testregistry.h"
#include "toolstestsupport.h"

#include "batchoptionspanel.h"
#include "batchtoolpage.h"
#include "cardradiobutton.h"
#include "customtabwidget.h"
#include "dialogseam.h"
#include "filedropzonewidget.h"
#include "filelistitem.h"
#include "filelistwidget.h"
#include "filesizetext.h"
#include "iconbutton.h"
#include "mainpage.h"
#include "moderncombobox.h"
#include "moreoption.h"
#include "passwordinput.h"
#include "pathidentity.h"
#include "pdffixtures.h"
#include "taskbase.h"
#include "taskfactory.h"
#include "tasklistitem.h"
#include "tasklistwidget.h"
#include "taskstatus.h"
#include "toolpagefactory.h"
#include "toolpages.h"
#include "worklane.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace toolstest;

namespace {

struct Submitted
{
    TaskRequest request;
    QString id;
};

QString desktop()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString velmoraFolder()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) +
           u"/Velmora"_s;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Holds all four threads of the task centre, so the jobs submitted meanwhile wait in its queue.
class PoolGate
{
public:
    PoolGate()
    {
        TaskFactory::setCreatorForTesting([this](const TaskRequest &request) {
            return request.options.contains(u"gate"_s) ? std::make_shared<Blocker>(request, this)
                                                       : std::shared_ptr<TaskBase>();
        });
        TaskRequest hold;
        hold.type = TaskType::Merge;
        hold.options = {{u"gate"_s, true}};
        for (int i = 0; i < 4; ++i)
            m_ids.append(Worklane::instance().submitTask(hold));
        if (!QTest::qWaitFor([this] { return m_running.available() == 4; }, 10000))
            qWarning("the task centre did not take the gate's tasks");
    }
    ~PoolGate() { open(); }
    void open()
    {
        if (m_open)
            return;
        m_open = true;
        m_release.release(4);
        const bool drained = QTest::qWaitFor(
            [this] {
                const QStringList live = Worklane::instance().liveTaskIds();
                return std::none_of(m_ids.cbegin(), m_ids.cend(),
                                    [&](const QString &id) { return live.contains(id); });
            },
            10000);
        if (!drained)
            qWarning("the gate's tasks did not end");
        TaskFactory::setCreatorForTesting({});
    }

private:
    class Blocker : public TaskBase
    {
    public:
        Blocker(const TaskRequest &request, PoolGate *gate)
            : TaskBase(request)
            , m_gate(gate)
        {}
        TaskResult run() override
        {
            m_gate->m_running.release();
            m_gate->m_release.tryAcquire(1, 60000);
            return {request.taskId, true};
        }

    private:
        PoolGate *m_gate;
    };

    QSemaphore m_running;
    QSemaphore m_release;
    QStringList m_ids;
    bool m_open = false;
};

QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The six working pages driven as a user drives them, with real jobs on the task centre; their
// outputs are read back with qpdf and Qt's image readers. Also the Office pages and the main
// page's tool tabs.
class TestToolPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageShapes_data();
    void pageShapes();
    void startWithoutFilesDoesNothing();
    void requestContents_data();
    void requestContents();
    void compressThreeFilesInListOrder();
    void namingAcrossRuns();
    void imagesToPdf_data();
    void imagesToPdf();
    void pdfToImages();
    void failedImageJobLeavesNoFolder();
    void encryptThenUnlock();
    void replacingJobsShowTheirSource_data();
    void replacingJobsShowTheirSource();
    void wrongPasswordFails();
    void mergeInDraggedOrder();
    void restartKeepsOptions();
    void statusOfAnotherPageIgnored();
    void hundredsOfJobs();
    void mainPageToolTabs_data();
    void mainPageToolTabs();
    void passwordsGateStart_data();
    void passwordsGateStart();
    void outputNamesNeverCollide_data();
    void outputNamesNeverCollide();
    void retryFailedWithNewOptions();
    void compressRowsShowSaving();
    void pdfOutputOpensInViewerTab();
    void closingWhileJobsRun_data();
    void closingWhileJobsRun();
    void passwordsAskedWhenAdded_data();
    void passwordsAskedWhenAdded();
    void removeFailedInputAndRetry_data();
    void removeFailedInputAndRetry();
    void desktopMadeWhenMissing_data();
    void desktopMadeWhenMissing();

private:
    QString pdf(const QString &name, int pages = 2, QSizeF size = QSizeF(595, 842));
    QString image(const QString &name);
    // Makes the page, applies the steps to its panel, drops the files and presses start.
    std::unique_ptr<QWidget> runPage(int toolType, const QStringList &files,
                                     const QStringList &steps = {});
    static BatchToolPage *batch(const std::unique_ptr<QWidget> &page)
    {
        return qobject_cast<BatchToolPage *>(page.get());
    }
    QString expand(QString text) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<Submitted> m_submitted;
};

void TestToolPages::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_submitted.clear();
    BatchToolPage::setSubmissionObserver([this](const TaskRequest &request, const QString &id) {
        m_submitted.append({request, id});
    });
    QDir(desktop()).removeRecursively();
    QVERIFY(QDir().mkpath(desktop()));
    QDir(velmoraFolder()).removeRecursively();
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

void TestToolPages::cleanup()
{
    BatchToolPage::setSubmissionObserver({});
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
    DialogSeam::reset();
    DialogSeam::setScripted(true);
}

QString TestToolPages::pdf(const QString &name, int pages, QSizeF size)
{
    const QString path = m_dir->filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return fixtures::textPdf(path, pages, size);
}

QString TestToolPages::image(const QString &name)
{
    const QString path = m_dir->filePath(name);
    const QByteArray format = QFileInfo(name).suffix().toLatin1() == "png" ? "PNG" : "JPG";
    return fixtures::picture(QSize(120, 80)).save(path, format.constData()) ? path : QString();
}

QString TestToolPages::expand(QString text) const
{
    text.replace(u"{dir}"_s, m_dir->path());
    text.replace(u"{desktop}"_s, desktop());
    text.replace(u"{velmora}"_s, velmoraFolder());
    return text;
}

// Steps on the panel, "verb:objectName[:argument]" as in the panel tests.
static void applyStep(QWidget *panel, const QString &step)
{
    const QStringList parts = step.split(u':');
    const QString verb = parts.value(0);
    const QString name = parts.value(1);
    if (verb == u"location"_s) {
        chooseComboEntry(panel->findChild<ModernComboBox *>(u"locationComboBox"_s), name.toInt());
    } else if (verb == u"check"_s) {
        QCheckBox *box = panel->findChild<MoreOption *>(name)->checkBox();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    } else if (verb == u"press"_s) {
        auto *w = panel->findChild<QWidget *>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 10, w->height() / 2));
    } else if (verb == u"type"_s) {
        QTest::keyClicks(panel->findChild<PasswordInput *>(name)->lineEdit(), parts.value(2));
    } else if (verb == u"radio"_s) {
        auto *radio = panel->findChild<QRadioButton *>(name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(12, radio->height() / 2));
    }
}

std::unique_ptr<QWidget> TestToolPages::runPage(int toolType, const QStringList &files,
                                                const QStringList &steps)
{
    std::unique_ptr<QWidget> page(ToolPageFactory::create(toolType, nullptr));
    page->resize(1160, 740);
    page->show();
    if (!QTest::qWaitForWindowExposed(page.get()))
        return page;
    auto *tool = batch(page);
    for (const QString &step : steps)
        applyStep(tool->optionsPanel(), step);
    if (!files.isEmpty())
        dropFiles(tool->dropZone(), files);
    pressStart(tool);
    return page;
}

void TestToolPages::pageShapes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("prompt");
    const QString converting = u"从你的桌面上添加或拖放PDF文件，开始转换。"_s;
    QTest::newRow("1") << 1 << u"PdfCompressPage"_s
                       << u"从你的桌面上添加或拖放PDF文件，开始压缩。"_s;
    QTest::newRow("2") << 2 << u"PdfToOfficePage"_s << converting;
    QTest::newRow("3") << 3 << u"OfficeToPdfPage"_s << u"添加或拖拽文件进行转换。"_s;
    QTest::newRow("4") << 4 << u"ImageToPdfPage"_s << u"添加或拖拽图像文件进行转换。"_s;
    QTest::newRow("5") << 5 << u"PdfConvertPage"_s << converting;
    QTest::newRow("6") << 6 << u"PdfDecryPage"_s << u"从你的桌面上添加或拖放PDF文件，开始解密。"_s;
    QTest::newRow("7") << 7 << u"PdfEncryPage"_s << u"从你的桌面上添加或拖放PDF文件，开始加密。"_s;
    QTest::newRow("8") << 8 << u"PdfMergePage"_s << u"从你的桌面上添加或拖放PDF文件，开始合并。"_s;
    QTest::newRow("9") << 9 << u"TextRecognitionPage"_s
                       << u"从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。"_s;
}

void TestToolPages::pageShapes()
{
    QFETCH(int, type);
    QFETCH(QString, className);
    QFETCH(QString, prompt);
    std::unique_ptr<QWidget> page(ToolPageFactory::create(type, nullptr));
    QVERIFY(page);
    QCOMPARE(QString::fromLatin1(page->metaObject()->className()), className);
    auto *zone = page->findChild<FileDropZoneWidget *>();
    QCOMPARE(zone->promptText(), prompt);
    auto *separator = page->findChild<QWidget *>(u"toolPageSeparator"_s);
    QCOMPARE(separator->width(), 1);
    QVERIFY(page->findChild<ToolOptionsPanel *>());
    if (auto *tool = qobject_cast<BatchToolPage *>(page.get())) {
        QCOMPARE(tool->stack()->count(), 3);
        QCOMPARE(tool->stack()->currentWidget(), tool->dropZone());
        QCOMPARE(tool->stack()->widget(1), tool->fileList());
        QCOMPARE(tool->stack()->widget(2), tool->taskList());
    }
    QVERIFY(!ToolPageFactory::create(0, nullptr));
    QVERIFY(!ToolPageFactory::create(10, nullptr));
}

void TestToolPages::startWithoutFilesDoesNothing()
{
    auto page = runPage(1, {});
    QCOMPARE(batch(page)->stack()->currentWidget(), batch(page)->dropZone());
    QVERIFY(m_submitted.isEmpty());
    QCOMPARE(batch(page)->taskList()->count(), 0);
}

void TestToolPages::requestContents_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QStringList>("sources");  // made in {dir}
    QTest::addColumn<QStringList>("existing"); // entries made beforehand ("name/" = folder)
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QStringList>>("inputFiles"); // per request
    QTest::addColumn<QStringList>("inputFile");
    QTest::addColumn<QStringList>("outputPath");
    QTest::addColumn<bool>("useSourceFolder");

    QTest::newRow("compress, next to the sources")
        << 1 << QStringList{u"report.pdf"_s, u"sub/b.pdf"_s} << QStringList{} << QStringList{} << 6
        << QList<QStringList>{{}, {}} << QStringList{u"{dir}/report.pdf"_s, u"{dir}/sub/b.pdf"_s}
        << QStringList{u"{dir}/report(1).pdf"_s, u"{dir}/sub/b(1).pdf"_s} << true;
    QTest::newRow("compress, two sources of one name to the desktop")
        << 1 << QStringList{u"x/a.pdf"_s, u"y/a.pdf"_s} << QStringList{u"{desktop}/a.pdf"_s}
        << QStringList{u"location:1"_s} << 6 << QList<QStringList>{{}, {}}
        << QStringList{u"{dir}/x/a.pdf"_s, u"{dir}/y/a.pdf"_s}
        << QStringList{u"{desktop}/a(1).pdf"_s, u"{desktop}/a(2).pdf"_s} << false;
    QTest::newRow("PDF to images, a folder of that name exists")
        << 5 << QStringList{u"a.pdf"_s} << QStringList{u"{dir}/a/"_s} << QStringList{} << 4
        << QList<QStringList>{{u"{dir}/a.pdf"_s}} << QStringList{QString()}
        << QStringList{u"{dir}/a (1)"_s} << true;
    QTest::newRow("PDF to images, two of one name to the program folder")
        << 5 << QStringList{u"x/a.pdf"_s, u"y/a.pdf"_s} << QStringList{}
        << QStringList{u"location:2"_s} << 4
        << QList<QStringList>{{u"{dir}/x/a.pdf"_s}, {u"{dir}/y/a.pdf"_s}}
        << QStringList{QString(), QString()} << QStringList{u"{velmora}/a"_s, u"{velmora}/a (1)"_s}
        << false;
    QTest::newRow("unlock") << 6 << QStringList{u"a.pdf"_s, u"sub/b.pdf"_s} << QStringList{}
                            << QStringList{u"type:passwordInput:pw"_s} << 3
                            << QList<QStringList>{{}, {}}
                            << QStringList{u"{dir}/a.pdf"_s, u"{dir}/sub/b.pdf"_s}
                            << QStringList{u"{dir}"_s, u"{dir}/sub"_s} << true;
    QTest::newRow("encrypt to the program folder")
        << 7 << QStringList{u"a.pdf"_s} << QStringList{}
        << QStringList{u"type:passwordInput:pw"_s, u"type:confirmPasswordInput:pw"_s,
                       u"location:2"_s}
        << 2 << QList<QStringList>{{u"{dir}/a.pdf"_s}} << QStringList{u"{dir}/a.pdf"_s}
        << QStringList{u"{velmora}"_s} << false;
    QTest::newRow("merge, two names taken")
        << 8 << QStringList{u"b.pdf"_s, u"a.pdf"_s}
        << QStringList{u"{velmora}/pdf_merge.pdf"_s, u"{velmora}/pdf_merge(1).pdf"_s}
        << QStringList{} << 0 << QList<QStringList>{{u"{dir}/b.pdf"_s, u"{dir}/a.pdf"_s}}
        << QStringList{QString()} << QStringList{u"{velmora}/pdf_merge(2).pdf"_s} << false;
    QTest::newRow("images, one PDF each, to the desktop")
        << 4 << QStringList{u"a.jpg"_s, u"a.png"_s, u"scan.tar.png"_s} << QStringList{}
        << QStringList{u"location:1"_s} << 5
        << QList<QStringList>{{u"{dir}/a.jpg"_s}, {u"{dir}/a.png"_s}, {u"{dir}/scan.tar.png"_s}}
        << QStringList{QString(), QString(), QString()}
        << QStringList{u"{desktop}/a.pdf"_s, u"{desktop}/a(1).pdf"_s, u"{desktop}/scan.tar.pdf"_s}
        << false;
    QTest::newRow("PDF to Word, a name taken")
        << 2 << QStringList{u"a.pdf"_s} << QStringList{u"{dir}/a.docx"_s} << QStringList{} << 8
        << QList<QStringList>{{}} << QStringList{u"{dir}/a.pdf"_s}
        << QStringList{u"{dir}/a(1).docx"_s} << true;
    QTest::newRow("PDF to Excel on the desktop")
        << 2 << QStringList{u"a.pdf"_s} << QStringList{}
        << QStringList{u"press:excelTypeButton"_s, u"location:1"_s} << 8 << QList<QStringList>{{}}
        << QStringList{u"{dir}/a.pdf"_s} << QStringList{u"{desktop}/a.xlsx"_s} << false;
    QTest::newRow("images, one PDF for all")
        << 4 << QStringList{u"b.png"_s, u"a.jpg"_s} << QStringList{u"{dir}/b.pdf"_s}
        << QStringList{u"check:singlePdfOption"_s} << 5
        << QList<QStringList>{{u"{dir}/b.png"_s, u"{dir}/a.jpg"_s}} << QStringList{QString()}
        << QStringList{u"{dir}/b(1).pdf"_s} << true;
}

void TestToolPages::requestContents()
{
    QFETCH(int, tool);
    QFETCH(QStringList, sources);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, steps);
    QFETCH(int, type);
    QFETCH(QList<QStringList>, inputFiles);
    QFETCH(QStringList, inputFile);
    QFETCH(QStringList, outputPath);
    QFETCH(bool, useSourceFolder);

    QDir().mkpath(velmoraFolder());
    for (const QString &entry : existing) {
        const QString path = expand(entry);
        if (path.endsWith(u'/'))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(!sizedFile(path, 10).isEmpty());
    }
    QStringList files;
    for (const QString &source : sources) {
        files.append(tool == 4 ? image(source) : pdf(source));
        // Unlock writes nothing for a file without a password.
        if (tool == 6) {
            const QString plain = pdf(u"plain/"_s + source);
            QVERIFY(fixtures::encrypt(plain, files.constLast(), fixtures::Scheme::Aes256, u"pw"_s,
                                      u"pw"_s));
        }
    }

    auto page = runPage(tool, files, steps);
    QCOMPARE(m_submitted.size(), outputPath.size());
    const QStringList ids = [&] {
        QStringList list;
        for (const Submitted &s : std::as_const(m_submitted))
            list.append(s.id);
        return list;
    }();
    for (int i = 0; i < m_submitted.size(); ++i) {
        const TaskRequest &request = m_submitted.at(i).request;
        QCOMPARE(request.type, type);
        QStringList expectedInputs;
        for (const QString &input : inputFiles.at(i))
            expectedInputs.append(QDir::toNativeSeparators(expand(input)));
        QCOMPARE(request.inputFiles, expectedInputs);
        QCOMPARE(request.inputFile, QDir::toNativeSeparators(expand(inputFile.at(i))));
        QCOMPARE(request.outputPath, expand(outputPath.at(i)));
        QCOMPARE(request.useSourceFolder, useSourceFolder);
        QVERIFY(request.taskId.isEmpty());
        QCOMPARE(ids.at(i).size(), 38);
    }
    // One row per job, in submission order, each under its own identifier.
    TaskListWidget *rows = batch(page)->taskList();
    QCOMPARE(batch(page)->stack()->currentWidget(), rows);
    QVERIFY(!batch(page)->optionsPanel()->isVisible());
    QCOMPARE(rows->count(), ids.size());
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), ids.size());
    for (int i = 0; i < ids.size(); ++i)
        QCOMPARE(rows->listWidget()->item(i)->data(Qt::UserRole).toString(), ids.at(i));
    QVERIFY(waitUntilFinished(rows));
    for (const QString &status : statusTexts(rows))
        QCOMPARE(status, u"完成"_s);
}

void TestToolPages::compressThreeFilesInListOrder()
{
    const QStringList files = {pdf(u"one.pdf"_s, 1), pdf(u"two.pdf"_s, 2), pdf(u"three.pdf"_s, 3)};
    auto page = runPage(1, files, {u"press:strongLevelCard"_s});
    TaskListWidget *rows = batch(page)->taskList();
    QCOMPARE(rowNames(rows), (QStringList{u"one(1).pdf"_s, u"two(1).pdf"_s, u"three(1).pdf"_s}));
    QVERIFY(waitUntilFinished(rows));
    QCOMPARE(statusTexts(rows), (QStringList{u"完成"_s, u"完成"_s, u"完成"_s}));
    for (int i = 0; i < 3; ++i) {
        const QString output =
            m_dir->filePath(QFileInfo(files[i]).completeBaseName() + u"(1).pdf"_s);
        QVERIFY(fixtures::qpdfCheck(output));
        QCOMPARE(fixtures::pageCount(output), i + 1);
        QVERIFY(QFileInfo(output).size() <= QFileInfo(files[i]).size());
        // Rendered by poppler, the output looks like its source.
        const QImage before = fixtures::renderPage(files[i], 1, 40);
        const QImage after = fixtures::renderPage(output, 1, 40);
        QVERIFY(!after.isNull());
        QVERIFY(fixtures::meanDifference(before, after) < 8);
        QCOMPARE(m_submitted.at(i).request.options.value(u"compressLevel"_s).toInt(), 1);
    }
    // The sources are kept.
    QCOMPARE(entries(m_dir->path()).size(), 6);
}

void TestToolPages::namingAcrossRuns()
{
    const QString report = pdf(u"report.pdf"_s, 3);
    auto page = runPage(1, {report});
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    batch(page)->taskList()->findChild<IconButton *>(u"taskRestartButton"_s)->click();
    QVERIFY(dropFiles(batch(page)->dropZone(), {report}));
    pressStart(batch(page));
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    QCOMPARE(rowNames(batch(page)->taskList()), QStringList{u"report(2).pdf"_s});
    QCOMPARE(entries(m_dir->path()),
             (QStringList{u"report(1).pdf"_s, u"report(2).pdf"_s, u"report.pdf"_s}));
    QCOMPARE(fixtures::pageCount(m_dir->filePath(u"report(2).pdf"_s)), 3);
}

void TestToolPages::imagesToPdf_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QList<int>>("pages");
    QTest::newRow("one PDF per image")
        << false << QStringList{u"a.pdf"_s, u"b.pdf"_s, u"scan.tar.pdf"_s} << QList<int>{1, 1, 1};
    QTest::newRow("one PDF for all") << true << QStringList{u"a.pdf"_s} << QList<int>{3};
}

void TestToolPages::imagesToPdf()
{
    QFETCH(bool, single);
    QFETCH(QStringList, outputs);
    QFETCH(QList<int>, pages);
    const QStringList images = {image(u"a.jpg"_s), image(u"b.png"_s), image(u"scan.tar.png"_s)};
    QStringList steps{u"location:1"_s, u"press:landscapeButton"_s};
    if (single)
        steps.append(u"check:singlePdfOption"_s);
    auto page = runPage(4, images, steps);
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    QCOMPARE(entries(desktop()), outputs);
    for (int i = 0; i < outputs.size(); ++i) {
        const QString output = QDir(desktop()).filePath(outputs[i]);
        QCOMPARE(fixtures::pageCount(output), pages[i]);
        // Landscape A4.
        const QSizeF size = fixtures::pageSizes(output).value(0);
        QVERIFY2(qAbs(size.width() - 842) < 1 && qAbs(size.height() - 595) < 1,
                 qPrintable(u"%1 x %2"_s.arg(size.width()).arg(size.height())));
        // The picture fills the page width, upright: its four coloured quarters in place.
        const QImage page = fixtures::renderPage(output, 1, 30);
        QVERIFY(!page.isNull());
        const auto at = [&](double x, double y) {
            return page.pixelColor(int(page.width() * x), int(page.height() * y));
        };
        QVERIFY(fixtures::near(at(0.25, 0.3), QColor(220, 30, 30), 60));
        QVERIFY(fixtures::near(at(0.75, 0.3), QColor(30, 190, 40), 60));
        QVERIFY(fixtures::near(at(0.25, 0.7), QColor(30, 40, 210), 60));
        QVERIFY(fixtures::near(at(0.75, 0.7), QColor(235, 220, 30), 60));
    }
}

void TestToolPages::pdfToImages()
{
    const QString source = pdf(u"a.pdf"_s, 3);
    QVERIFY(QDir(m_dir->path()).mkdir(u"a"_s));
    auto page = runPage(5, {source}, {u"location:0"_s});
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    QCOMPARE(statusTexts(batch(page)->taskList()), QStringList{u"完成"_s});
    const QString folder = m_dir->filePath(u"a (1)"_s);
    const QStringList images = entries(folder);
    QCOMPARE(images.size(), 3);
    for (const QString &name : images) {
        QImageReader reader(QDir(folder).filePath(name));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.height() > picture.width()); // portrait pages
    }
    QVERIFY(entries(m_dir->filePath(u"a"_s)).isEmpty());
}

void TestToolPages::failedImageJobLeavesNoFolder()
{
    const QString good = pdf(u"good.pdf"_s, 2);
    const QString locked = m_dir->filePath(u"locked.pdf"_s);
    QVERIFY(fixtures::encrypt(good, locked, fixtures::Scheme::Aes256, u"pw"_s, u"pw"_s));
    const QString broken = m_dir->filePath(u"broken.pdf"_s);
    QVERIFY(!sizedFile(broken, 40).isEmpty());
    auto page = runPage(5, {locked, good, broken});
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    QCOMPARE(statusTexts(batch(page)->taskList()), (QStringList{u"失败"_s, u"完成"_s, u"失败"_s}));
    // The folders named for the failed jobs are gone; the finished job keeps its images.
    QCOMPARE(entries(m_dir->path()),
             (QStringList{u"broken.pdf"_s, u"good"_s, u"good.pdf"_s, u"locked.pdf"_s}));
    QCOMPARE(entries(m_dir->filePath(u"good"_s)).size(), 2);
}

void TestToolPages::encryptThenUnlock()
{
    const QString source = pdf(u"contract.pdf"_s, 2);
    auto encrypt =
        runPage(7, {source}, {u"type:passwordInput:Pa55"_s, u"type:confirmPasswordInput:Pa55"_s});
    QVERIFY(waitUntilFinished(batch(encrypt)->taskList()));
    QCOMPARE(statusTexts(batch(encrypt)->taskList()), QStringList{u"完成"_s});
    QCOMPARE(entries(m_dir->path()), (QStringList{u"contract(1).pdf"_s, u"contract.pdf"_s}));
    const QString locked = m_dir->filePath(u"contract(1).pdf"_s);
    QCOMPARE(fixtures::encryptionRevision(locked, u"Pa55"_s), 6);
    QCOMPARE(fixtures::encryptionRevision(locked, QString()), -1);
    QCOMPARE(fixtures::pageCount(locked, u"Pa55"_s), 2);
    QCOMPARE(fixtures::encryptionRevision(source, QString()), 0);

    const QString out = m_dir->filePath(u"out"_s);
    QVERIFY(QDir().mkpath(out));
    DialogSeam::answerDirectory(out);
    auto unlock = runPage(6, {locked}, {u"type:passwordInput:Pa55"_s, u"location:3"_s});
    QVERIFY(waitUntilFinished(batch(unlock)->taskList()));
    QCOMPARE(statusTexts(batch(unlock)->taskList()), QStringList{u"完成"_s});
    QCOMPARE(entries(out), QStringList{u"contract(1).pdf"_s});
    const QString opened = QDir(out).filePath(u"contract(1).pdf"_s);
    QCOMPARE(fixtures::encryptionRevision(opened, QString()), 0);
    QCOMPARE(fixtures::pageCount(opened), 2);
    QVERIFY(fixtures::qpdfCheck(opened));
    QVERIFY(fixtures::meanDifference(fixtures::renderPage(source, 2, 40),
                                     fixtures::renderPage(opened, 2, 40)) < 1);
}

void TestToolPages::replacingJobsShowTheirSource_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("password"); // that opens the result
    QTest::newRow("compress") << 1 << QStringList{u"press:strongLevelCard"_s} << QString();
    QTest::newRow("encrypt") << 7
                             << QStringList{u"type:passwordInput:Pa55"_s,
                                            u"type:confirmPasswordInput:Pa55"_s, u"location:1"_s}
                             << u"Pa55"_s;
}

void TestToolPages::replacingJobsShowTheirSource()
{
    QFETCH(int, tool);
    QFETCH(QStringList, steps);
    QFETCH(QString, password);
    const QString source = fixtures::photoPdf(m_dir->filePath(u"scan.pdf"_s), 2, QSize(1600, 1200),
                                              QSizeF(595, 446), fixtures::Embedding::Jpeg);
    const qint64 before = QFileInfo(source).size();
    auto page = runPage(tool, {source}, steps + QStringList{u"radio:replaceOriginalRadio"_s});
    TaskListWidget *rows = batch(page)->taskList();
    QVERIFY(waitUntilFinished(rows));
    QCOMPARE(statusTexts(rows), QStringList{u"完成"_s});
    // The result replaced the source and nothing else was written, here or on the desktop.
    QCOMPARE(entries(m_dir->path()), QStringList{u"scan.pdf"_s});
    QVERIFY(entries(desktop()).isEmpty());
    QCOMPARE(fixtures::pageCount(source, password), 2);
    QVERIFY(fixtures::qpdfCheck(source, password));
    if (password.isEmpty())
        QVERIFY(QFileInfo(source).size() < before);
    else
        QCOMPARE(fixtures::encryptionRevision(source, password), 6);
    // The row names that file and offers to open it.
    QCOMPARE(rowNames(rows), QStringList{u"scan.pdf"_s});
    auto *row = rows->findChild<TaskListItem *>();
    QVERIFY(row->findChild<QWidget *>(u"taskOpenFileButton"_s)->isVisible());
    QVERIFY(row->findChild<QWidget *>(u"taskOpenFolderButton"_s)->isVisible());
}

void TestToolPages::wrongPasswordFails()
{
    const QString source = pdf(u"plain.pdf"_s, 1);
    const QString locked = m_dir->filePath(u"locked.pdf"_s);
    QVERIFY(fixtures::encrypt(source, locked, fixtures::Scheme::Aes256, u"right"_s, u"right"_s));
    QVERIFY(QFileInfo::exists(locked));
    auto page = runPage(6, {locked, source}, {u"type:passwordInput:wrong"_s});
    TaskListWidget *rows = batch(page)->taskList();
    QVERIFY(waitUntilFinished(rows));
    // Neither writes anything: the locked file refuses the password, the other has none.
    QCOMPARE(statusTexts(rows), (QStringList{u"失败"_s, u"失败"_s}));
    QCOMPARE(rows->failureReason(rows->failedTaskIds().at(1)), u"此文件没有密码"_s);
    QCOMPARE(entries(m_dir->path()), (QStringList{u"locked.pdf"_s, u"plain.pdf"_s}));
}

void TestToolPages::mergeInDraggedOrder()
{
    const QStringList files = {pdf(u"small.pdf"_s, 1, QSizeF(300, 300)),
                               pdf(u"wide.pdf"_s, 2, QSizeF(800, 400)),
                               pdf(u"tall.pdf"_s, 1, QSizeF(400, 800))};
    std::unique_ptr<QWidget> page(ToolPageFactory::create(8, nullptr));
    page->resize(1160, 740);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    auto *tool = batch(page);
    QVERIFY(dropFiles(tool->dropZone(), files));
    // The last file dragged above the top of the list.
    QListWidget *view = tool->fileList()->listWidget();
    auto *last = qobject_cast<FileListItem *>(view->itemWidget(view->item(2)));
    const QPoint start = last->rect().center();
    const QPoint above = last->mapFromGlobal(view->viewport()->mapToGlobal(QPoint(50, -10)));
    mouse(last, QEvent::MouseButtonPress, start, Qt::LeftButton);
    mouse(last, QEvent::MouseMove, start + QPoint(0, -QApplication::startDragDistance() - 1),
          Qt::LeftButton);
    mouse(last, QEvent::MouseMove, above, Qt::LeftButton);
    mouse(last, QEvent::MouseButtonRelease, above, Qt::NoButton);
    pressStart(tool);

    QVERIFY(waitUntilFinished(tool->taskList()));
    QCOMPARE(statusTexts(tool->taskList()), QStringList{u"完成"_s});
    const QString output = velmoraFolder() + u"/pdf_merge.pdf"_s;
    QCOMPARE(m_submitted.at(0).request.outputPath, output);
    const QList<QSizeF> sizes = fixtures::pageSizes(output);
    QCOMPARE(sizes, (QList<QSizeF>{QSizeF(400, 800), QSizeF(300, 300), QSizeF(800, 400),
                                   QSizeF(800, 400)}));
    auto *row = tool->taskList()->findChild<TaskListItem *>();
    QVERIFY(row->findChild<QWidget *>(u"taskOpenFileButton"_s)->isVisible());
}

void TestToolPages::restartKeepsOptions()
{
    auto page = runPage(1, {pdf(u"a.pdf"_s)}, {u"press:strongLevelCard"_s, u"location:1"_s});
    auto *tool = batch(page);
    QVERIFY(!tool->optionsPanel()->isVisible());
    QVERIFY(!tool->findChild<QWidget *>(u"toolPageSeparator"_s)->isVisible());
    QVERIFY(waitUntilFinished(tool->taskList()));
    tool->taskList()->findChild<IconButton *>(u"taskRestartButton"_s)->click();
    QCOMPARE(tool->stack()->currentWidget(), tool->dropZone());
    QVERIFY(tool->optionsPanel()->isVisible());
    QVERIFY(tool->findChild<QWidget *>(u"toolPageSeparator"_s)->isVisible());
    QVERIFY(tool->optionsPanel()->findChild<CardRadioButton *>(u"strongLevelCard"_s)->isChecked());
    QCOMPARE(tool->optionsPanel()->locationComboBox()->currentText(), u"桌面"_s);

    const QString next = pdf(u"b.pdf"_s);
    QVERIFY(dropFiles(tool->dropZone(), {next}));
    QCOMPARE(tool->fileList()->files(), QStringList{next});
    pressStart(tool);
    QCOMPARE(tool->taskList()->count(), 1);
    QVERIFY(waitUntilFinished(tool->taskList()));
    QCOMPARE(m_submitted.at(1).request.options.value(u"compressLevel"_s).toInt(), 1);
    QCOMPARE(entries(desktop()), (QStringList{u"a.pdf"_s, u"b.pdf"_s}));
}

void TestToolPages::statusOfAnotherPageIgnored()
{
    auto first = runPage(1, {pdf(u"a.pdf"_s)});
    auto second = runPage(1, {pdf(u"b.pdf"_s)});
    QVERIFY(waitUntilFinished(batch(first)->taskList()));
    QVERIFY(waitUntilFinished(batch(second)->taskList()));
    QCOMPARE(m_submitted.size(), 2);
    // A late status for the first page's job reaches both pages; only the first shows it.
    Q_EMIT Worklane::instance().taskStatus(m_submitted.at(0).id, 4);
    QCOMPARE(statusTexts(batch(first)->taskList()), QStringList{u"失败"_s});
    QCOMPARE(statusTexts(batch(second)->taskList()), QStringList{u"完成"_s});
}

void TestToolPages::hundredsOfJobs()
{
    const QString source = pdf(u"base.pdf"_s, 1);
    QStringList files;
    for (int i = 0; i < 200; ++i) {
        const QString copy = m_dir->filePath(u"copies/f%1.pdf"_s.arg(i, 3, 10, QLatin1Char('0')));
        QDir().mkpath(QFileInfo(copy).absolutePath());
        QVERIFY(QFile::copy(source, copy));
        files.append(copy);
    }
    auto page = runPage(1, files, {u"location:2"_s});
    TaskListWidget *rows = batch(page)->taskList();
    QCOMPARE(rows->count(), 200);
    QVERIFY(waitUntilFinished(rows, 600000));
    QCOMPARE(statusTexts(rows), QStringList(200, u"完成"_s));
    QCOMPARE(entries(velmoraFolder()).size(), 200);
    QCOMPARE(rowNames(rows).first(), u"f000.pdf"_s);
    QCOMPARE(rowNames(rows).last(), u"f199.pdf"_s);
}

void TestToolPages::mainPageToolTabs_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("takesFile");
    QTest::newRow("compress") << 1 << u"PdfCompressPage"_s << true;
    QTest::newRow("PDF to Office") << 2 << u"PdfToOfficePage"_s << false;
    QTest::newRow("Office to PDF") << 3 << u"OfficeToPdfPage"_s << false;
    QTest::newRow("images to PDF") << 4 << u"ImageToPdfPage"_s << false;
    QTest::newRow("PDF to images") << 5 << u"PdfConvertPage"_s << true;
    QTest::newRow("unlock") << 6 << u"PdfDecryPage"_s << true;
    QTest::newRow("encrypt") << 7 << u"PdfEncryPage"_s << true;
    QTest::newRow("merge") << 8 << u"PdfMergePage"_s << false;
}

void TestToolPages::mainPageToolTabs()
{
    QFETCH(int, type);
    QFETCH(QString, className);
    QFETCH(bool, takesFile);
    const QString file = pdf(u"viewed.pdf"_s);
    MainPage main;
    main.onViewerToolRequested(type, file);
    QCOMPARE(main.tabWidget()->count(), 2);
    QWidget *page = main.tabWidget()->currentWidget();
    QCOMPARE(QString::fromLatin1(page->metaObject()->className()), className);
    QCOMPARE(page->property("tesselToolType").toInt(), type);
    auto *tool = qobject_cast<BatchToolPage *>(page);
    if (tool) {
        QCOMPARE(tool->fileList()->files(), takesFile ? QStringList{file} : QStringList{});
        QCOMPARE(tool->stack()->currentWidget(),
                 takesFile ? static_cast<QWidget *>(tool->fileList()) : tool->dropZone());
        // Asked again: the same tab, the file not listed twice, an empty path ignored.
        main.onViewerToolRequested(type, file);
        main.onViewerToolRequested(type, QString());
        QCOMPARE(main.tabWidget()->count(), 2);
        QCOMPARE(tool->fileList()->count(), takesFile ? 1 : 0);
    }
}

void TestToolPages::passwordsGateStart_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("starts");
    QTest::newRow("encrypt, nothing typed") << 7 << QStringList{} << false;
    QTest::newRow("encrypt, confirmation differs")
        << 7 << QStringList{u"type:passwordInput:abc123"_s, u"type:confirmPasswordInput:abc124"_s}
        << false;
    QTest::newRow("encrypt, no confirmation")
        << 7 << QStringList{u"type:passwordInput:abc123"_s} << false;
    QTest::newRow("encrypt, both agree")
        << 7 << QStringList{u"type:passwordInput:abc123"_s, u"type:confirmPasswordInput:abc123"_s}
        << true;
    QTest::newRow("unlock, empty") << 6 << QStringList{} << false;
    QTest::newRow("unlock, typed") << 6 << QStringList{u"type:passwordInput:x"_s} << true;
}

void TestToolPages::passwordsGateStart()
{
    QFETCH(int, tool);
    QFETCH(QStringList, steps);
    QFETCH(bool, starts);
    const QString source = pdf(u"contract.pdf"_s, 1);
    const QByteArray before = bytes(source);
    // "Replace the original": a job that started wrongly would leave the source changed.
    auto page = runPage(tool, {source}, steps + QStringList{u"radio:replaceOriginalRadio"_s});
    BatchToolPage *p = batch(page);
    QCOMPARE(p->optionsPanel()->startButton()->isEnabled(), starts);
    QCOMPARE(p->optionsPanel()->startButton()->toolTip().isEmpty(), starts);
    QCOMPARE(m_submitted.size(), starts ? 1 : 0);
    if (starts) {
        QVERIFY(waitUntilFinished(p->taskList()));
        return;
    }
    // The list keeps the file for when the passwords are right.
    QCOMPARE(p->stack()->currentWidget(), p->fileList());
    QCOMPARE(p->fileList()->files(), QStringList{source});
    QCOMPARE(bytes(source), before);
    QCOMPARE(entries(m_dir->path()), QStringList{u"contract.pdf"_s});
}

void TestToolPages::outputNamesNeverCollide_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QStringList>("expected"); // what the folder holds afterwards
    QTest::newRow("compress and images into one folder")
        << u"pages"_s
        << QStringList{u"scan(1).pdf"_s, u"scan(2).pdf"_s, u"scan.jpg"_s, u"scan.pdf"_s};
    QTest::newRow("restart while running")
        << u"restart"_s
        << QStringList{u"scan(1).pdf"_s, u"scan(2).pdf"_s, u"scan.jpg"_s, u"scan.pdf"_s};
    QTest::newRow("a file appears before the job ends")
        << u"foreign"_s
        << QStringList{u"scan(1).pdf"_s, u"scan(2).pdf"_s, u"scan.jpg"_s, u"scan.pdf"_s};
    QTest::newRow("image folders")
        << u"folders"_s << QStringList{u"scan"_s, u"scan (1)"_s, u"scan.jpg"_s, u"scan.pdf"_s};
}

void TestToolPages::outputNamesNeverCollide()
{
    QFETCH(QString, scenario);
    QFETCH(QStringList, expected);
    const QString source = pdf(u"scan.pdf"_s, 3);
    const QString picture = image(u"scan.jpg"_s);
    PoolGate gate; // every job below waits in the queue until the gate opens
    const bool folders = scenario == u"folders"_s;
    auto first = runPage(folders ? 5 : 1, {source});
    std::unique_ptr<QWidget> second;
    if (scenario == u"pages"_s) {
        second = runPage(4, {picture});
    } else if (scenario == u"foreign"_s) {
        // Someone writes the name the queued job was given.
        QVERIFY(!sizedFile(m_dir->filePath(u"scan(1).pdf"_s), 777).isEmpty());
    } else {
        QTest::mouseClick(batch(first)->taskList()->findChild<IconButton *>(u"taskRestartButton"_s),
                          Qt::LeftButton);
        QVERIFY(dropFiles(batch(first)->dropZone(), {source}));
        pressStart(batch(first));
    }
    gate.open();
    QVERIFY(waitUntilFinished(batch(first)->taskList()));
    if (second)
        QVERIFY(waitUntilFinished(batch(second)->taskList()));
    QCOMPARE(entries(m_dir->path()), expected);
    // Every job completed, its row names what it wrote, and that holds the job's own pages.
    QStringList shown;
    for (const auto *page : {first.get(), second.get()}) {
        if (!page)
            continue;
        TaskListWidget *rows = qobject_cast<const BatchToolPage *>(page)->taskList();
        for (const QString &status : statusTexts(rows))
            QCOMPARE(status, u"完成"_s);
        for (const QString &name : rowNames(rows)) {
            QVERIFY2(expected.contains(name) && !shown.contains(name), qPrintable(name));
            shown.append(name);
            const QString path = m_dir->filePath(name);
            if (folders)
                QCOMPARE(entries(path).size(), 3);
            else
                QCOMPARE(fixtures::pageCount(path), page == first.get() ? 3 : 1);
        }
    }
    QCOMPARE(shown.size(), scenario == u"foreign"_s ? 1 : 2);
    if (scenario == u"foreign"_s)
        QCOMPARE(QFileInfo(m_dir->filePath(u"scan(1).pdf"_s)).size(), 777);
    QVERIFY(!Worklane::instance().isOutputReserved(m_dir->filePath(expected.first())));
}

void TestToolPages::retryFailedWithNewOptions()
{
    const QString plain = pdf(u"plain.pdf"_s, 2);
    const QString locked = m_dir->filePath(u"locked.pdf"_s);
    QVERIFY(fixtures::encrypt(plain, locked, fixtures::Scheme::Aes256, u"right"_s, u"right"_s));
    const QString broken = m_dir->filePath(u"broken.pdf"_s);
    QVERIFY(!sizedFile(broken, 40).isEmpty());
    const QString other = m_dir->filePath(u"other.pdf"_s);
    QVERIFY(fixtures::encrypt(plain, other, fixtures::Scheme::Aes256, u"wrong"_s, u"wrong"_s));
    auto page = runPage(6, {locked, broken, other}, {u"type:passwordInput:wrong"_s});
    TaskListWidget *rows = batch(page)->taskList();
    QVERIFY(waitUntilFinished(rows));
    QCOMPARE(statusTexts(rows), (QStringList{u"失败"_s, u"失败"_s, u"完成"_s}));
    const QStringList failed = rows->failedTaskIds();
    QCOMPARE(rows->failureReason(failed[0]), u"密码不正确"_s);
    QCOMPARE(rows->failureReason(failed[1]), u"不是PDF文件或文件已损坏：broken.pdf"_s);
    // The options stay within reach to mend what failed, and the retry button shows.
    QVERIFY(batch(page)->optionsPanel()->isVisible());
    auto *retry = rows->findChild<IconButton *>(u"taskRetryButton"_s);
    QVERIFY(retry->isVisible());

    QLineEdit *field = batch(page)->optionsPanel()->findChild<PasswordInput *>()->lineEdit();
    field->clear();
    QTest::keyClicks(field, u"right"_s);
    QTest::mouseClick(retry, Qt::LeftButton);
    QVERIFY(waitUntilFinished(rows));
    // Only the failed jobs ran again, after the one that had finished.
    QCOMPARE(m_submitted.size(), 5);
    QCOMPARE(statusTexts(rows), (QStringList{u"完成"_s, u"完成"_s, u"失败"_s}));
    QCOMPARE(entries(m_dir->path()),
             (QStringList{u"broken.pdf"_s, u"locked(1).pdf"_s, u"locked.pdf"_s, u"other(1).pdf"_s,
                          u"other.pdf"_s, u"plain.pdf"_s}));
    QCOMPARE(fixtures::encryptionRevision(m_dir->filePath(u"locked(1).pdf"_s), QString()), 0);
    QCOMPARE(fixtures::pageCount(m_dir->filePath(u"locked(1).pdf"_s)), 2);
}

void TestToolPages::compressRowsShowSaving()
{
    const QString source = fixtures::photoPdf(m_dir->filePath(u"photo.pdf"_s), 2, QSize(1600, 1200),
                                              QSizeF(595, 446), fixtures::Embedding::Jpeg);
    const qint64 before = QFileInfo(source).size();
    auto page = runPage(1, {source}, {u"press:strongLevelCard"_s});
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    const qint64 after = QFileInfo(m_dir->filePath(u"photo(1).pdf"_s)).size();
    QVERIFY(after > 0 && after < before);
    auto *row = batch(page)->taskList()->findChild<TaskListItem *>();
    const QString expected = u"%1 → %2（节省 %3%）"_s.arg(
        FileSizeText::format(before), FileSizeText::format(after),
        QString::number(qRound(100.0 * double(before - after) / double(before))));
    QCOMPARE(row->findChild<QLabel *>(u"taskSize"_s)->text(), expected);
}

void TestToolPages::pdfOutputOpensInViewerTab()
{
    const QString source = pdf(u"report.pdf"_s, 2);
    MainPage main;
    main.resize(1160, 740);
    main.show();
    main.onViewerToolRequested(1, source);
    auto *tool = qobject_cast<BatchToolPage *>(main.tabWidget()->currentWidget());
    pressStart(tool);
    QVERIFY(waitUntilFinished(tool->taskList()));
    auto *row = tool->taskList()->findChild<TaskListItem *>();
    QTest::mouseClick(row->findChild<QPushButton *>(u"taskOpenFileButton"_s), Qt::LeftButton);
    const QString output = pathidentity::normalised(m_dir->filePath(u"report(1).pdf"_s));
    QVERIFY(main.viewerTabIndex(output) >= 0);
    QCOMPARE(main.tabWidget()->currentIndex(), main.viewerTabIndex(output));
}

void TestToolPages::closingWhileJobsRun_data()
{
    QTest::addColumn<int>("answer"); // 0 keep waiting, 1 cancel the jobs
    QTest::addColumn<bool>("window");
    QTest::newRow("tab, wait") << 0 << false;
    QTest::newRow("tab, cancel") << 1 << false;
    QTest::newRow("window, wait") << 0 << true;
    QTest::newRow("window, cancel") << 1 << true;
}

void TestToolPages::closingWhileJobsRun()
{
    QFETCH(int, answer);
    QFETCH(bool, window);
    const QString a = pdf(u"a.pdf"_s, 2);
    const QString b = pdf(u"b.pdf"_s, 2);
    MainPage main;
    main.onToolClicked(5);
    auto *tool = qobject_cast<BatchToolPage *>(main.tabWidget()->currentWidget());
    PoolGate gate;
    QVERIFY(dropFiles(tool->dropZone(), {a, b}));
    pressStart(tool);
    const QStringList ids = tool->unfinishedJobs();
    QCOMPARE(ids.size(), 2);
    // Statuses come from pool threads: collect them on this thread (a QSignalSpy would be
    // written from the pool while the test reads it).
    QList<QVariantList> statuses;
    QObject receiver;
    connect(
        &Worklane::instance(), &Worklane::taskStatus, &receiver,
        [&statuses](const QString &id, int status) {
            statuses.append({id, status});
        },
        Qt::QueuedConnection);
    DialogSeam::answerMessageBox(answer);
    bool closed = false;
    if (window) {
        closed = main.confirmStopJobs();
    } else {
        Q_EMIT main.tabWidget()->tabBar()->tabCloseRequested(main.toolTabIndex(5));
        closed = main.toolTabIndex(5) < 0;
    }
    QCOMPARE(closed, answer == 1);
    QCOMPARE(DialogSeam::requests().size(), 1);
    QCOMPARE(DialogSeam::requests().first().title, u"任务仍在运行"_s);
    gate.open();
    const int final = answer == 1 ? TaskStatus::Cancelled : TaskStatus::Completed;
    for (const QString &id : ids)
        QTRY_VERIFY_WITH_TIMEOUT(statuses.contains(QVariantList{id, final}), 60000);
    // Cancelled jobs leave nothing behind, not even the folders named for them.
    QCOMPARE(entries(m_dir->path()), answer == 1
                                         ? (QStringList{u"a.pdf"_s, u"b.pdf"_s})
                                         : (QStringList{u"a"_s, u"a.pdf"_s, u"b"_s, u"b.pdf"_s}));
    QVERIFY(!Worklane::instance().isOutputReserved(m_dir->filePath(u"a"_s)));
}

void TestToolPages::passwordsAskedWhenAdded_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QStringList>("files"); // "locked" (user "user1", owner "owner1"),
                                            // "restricted" (owner "owner2" only) or "plain"
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("answers");          // "-" cancels
    QTest::addColumn<QStringList>("prompts");          // what each prompt said, in order
    QTest::addColumn<QList<QStringList>>("passwords"); // InputPasswords of each request
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QString>("opensWith"); // the first output opens with it (- not read)
    QTest::addColumn<int>("revision");      // and is encrypted so (0 not at all)

    const QString asked = u"“locked.pdf”已加密，请输入密码："_s;
    const QString wrong = u"密码错误，请重试。\n"_s + asked;
    const QString owner = u"更改“locked.pdf”的保护需要所有者密码，请输入："_s;
    const QStringList encrypt{u"type:passwordInput:new"_s, u"type:confirmPasswordInput:new"_s};
    QTest::newRow("compress, wrong then right, added twice")
        << 1 << QStringList{u"locked"_s, u"plain"_s, u"locked"_s} << QStringList{}
        << QStringList{u"nope"_s, u"user1"_s} << QStringList{asked, wrong}
        << QList<QStringList>{{u"user1"_s}, {}} << QStringList{u"完成"_s, u"完成"_s} << u"user1"_s
        << 6;
    QTest::newRow("compress, skipped")
        << 1 << QStringList{u"locked"_s} << QStringList{} << QStringList{u"-"_s}
        << QStringList{asked} << QList<QStringList>{{}} << QStringList{u"失败"_s} << u"-"_s << 0;
    QTest::newRow("compress, restrictions only")
        << 1 << QStringList{u"restricted"_s} << QStringList{} << QStringList{} << QStringList{}
        << QList<QStringList>{{}} << QStringList{u"完成"_s} << QString() << 6;
    QTest::newRow("merge, by position")
        << 8 << QStringList{u"plain"_s, u"locked"_s} << QStringList{} << QStringList{u"user1"_s}
        << QStringList{asked} << QList<QStringList>{{QString(), u"user1"_s}}
        << QStringList{u"完成"_s} << u"user1"_s << 6;
    QTest::newRow("unlock, the file's own password")
        << 6 << QStringList{u"locked"_s, u"plain"_s} << QStringList{u"type:passwordInput:other"_s}
        << QStringList{u"user1"_s} << QStringList{asked} << QList<QStringList>{{u"user1"_s}, {}}
        << QStringList{u"完成"_s, u"失败"_s} << QString() << 0;
    QTest::newRow("encrypt, the owner's password")
        << 7 << QStringList{u"locked"_s} << encrypt << QStringList{u"user1"_s, u"owner1"_s}
        << QStringList{owner, u"密码错误，请重试。\n"_s + owner}
        << QList<QStringList>{{u"owner1"_s}} << QStringList{u"完成"_s} << u"new"_s << 6;
    QTest::newRow("PDF to Office, the password converts it")
        << 2 << QStringList{u"locked"_s, u"plain"_s} << QStringList{} << QStringList{u"user1"_s}
        << QStringList{asked} << QList<QStringList>{{u"user1"_s}, {}}
        << QStringList{u"完成"_s, u"完成"_s} << u"-"_s << 0;
    QTest::newRow("images ask nothing")
        << 4 << QStringList{u"locked"_s} << QStringList{} << QStringList{} << QStringList{}
        << QList<QStringList>{{}} << QStringList{u"失败"_s} << u"-"_s << 0;
}

void TestToolPages::passwordsAskedWhenAdded()
{
    QFETCH(int, tool);
    QFETCH(QStringList, files);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, prompts);
    QFETCH(QList<QStringList>, passwords);
    QFETCH(QStringList, statuses);
    QFETCH(QString, opensWith);
    QFETCH(int, revision);

    const QString plain = pdf(u"plain.pdf"_s, 2);
    const QString locked = m_dir->filePath(u"locked.pdf"_s);
    QVERIFY(fixtures::encrypt(plain, locked, fixtures::Scheme::Aes256, u"user1"_s, u"owner1"_s));
    const QString restricted = m_dir->filePath(u"restricted.pdf"_s);
    QVERIFY(fixtures::encrypt(plain, restricted, fixtures::Scheme::Aes256, QString(), u"owner2"_s));
    QStringList paths;
    for (const QString &file : files)
        paths.append(m_dir->filePath(file + u".pdf"_s));
    for (const QString &answer : answers)
        DialogSeam::answerText(answer == u"-"_s ? QString() : answer, answer != u"-"_s);

    auto page = runPage(tool, {}, steps);
    QVERIFY(dropFiles(batch(page)->dropZone(), paths));
    // The files are looked at off this thread; a start meanwhile waits for them.
    QCOMPARE(batch(page)->fileList()->isChecking(), tool != 4);
    QVERIFY(pressStart(batch(page)));
    QStringList said;
    for (const DialogSeam::Request &request : DialogSeam::requests()) {
        QCOMPARE(request.kind, DialogSeam::Kind::Text);
        QCOMPARE(request.title, u"需要密码"_s);
        said.append(request.text);
    }
    QCOMPARE(said, prompts);
    QCOMPARE(m_submitted.size(), passwords.size());
    for (int i = 0; i < passwords.size(); ++i)
        QCOMPARE(m_submitted.at(i).request.options.value(u"inputPasswords"_s).toStringList(),
                 passwords.at(i));
    TaskListWidget *rows = batch(page)->taskList();
    QVERIFY(waitUntilFinished(rows));
    QCOMPARE(statusTexts(rows), statuses);
    if (opensWith == u"-"_s)
        return;
    // What the first job wrote, read back: protection kept where the job keeps it.
    const QString output = rows->item(m_submitted.first().id)->outputPath();
    QVERIFY2(QFileInfo(output).isFile(), qPrintable(output));
    QCOMPARE(fixtures::protection(output, opensWith).revision, revision);
    QVERIFY(fixtures::pageCount(output, opensWith) >= 2);
}

void TestToolPages::removeFailedInputAndRetry_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QStringList>("files"); // made in {dir}; "broken" ones are not readable
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("title");    // the failed row's name
    QTest::addColumn<QStringList>("rest"); // inputs of the new job
    QTest::addColumn<QStringList>("restPasswords");
    QTest::addColumn<int>("pages"); // of what the new job wrote
    QTest::newRow("merge, blank pages between")
        << 8 << QStringList{u"a.pdf"_s, u"broken.pdf"_s, u"locked.pdf"_s}
        << QStringList{u"check:blankPagesOption"_s} << u"broken.pdf"_s
        << QStringList{u"a.pdf"_s, u"locked.pdf"_s} << QStringList{QString(), u"user1"_s} << 5;
    QTest::newRow("images, one PDF, first image gone")
        << 4 << QStringList{u"broken.png"_s, u"b.jpg"_s, u"c.png"_s}
        << QStringList{u"check:singlePdfOption"_s} << u"broken.png"_s
        << QStringList{u"b.jpg"_s, u"c.png"_s} << QStringList{} << 2;
}

void TestToolPages::removeFailedInputAndRetry()
{
    QFETCH(int, tool);
    QFETCH(QStringList, files);
    QFETCH(QStringList, steps);
    QFETCH(QString, title);
    QFETCH(QStringList, rest);
    QFETCH(QStringList, restPasswords);
    QFETCH(int, pages);
    QStringList paths;
    for (const QString &file : files) {
        const QString path = m_dir->filePath(file);
        if (file.startsWith(u"broken"_s))
            QVERIFY(!sizedFile(path, 40).isEmpty());
        else if (file == u"locked.pdf"_s)
            QVERIFY(fixtures::encrypt(pdf(u"plain.pdf"_s, 2), path, fixtures::Scheme::Aes256,
                                      u"user1"_s, u"owner1"_s));
        else
            QVERIFY(file.endsWith(u".pdf"_s) ? !pdf(file, 2).isEmpty() : !image(file).isEmpty());
        paths.append(path);
    }
    if (files.contains(u"locked.pdf"_s))
        DialogSeam::answerText(u"user1"_s);
    auto page = runPage(tool, paths, steps);
    TaskListWidget *rows = batch(page)->taskList();
    QVERIFY(waitUntilFinished(rows));
    QCOMPARE(statusTexts(rows), QStringList{u"失败"_s});
    QCOMPARE(rowNames(rows), QStringList{title});
    auto *row = rows->findChild<TaskListItem *>();
    auto *remove = row->findChild<QPushButton *>(u"taskRemoveInputButton"_s);
    QTRY_VERIFY(remove->isVisible());
    const QStringList before = entries(m_dir->path());

    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(m_submitted.size(), 2);
    const TaskRequest &first = m_submitted.at(0).request;
    const TaskRequest &again = m_submitted.at(1).request;
    QStringList expected;
    for (const QString &file : rest)
        expected.append(m_dir->filePath(file));
    QCOMPARE(again.inputFiles, expected);
    QCOMPARE(again.options.value(u"inputPasswords"_s).toStringList(), restPasswords);
    for (const QString &key : first.options.keys()) {
        if (key != u"inputPasswords"_s)
            QCOMPARE(again.options.value(key), first.options.value(key));
    }
    // The new job's row stands where the failed one was.
    QCOMPARE(rows->count(), 1);
    QVERIFY(rows->hasTask(m_submitted.at(1).id));
    QVERIFY(!rows->hasTask(m_submitted.at(0).id));
    QVERIFY(waitUntilFinished(rows));
    QCOMPARE(statusTexts(rows), QStringList{u"完成"_s});
    QCOMPARE(entries(m_dir->path()).size(), before.size() + (tool == 4 ? 1 : 0));
    const QString written = rows->item(m_submitted.at(1).id)->outputPath();
    QVERIFY2(QFileInfo(written).isFile(), qPrintable(written));
    QCOMPARE(fixtures::pageCount(written, restPasswords.isEmpty() ? QString() : u"user1"_s), pages);
    if (tool == 4)
        QCOMPARE(QFileInfo(written).fileName(), u"b.pdf"_s);
}

void TestToolPages::desktopMadeWhenMissing_data()
{
    QTest::addColumn<bool>("blocked"); // a file stands where the desktop folder would be
    QTest::newRow("missing") << false;
    QTest::newRow("a file in the way") << true;
}

void TestToolPages::desktopMadeWhenMissing()
{
    QFETCH(bool, blocked);
    const QString source = pdf(u"letter.pdf"_s, 1);
    QVERIFY(QDir(desktop()).removeRecursively());
    if (blocked)
        QVERIFY(!sizedFile(desktop(), 5).isEmpty());
    DialogSeam::answerMessageBox(1);
    auto page = runPage(1, {source}, {u"location:1"_s});
    if (blocked) {
        // Nothing starts; the reason is shown and the file stays for another location.
        QVERIFY(m_submitted.isEmpty());
        QCOMPARE(DialogSeam::requests().size(), 1);
        QCOMPARE(DialogSeam::requests().first().title, u"无法创建输出文件夹"_s);
        QCOMPARE(DialogSeam::requests().first().text,
                 u"路径中有一个同名的文件：%1"_s.arg(QDir::toNativeSeparators(desktop())));
        QCOMPARE(batch(page)->fileList()->files(), QStringList{source});
        QVERIFY(QFileInfo(desktop()).isFile());
        return;
    }
    DialogSeam::reset();
    DialogSeam::setScripted(true);
    QVERIFY(waitUntilFinished(batch(page)->taskList()));
    QCOMPARE(statusTexts(batch(page)->taskList()), QStringList{u"完成"_s});
    QCOMPARE(entries(desktop()), QStringList{u"letter.pdf"_s});
    QCOMPARE(fixtures::pageCount(QDir(desktop()).filePath(u"letter.pdf"_s)), 1);
}

VELMORA_REGISTER_TEST(TestToolPages);

#include "tst_toolpages.moc"
