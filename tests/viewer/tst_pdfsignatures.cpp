#include "dialogseam.h"
#include "modernmessagebox.h"
#include "pdfannotationmodel.h"
#include "pdfdocumentmodel.h"
#include "pdffixtures.h"
#include "pdfsignaturebar.h"
#include "pdfsignatures.h"
#include "pdfsignaturespanel.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString SaveQuestion = u"保存已签名的文档"_s;

bool asked(const QString &title)
{
    for (const DialogSeam::Request &request : DialogSeam::requests()) {
        if (request.kind == DialogSeam::Kind::MessageBox && request.title == title)
            return true;
    }
    return false;
}

} // namespace

class TestViewerSignatures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { DialogSeam::setScripted(true); }
    void cleanup() { DialogSeam::reset(); }
    void saveSignedDocument_data();
    void saveSignedDocument();
    void barAndPanel();

private:
    // A viewer showing a copy of the signed file, its check done.
    bool openSigned(PdfViewerWidget &viewer, const QString &copy);

    QTemporaryDir m_dir;
    QString m_signed;
};

void TestViewerSignatures::initTestCase()
{
    if (QStandardPaths::findExecutable(u"openssl"_s).isEmpty())
        QSKIP("openssl is not installed");
    const QString key = m_dir.filePath(u"k.pem"_s);
    const QString cert = m_dir.filePath(u"c.pem"_s);
    const QString p12 = m_dir.filePath(u"t.p12"_s);
    QVERIFY(fixtures::run(u"openssl"_s, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s,
                                         u"-nodes"_s, u"-subj"_s, u"/CN=Test"_s, u"-keyout"_s, key,
                                         u"-out"_s, cert, u"-days"_s, u"30"_s}));
    QVERIFY(fixtures::run(u"openssl"_s, {u"pkcs12"_s, u"-export"_s, u"-inkey"_s, key, u"-in"_s,
                                         cert, u"-out"_s, p12, u"-passout"_s, u"pass:pw"_s}));
    const QString plain = fixtures::textPdf(m_dir.filePath(u"plain.pdf"_s), 2);
    PdfSignOptions options;
    options.certificatePath = p12;
    options.certificatePassword = u"pw"_s;
    options.pageIndex = 0;
    options.rect = QRectF(300, 650, 200, 60);
    options.reason = u"Approved"_s;
    QString written;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    QVERIFY2(PdfSignatures::sign(plain, QString(), options, m_dir.filePath(u"signed.pdf"_s), false,
                                 &written, &error, &message),
             qPrintable(message));
    m_signed = written;
}

bool TestViewerSignatures::openSigned(PdfViewerWidget &viewer, const QString &copy)
{
    QFile::remove(copy);
    if (!QFile::copy(m_signed, copy) || !viewertest::showAndOpen(viewer, copy, QSize(1100, 800)))
        return false;
    viewer.annotationModel()->waitUntilLoaded();
    return QTest::qWaitFor([&] {
        return viewer.signatureBar()->isVisible() &&
               viewer.signatureBar()->text().contains(u"Test"_s);
    });
}

void TestViewerSignatures::saveSignedDocument_data()
{
    QTest::addColumn<QString>("change"); // "annotate" or "rotate"
    QTest::addColumn<int>("answer");     // to the save question; -1: none is asked
    QTest::addColumn<bool>("written");   // the file itself changed
    QTest::addColumn<bool>("appended");  // its old bytes stay a prefix
    QTest::addColumn<bool>("newFile");

    QTest::newRow("annotation: appended, no question")
        << u"annotate"_s << -1 << true << true << false;
    QTest::newRow("rotation, cancel")
        << u"rotate"_s << int(ModernMessageBox::Cancelled) << false << true << false;
    QTest::newRow("rotation, save anyway")
        << u"rotate"_s << int(ModernMessageBox::Discarded) << true << false << false;
    QTest::newRow("rotation, save as a new file")
        << u"rotate"_s << int(ModernMessageBox::Confirmed) << false << true << true;
}

void TestViewerSignatures::saveSignedDocument()
{
    QFETCH(QString, change);
    QFETCH(int, answer);
    QFETCH(bool, written);
    QFETCH(bool, appended);
    QFETCH(bool, newFile);

    const QString tag = QString::fromLatin1(QTest::currentDataTag()).left(12).replace(u' ', u'_');
    const QString path = m_dir.filePath(u"doc-%1.pdf"_s.arg(tag));
    const QString edited = m_dir.filePath(u"doc-%1-edited.pdf"_s.arg(tag));
    PdfViewerWidget viewer;
    QVERIFY(openSigned(viewer, path));
    const QByteArray before = fixtures::readBytes(path);

    const PdfPageId first = viewer.documentModel()->pageAt(0)->id;
    if (change == u"annotate"_s) {
        PdfAnnotation box;
        box.type = PdfAnnotation::Type::Rectangle;
        box.rect = QRectF(60, 60, 120, 80);
        QVERIFY(viewer.annotationModel()->add(first, box).isValid());
    } else {
        viewer.undoManager()->rotatePages({first}, 90);
    }
    if (answer >= 0)
        DialogSeam::answerMessageBox(answer);
    if (answer == ModernMessageBox::Confirmed)
        DialogSeam::answerFiles({edited});

    QCOMPARE(viewer.save(), answer != ModernMessageBox::Cancelled);
    QCOMPARE(asked(SaveQuestion), answer >= 0);

    const QByteArray after = fixtures::readBytes(path);
    QCOMPARE(after != before, written);
    QCOMPARE(after.startsWith(before), appended);
    QCOMPARE(QFile::exists(edited), newFile);
    if (newFile) {
        // Offered beside the original under the edited name, and now the tab's file.
        QString offered;
        for (const DialogSeam::Request &request : DialogSeam::requests()) {
            if (request.kind == DialogSeam::Kind::SaveFile)
                offered = request.text;
        }
        QCOMPARE(offered, edited);
        QCOMPARE(viewer.documentModel()->documentPath(), edited);
        QCOMPARE(fixtures::pageSizes(edited).value(0), QSizeF(842, 595));
    }
    if (written && !appended)
        QCOMPARE(fixtures::pageSizes(path).value(0), QSizeF(842, 595));

    if (change == u"annotate"_s && !QStandardPaths::findExecutable(u"pdfsig"_s).isEmpty()) {
        QProcess pdfsig;
        pdfsig.start(u"pdfsig"_s, {path});
        QVERIFY(pdfsig.waitForFinished(30000));
        QVERIFY2(pdfsig.readAllStandardOutput().contains("Signature is Valid"), "pdfsig");
    }
}

void TestViewerSignatures::barAndPanel()
{
    PdfViewerWidget viewer;
    QVERIFY(openSigned(viewer, m_dir.filePath(u"shown.pdf"_s)));
    QVERIFY(viewer.signatureBar()->text().startsWith(u"已签名：Test"_s));
    QVERIFY(viewer.signatureBar()->text().contains(u"证书不受信任"_s));

    PdfSignaturesPanel *panel = viewer.signaturesPanel();
    QVERIFY(!panel->isVisible());
    auto *button = viewer.signatureBar()->findChild<QPushButton *>(u"pdfSignatureBarPanelButton"_s);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->cards().size(), 1);
    QWidget *card = panel->cards().first();
    QCOMPARE(card->findChild<QLabel *>(u"pdfSignatureCardTitle"_s)->text(), u"Test"_s);
    QVERIFY(card->findChild<QLabel *>(u"pdfSignatureCardVerdict"_s)
                ->text()
                .contains(u"证书不受信任"_s));
    QStringList lines;
    for (const QLabel *label : card->findChildren<QLabel *>())
        lines << label->text();
    QVERIFY2(lines.contains(u"原因：Approved"_s), qPrintable(lines.join(u" | "_s)));
}

VELMORA_REGISTER_TEST(TestViewerSignatures);
#include "tst_pdfsignatures.moc"
