// Annotations: the save of a long manual with 200 annotations against the same save without
// them (best of three each), and the longest stall of the event loop while ink is drawn over a
// page of it in a viewer tab (offscreen).
//   bench_annotations [document.pdf]   (a 2,415-page manual is written when none is named)

#include "benchsupport.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfpageinteraction.h"
#include "pdfviewerwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

double bestSaveMs(const QList<PdfSourcePage> &pages, const QString &target)
{
    double best = 1e18;
    for (int run = 0; run < 3; ++run) {
        QFile::remove(target);
        QElapsedTimer clock;
        clock.start();
        PdfBackendError error = PdfBackendError::NoError;
        QString message;
        if (!PdfEditorBackend::saveDocument(pages, target, &error, &message)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(message));
            return -1;
        }
        best = std::min(best, double(clock.nsecsElapsed()) / 1e6);
    }
    return best;
}

PdfAnnotation sample(int i)
{
    using Type = PdfAnnotation::Type;
    PdfAnnotation a;
    const Type types[] = {Type::Rectangle, Type::Ellipse, Type::Ink,     Type::Arrow,
                          Type::Highlight, Type::Note,    Type::FreeText};
    a.type = types[i % 7];
    const QPointF at(60 + (i % 5) * 80, 100 + (i % 9) * 60);
    a.rect = QRectF(at, QSizeF(70, 40));
    a.quads = {QPolygonF({at, at + QPointF(70, 0), at + QPointF(70, 12), at + QPointF(0, 12)})};
    QPolygonF stroke;
    for (int k = 0; k < 60; ++k)
        stroke.append(at + QPointF(k, 10 * std::sin(k / 6.0)));
    a.paths = {a.type == Type::Arrow ? QPolygonF({at, at + QPointF(70, 40)}) : stroke};
    a.text = u"Comment %1 on this page"_s.arg(i + 1);
    a.author = u"bench"_s;
    return a;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QString path = QApplication::arguments().value(1);
    if (path.isEmpty()) {
        path = dir.filePath(u"manual.pdf"_s);
        if (!BenchSupport::writeLongDocument(path, 2415, u"Chapter"_s, 40,
                                             u"The manual explains every option in turn."_s)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
    }

    PdfDocumentModel model;
    PdfBackendError error = PdfBackendError::NoError;
    QString message;
    if (!model.loadDocument(path, {}, &error, &message)) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path), qPrintable(message));
        return 1;
    }
    model.ensurePageSizes();
    const QList<PdfSourcePage> plain = model.sourcePages();
    QList<PdfSourcePage> annotated = plain;
    const int step = std::max(1, int(annotated.size()) / 200);
    int added = 0;
    for (qsizetype i = 0; i < annotated.size() && added < 200; i += step)
        annotated[i].annotations.append(sample(added++));
    const double without = bestSaveMs(plain, dir.filePath(u"plain.pdf"_s));
    const double with = bestSaveMs(annotated, dir.filePath(u"annotated.pdf"_s));
    if (without < 0 || with < 0)
        return 1;
    std::printf("save %lld pages: without annotations %.0f ms, with %d annotations %.0f ms "
                "(%.2fx, budget 1.2x)\n",
                static_cast<long long>(plain.size()), without, added, with, with / without);

    // Ink over a page of the same manual in a viewer.
    PdfViewerWidget viewer;
    viewer.resize(1160, 780);
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer) || !viewer.openDocument(path))
        return 1;
    PdfDocumentView *view = viewer.documentView();
    const PdfPageId first = viewer.documentModel()->pageAt(0)->id;
    if (!QTest::qWaitFor([view, first] { return view->hasPageImage(first); }, 60000))
        return 1;
    // Drawn once the document came to rest: every size read, the file's annotations known.
    viewer.annotationModel()->waitUntilLoaded();
    if (!QTest::qWaitFor([&viewer] { return !viewer.documentModel()->pageSizesPending(); }, 60000))
        std::fprintf(stderr, "page sizes still pending\n");
    QTest::qWait(3000);
    BenchSupport::StallMeter idle(1);
    idle.start();
    QTest::qWait(3000);
    const double idleStall = idle.stopMs();
    auto *interaction = viewer.findChild<PdfPageInteraction *>();
    viewer.annotationLayer()->setTool(u"ink"_s);
    QWidget *viewport = view->viewport();
    BenchSupport::StallMeter stall(1);
    stall.start();
    QElapsedTimer clock;
    clock.start();
    double longestCommit = 0;
    const int strokes = 20;
    const int points = 150;
    for (int s = 0; s < strokes; ++s) {
        const auto at = [&](int k) {
            return interaction
                ->toViewport(0, QPointF(60 + k * 3, 120 + s * 30 + 12 * std::sin(k / 5.0)))
                .toPoint();
        };
        QTest::mousePress(viewport, Qt::LeftButton, {}, at(0));
        for (int k = 1; k < points; ++k) {
            QMouseEvent move(QEvent::MouseMove, at(k), viewport->mapToGlobal(at(k)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
            // A pointer reports about every 8 ms; the loop paints in between.
            QTest::qWait(1);
        }
        QElapsedTimer commit;
        commit.start();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(points - 1));
        longestCommit = std::max(longestCommit, double(commit.nsecsElapsed()) / 1e6);
        QTest::qWait(5);
    }
    const double drawMs = double(clock.nsecsElapsed()) / 1e6;
    const double longest = stall.stopMs();
    std::printf("ink: %d strokes of %d points in %.0f ms, longest stall %.1f ms (budget 50 ms), "
                "longest end of a stroke %.1f ms, idle stall of the machine %.1f ms; %lld "
                "annotations on the page\n",
                strokes, points, drawMs, longest, longestCommit, idleStall,
                static_cast<long long>(viewer.annotationModel()->annotations(0).size()));
    return 0;
}
