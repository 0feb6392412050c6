#include "pdfviewerwidget.h"

#include "modernmessagebox.h"
#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfcommentspanel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentsession.h"
#include "pdfdocumentview.h"
#include "pdfoutlinepanel.h"
#include "pdftoptoolbar.h"

#include <QAction>
#include <QPushButton>

void PdfViewerWidget::wireAnnotations()
{
    m_annotations = new PdfAnnotationModel(m_model, m_undoManager, this);
    m_annotationLayer =
        new PdfAnnotationLayer(m_documentView, m_model, m_annotations, m_pageInteraction);
    connect(m_topToolBar, &PdfTopToolBar::annotationActionRequested, m_annotationLayer,
            &PdfAnnotationLayer::triggerAction);
    connect(m_annotationLayer, &PdfAnnotationLayer::toolChanged, m_topToolBar,
            &PdfTopToolBar::setActiveAnnotationAction);
    // A drawing tool puts the hand down (its button tells the view).
    connect(m_annotationLayer, &PdfAnnotationLayer::toolChanged, this, [this](const QString &id) {
        auto *hand = m_topToolBar->findChild<QPushButton *>(QStringLiteral("pdfHandToolButton"));
        if (!id.isEmpty() && hand && hand->isChecked())
            hand->setChecked(false);
    });
    connect(m_topToolBar, &PdfTopToolBar::handToolToggled, m_annotationLayer, [this](bool on) {
        if (on)
            m_annotationLayer->setTool({});
    });
    connect(m_annotations, &PdfAnnotationModel::allowsAnnotatingChanged, m_topToolBar,
            &PdfTopToolBar::setAnnotationActionsEnabled);
    connect(m_annotationLayer, &PdfAnnotationLayer::styleColourChanged, m_topToolBar,
            &PdfTopToolBar::setAnnotationStyleColour);
    m_topToolBar->setAnnotationStyleColour(m_annotationLayer->colour());
    // The tools' single keys work while the reading view has the keyboard, never while text is
    // typed elsewhere (find field, page box, a note).
    for (const QString &id : PdfAnnotationLayer::toolIds())
        if (QAction *action = m_topToolBar->annotationAction(id)) {
            action->setShortcutContext(Qt::WidgetShortcut);
            m_documentView->addAction(action);
        }
    connect(m_annotationLayer, &PdfAnnotationLayer::annotatingRefused, this,
            [this] { showAnnotatingRefused(false); });
    connect(m_annotationLayer, &PdfAnnotationLayer::formFillingRefused, this,
            [this] { showAnnotatingRefused(true); });

    m_commentsPanel = new PdfCommentsPanel(m_model, m_annotations);
    m_outlinePanel->addPanelTab(PdfCommentsPanel::tabIcon(), m_commentsPanel->tabText(),
                                m_commentsPanel);
    connect(m_commentsPanel, &PdfCommentsPanel::annotationActivated, this,
            [this](const PdfAnnotationRef &ref) {
                const int row = m_model->rowOfPage(ref.page);
                if (row < 0)
                    return;
                const std::optional<PdfAnnotation> annotation = m_annotations->annotation(ref);
                if (annotation)
                    m_documentView->revealPageBox(row,
                                                  PdfEditorBackend::annotationBounds(*annotation));
                else
                    m_documentView->goToPage(row);
                m_annotationLayer->select(ref);
            });
    connect(m_commentsPanel, &PdfCommentsPanel::editRequested, this,
            [this](const PdfAnnotationRef &ref) {
                m_annotationLayer->select(ref);
                m_annotationLayer->editSelectionText();
            });
    connect(m_commentsPanel, &PdfCommentsPanel::deleteRequested, this,
            [this](const PdfAnnotationRef &ref) {
                m_annotationLayer->select(ref);
                m_annotationLayer->deleteSelection();
            });
}

bool PdfViewerWidget::askFlatten()
{
    if (!m_annotations || m_annotations->isEmpty())
        return true;
    const int answer = ModernMessageBox::confirmWithDiscard(
        this, tr("将 PDF 保存为"), tr("批注和表单要保留为可编辑的批注，还是扁平化到页面中？"),
        tr("扁平化后，其他阅读器也无法再编辑或删除它们。"), tr("保留批注"), tr("扁平化"),
        tr("取消"));
    if (answer == ModernMessageBox::Cancelled)
        return false;
    m_session->setFlattenNextSave(answer == ModernMessageBox::Discarded);
    return true;
}
