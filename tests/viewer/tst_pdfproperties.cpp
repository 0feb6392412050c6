#include "dialogseam.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfpropertiesdialog.h"
#include "pdfreadback.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

using namespace Qt::StringLiterals;

namespace {

// A file whose /Info holds a title and a creator, as most producers write it.
bool withInfo(const QString &in, const QString &out)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(in).constData());
        QPDFObjectHandle info = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Title (Old title) /Creator (Fixture Writer) /CreationDate "
                                    "(D:20240301120000Z) >>"));
        pdf.getTrailer().replaceKey("/Info", info);
        // The writer keeps the name's pointer until it is done.
        const QByteArray name = QFile::encodeName(out);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    } catch (...) {
        return false;
    }
}

PdfPropertiesDialog *openProperties(PdfViewerWidget &viewer)
{
    viewer.topToolBar()->action(PdfTopToolBar::Command::Properties)->trigger();
    PdfPropertiesDialog *dialog = nullptr;
    // Read once the file's own values are in (the version comes from the file).
    const bool ready = QTest::qWaitFor([&] {
        dialog = viewer.findChild<PdfPropertiesDialog *>();
        auto *version = dialog ? dialog->findChild<QLabel *>(u"propertiesVersion"_s) : nullptr;
        return version && version->text().startsWith(u"1."_s);
    });
    return ready ? dialog : nullptr;
}

} // namespace

class TestPdfDocumentProperties : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { DialogSeam::reset(); }
    void editAndSave_data();
    void editAndSave();

private:
    QTemporaryDir m_dir;
};

void TestPdfDocumentProperties::editAndSave_data()
{
    QTest::addColumn<QString>("protection"); // "", "owner", "restricted"
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<bool>("editable");

    QTest::newRow("plain") << QString() << u"Quarterly report"_s << u"A. Writer"_s
                           << u"finance, 2026"_s << true;
    QTest::newRow("unicode") << QString() << u"Über Straße 报告 تقرير"_s << u"Zoë Ødegård"_s
                             << u"日本語"_s << true;
    QTest::newRow("title cleared") << QString() << QString() << u"Someone"_s << QString() << true;
    QTest::newRow("aes-256, owner password")
        << u"owner"_s << u"Locked report"_s << u"Keeper"_s << u"secret"_s << true;
    QTest::newRow("changes forbidden, user password")
        << u"restricted"_s << u"Not allowed"_s << u"Nobody"_s << QString() << false;
}

void TestPdfDocumentProperties::editAndSave()
{
    QFETCH(QString, protection);
    QFETCH(QString, title);
    QFETCH(QString, author);
    QFETCH(QString, keywords);
    QFETCH(bool, editable);
    const QString tag = QString::number(QTest::currentDataTag()[0]) + protection;

    const QString plain = fixtures::textPdf(m_dir.filePath(u"plain-%1.pdf"_s.arg(tag)), 2);
    QString source = m_dir.filePath(u"source-%1.pdf"_s.arg(tag));
    QVERIFY(withInfo(plain, source));
    QString password;
    if (protection == u"owner"_s) {
        const QString locked = m_dir.filePath(u"locked-%1.pdf"_s.arg(tag));
        QVERIFY(fixtures::encrypt(source, locked, fixtures::Scheme::Aes256, u"user"_s, u"owner"_s));
        source = locked;
        password = u"owner"_s;
    } else if (protection == u"restricted"_s) {
        const QString locked = m_dir.filePath(u"restricted-%1.pdf"_s.arg(tag));
        QVERIFY(fixtures::run(u"qpdf"_s, {u"--encrypt"_s, u"user"_s, u"owner"_s, u"256"_s,
                                          u"--modify=none"_s, u"--"_s, source, locked}));
        source = locked;
        password = u"user"_s;
    }
    if (!password.isEmpty())
        DialogSeam::answerText(password);

    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1000, 760)));
    PdfPropertiesDialog *dialog = openProperties(viewer);
    QVERIFY(dialog);
    auto *titleEdit = dialog->findChild<QLineEdit *>(u"propertiesTitleEdit"_s);
    auto *authorEdit = dialog->findChild<QLineEdit *>(u"propertiesAuthorEdit"_s);
    auto *keywordsEdit = dialog->findChild<QLineEdit *>(u"propertiesKeywordsEdit"_s);
    QVERIFY(titleEdit && authorEdit && keywordsEdit);
    QCOMPARE(titleEdit->text(), u"Old title"_s);
    QCOMPARE(dialog->findChild<QLabel *>(u"propertiesCreator"_s)->text(), u"Fixture Writer"_s);
    QCOMPARE(dialog->findChild<QLabel *>(u"propertiesPageCount"_s)->text(), u"2"_s);
    QCOMPARE(dialog->findChild<QLabel *>(u"propertiesEncryption"_s)->text().contains(u"AES-256"_s),
             !protection.isEmpty());
    QCOMPARE(titleEdit->isReadOnly(), !editable);

    titleEdit->setText(title);
    authorEdit->setText(author);
    keywordsEdit->setText(keywords);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"propertiesConfirmButton"_s),
                      Qt::LeftButton);
    QTRY_VERIFY(!viewer.findChild<PdfPropertiesDialog *>());
    QCOMPARE(viewer.undoManager()->undoStack()->count(), editable ? 1 : 0);
    QCOMPARE(viewer.documentModel()->isModified(), editable);
    if (!editable)
        return;

    const QString saved = m_dir.filePath(u"saved-%1.pdf"_s.arg(tag));
    QVERIFY(viewer.saveAs(saved));
    readback::DocumentFacts facts = readback::inspect(saved, password);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.encrypted, !protection.isEmpty());
    QCOMPARE(facts.info.value(u"Title"_s), title);
    QCOMPARE(facts.info.contains(u"Title"_s), !title.isEmpty());
    QCOMPARE(facts.info.value(u"Author"_s), author);
    QCOMPARE(facts.info.value(u"Keywords"_s), keywords);
    QCOMPARE(facts.info.value(u"Creator"_s), u"Fixture Writer"_s);
    QVERIFY(facts.info.value(u"ModDate"_s).startsWith(u"D:20"_s));
    QCOMPARE(facts.pages.size(), 2);

    // Undone after the save, the next save writes the earlier values back.
    viewer.undoManager()->undoStack()->undo();
    QVERIFY(viewer.documentModel()->isModified());
    QVERIFY(viewer.save());
    facts = readback::inspect(saved, password);
    QVERIFY2(facts.ok, qPrintable(facts.error));
    QCOMPARE(facts.info.value(u"Title"_s), u"Old title"_s);
    QVERIFY(!facts.info.contains(u"Author"_s));
    QVERIFY(!facts.info.contains(u"Keywords"_s));
}

VELMORA_REGISTER_TEST(TestPdfDocumentProperties);
#include "tst_pdfproperties.moc"
