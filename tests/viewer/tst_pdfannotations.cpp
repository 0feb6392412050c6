#include "dialogseam.h"
#include "modernmessagebox.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpageinteraction.h"
#include "pdfreadback.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

using namespace Qt::StringLiterals;

namespace {

struct ReadAnnotation
{
    QString subtype;
    QRectF rect; // PDF space
    QColor colour;
    int quadNumbers = 0;
    bool appearance = false;
};

// The page's annotations as qpdf reads them.
QList<ReadAnnotation> readAnnotations(const QString &path, int page, const QString &password = {})
{
    QList<ReadAnnotation> out;
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
    QPDFObjectHandle annots = QPDFPageDocumentHelper(pdf)
                                  .getAllPages()
                                  .at(size_t(page))
                                  .getObjectHandle()
                                  .getKey("/Annots");
    if (!annots.isArray())
        return out;
    for (QPDFObjectHandle a : annots.aitems()) {
        ReadAnnotation r;
        r.subtype = QString::fromStdString(a.getKey("/Subtype").getName());
        const QPDFObjectHandle::Rectangle box = a.getKey("/Rect").getArrayAsRectangle();
        r.rect = QRectF(QPointF(box.llx, box.lly), QPointF(box.urx, box.ury)).normalized();
        QPDFObjectHandle c = a.getKey("/C");
        if (c.isArray() && c.getArrayNItems() == 3)
            r.colour = QColor::fromRgbF(float(c.getArrayItem(0).getNumericValue()),
                                        float(c.getArrayItem(1).getNumericValue()),
                                        float(c.getArrayItem(2).getNumericValue()));
        if (a.getKey("/QuadPoints").isArray())
            r.quadNumbers = a.getKey("/QuadPoints").getArrayNItems();
        r.appearance = a.getKey("/AP").isDictionary() && a.getKey("/AP").getKey("/N").isStream();
        out.append(r);
    }
    return out;
}

// Pixels of the rendering inside region (points at 72 dpi) that look like colour.
int pixelsLike(const QImage &image, const QRectF &region, const QColor &colour)
{
    int count = 0;
    const QRect area = region.toAlignedRect().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += readback::similar(image.pixelColor(x, y), colour, 60) ? 1 : 0;
    return count;
}

QPoint toViewport(PdfViewerWidget &viewer, int row, const QPointF &page)
{
    return viewer.findChild<PdfPageInteraction *>()->toViewport(row, page).toPoint();
}

void drag(PdfViewerWidget &viewer, int row, const QPointF &from, const QPointF &to)
{
    QWidget *viewport = viewer.documentView()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, toViewport(viewer, row, from));
    for (int step = 1; step <= 10; ++step) {
        const QPointF at = from + (to - from) * (step / 10.0);
        QMouseEvent move(QEvent::MouseMove, toViewport(viewer, row, at),
                         viewport->mapToGlobal(toViewport(viewer, row, at)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, toViewport(viewer, row, to));
}

void clickTool(PdfViewerWidget &viewer, const QString &id)
{
    auto *button = viewer.topToolBar()->findChild<QPushButton *>(u"pdfAnnotation_"_s + id);
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

// Encrypts in with permissions that forbid annotating and filling forms.
bool encryptWithoutAnnotating(const QString &in, const QString &out)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(in).constData());
        const QByteArray name = QFile::encodeName(out);
        QPDFWriter writer(pdf, name.constData());
        writer.setR6EncryptionParameters("", "owner", true, true, true, false, false, false,
                                         qpdf_r3p_full, true);
        writer.write();
        return true;
    } catch (...) {
        return false;
    }
}

// A one-page form: a text field, a check box, two radio buttons of one group and a drop-down list.
bool writeForm(const QString &path)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle page = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 400 400] /Resources << >> >>"));
        page.replaceKey("/Contents",
                        QPDFObjectHandle::newStream(&pdf, "1 1 1 rg 0 0 400 400 re f"));
        QPDFPageDocumentHelper(pdf).addPage(page, false);
        const auto stream = [&pdf](const std::string &content) {
            QPDFObjectHandle s = QPDFObjectHandle::newStream(&pdf, content);
            s.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
            s.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
            s.getDict().replaceKey("/BBox", QPDFObjectHandle::parse("[0 0 16 16]"));
            return s;
        };
        const auto onOff = [&](const char *on) {
            QPDFObjectHandle n = QPDFObjectHandle::newDictionary();
            n.replaceKey(std::string("/") + on, stream("0 g 3 3 10 10 re f"));
            n.replaceKey("/Off", stream(""));
            QPDFObjectHandle ap = QPDFObjectHandle::newDictionary();
            ap.replaceKey("/N", n);
            return ap;
        };
        QPDFObjectHandle text = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /Rect [40 320 300 344] "
            "/DA (/Helv 12 Tf 0 g) /V () /F 4 >>"));
        QPDFObjectHandle check = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Widget /FT /Btn /T (agree) /Rect [40 270 56 286] "
            "/V /Off /AS /Off /F 4 >>"));
        check.replaceKey("/AP", onOff("Yes"));
        QPDFObjectHandle group = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /FT /Btn /Ff 49152 /T (size) /V /Off /Kids [] >>"));
        std::vector<QPDFObjectHandle> radios;
        for (const char *state : {"S", "L"}) {
            const int x = state[0] == 'S' ? 40 : 100;
            QPDFObjectHandle radio = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Annot /Subtype /Widget /Rect [" + std::to_string(x) + " 220 " +
                std::to_string(x + 16) + " 236] /AS /Off /F 4 >>"));
            radio.replaceKey("/AP", onOff(state));
            radio.replaceKey("/Parent", group);
            group.getKey("/Kids").appendItem(radio);
            radios.push_back(radio);
        }
        QPDFObjectHandle choice = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Widget /FT /Ch /Ff 131072 /T (colour) "
            "/Rect [40 160 200 184] /Opt [(Red) (Green) (Blue)] /V (Red) "
            "/DA (/Helv 12 Tf 0 g) /F 4 >>"));
        std::vector<QPDFObjectHandle> annots{text, check, radios[0], radios[1], choice};
        for (QPDFObjectHandle a : annots)
            a.replaceKey("/P", page);
        page.replaceKey("/Annots", QPDFObjectHandle::newArray(annots));
        QPDFObjectHandle form = QPDFObjectHandle::parse(
            "<< /DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv << /Type /Font /Subtype /Type1 "
            "/BaseFont /Helvetica >> >> >> >>");
        form.replaceKey("/Fields", QPDFObjectHandle::newArray(
                                       std::vector<QPDFObjectHandle>{text, check, group, choice}));
        pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(form));
        const QByteArray name = QFile::encodeName(path);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    } catch (...) {
        return false;
    }
}

// Field name -> value as `qpdf --json` reports the form.
QMap<QString, QString> formValues(const QString &path)
{
    QProcess qpdf;
    qpdf.start(u"qpdf"_s, {u"--json"_s, u"--json-key=acroform"_s, path});
    qpdf.waitForFinished(60000);
    QMap<QString, QString> values;
    const QJsonObject root = QJsonDocument::fromJson(qpdf.readAllStandardOutput()).object();
    for (const QJsonValue field :
         root.value("acroform"_L1).toObject().value("fields"_L1).toArray()) {
        const QJsonObject f = field.toObject();
        QString value = f.value("value"_L1).toString();
        if (value.startsWith("u:"_L1))
            value = value.mid(2);
        values.insert(f.value("fullname"_L1).toString(), value);
    }
    return values;
}

} // namespace

class TestPdfAnnotations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { DialogSeam::reset(); }
    void annotationTypes_data();
    void annotationTypes();
    void reorganiseKeepsAnnotations_data();
    void reorganiseKeepsAnnotations();
    void forbiddenFileRefusesTools();
    void editDrawnAnnotation_data();
    void editDrawnAnnotation();
    void fillForm();
    void flattenAtSaveAs_data();
    void flattenAtSaveAs();
    void freeTextGrowsToItsText_data();
    void freeTextGrowsToItsText();
    void undoAfterSave_data();
    void undoAfterSave();

private:
    QTemporaryDir m_dir;
};

void TestPdfAnnotations::annotationTypes_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("subtype");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("turn"); // the user's rotation of the page before drawing
    const QColor red(0xE0, 0x52, 0x52);
    const QColor yellow(0xFF, 0xD8, 0x4A);
    QTest::newRow("highlight") << u"highlight"_s << u"/Highlight"_s << yellow << 0;
    QTest::newRow("underline") << u"underline"_s << u"/Underline"_s << red << 0;
    QTest::newRow("strike-out") << u"strikeout"_s << u"/StrikeOut"_s << red << 0;
    QTest::newRow("note") << u"note"_s << u"/Text"_s << yellow << 0;
    QTest::newRow("free text") << u"freetext"_s << u"/FreeText"_s << red << 0;
    QTest::newRow("ink") << u"ink"_s << u"/Ink"_s << red << 0;
    QTest::newRow("rectangle") << u"rectangle"_s << u"/Square"_s << red << 0;
    QTest::newRow("ellipse") << u"ellipse"_s << u"/Circle"_s << red << 0;
    QTest::newRow("arrow") << u"arrow"_s << u"/Line"_s << red << 0;
    QTest::newRow("highlight, page turned") << u"highlight"_s << u"/Highlight"_s << yellow << 90;
    QTest::newRow("ink, page turned") << u"ink"_s << u"/Ink"_s << red << 90;
    QTest::newRow("rectangle, page turned") << u"rectangle"_s << u"/Square"_s << red << 270;
}

void TestPdfAnnotations::annotationTypes()
{
    QFETCH(QString, tool);
    QFETCH(QString, subtype);
    QFETCH(QColor, colour);
    QFETCH(int, turn);
    const QString source =
        fixtures::textPdf(m_dir.filePath(tool + QString::number(turn) + u".pdf"_s), 2);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    viewer.annotationModel()->waitUntilLoaded();
    if (turn) {
        viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, turn);
        QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    }

    const bool markup =
        subtype == "/Highlight"_L1 || subtype == "/Underline"_L1 || subtype == "/StrikeOut"_L1;
    const QPointF from(100, 150);
    const QPointF to(300, 300);
    if (markup) {
        // Text selected first, then the tool marks it.
        viewer.findChild<PdfPageInteraction *>()->selectPage(0);
        clickTool(viewer, tool);
    } else {
        DialogSeam::answerText(u"Velmora note"_s);
        clickTool(viewer, tool);
        drag(viewer, 0, from, to);
    }
    const QList<PdfAnnotationItem> items = viewer.annotationModel()->annotations(0);
    QCOMPARE(items.size(), 1);
    QCOMPARE(viewer.undoManager()->undoStack()->count(), turn ? 2 : 1);
    const QRectF shown = PdfEditorBackend::annotationBounds(items.first().annotation);
    if (!markup && subtype != "/Text"_L1 && subtype != "/FreeText"_L1)
        QVERIFY(shown.adjusted(-6, -6, 6, 6).contains(QRectF(from, to)));

    const QString target = m_dir.filePath(tool + QString::number(turn) + u"-saved.pdf"_s);
    QVERIFY(viewer.saveAs(target));
    QVERIFY(readback::qpdfCheck(target));

    const QList<ReadAnnotation> read = readAnnotations(target, 0);
    QCOMPARE(read.size(), 1);
    const ReadAnnotation &a = read.first();
    QCOMPARE(a.subtype, subtype);
    QVERIFY(a.appearance);
    QVERIFY2(readback::similar(a.colour, colour, 8), qPrintable(a.colour.name()));
    // The page is 842 points high and not rotated: y turns upwards.
    const QRectF expected(QPointF(shown.left(), 842 - shown.bottom()),
                          QPointF(shown.right(), 842 - shown.top()));
    QVERIFY2(qAbs(a.rect.left() - expected.left()) < 2 && qAbs(a.rect.top() - expected.top()) < 2 &&
                 qAbs(a.rect.right() - expected.right()) < 2 &&
                 qAbs(a.rect.bottom() - expected.bottom()) < 2,
             qPrintable(u"%1 %2 %3 %4"_s.arg(a.rect.left())
                            .arg(a.rect.top())
                            .arg(a.rect.right())
                            .arg(a.rect.bottom())));
    if (markup) {
        QVERIFY(a.quadNumbers > 0);
        QCOMPARE(a.quadNumbers % 8, 0);
    }

    // Other readers draw it where it was drawn, turned with its page.
    const QImage page = readback::renderPoppler(target, 0, 72);
    QVERIFY(!page.isNull());
    QTransform turned;
    if (turn == 90)
        turned = QTransform(0, 1, -1, 0, 842, 0);
    else if (turn == 270)
        turned = QTransform(0, -1, 1, 0, 0, 595);
    const QRectF onPage = turned.mapRect(shown);
    QVERIFY2(pixelsLike(page, onPage, colour) >= 10,
             qPrintable(QString::number(pixelsLike(page, onPage, colour))));
    QImage before = readback::renderPoppler(source, 0, 72);
    if (turn)
        before = before.transformed(QTransform().rotate(turn));
    QCOMPARE(pixelsLike(before, onPage, colour) < pixelsLike(page, onPage, colour), true);
}

void TestPdfAnnotations::reorganiseKeepsAnnotations_data()
{
    QTest::addColumn<bool>("encrypted");
    QTest::newRow("plain") << false;
    QTest::newRow("encrypted") << true;
}

void TestPdfAnnotations::reorganiseKeepsAnnotations()
{
    QFETCH(bool, encrypted);
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(3, {400, 500});
    for (fixtures::PageSpec &page : spec.pages)
        page.colour = Qt::white;
    spec.annotationPage = 1;
    const QString plain = m_dir.filePath(u"organise-%1.pdf"_s.arg(encrypted));
    QVERIFY(fixtures::write(spec, plain));
    QString source = plain;
    if (encrypted) {
        source = m_dir.filePath(u"organise-locked.pdf"_s);
        QVERIFY(fixtures::encrypt(plain, source, fixtures::Scheme::Aes256, u"user"_s, u"owner"_s));
        DialogSeam::answerText(u"owner"_s);
    }
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    PdfAnnotationModel *annotations = viewer.annotationModel();
    annotations->waitUntilLoaded();
    PdfDocumentModel *model = viewer.documentModel();

    // The file's own square is listed and can be deleted.
    const QList<PdfAnnotationItem> own = annotations->annotations(1);
    QCOMPARE(own.size(), 1);
    QVERIFY(own.first().ref.fromFile);
    viewer.annotationLayer()->select(own.first().ref);
    QVERIFY(viewer.annotationLayer()->deleteSelection());
    QCOMPARE(annotations->annotations(1).size(), 0);

    clickTool(viewer, u"rectangle"_s);
    drag(viewer, 0, {250, 300}, {350, 400});
    viewer.documentView()->goToPage(2);
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), model));
    clickTool(viewer, u"arrow"_s);
    drag(viewer, 2, {250, 300}, {350, 400});
    QCOMPARE(annotations->annotations(0).size(), 1);
    QCOMPARE(annotations->annotations(2).size(), 1);

    // Duplicate the first page, turn the last, bring it to the front.
    const PdfPageId first = model->pageAt(0)->id;
    const PdfPageId last = model->pageAt(2)->id;
    viewer.undoManager()->duplicatePages({first});
    viewer.undoManager()->rotatePages({last}, 90);
    QVERIFY(model->moveRows({}, 3, 1, {}, 0));
    QTRY_COMPARE(viewer.undoManager()->undoStack()->count(), 6);

    // Extracting the annotated page takes its annotation along.
    const QString out = m_dir.filePath(u"extracted-%1"_s.arg(encrypted));
    QVERIFY(QDir().mkpath(out));
    model->setSelectedPageIds({first});
    DialogSeam::answerMessageBox(ModernMessageBox::Confirmed); // the summary
    viewer.extractPages(false, out);
    const QStringList extracted = QDir(out).entryList({u"*.pdf"_s}, QDir::Files);
    QCOMPARE(extracted.size(), 1);
    const QList<ReadAnnotation> taken = readAnnotations(QDir(out).filePath(extracted.first()), 0,
                                                        encrypted ? u"owner"_s : QString());
    QCOMPARE(taken.size(), 1);
    QCOMPARE(taken.first().subtype, u"/Square"_s);

    const QString target = m_dir.filePath(u"organised-%1.pdf"_s.arg(encrypted));
    QVERIFY(viewer.saveAs(target));
    const QString password = encrypted ? u"owner"_s : QString();
    const QString reader = encrypted ? u"user"_s : QString();
    QCOMPARE(readback::inspect(target, password).encrypted, encrypted);
    const auto subtypes = [&](int page) {
        QStringList names;
        for (const ReadAnnotation &a : readAnnotations(target, page, password))
            names.append(a.subtype);
        return names;
    };
    QCOMPARE(subtypes(0), QStringList{u"/Line"_s});
    QCOMPARE(subtypes(1), QStringList{u"/Square"_s});
    QCOMPARE(subtypes(2), QStringList{u"/Square"_s});
    QCOMPARE(subtypes(3), QStringList());

    // The square of both copies is drawn by poppler, the file's own one is gone.
    const QColor red(0xE0, 0x52, 0x52);
    for (int page : {1, 2}) {
        const QImage image = readback::renderPoppler(target, page, 72, reader);
        QVERIFY(!image.isNull());
        QVERIFY(pixelsLike(image, QRectF(248, 298, 104, 104), red) >= 40);
    }
    const QImage cleared = readback::renderPoppler(target, 3, 72, reader);
    QVERIFY(!cleared.isNull());
    QCOMPARE(pixelsLike(cleared, cleared.rect(), QColor(0, 0, 255)), 0);

    // The saved file's annotations are its own now, listed once each.
    annotations->waitUntilLoaded();
    QTRY_COMPARE(annotations->annotations(1).size(), 1);
    QVERIFY(annotations->annotations(1).first().ref.fromFile);
}

void TestPdfAnnotations::editDrawnAnnotation_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QRectF>("expected"); // the rectangle's stroke box afterwards, page points
    // Drawn from (250, 300) to (350, 400) with a 2-point line.
    QTest::newRow("move") << u"move"_s << QRectF(290, 260, 100, 100);
    QTest::newRow("resize") << u"resize"_s << QRectF(250, 300, 160, 60);
    QTest::newRow("undo a move") << u"undo"_s << QRectF(250, 300, 100, 100);
}

void TestPdfAnnotations::editDrawnAnnotation()
{
    QFETCH(QString, edit);
    QFETCH(QRectF, expected);
    const QString source = fixtures::textPdf(m_dir.filePath(u"edit-%1.pdf"_s.arg(edit)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    viewer.annotationModel()->waitUntilLoaded();
    clickTool(viewer, u"rectangle"_s);
    drag(viewer, 0, {250, 300}, {350, 400});
    clickTool(viewer, u"rectangle"_s); // the tool goes down again: clicks select
    QVERIFY(viewer.annotationLayer()->tool().isEmpty());

    if (edit == "resize"_L1) {
        // The handle sits on the lower right corner of what the rectangle draws.
        const QRectF bounds = PdfEditorBackend::annotationBounds(
            viewer.annotationModel()->annotations(0).first().annotation);
        QTest::mouseClick(viewer.documentView()->viewport(), Qt::LeftButton, {},
                          toViewport(viewer, 0, QPointF(300, 300)));
        drag(viewer, 0, bounds.bottomRight(), QPointF(410, 360));
    } else {
        // Grabbed on its edge, moved 40 right and 40 up.
        drag(viewer, 0, {250, 350}, {290, 310});
    }
    if (edit == "undo"_L1)
        viewer.undoManager()->undoStack()->undo();
    QCOMPARE(viewer.undoManager()->undoStack()->index(), edit == "undo"_L1 ? 1 : 2);

    const QString target = m_dir.filePath(u"edited-%1.pdf"_s.arg(edit));
    QVERIFY(viewer.saveAs(target));
    const QList<ReadAnnotation> read = readAnnotations(target, 0);
    QCOMPARE(read.size(), 1);
    // Back in PDF space (842 points high), the stroke box widened by its pad.
    const QRectF got(QPointF(read.first().rect.left(), 842 - read.first().rect.bottom()),
                     QPointF(read.first().rect.right(), 842 - read.first().rect.top()));
    QVERIFY2(
        qAbs(got.left() - expected.left()) < 3 && qAbs(got.top() - expected.top()) < 3 &&
            qAbs(got.right() - expected.right()) < 3 && qAbs(got.bottom() - expected.bottom()) < 3,
        qPrintable(
            u"%1 %2 %3 %4"_s.arg(got.left()).arg(got.top()).arg(got.right()).arg(got.bottom())));
}

void TestPdfAnnotations::forbiddenFileRefusesTools()
{
    const QString plain = fixtures::textPdf(m_dir.filePath(u"forbidden-plain.pdf"_s), 1);
    const QString source = m_dir.filePath(u"forbidden.pdf"_s);
    QVERIFY(encryptWithoutAnnotating(plain, source));
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    viewer.annotationModel()->waitUntilLoaded();
    QVERIFY(!viewer.annotationModel()->allowsAnnotating());
    auto *button = viewer.topToolBar()->findChild<QPushButton *>(u"pdfAnnotation_rectangle"_s);
    QVERIFY(button);
    QVERIFY(!button->isEnabled());
    DialogSeam::answerMessageBox(0);
    viewer.annotationLayer()->setTool(u"rectangle"_s);
    QVERIFY(viewer.annotationLayer()->tool().isEmpty());
}

void TestPdfAnnotations::fillForm()
{
    const QString source = m_dir.filePath(u"form.pdf"_s);
    QVERIFY(writeForm(source));
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    viewer.annotationModel()->waitUntilLoaded();
    const QList<PdfFormField> fields = viewer.annotationModel()->formFields(0);
    QCOMPARE(fields.size(), 5);
    PdfAnnotationLayer *layer = viewer.annotationLayer();

    // A click into the text field opens its editor; Tab moves on, Space ticks.
    QTest::mouseClick(viewer.documentView()->viewport(), Qt::LeftButton, {},
                      toViewport(viewer, 0, fields.at(0).rect.center()));
    auto *edit = qobject_cast<QLineEdit *>(layer->fieldEditor());
    QVERIFY(edit);
    QTest::keyClicks(edit, u"Ada Lovelace"_s);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(layer->focusedFieldIndex(), 1);
    QTest::keyClick(viewer.documentView(), Qt::Key_Space);
    QTest::keyClick(viewer.documentView(), Qt::Key_Tab);
    QTest::keyClick(viewer.documentView(), Qt::Key_Tab);
    QCOMPARE(layer->focusedFieldIndex(), 3);
    QTest::keyClick(viewer.documentView(), Qt::Key_Space);
    QTest::keyClick(viewer.documentView(), Qt::Key_Tab);
    auto *choice = qobject_cast<QComboBox *>(layer->fieldEditor());
    QVERIFY(choice);
    choice->setCurrentIndex(2);
    QTest::keyClick(choice, Qt::Key_Return);
    QCOMPARE(viewer.undoManager()->undoStack()->count(), 4);

    const QString target = m_dir.filePath(u"form-filled.pdf"_s);
    QVERIFY(viewer.saveAs(target));
    const QMap<QString, QString> values = formValues(target);
    QCOMPARE(values.value(u"name"_s), u"Ada Lovelace"_s);
    QCOMPARE(values.value(u"agree"_s), u"/Yes"_s);
    QCOMPARE(values.value(u"size"_s), u"/L"_s);
    QCOMPARE(values.value(u"colour"_s), u"Blue"_s);
    // The text is drawn by other readers from the appearance written.
    const QImage page = readback::renderPoppler(target, 0, 72);
    QVERIFY(pixelsLike(page, QRectF(40, 56, 260, 24), Qt::black) > 20);
}

void TestPdfAnnotations::flattenAtSaveAs_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("kept as annotations") << int(ModernMessageBox::Confirmed) << true;
    QTest::newRow("flattened") << int(ModernMessageBox::Discarded) << false;
}

void TestPdfAnnotations::flattenAtSaveAs()
{
    QFETCH(int, answer);
    QFETCH(bool, kept);
    const QString source = fixtures::textPdf(m_dir.filePath(u"flatten-%1.pdf"_s.arg(answer)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    viewer.annotationModel()->waitUntilLoaded();
    clickTool(viewer, u"rectangle"_s);
    drag(viewer, 0, {250, 300}, {350, 400});
    const QString target = m_dir.filePath(u"flattened-%1.pdf"_s.arg(answer));
    DialogSeam::answerFiles({target});
    DialogSeam::answerMessageBox(answer);
    QVERIFY(viewer.saveAsWithDialog());
    QCOMPARE(readAnnotations(target, 0).size(), kept ? 1 : 0);
    const QImage page = readback::renderPoppler(target, 0, 72);
    QVERIFY(pixelsLike(page, QRectF(248, 298, 104, 104), QColor(0xE0, 0x52, 0x52)) >= 40);
}

void TestPdfAnnotations::freeTextGrowsToItsText_data()
{
    QTest::addColumn<bool>("edited"); // written short first, then edited to the long text
    QTest::newRow("written") << false;
    QTest::newRow("edited") << true;
}

void TestPdfAnnotations::freeTextGrowsToItsText()
{
    QFETCH(bool, edited);
    const QString longText = u"Velmora keeps every word of this comment in view, however many "
                             u"lines it takes to say what it has to say"_s;
    const QString source = fixtures::textPdf(m_dir.filePath(u"freetext-%1.pdf"_s.arg(edited)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    PdfAnnotationModel *annotations = viewer.annotationModel();
    annotations->waitUntilLoaded();
    // A box of 180 x 40 points holds two lines of 12 points.
    PdfAnnotation box;
    box.type = PdfAnnotation::Type::FreeText;
    box.rect = QRectF(100, 150, 180, 40);
    box.text = edited ? u"Short"_s : longText;
    PdfAnnotationRef ref = annotations->add(viewer.documentModel()->pageAt(0)->id, box);
    QVERIFY(ref.isValid());
    // A short text keeps the box as drawn.
    QCOMPARE(annotations->annotation(ref)->rect.height() > 40, !edited);
    if (edited) {
        PdfAnnotation longer = *annotations->annotation(ref);
        longer.text = longText;
        ref = annotations->update(ref, longer);
        QVERIFY(ref.isValid());
    }
    const PdfAnnotation shown = *annotations->annotation(ref);
    QCOMPARE(shown.text, longText);
    QCOMPARE(shown.rect.topLeft(), box.rect.topLeft());
    QCOMPARE(shown.rect.width(), 180.0);
    QVERIFY2(shown.rect.height() >= 4 * 14.4, qPrintable(QString::number(shown.rect.height())));

    // The last line is drawn on screen, inside the box grown for it.
    const QRectF lastLine(shown.rect.left(), shown.rect.bottom() - 16, shown.rect.width(), 16);
    QApplication::processEvents();
    const QImage screen = viewer.documentView()->viewport()->grab().toImage();
    const QRect onScreen = QRectF(toViewport(viewer, 0, lastLine.topLeft()),
                                  toViewport(viewer, 0, lastLine.bottomRight()))
                               .toAlignedRect();
    QVERIFY(pixelsLike(screen, onScreen, box.colour) > 10);

    // And in the file, for other readers.
    const QString target = m_dir.filePath(u"freetext-%1-saved.pdf"_s.arg(edited));
    QVERIFY(viewer.saveAs(target));
    const QList<ReadAnnotation> read = readAnnotations(target, 0);
    QCOMPARE(read.size(), 1);
    QVERIFY(qAbs(read.first().rect.height() - shown.rect.height()) < 1);
    const QImage page = readback::renderPoppler(target, 0, 72);
    QVERIFY(pixelsLike(page, lastLine, box.colour) > 10);
}

void TestPdfAnnotations::undoAfterSave_data()
{
    QTest::addColumn<bool>("over"); // saved over the open file, else to another one
    QTest::newRow("saved over the file") << true;
    QTest::newRow("saved as") << false;
}

void TestPdfAnnotations::undoAfterSave()
{
    QFETCH(bool, over);
    const QString source = fixtures::textPdf(m_dir.filePath(u"undo-save-%1.pdf"_s.arg(over)), 2);
    const QString target = over ? source : m_dir.filePath(u"undo-saved-%1.pdf"_s.arg(over));
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    viewer.annotationModel()->waitUntilLoaded();
    PdfAnnotation square;
    square.rect = QRectF(250, 300, 100, 100);
    QVERIFY(viewer.annotationModel()->add(viewer.documentModel()->pageAt(0)->id, square).isValid());
    QVERIFY(viewer.saveAs(target));
    QCOMPARE(readAnnotations(target, 0).size(), 1);
    QVERIFY(!viewer.documentModel()->isModified());

    // Undo is a change like any other: the square goes, the document is modified again.
    QUndoStack *stack = viewer.undoManager()->undoStack();
    QVERIFY(stack->canUndo());
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTest::keySequence(viewer.documentView(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(viewer.documentModel()->isModified());
    viewer.annotationModel()->waitUntilLoaded();
    QTRY_COMPARE(viewer.annotationModel()->annotations(0).size(), 0);
    QVERIFY(viewer.save());
    QCOMPARE(readAnnotations(viewer.documentModel()->documentPath(), 0).size(), 0);
    QCOMPARE(readback::inspect(viewer.documentModel()->documentPath()).pages.size(), 2);

    stack->redo();
    QVERIFY(viewer.save());
    QCOMPARE(readAnnotations(viewer.documentModel()->documentPath(), 0).size(), 1);
}

VELMORA_REGISTER_TEST(TestPdfAnnotations);
#include "tst_pdfannotations.moc"
