// Renders the viewer with one annotation of every kind, the selection and its handles, the
// comments tab (a reply and a review state among them), the style menu, both context menus, a
// note's text on hover and typed in place, a free text typed in its box, and saves the annotated
// document beside the pictures, for review with other readers (pdftoppm, mutool draw). Not a
// test.
//
// Usage: annotation_screenshots <output folder> [language code, e.g. de_DE]

#include "languagemanager.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfannotationstyles.h"
#include "pdfannotationtexteditor.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpageinteraction.h"
#include "pdfpagemenu.h"
#include "pdftoptoolbar.h"
#include "pdfviewerwidget.h"
#include "screenshots.h"
#include "startup.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

using namespace Qt::StringLiterals;
using Type = PdfAnnotation::Type;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setStyleSheet(Startup::applicationStyleSheet());
    const QString folder = QApplication::arguments().value(1, u"."_s);
    QDir().mkpath(folder);
    const QString language = QApplication::arguments().value(2);
    if (!language.isEmpty())
        LanguageManager::instance().setLanguage(language);
    shots::setFolder(folder);
    const QString source = fixtures::textPdf(QDir(folder).filePath(u"annotations-source.pdf"_s), 2);

    PdfViewerWidget viewer;
    viewer.resize(1300, 900);
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer) || !viewer.openDocument(source))
        return 1;
    viewer.annotationModel()->waitUntilLoaded();
    const PdfPageId page = viewer.documentModel()->pageAt(0)->id;
    auto *interaction = viewer.findChild<PdfPageInteraction *>();
    PdfAnnotationModel *model = viewer.annotationModel();

    interaction->selectPage(0);
    const QList<QPolygonF> quads = interaction->selectionQuads();
    interaction->clearSelection();
    const auto markup = [&](Type type, int line, const QColor &colour) {
        PdfAnnotation a;
        a.type = type;
        a.colour = colour;
        a.quads = {quads.value(line)};
        a.rect = quads.value(line).boundingRect();
        model->add(page, a);
    };
    markup(Type::Highlight, 2, QColor(0xFF, 0xD8, 0x4A));
    markup(Type::Underline, 3, QColor(0x25, 0x59, 0xEB));
    markup(Type::StrikeOut, 4, QColor(0xE0, 0x52, 0x52));
    PdfAnnotation shape;
    shape.type = Type::Rectangle;
    shape.rect = QRectF(300, 60, 120, 70);
    shape.fill = QColor(0xFF, 0xF1, 0xB8);
    shape.dash = PdfAnnotationStyles::dashFor(shape.width);
    model->add(page, shape);
    shape.fill = QColor();
    shape.dash.clear();
    shape.type = Type::Ellipse;
    shape.colour = QColor(0x20, 0xA6, 0x6A);
    shape.width = 4;
    shape.rect = QRectF(440, 60, 120, 70);
    model->add(page, shape);
    shape.type = Type::Arrow;
    shape.colour = QColor(0x25, 0x59, 0xEB);
    shape.width = 2;
    shape.paths = {QPolygonF({QPointF(320, 700), QPointF(480, 620)})};
    model->add(page, shape);
    shape.type = Type::Ink;
    shape.colour = QColor(0xE0, 0x52, 0x52);
    QPolygonF stroke;
    for (int k = 0; k < 120; ++k)
        stroke.append(QPointF(60 + k * 2, 720 + 18 * std::sin(k / 8.0)));
    shape.paths = {stroke};
    shape.opacity = 0.75;
    model->add(page, shape);
    PdfAnnotation note;
    note.type = Type::Note;
    note.colour = QColor(0xFF, 0xD8, 0x4A);
    note.rect = QRectF(540, 250, 22, 22);
    note.text = u"Check this paragraph"_s;
    model->add(page, note);
    PdfAnnotation text;
    text.type = Type::FreeText;
    text.colour = QColor(0x17, 0x20, 0x33);
    text.rect = QRectF(330, 760, 220, 50);
    text.text = u"Free text that wraps inside its box on the page. 中文批注也能显示。"_s;
    model->add(page, text);
    PdfAnnotationLayer *layer = viewer.annotationLayer();
    QWidget *viewport = viewer.documentView()->viewport();
    const auto at = [&](const QPointF &point) {
        return interaction->toViewport(0, point).toPoint();
    };
    layer->select(model->annotations(0).last().ref);

    layer->setTool(u"ink"_s);
    QTest::qWait(1500);
    shots::save(viewer.grab(), u"annotations-viewer"_s);
    layer->setTool({});

    // The handles of a rectangle and of an arrow.
    layer->select(model->annotations(0).at(3).ref);
    shots::save(viewer.grab(), u"annotations-handles-rectangle"_s);
    layer->select(model->annotations(0).at(5).ref);
    shots::save(viewer.grab(), u"annotations-handles-arrow"_s);

    // The style menu of the rectangle tool, after a green was chosen for it.
    layer->setTool(u"rectangle"_s);
    PdfAnnotationStyles::Style green = PdfAnnotationStyles::instance().style(u"rectangle"_s);
    green.colour = QColor(0x20, 0xA6, 0x6A);
    PdfAnnotationStyles::instance().setStyle(u"rectangle"_s, green);
    viewer.topToolBar()->findChild<QPushButton *>(u"pdfAnnotation_style"_s)->click();
    shots::settle();
    if (auto *menu = viewer.findChild<QMenu *>(u"pdfAnnotationStyleMenu"_s)) {
        shots::save(menu->grab(), u"annotations-style-menu"_s);
        if (auto *fill = menu->findChild<QMenu *>(u"pdfStyleFillMenu"_s)) {
            fill->popup(menu->mapToGlobal(QPoint(menu->width(), 0)));
            shots::save(fill->grab(), u"annotations-style-fill"_s);
            fill->close();
        }
        menu->close();
    }
    shots::save(viewer.topToolBar()->grab(), u"annotations-toolbar"_s);
    layer->setTool({});

    // A right click on the note, and on selected text.
    const QPoint onNote = at(note.rect.center());
    QContextMenuEvent noteClick(QContextMenuEvent::Mouse, onNote, viewport->mapToGlobal(onNote));
    QApplication::sendEvent(viewport, &noteClick);
    shots::settle();
    if (auto *menu = viewer.findChild<QMenu *>(u"pdfAnnotationContextMenu"_s)) {
        shots::save(menu->grab(), u"annotations-context-menu"_s);
        menu->close();
    }
    layer->select({});
    interaction->selectPage(0);
    const QPoint onText = at(QPointF(120, 330));
    QContextMenuEvent textClick(QContextMenuEvent::Mouse, onText, viewport->mapToGlobal(onText));
    QApplication::sendEvent(viewport, &textClick);
    shots::settle();
    if (auto *menu = viewer.findChild<QMenu *>(u"pdfPageContextMenu"_s)) {
        shots::save(menu->grab(), u"annotations-page-menu"_s);
        menu->close();
    }
    interaction->clearSelection();

    // The note's text on hover, then typed in place.
    QMouseEvent hover(QEvent::MouseMove, onNote, viewport->mapToGlobal(onNote), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &hover);
    shots::save(&viewer, u"annotations-note-hover"_s);
    for (const PdfAnnotationItem &item : model->annotations(0))
        if (item.annotation.type == Type::Note)
            layer->select(item.ref);
    layer->editSelectionText();
    if (PdfAnnotationTextEditor *editor = layer->textEditor()) {
        QTest::keyClick(editor->edit(), Qt::Key_Return);
        QTest::keyClicks(editor->edit(), u"and the table below it"_s);
        shots::save(&viewer, u"annotations-note-editing"_s);
        QTest::keyClick(editor->edit(), Qt::Key_Return, Qt::ControlModifier);
    }
    // A free text typed into its box, which grows with its lines.
    layer->setTool(u"freetext"_s);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at(QPointF(60, 90)));
    if (PdfAnnotationTextEditor *editor = layer->textEditor()) {
        for (const QString &line : {u"Typed where it stands:"_s, u"the box grows with"_s,
                                    u"every line that is added"_s}) {
            QTest::keyClicks(editor->edit(), line);
            QTest::keyClick(editor->edit(), Qt::Key_Return);
        }
        shots::save(&viewer, u"annotations-freetext-editing"_s);
        QTest::keyClick(editor->edit(), Qt::Key_Return, Qt::ControlModifier);
    }
    layer->setTool({});
    shots::save(&viewer, u"annotations-typed"_s);
    // The first extra tab is the comments'; the signatures' comes after it.
    if (QToolButton *tab = viewer.findChild<QToolButton *>(u"pdfSidebarExtraTab"_s))
        tab->click();
    QTest::qWait(800);
    shots::save(viewer.grab(), u"annotations-comments"_s);
    if (!viewer.saveAs(QDir(folder).filePath(u"annotations-saved.pdf"_s)))
        return 1;

    // Comments other programs wrote: a reply and a review state, listed under the note.
    const QString replies = QDir(folder).filePath(u"annotations-replies.pdf"_s);
    {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(source).constData());
        QPDFObjectHandle first = QPDFPageDocumentHelper(pdf).getAllPages().at(0).getObjectHandle();
        const auto annot = [&pdf](const std::string &dictionary) {
            return pdf.makeIndirectObject(QPDFObjectHandle::parse(dictionary));
        };
        QPDFObjectHandle asked = annot("<< /Type /Annot /Subtype /Text /Rect [300 700 322 722] "
                                       "/Contents (Is this figure current?) /T (Ada) "
                                       "/M (D:20261201090000Z) >>");
        QPDFObjectHandle reply = annot("<< /Type /Annot /Subtype /Text /Rect [300 700 322 722] "
                                       "/Contents (Yes, updated last week.) /T (Grace) "
                                       "/M (D:20261202100000Z) >>");
        reply.replaceKey("/IRT", asked);
        QPDFObjectHandle state = annot("<< /Type /Annot /Subtype /Text /Rect [300 700 322 722] "
                                       "/F 2 /T (Ada) /State (Accepted) /StateModel (Review) "
                                       "/M (D:20261202110000Z) >>");
        state.replaceKey("/IRT", asked);
        first.replaceKey("/Annots", QPDFObjectHandle::newArray(
                                        std::vector<QPDFObjectHandle>{asked, reply, state}));
        const QByteArray name = QFile::encodeName(replies); // the writer keeps the pointer
        QPDFWriter writer(pdf, name.constData());
        writer.write();
    }
    PdfViewerWidget answered;
    answered.resize(1300, 900);
    answered.show();
    if (!QTest::qWaitForWindowExposed(&answered) || !answered.openDocument(replies))
        return 1;
    answered.annotationModel()->waitUntilLoaded();
    if (QToolButton *tab = answered.findChild<QToolButton *>(u"pdfSidebarExtraTab"_s))
        tab->click();
    QTest::qWait(800);
    shots::save(answered.grab(), u"annotations-replies"_s);

    // A form field being filled.
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(1, {300, 200});
    spec.pages[0].colour = Qt::white;
    spec.formFieldPage = 0;
    const QString form = QDir(folder).filePath(u"form-source.pdf"_s);
    PdfViewerWidget filling;
    filling.resize(1000, 700);
    filling.show();
    if (!fixtures::write(spec, form) || !QTest::qWaitForWindowExposed(&filling) ||
        !filling.openDocument(form))
        return 1;
    filling.annotationModel()->waitUntilLoaded();
    filling.annotationLayer()->focusNextField(true);
    if (auto *edit = qobject_cast<QLineEdit *>(filling.annotationLayer()->fieldEditor()))
        QTest::keyClicks(edit, u"Ada Lovelace"_s);
    QTest::qWait(1200);
    shots::save(filling.grab(), u"form-editing"_s);
    QTest::keyClick(filling.annotationLayer()->fieldEditor(), Qt::Key_Return);
    QTest::qWait(300);
    shots::save(filling.grab(), u"form-filled"_s);
    return filling.saveAs(QDir(folder).filePath(u"form-saved.pdf"_s)) ? 0 : 1;
}
