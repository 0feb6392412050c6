#include "pdfpagemenu.h"

#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffindbar.h"
#include "pdfpageinteraction.h"
#include "pdfreadinghistory.h"
#include "roundedpopupmenu.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;

PdfPageMenu::PdfPageMenu(const Parts &parts)
    : QObject(parts.host)
    , m_parts(parts)
{
    setObjectName(u"pdfPageMenu"_s);
    parts.view->viewport()->installEventFilter(this);
}

void PdfPageMenu::setAnnotations(PdfAnnotationModel *annotations, PdfAnnotationLayer *layer)
{
    m_annotations = annotations;
    m_annotationLayer = layer;
}

int PdfPageMenu::rowAt(const QPoint &viewportPosition) const
{
    const PdfDocumentView *view = m_parts.view;
    const QPoint content = viewportPosition + QPoint(view->horizontalScrollBar()->value(),
                                                     view->verticalScrollBar()->value());
    for (int row = 0; row < m_parts.model->rowCount(); ++row) {
        const QRect rect = view->pageRect(row);
        if (rect.top() > content.y())
            break;
        if (rect.contains(content))
            return row;
    }
    return view->currentPage();
}

QMenu *PdfPageMenu::build(const QPoint &viewportPosition)
{
    PdfPageInteraction *pages = m_parts.pages;
    auto *menu = new RoundedPopupMenu(m_parts.host);
    menu->setObjectName(u"pdfPageContextMenu"_s);
    const bool selected = pages->hasSelection();

    QAction *copy = menu->addAction(tr("复制"), pages, &PdfPageInteraction::copySelection);
    copy->setObjectName(u"pdfPageCopyAction"_s);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selected);
    const int row = rowAt(viewportPosition);
    QAction *all =
        menu->addAction(tr("全选本页文字"), pages, [pages, row] { pages->selectPage(row); });
    all->setObjectName(u"pdfPageSelectAllAction"_s);
    all->setEnabled(row >= 0);
    QAction *find = menu->addAction(tr("查找所选文字"), m_parts.host, [this, pages] {
        PdfFindBar *bar = m_parts.findBar;
        // One line of the selection is what a search can find.
        bar->lineEdit()->setText(pages->selectedText().section(u'\n', 0, 0).trimmed());
        bar->openBar();
    });
    find->setObjectName(u"pdfPageFindSelectionAction"_s);
    find->setEnabled(selected);
    if (selected && m_annotations && m_annotationLayer) {
        // The selected text marked as the markup tools would, in their styles.
        menu->addSeparator();
        const bool allowed = m_annotations->allowsAnnotating();
        PdfAnnotationLayer *layer = m_annotationLayer;
        const QList<std::tuple<QString, QString, const char *>> marks = {
            {tr("高亮"), u"highlight"_s, "pdfPageHighlightAction"},
            {tr("下划线"), u"underline"_s, "pdfPageUnderlineAction"},
            {tr("删除线"), u"strikeout"_s, "pdfPageStrikeOutAction"}};
        for (const auto &[text, tool, name] : marks) {
            QAction *mark =
                menu->addAction(text, layer, [layer, tool] { layer->markSelection(tool); });
            mark->setObjectName(QLatin1StringView(name));
            mark->setIcon(QIcon(u":/res/icons/pdfviewer/annot-"_s + tool + u".png"_s));
            mark->setEnabled(allowed);
        }
    }
    menu->addSeparator();
    menu->addAction(m_parts.history->backAction());
    menu->addAction(m_parts.history->forwardAction());
    return menu;
}

bool PdfPageMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu && m_parts.model->pageCount() > 0) {
        const auto *context = static_cast<QContextMenuEvent *>(event);
        QMenu *menu = build(context->pos());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(context->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
