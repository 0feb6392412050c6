// Renders the viewer with one annotation of every kind, the selection and the comments tab,
// and saves the annotated document beside the pictures, for review with other readers
// (pdftoppm, mutool draw). Not a test.
//
// Usage: annotation_screenshots <output folder> [language code, e.g. de_DE]

#include "languagemanager.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfpageinteraction.h"
#include "pdfviewerwidget.h"
#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Type = PdfAnnotation::Type;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
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
    model->add(page, shape);
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
    viewer.annotationLayer()->select(model->annotations(0).last().ref);

    viewer.annotationLayer()->setTool(u"ink"_s);
    QTest::qWait(1500);
    shots::save(viewer.grab(), u"annotations-viewer"_s);
    viewer.annotationLayer()->setTool({});
    for (QToolButton *tab : viewer.findChildren<QToolButton *>(u"pdfSidebarExtraTab"_s))
        tab->click();
    QTest::qWait(800);
    shots::save(viewer.grab(), u"annotations-comments"_s);
    if (!viewer.saveAs(QDir(folder).filePath(u"annotations-saved.pdf"_s)))
        return 1;

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
