#include "dialogseam.h"
#include "modernmessagebox.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfannotationstyles.h"
#include "pdfannotationtexteditor.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpageinteraction.h"
#include "pdfreadback.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "settingsmenu.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
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
    QString contents;
    QString author;
    QColor fill;              // /IC
    QString borderStyle;      // /BS /S
    double opacity = 1;       // /CA
    QString appearanceString; // /DA
    QList<double> line;       // /L
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
        const auto text = [&a](const char *key) {
            QPDFObjectHandle value = a.getKey(key);
            return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
        };
        r.contents = text("/Contents");
        r.author = text("/T");
        r.appearanceString = text("/DA");
        QPDFObjectHandle ic = a.getKey("/IC");
        if (ic.isArray() && ic.getArrayNItems() == 3)
            r.fill = QColor::fromRgbF(float(ic.getArrayItem(0).getNumericValue()),
                                      float(ic.getArrayItem(1).getNumericValue()),
                                      float(ic.getArrayItem(2).getNumericValue()));
        if (a.getKey("/BS").isDictionary() && a.getKey("/BS").getKey("/S").isName())
            r.borderStyle = QString::fromStdString(a.getKey("/BS").getKey("/S").getName());
        if (a.getKey("/CA").isNumber())
            r.opacity = a.getKey("/CA").getNumericValue();
        if (a.getKey("/L").isArray())
            for (QPDFObjectHandle n : a.getKey("/L").aitems())
                r.line.append(n.getNumericValue());
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

// Types lines as a user does, Enter between them.
void typeLines(QWidget *edit, const QString &text)
{
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, lines.at(i));
    }
}

// Types text into the editor the layer opened for a note or a free text, and keeps it.
void typeIn(PdfViewerWidget &viewer, const QString &text)
{
    PdfAnnotationTextEditor *editor = viewer.annotationLayer()->textEditor();
    QVERIFY(editor && editor->isVisible());
    editor->edit()->selectAll();
    typeLines(editor->edit(), text);
    QTest::keyClick(editor->edit(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!viewer.annotationLayer()->textEditor());
}

// Picks an entry of the menu the style button opens (submenus included).
bool chooseStyle(PdfViewerWidget &viewer, const QString &entry)
{
    auto *button = viewer.topToolBar()->findChild<QPushButton *>(u"pdfAnnotation_style"_s);
    QTest::mouseClick(button, Qt::LeftButton);
    QMenu *menu = nullptr;
    if (!QTest::qWaitFor([&] {
            menu = viewer.findChild<QMenu *>(u"pdfAnnotationStyleMenu"_s);
            return menu && menu->isVisible();
        }))
        return false;
    auto *action = menu->findChild<QAction *>(entry);
    const QPointer<QMenu> shown = menu;
    menu->close();
    if (action)
        action->trigger();
    // Gone once closed, so the next choice finds the next menu.
    return QTest::qWaitFor([&] { return !shown; }) && action;
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
    void cleanup()
    {
        DialogSeam::reset();
        // Styles and the author name chosen by one test do not reach the next.
        QSettings().remove(u"annotations"_s);
    }
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
    void dragOnAnnotation_data();
    void dragOnAnnotation();
    void toolStyles_data();
    void toolStyles();
    void annotationContextMenu_data();
    void annotationContextMenu();
    void typingInPlace_data();
    void typingInPlace();
    void commentsShowRepliesAndState();
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
        clickTool(viewer, tool);
        drag(viewer, 0, from, to);
        if (subtype == "/Text"_L1 || subtype == "/FreeText"_L1)
            typeIn(viewer, u"Velmora note"_s);
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
    if (subtype == "/Text"_L1 || subtype == "/FreeText"_L1)
        QCOMPARE(a.contents, u"Velmora note"_s);
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
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("edit");
    // The rectangle's stroke box afterwards, page points; an arrow's ends (top left to bottom
    // right).
    QTest::addColumn<QRectF>("expected");
    // Drawn from (250, 300) to (350, 400) with a 2-point line.
    const QString rectangle = u"rectangle"_s;
    QTest::newRow("move") << rectangle << u"move"_s << QRectF(290, 260, 100, 100);
    QTest::newRow("resize") << rectangle << u"resize"_s << QRectF(250, 300, 160, 60);
    QTest::newRow("undo a move") << rectangle << u"undo"_s << QRectF(250, 300, 100, 100);
    QTest::newRow("resize from the top left corner")
        << rectangle << u"top left"_s << QRectF(200, 250, 150, 150);
    QTest::newRow("resize from the left side")
        << rectangle << u"left"_s << QRectF(220, 300, 130, 100);
    QTest::newRow("an arrow's head moved")
        << u"arrow"_s << u"end"_s << QRectF(QPointF(250, 300), QPointF(400, 330));
    QTest::newRow("an arrow's tail moved")
        << u"arrow"_s << u"start"_s << QRectF(QPointF(200, 420), QPointF(350, 400));
}

void TestPdfAnnotations::editDrawnAnnotation()
{
    QFETCH(QString, tool);
    QFETCH(QString, edit);
    QFETCH(QRectF, expected);
    const QString source = fixtures::textPdf(m_dir.filePath(u"edit-%1.pdf"_s.arg(edit)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    viewer.annotationModel()->waitUntilLoaded();
    clickTool(viewer, tool);
    drag(viewer, 0, {250, 300}, {350, 400});
    clickTool(viewer, tool); // the tool goes down again: clicks select
    QVERIFY(viewer.annotationLayer()->tool().isEmpty());
    // Handles: the corners and side middles of the box, both ends of an arrow.
    const QMap<QString, std::pair<QPointF, QPointF>> handles = {
        {u"top left"_s, {{250, 300}, {200, 250}}},
        {u"left"_s, {{250, 350}, {220, 340}}},
        {u"end"_s, {{350, 400}, {400, 330}}},
        {u"start"_s, {{250, 300}, {200, 420}}}};

    if (edit == "resize"_L1) {
        // The handle sits on the lower right corner of what the rectangle draws.
        const QRectF bounds = PdfEditorBackend::annotationBounds(
            viewer.annotationModel()->annotations(0).first().annotation);
        QTest::mouseClick(viewer.documentView()->viewport(), Qt::LeftButton, {},
                          toViewport(viewer, 0, QPointF(300, 300)));
        drag(viewer, 0, bounds.bottomRight(), QPointF(410, 360));
    } else if (handles.contains(edit)) {
        drag(viewer, 0, handles.value(edit).first, handles.value(edit).second);
    } else {
        // Grabbed on its edge beside the side's handle, moved 40 right and 40 up.
        drag(viewer, 0, {250, 330}, {290, 290});
    }
    if (edit == "undo"_L1)
        viewer.undoManager()->undoStack()->undo();
    QCOMPARE(viewer.undoManager()->undoStack()->index(), edit == "undo"_L1 ? 1 : 2);

    const QString target = m_dir.filePath(u"edited-%1.pdf"_s.arg(edit));
    QVERIFY(viewer.saveAs(target));
    const QList<ReadAnnotation> read = readAnnotations(target, 0);
    QCOMPARE(read.size(), 1);
    if (tool == "arrow"_L1) {
        const QList<double> line = read.first().line;
        QCOMPARE(line.size(), 4);
        const QLineF ends(line[0], 842 - line[1], line[2], 842 - line[3]);
        QVERIFY2(QLineF(ends.p1(), expected.topLeft()).length() < 2 &&
                     QLineF(ends.p2(), expected.bottomRight()).length() < 2,
                 qPrintable(u"%1 %2 %3 %4"_s.arg(line[0]).arg(line[1]).arg(line[2]).arg(line[3])));
        return;
    }
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

void TestPdfAnnotations::dragOnAnnotation_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("chosen"); // selected before the gesture
    QTest::addColumn<bool>("click");  // a click, else a drag across it
    QTest::addColumn<QString>("outcome");
    QTest::newRow("drag across a highlight selects the text")
        << u"highlight"_s << false << false << u"text"_s;
    QTest::newRow("drag across a chosen highlight selects the text too")
        << u"highlight"_s << true << false << u"text"_s;
    QTest::newRow("a click on a highlight picks it")
        << u"highlight"_s << false << true << u"picked"_s;
    QTest::newRow("drag inside an empty frame selects the text")
        << u"frame"_s << false << false << u"text"_s;
    QTest::newRow("drag inside a chosen frame moves it")
        << u"frame"_s << true << false << u"moved"_s;
    QTest::newRow("drag inside a filled frame moves it")
        << u"filled frame"_s << false << false << u"moved"_s;
}

void TestPdfAnnotations::dragOnAnnotation()
{
    QFETCH(QString, kind);
    QFETCH(bool, chosen);
    QFETCH(bool, click);
    QFETCH(QString, outcome);
    const QString source = fixtures::textPdf(m_dir.filePath(u"grab-%1.pdf"_s.arg(kind)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    PdfAnnotationModel *model = viewer.annotationModel();
    model->waitUntilLoaded();
    auto *text = viewer.findChild<PdfPageInteraction *>();
    PdfAnnotation a;
    if (kind == "highlight"_L1) {
        text->selectPage(0);
        const QPolygonF line = text->selectionQuads().value(5);
        text->clearSelection();
        a.type = PdfAnnotation::Type::Highlight;
        a.quads = {line};
        a.rect = line.boundingRect();
    } else {
        a.type = PdfAnnotation::Type::Rectangle;
        a.rect = QRectF(250, 300, 100, 100);
        if (kind == "filled frame"_L1)
            a.fill = QColor(0x25, 0x59, 0xEB);
    }
    const PdfAnnotationRef ref = model->add(viewer.documentModel()->pageAt(0)->id, a);
    viewer.annotationLayer()->select(chosen ? ref : PdfAnnotationRef());
    const QRectF before = PdfEditorBackend::annotationBounds(*model->annotation(ref));
    // Across the text inside it, left to right.
    const QPointF from(before.left() + 12, before.center().y());
    const QPointF to(before.right() - 12, before.center().y() + 10);
    if (click)
        QTest::mouseClick(viewer.documentView()->viewport(), Qt::LeftButton, {},
                          toViewport(viewer, 0, from));
    else
        drag(viewer, 0, from, to);

    const QRectF after =
        PdfEditorBackend::annotationBounds(model->annotations(0).last().annotation);
    QCOMPARE(text->hasSelection(), outcome == "text"_L1);
    if (outcome == "moved"_L1) {
        QVERIFY(qAbs(after.left() - before.left() - (to - from).x()) < 1);
        QCOMPARE(viewer.undoManager()->undoStack()->count(), 2);
    } else {
        QCOMPARE(after, before);
        QCOMPARE(viewer.undoManager()->undoStack()->count(), 1);
    }
    if (outcome == "picked"_L1)
        QCOMPARE(viewer.annotationLayer()->selection(), ref);
}

void TestPdfAnnotations::toolStyles_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("choices"); // entries of the style menu, in turn
    QTest::addColumn<QString>("expected");    // "key=value" of the saved annotation
    QTest::newRow("a green rectangle leaves the highlighter yellow")
        << u"rectangle"_s << QStringList{u"pdfStyleColour_20a66a"_s} << u"C=#20a66a"_s;
    QTest::newRow("a colour of one's own")
        << u"ellipse"_s << QStringList{u"pdfStyleColour_custom"_s} << u"C=#123456"_s;
    QTest::newRow("a filled rectangle")
        << u"rectangle"_s << QStringList{u"pdfStyleFill_2559eb"_s} << u"IC=#2559eb"_s;
    QTest::newRow("a dashed arrow") << u"arrow"_s << QStringList{u"pdfStyleLine_1"_s} << u"S=/D"_s;
    QTest::newRow("a thick half-clear pen")
        << u"ink"_s << QStringList{u"pdfStyleWidth_8"_s, u"pdfStyleOpacity_0.5"_s} << u"CA=0.5"_s;
    QTest::newRow("free text in 18 points")
        << u"freetext"_s << QStringList{u"pdfStyleFontSize_18"_s} << u"DA=/Helv 18 Tf"_s;
    QTest::newRow("the author's name") << u"rectangle"_s << QStringList() << u"T=Ada Lovelace"_s;
}

void TestPdfAnnotations::toolStyles()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, choices);
    QFETCH(QString, expected);
    const QString key = expected.section(u'=', 0, 0);
    const QString value = expected.section(u'=', 1);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QString source = fixtures::textPdf(m_dir.filePath(u"styles-%1.pdf"_s.arg(name)), 1);
    if (key == "T"_L1) {
        // Set where the window's settings menu asks for it.
        SettingsMenu settings;
        DialogSeam::answerText(value);
        settings.authorAction()->trigger();
    }
    auto viewer = std::make_unique<PdfViewerWidget>();
    QVERIFY(viewertest::showAndOpen(*viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer->documentView(), viewer->documentModel()));
    viewer->annotationModel()->waitUntilLoaded();
    clickTool(*viewer, tool);
    DialogSeam::answerColour(QColor(0x12, 0x34, 0x56));
    for (const QString &choice : std::as_const(choices))
        QVERIFY(chooseStyle(*viewer, choice));

    // The tool keeps its style in a tab opened later; the others keep theirs.
    viewer.reset();
    viewer = std::make_unique<PdfViewerWidget>();
    QVERIFY(viewertest::showAndOpen(*viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer->documentView(), viewer->documentModel()));
    viewer->annotationModel()->waitUntilLoaded();
    clickTool(*viewer, u"highlight"_s);
    QCOMPARE(viewer->annotationLayer()->colour(), QColor(0xFF, 0xD8, 0x4A));
    clickTool(*viewer, tool);
    const QColor colour = viewer->annotationLayer()->colour();
    // The style button shows the tool's colour.
    auto *style = viewer->topToolBar()->findChild<QPushButton *>(u"pdfAnnotation_style"_s);
    const QImage icon = style->icon().pixmap(style->iconSize()).toImage();
    QVERIFY2(readback::similar(icon.pixelColor(icon.width() / 2, icon.height() - 2), colour, 30),
             qPrintable(icon.pixelColor(icon.width() / 2, icon.height() - 2).name()));
    drag(*viewer, 0, {250, 300}, {350, 400});
    if (tool == "freetext"_L1)
        typeIn(*viewer, u"Eighteen"_s);

    const QString target = m_dir.filePath(u"styles-%1-saved.pdf"_s.arg(name));
    QVERIFY(viewer->saveAs(target));
    const QList<ReadAnnotation> read = readAnnotations(target, 0);
    QCOMPARE(read.size(), 1);
    const ReadAnnotation &a = read.first();
    const QMap<QString, QString> got = {
        {u"C"_s, a.colour.name()},     {u"IC"_s, a.fill.name()},
        {u"S"_s, a.borderStyle},       {u"CA"_s, QString::number(a.opacity)},
        {u"DA"_s, a.appearanceString}, {u"T"_s, a.author}};
    QVERIFY2(got.value(key).startsWith(value), qPrintable(got.value(key)));
    // Other readers draw it in its colour, over white as clear as it is.
    const QImage page = readback::renderPoppler(target, 0, 72);
    const auto over = [&a](double c) {
        return 1 - a.opacity * (1 - c);
    };
    const QColor shown =
        QColor::fromRgbF(over(a.colour.redF()), over(a.colour.greenF()), over(a.colour.blueF()));
    QVERIFY(pixelsLike(page, QRectF(240, 290, 120, 120), shown) > 10);
}

void TestPdfAnnotations::annotationContextMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("delete") << u"pdfAnnotationDeleteAction"_s;
    QTest::newRow("colour") << u"pdfAnnotationColour_2559eb"_s;
    QTest::newRow("edit its text") << u"pdfAnnotationEditAction"_s;
}

void TestPdfAnnotations::annotationContextMenu()
{
    QFETCH(QString, entry);
    const QString source = fixtures::textPdf(m_dir.filePath(u"menu-%1.pdf"_s.arg(entry)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    PdfAnnotationModel *model = viewer.annotationModel();
    model->waitUntilLoaded();
    PdfAnnotation note;
    note.type = PdfAnnotation::Type::Note;
    note.rect = QRectF(300, 120, 22, 22);
    note.text = u"Before"_s;
    model->add(viewer.documentModel()->pageAt(0)->id, note);

    QWidget *viewport = viewer.documentView()->viewport();
    const QPoint at = toViewport(viewer, 0, note.rect.center());
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = viewer.findChild<QMenu *>(u"pdfAnnotationContextMenu"_s)) &&
                menu->isVisible());
    // The page's own menu stays closed.
    QVERIFY(!viewer.findChild<QMenu *>(u"pdfPageContextMenu"_s));
    auto *action = menu->findChild<QAction *>(entry);
    QVERIFY(action);
    menu->close();
    action->trigger();
    if (entry == "pdfAnnotationEditAction"_L1)
        typeIn(viewer, u"After"_s);

    const QList<PdfAnnotationItem> items = model->annotations(0);
    if (entry == "pdfAnnotationDeleteAction"_L1) {
        QCOMPARE(items.size(), 0);
        return;
    }
    QCOMPARE(items.size(), 1);
    if (entry == "pdfAnnotationEditAction"_L1)
        QCOMPARE(items.first().annotation.text, u"After"_s);
    else
        QCOMPARE(items.first().annotation.colour, QColor(0x25, 0x59, 0xEB));
    const QString target = m_dir.filePath(u"menu-%1-saved.pdf"_s.arg(entry));
    QVERIFY(viewer.saveAs(target));
    const ReadAnnotation saved = readAnnotations(target, 0).value(0);
    QCOMPARE(saved.contents, items.first().annotation.text);
    QVERIFY(readback::similar(saved.colour, items.first().annotation.colour, 4));
}

void TestPdfAnnotations::typingInPlace_data()
{
    QTest::addColumn<QString>("tool");
    QTest::newRow("note") << u"note"_s;
    QTest::newRow("free text") << u"freetext"_s;
}

void TestPdfAnnotations::typingInPlace()
{
    QFETCH(QString, tool);
    const QString source = fixtures::textPdf(m_dir.filePath(u"typing-%1.pdf"_s.arg(tool)), 1);
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    QVERIFY(viewertest::waitForVisibleImages(viewer.documentView(), viewer.documentModel()));
    PdfAnnotationModel *model = viewer.annotationModel();
    model->waitUntilLoaded();
    PdfAnnotationLayer *layer = viewer.annotationLayer();
    QWidget *viewport = viewer.documentView()->viewport();
    clickTool(viewer, tool);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, toViewport(viewer, 0, {300, 120}));
    PdfAnnotationTextEditor *editor = layer->textEditor();
    QVERIFY(editor && editor->isVisible());
    // Nothing is added before the text is typed.
    QCOMPARE(model->annotations(0).size(), 0);
    const QRect box =
        QRectF(toViewport(viewer, 0, {300, 120}),
               toViewport(viewer, 0, tool == "note"_L1 ? QPointF(322, 142) : QPointF(480, 160)))
            .toRect();
    if (tool == "note"_L1) {
        // A card beside the note, inside the view.
        QVERIFY(!editor->geometry().intersects(box.adjusted(2, 2, -2, -2)));
        QVERIFY(viewport->rect().contains(editor->geometry()));
    } else {
        // The box on the page itself, as wide as the box.
        QVERIFY(qAbs(editor->geometry().left() - box.left()) <= 1);
        QVERIFY(qAbs(editor->width() - box.width()) <= 2);
    }
    const int startHeight = editor->height();
    typeLines(editor->edit(), u"First line\nsecond line\nthird line\nfourth line"_s);
    if (tool == "freetext"_L1)
        QVERIFY2(editor->height() > startHeight, qPrintable(QString::number(editor->height())));
    QTest::keyClick(editor->edit(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!layer->textEditor());
    QCOMPARE(model->annotations(0).size(), 1);
    const PdfAnnotation made = model->annotations(0).first().annotation;
    QCOMPARE(made.text, u"First line\nsecond line\nthird line\nfourth line"_s);
    if (tool == "freetext"_L1)
        QVERIFY(made.rect.height() * 1.01 >= 4 * made.fontSize * 1.2);
    QCOMPARE(viewer.undoManager()->undoStack()->count(), 1);

    // Escape leaves the text as it was.
    clickTool(viewer, tool);
    layer->select(model->annotations(0).first().ref);
    QVERIFY(layer->editSelectionText());
    QTest::keyClicks(layer->textEditor()->edit(), u"gone"_s);
    QTest::keyClick(layer->textEditor()->edit(), Qt::Key_Escape);
    QCOMPARE(model->annotations(0).first().annotation.text, made.text);

    // Resting on a note shows what it says beside it.
    if (tool == "note"_L1) {
        const QPoint on = toViewport(viewer, 0, made.rect.center());
        QMouseEvent hover(QEvent::MouseMove, on, viewport->mapToGlobal(on), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &hover);
        auto *popup = viewer.findChild<QLabel *>(u"pdfNotePopup"_s);
        QVERIFY(popup && popup->isVisible());
        QVERIFY(popup->text().contains(u"fourth line"_s));
        const QPoint away = toViewport(viewer, 0, {100, 100});
        QMouseEvent leave(QEvent::MouseMove, away, viewport->mapToGlobal(away), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &leave);
        QVERIFY(!popup->isVisible());
    }

    const QString target = m_dir.filePath(u"typing-%1-saved.pdf"_s.arg(tool));
    QVERIFY(viewer.saveAs(target));
    QCOMPARE(readAnnotations(target, 0).value(0).contents, made.text);
}

void TestPdfAnnotations::commentsShowRepliesAndState()
{
    // A note, a reply to it and the review state set on it, as other programs write them.
    const QString source = m_dir.filePath(u"replies.pdf"_s);
    {
        QPDF pdf;
        pdf.processFile(
            QFile::encodeName(fixtures::textPdf(m_dir.filePath(u"replies-plain.pdf"_s), 1))
                .constData());
        QPDFObjectHandle page = QPDFPageDocumentHelper(pdf).getAllPages().at(0).getObjectHandle();
        const auto annot = [&pdf](const std::string &dictionary) {
            return pdf.makeIndirectObject(QPDFObjectHandle::parse(dictionary));
        };
        QPDFObjectHandle note = annot("<< /Type /Annot /Subtype /Text /Rect [300 700 322 722] "
                                      "/Contents (Check this) /T (Ada) >>");
        QPDFObjectHandle reply = annot("<< /Type /Annot /Subtype /Text /Rect [300 700 322 722] "
                                       "/Contents (Done) /T (Bob) >>");
        reply.replaceKey("/IRT", note);
        QPDFObjectHandle state =
            annot("<< /Type /Annot /Subtype /Text /Rect [300 700 322 722] /F 2 /T (Bob) "
                  "/State (Accepted) /StateModel (Review) >>");
        state.replaceKey("/IRT", note);
        page.replaceKey("/Annots", QPDFObjectHandle::newArray(
                                       std::vector<QPDFObjectHandle>{note, reply, state}));
        const QByteArray name = QFile::encodeName(source); // the writer keeps the pointer
        QPDFWriter writer(pdf, name.constData());
        writer.write();
    }
    PdfViewerWidget viewer;
    QVERIFY(viewertest::showAndOpen(viewer, source, QSize(1100, 800)));
    viewer.annotationModel()->waitUntilLoaded();
    auto *panel = viewer.findChild<PdfCommentsPanel *>();
    QVERIFY(panel);
    panel->show();
    QListWidget *list = panel->list();
    QTRY_COMPARE(list->count(), 2);
    const QString comment = list->item(0)->text();
    QVERIFY2(comment.startsWith(u"1. "_s) && comment.contains(u"Check this"_s) &&
                 comment.contains(PdfCommentsPanel::stateName(u"Accepted"_s)),
             qPrintable(comment));
    const QString answer = list->item(1)->text();
    QVERIFY2(answer.contains(u"Bob"_s) && answer.contains(u"Done"_s), qPrintable(answer));
}

VELMORA_REGISTER_TEST(TestPdfAnnotations);
#include "tst_pdfannotations.moc"
