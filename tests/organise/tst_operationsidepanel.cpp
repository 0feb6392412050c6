#include "filelocationselector.h"
#include "organisetest.h"
#include "pdfoperationsidepanel.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace organise;

namespace {

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

struct Panel
{
    std::unique_ptr<PdfDocumentModel> model;
    PdfOperationSidePanel panel;
    QCheckBox *combine = nullptr;
    QCheckBox *everyPage = nullptr;
    QListWidget *extractPreview = nullptr;
    QListWidget *splitPreview = nullptr;
    QPushButton *extractButton = nullptr;
    QPushButton *splitButton = nullptr;
    FileLocationSelector *extractLocation = nullptr;
    FileLocationSelector *splitLocation = nullptr;
};

} // namespace

class OperationSidePanelTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::unique_ptr<Panel> makePanel(int pages)
    {
        auto p = std::make_unique<Panel>();
        p->model = loadFixture(m_dir, u"report.pdf"_s, pages);
        if (!p->model)
            return nullptr;
        p->panel.setDocumentModel(p->model.get());
        p->combine = p->panel.findChild<QCheckBox *>(u"pdfCombineExtractCheckBox"_s);
        p->everyPage = p->panel.findChild<QCheckBox *>(u"pdfSplitEveryPageCheckBox"_s);
        p->extractLocation =
            p->panel.findChild<FileLocationSelector *>(u"pdfExtractLocationSelector"_s);
        p->splitLocation =
            p->panel.findChild<FileLocationSelector *>(u"pdfSplitLocationSelector"_s);
        auto *extractPage = p->panel.findChild<QWidget *>(u"pdfExtractPage"_s);
        auto *splitPage = p->panel.findChild<QWidget *>(u"pdfSplitPage"_s);
        if (!p->combine || !p->everyPage || !p->extractLocation || !p->splitLocation ||
            !extractPage || !splitPage)
            return nullptr;
        p->extractPreview = extractPage->findChild<QListWidget *>(u"pdfExtractPreviewList"_s);
        p->splitPreview = splitPage->findChild<QListWidget *>(u"pdfSplitPreviewList"_s);
        p->extractButton = extractPage->findChild<QPushButton *>(u"pdfPrimaryAction"_s);
        p->splitButton = splitPage->findChild<QPushButton *>(u"pdfPrimaryAction"_s);
        if (!p->extractPreview || !p->splitPreview || !p->extractButton || !p->splitButton)
            return nullptr;
        return p;
    }

    static QString hint() { return u"点击页面之间的虚线，可以自定义拆分文件。"_s; }

    void select(PdfDocumentModel &model, const QList<int> &rows)
    {
        QSet<PdfPageId> ids;
        for (int row : rows)
            ids.insert(idAt(model, row));
        model.setSelectedPageIds(ids);
    }

private Q_SLOTS:
    void modesShowTheirPage()
    {
        auto p = makePanel(3);
        QVERIFY(p);
        QVERIFY(p->panel.isHidden());
        auto *stack = p->panel.findChild<QStackedWidget *>();
        p->panel.setWorkspaceMode(PdfWorkspaceMode::Split);
        QVERIFY(!p->panel.isHidden());
        QVERIFY(stack->currentWidget()->isAncestorOf(p->everyPage));
        p->panel.setWorkspaceMode(PdfWorkspaceMode::Extract);
        QVERIFY(stack->currentWidget()->isAncestorOf(p->combine));
        p->panel.setWorkspaceMode(PdfWorkspaceMode::Insert);
        QVERIFY(p->panel.isHidden());
    }

    void extractPreview_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("combine");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("combineEnabled");
        QTest::newRow("nothing selected")
            << QList<int>{} << false << QStringList{u"请先选择要提取的页面"_s} << false;
        QTest::newRow("one page") << QList<int>{2} << false
                                  << QStringList{u"report-3.pdf\n第 3 页"_s} << false;
        QTest::newRow("one page, combine asked")
            << QList<int>{2} << true << QStringList{u"report-3.pdf\n第 3 页"_s} << false;
        QTest::newRow("two pages separately")
            << QList<int>{1, 4} << false
            << QStringList{u"report-2.pdf\n第 2 页"_s, u"report-5.pdf\n第 5 页"_s} << true;
        QTest::newRow("two pages combined")
            << QList<int>{1, 4} << true << QStringList{u"report-extracted.pdf\n页面 2, 5"_s}
            << true;
    }

    void extractPreview()
    {
        QFETCH(QList<int>, rows);
        QFETCH(bool, combine);
        QFETCH(QStringList, items);
        QFETCH(bool, combineEnabled);
        auto p = makePanel(6);
        QVERIFY(p);
        p->panel.setWorkspaceMode(PdfWorkspaceMode::Extract);
        select(*p->model, {0, 1, 2});
        p->combine->setChecked(combine);
        select(*p->model, rows);

        QCOMPARE(texts(p->extractPreview), items);
        QCOMPARE(p->combine->isEnabled(), combineEnabled);
        QCOMPARE(p->combine->isChecked(), combine && combineEnabled);
        QCOMPARE(p->extractButton->isEnabled(), !rows.isEmpty());
    }

    void extractRequestCarriesOptions()
    {
        auto p = makePanel(4);
        QVERIFY(p);
        QSignalSpy requested(&p->panel, &PdfOperationSidePanel::extractRequested);
        select(*p->model, {0, 3});
        p->combine->setChecked(true);
        p->extractButton->click();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().at(0).toBool(), true);
        QCOMPARE(requested.first().at(1).toString(), m_dir.path());
    }

    void previewFollowsMoves()
    {
        auto p = makePanel(4);
        QVERIFY(p);
        select(*p->model, {0});
        QCOMPARE(texts(p->extractPreview), QStringList{u"report-1.pdf\n第 1 页"_s});
        QVERIFY(p->model->moveRows(QModelIndex(), 0, 1, QModelIndex(), 4));
        QCOMPARE(texts(p->extractPreview), QStringList{u"report-4.pdf\n第 4 页"_s});
    }

    void splitPreview_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<bool>("everyPage");
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QStringList>("items");
        const QString hint = this->hint();
        QTest::newRow("points 3, 3, 1 on five pages")
            << 5 << QList<int>{3, 3, 1} << false << QList<int>{1, 3}
            << QStringList{u"report-1.pdf\n页面 1-1"_s, u"report-2.pdf\n页面 2-3"_s,
                           u"report-3.pdf\n页面 4-5"_s};
        QTest::newRow("no points")
            << 5 << QList<int>{} << false << QList<int>{} << QStringList{hint};
        QTest::newRow("points at 0 and the page count")
            << 5 << QList<int>{5, 0} << false << QList<int>{0, 5} << QStringList{hint};
        QTest::newRow("every page of three")
            << 3 << QList<int>{} << true << QList<int>{}
            << QStringList{u"report-1.pdf\n页面 1-1"_s, u"report-2.pdf\n页面 2-2"_s,
                           u"report-3.pdf\n页面 3-3"_s};
        QTest::newRow("every page of one")
            << 1 << QList<int>{} << true << QList<int>{} << QStringList{hint};
    }

    void splitPreview()
    {
        QFETCH(int, pages);
        QFETCH(QList<int>, points);
        QFETCH(bool, everyPage);
        QFETCH(QList<int>, stored);
        QFETCH(QStringList, items);
        auto p = makePanel(pages);
        QVERIFY(p);
        QSignalSpy toggled(&p->panel, &PdfOperationSidePanel::everyPageSplitToggled);
        p->panel.setWorkspaceMode(PdfWorkspaceMode::Split);
        p->panel.setSplitPoints(points);
        p->everyPage->setChecked(everyPage);
        QCOMPARE(toggled.count(), everyPage ? 1 : 0);

        QCOMPARE(p->panel.splitRows(), stored);
        QCOMPARE(texts(p->splitPreview), items);
        QCOMPARE(p->splitButton->isEnabled(), items.first() != hint());
    }

    void longTextsWrap()
    {
        // The narrowest panel shows the whole hint, on more than one line, rather than cutting it.
        auto p = makePanel(4);
        QVERIFY(p);
        p->panel.resize(300, 780);
        p->panel.setWorkspaceMode(PdfWorkspaceMode::Split);
        QVERIFY(QTest::qWaitForWindowExposed(&p->panel));
        QListWidget *list = p->splitPreview;
        QCOMPARE(list->count(), 1);
        // Large enough that two lines stand out above the items' least height.
        QFont font = list->font();
        font.setPixelSize(20);
        list->setFont(font);
        QCoreApplication::processEvents();
        const QFontMetrics metrics(list->font());
        QVERIFY(metrics.horizontalAdvance(hint()) > list->viewport()->width());
        QTRY_VERIFY(list->visualItemRect(list->item(0)).right() < list->viewport()->width());
        QVERIFY(list->visualItemRect(list->item(0)).height() > 2 * metrics.lineSpacing());
    }

    void splitRequestCarriesStoredRows()
    {
        auto p = makePanel(3);
        QVERIFY(p);
        QSignalSpy requested(&p->panel, &PdfOperationSidePanel::splitRequested);
        p->panel.setSplitPoints({2});
        p->everyPage->setChecked(true);
        p->splitButton->click();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().at(0).toBool(), true);
        QCOMPARE(requested.first().at(1).value<QList<int>>(), QList<int>{2});
        QCOMPARE(requested.first().at(2).toString(), m_dir.path());
    }

    void selectorsStayInLine()
    {
        auto p = makePanel(3);
        QVERIFY(p);
        const QString desktop = FileLocationSelector::standardFolder(FileLocationSelector::Desktop);
        QCOMPARE(p->panel.outputDirectory(), m_dir.path());
        QCOMPARE(p->splitLocation->directory(), m_dir.path());

        p->extractLocation->setLocation(FileLocationSelector::Desktop);
        QCOMPARE(p->splitLocation->mode(), FileLocationSelector::Desktop);
        QCOMPARE(p->panel.outputDirectory(), desktop);

        const QString custom = m_dir.filePath(u"out"_s);
        p->splitLocation->setLocation(FileLocationSelector::Custom, custom);
        QCOMPARE(p->extractLocation->mode(), FileLocationSelector::Custom);
        QCOMPARE(p->extractLocation->directory(), custom);
        QCOMPARE(p->panel.outputDirectory(), custom);

        p->splitLocation->setLocation(FileLocationSelector::SourceFolder);
        QVERIFY(p->extractLocation->isSourceFolder());
        QCOMPARE(p->panel.outputDirectory(), m_dir.path());
    }

    void customFolderSurvivesUndoButNotAnotherDocument()
    {
        auto p = makePanel(3);
        QVERIFY(p);
        const QString custom = m_dir.filePath(u"elsewhere"_s);
        p->extractLocation->setLocation(FileLocationSelector::Custom, custom);
        p->model->restoreSnapshot(p->model->pages(), true);
        QCOMPARE(p->panel.outputDirectory(), custom);

        const QString other = writeFixture(m_dir, u"other.pdf"_s, 2);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(p->model->loadDocument(other, QString(), &error, &message));
        QCOMPARE(p->panel.outputDirectory(), m_dir.path());
        QVERIFY(p->splitLocation->isSourceFolder());
    }

    void unsavedDocumentUsesStandInName()
    {
        PdfDocumentModel model;
        const QString source = writeFixture(m_dir, u"insert-me.pdf"_s, 2);
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        QVERIFY(model.insertPdf(source, 0, QString(), &error, &message));
        QVERIFY(model.documentPath().isEmpty());
        PdfOperationSidePanel panel;
        panel.setDocumentModel(&model);
        model.selectAll();
        auto *list = panel.findChild<QListWidget *>(u"pdfExtractPreviewList"_s);
        QCOMPARE(texts(list),
                 (QStringList{u"未命名-1.pdf\n第 1 页"_s, u"未命名-2.pdf\n第 2 页"_s}));
        QCOMPARE(panel.outputDirectory(), QDir::homePath());
    }
};

VELMORA_REGISTER_TEST(OperationSidePanelTest);

#include "tst_operationsidepanel.moc"
