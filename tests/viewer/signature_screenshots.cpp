// Renders the viewer's signature bar and panel over signed files of many kinds, the question a
// save asks before it would break a signature, the signing dialog and the box being drawn on a
// page. Not a test.
//
// Usage: signature_screenshots <output folder> <corpus folder (tests/signatures/make_corpus.py)>
//        [dark | language code, e.g. de_DE]   (the dark theme, or the interface in that language;
//        VELMORA_TRUSTED_CERTIFICATES=<corpus>/ca.pem trusts the test CA)

#include "darktheme.h"
#include "dialogseam.h"
#include "languagemanager.h"
#include "moderncombobox.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfsignaturebar.h"
#include "pdfsignatureboxtool.h"
#include "pdfsignaturestatus.h"
#include "pdfsigndialog.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "screenshots.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

bool openAndWait(PdfViewerWidget &viewer, const QString &path)
{
    if (!viewer.openDocument(path))
        return false;
    return QTest::qWaitFor(
        [&] {
            const auto state = viewer.signatureStatus()->state();
            return state == PdfSignatureStatus::State::Ready ||
                   state == PdfSignatureStatus::State::Failed;
        },
        20000);
}

// Grabs the modal box a call shows, then closes it.
void grabModal(const QString &name)
{
    QTimer::singleShot(800, [name] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        shots::save(shots::screenAround(box, 20), name);
        box->close();
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = QApplication::arguments().value(1, u"."_s);
    const QDir corpus(QApplication::arguments().value(2, u"."_s));
    shots::setFolder(folder);
    const QString look = QApplication::arguments().value(3);
    if (look == u"dark"_s)
        DarkTheme::setEnabled(true);
    else if (!look.isEmpty())
        LanguageManager::instance().setLanguage(look);

    PdfViewerWidget viewer;
    viewer.resize(1300, 860);
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer))
        return 1;

    const QList<std::pair<QString, QString>> files = {
        {u"03-cms-sha256.pdf"_s, u"self-signed"_s},
        {u"09-tampered.pdf"_s, u"tampered"_s},
        {u"12-ca-leaf.pdf"_s, u"ca-leaf"_s},
        {u"10-update-annotation.pdf"_s, u"annotation-after"_s},
        {u"11-update-content.pdf"_s, u"content-after"_s},
        {u"13-expired.pdf"_s, u"expired"_s},
        {u"14-two-signatures.pdf"_s, u"two-signatures"_s},
        {u"15-certify-p1.pdf"_s, u"certified"_s},
        {u"16-certify-p1-annotation.pdf"_s, u"certified-changed"_s},
        {u"unsigned-two-fields.pdf"_s, u"empty-fields"_s},
    };
    bool panelShown = false;
    QList<QPixmap> bars;
    for (const auto &[file, name] : files) {
        if (!openAndWait(viewer, corpus.filePath(file)))
            return 1;
        if (!panelShown && viewer.signatureBar()->isVisible()) {
            Q_EMIT viewer.signatureBar()->panelRequested();
            panelShown = true;
        }
        QTest::qWait(900);
        shots::save(viewer.grab(), u"signatures-"_s + name);
        if (viewer.signatureBar()->isVisible())
            bars.append(
                viewer.signatureBar()->grab(QRect(0, 0, 900, viewer.signatureBar()->height())));
    }
    // Every bar under the one before, at twice their size.
    QPixmap sheet(900, int(bars.size()) * (bars.value(0).height() + 6));
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (qsizetype i = 0; i < bars.size(); ++i)
        painter.drawPixmap(0, int(i) * (bars.at(i).height() + 6), bars.at(i));
    painter.end();
    shots::save(shots::zoomed(sheet), u"signatures-bars"_s);

    // The question before a save that would rewrite the signed file.
    if (!openAndWait(viewer, corpus.filePath(u"03-cms-sha256.pdf"_s)))
        return 1;
    viewer.undoManager()->rotatePages({viewer.documentModel()->pageAt(0)->id}, 90);
    grabModal(u"signatures-save-question"_s);
    viewer.save();
    viewer.undoManager()->undoStack()->undo();

    // The signing dialog, over a document with empty fields.
    if (!openAndWait(viewer, corpus.filePath(u"unsigned-two-fields.pdf"_s)))
        return 1;
    QList<PdfSignatureInfo> empty;
    for (const PdfSignatureInfo &info : viewer.signatureStatus()->report().signatures)
        empty.append(info);
    auto *dialog = new PdfSignDialog(empty, &viewer);
    dialog->open();
    QTest::qWait(800);
    shots::save(shots::screenAround(dialog, 20), u"signatures-sign-dialog"_s);
    dialog->close();

    // A box being drawn on the first page.
    auto *box = viewer.findChild<PdfSignatureBoxTool *>();
    QWidget *viewport = viewer.documentView()->viewport();
    box->start();
    const QRect page = viewer.documentView()->pageRect(0);
    const QPoint offset(viewer.documentView()->horizontalScrollBar()->value(),
                        viewer.documentView()->verticalScrollBar()->value());
    const QPoint from = page.topLeft() - offset + QPoint(page.width() / 2, page.height() / 3);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, from + QPoint(200, 70), viewport->mapToGlobal(from),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::qWait(500);
    shots::save(viewer.grab(), u"signatures-drawing-box"_s);
    box->cancel();

    // The version the first of two signatures covers, opened read-only.
    PdfViewerWidget copy;
    copy.resize(1300, 860);
    QObject::connect(&viewer, &PdfViewerWidget::readOnlyCopyRequested, &copy,
                     [&copy](const QString &path, const QString &) {
                         copy.show();
                         copy.openDocument(path);
                         copy.setReadOnly(true);
                     });
    if (!openAndWait(viewer, corpus.filePath(u"14-two-signatures.pdf"_s)))
        return 1;
    QTest::qWait(300);
    auto *signedVersion = viewer.findChild<QPushButton *>(u"pdfSignedVersionButton"_s);
    if (!signedVersion)
        return 1;
    signedVersion->click();
    if (!QTest::qWaitFor([&] { return copy.signatureBar()->isVisible(); }, 20000))
        return 1;
    QTest::qWait(900);
    shots::save(copy.grab(), u"signatures-signed-version"_s);
    copy.hide();

    // The properties dialog names the signatures.
    viewer.topToolBar()->action(PdfTopToolBar::Command::Properties)->trigger();
    QTest::qWait(1200);
    if (QWidget *properties = QApplication::activeModalWidget()) {
        shots::save(shots::screenAround(properties, 20), u"signatures-properties"_s);
        properties->close();
    }

    // Signing from start to end: the dialog opens the certificate after a wrong password, a box
    // is drawn on the first page, the signed file is written and shown.
    const QString plain = QDir(folder).filePath(u"signing-source.pdf"_s);
    QFile::remove(plain);
    QFile::remove(QDir(folder).filePath(u"signing-source-signed.pdf"_s));
    if (!QFile::copy(corpus.filePath(u"unsigned-one-field.pdf"_s), plain) ||
        !openAndWait(viewer, plain))
        return 1;
    QTimer::singleShot(800, [&] {
        auto *dialog = qobject_cast<PdfSignDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        DialogSeam::answerFiles({corpus.filePath(u"self.p12"_s)});
        DialogSeam::answerText(u"wrong"_s);
        DialogSeam::answerText(u"pw"_s);
        dialog->findChild<QPushButton *>(u"signCertificateButton"_s)->click();
        dialog->findChild<QLineEdit *>(u"signReason"_s)->setText(u"同意此文档"_s);
        dialog->findChild<QLineEdit *>(u"signLocation"_s)->setText(u"上海"_s);
        auto *placement = dialog->findChild<ModernComboBox *>(u"signPlacement"_s);
        placement->setCurrentItem(0);
        QTest::qWait(400);
        shots::save(shots::screenAround(dialog, 20), u"signatures-sign-dialog-filled"_s);
        dialog->findChild<QPushButton *>(u"signConfirmButton"_s)->click();
    });
    viewer.signDocument();
    if (!box->isActive())
        return 1;
    DialogSeam::answerFiles({QDir(folder).filePath(u"signing-source-signed.pdf"_s)});
    QTest::qWait(300);
    const QRect target = viewer.documentView()->pageRect(0);
    const QPoint at(viewer.documentView()->horizontalScrollBar()->value(),
                    viewer.documentView()->verticalScrollBar()->value());
    const QPoint start = target.topLeft() - at + QPoint(target.width() / 2, target.height() / 2);
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QMouseEvent drag(QEvent::MouseMove, start + QPoint(220, 80), viewport->mapToGlobal(start),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drag);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(220, 80));
    if (!QTest::qWaitFor(
            [&] {
                return viewer.documentModel()->documentPath().endsWith(u"-signed.pdf"_s) &&
                       viewer.signatureStatus()->state() == PdfSignatureStatus::State::Ready;
            },
            30000))
        return 1;
    QTest::qWait(1200);
    shots::save(viewer.grab(), u"signatures-after-signing"_s);
    return 0;
}
