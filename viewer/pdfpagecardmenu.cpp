#include "pdfpagecardmenu.h"

#include "pdfdocumentmodel.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "roundedpopupmenu.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QIcon>

using namespace Qt::StringLiterals;

PdfPageCardMenu::PdfPageCardMenu(const Parts &parts)
    : QObject(parts.host)
    , m_parts(parts)
{
    setObjectName(u"pdfPageCardMenu"_s);
    for (QAbstractItemView *view : parts.views)
        watch(view);
}

void PdfPageCardMenu::watch(QAbstractItemView *view)
{
    if (!view)
        return;
    m_views.append(view);
    view->viewport()->installEventFilter(this);
}

QMenu *PdfPageCardMenu::build(int row)
{
    PdfDocumentModel *model = m_parts.model;
    const std::optional<PdfPageEntry> entry = model->pageAt(row);
    if (!entry)
        return nullptr;
    if (!model->selectedPageIds().contains(entry->id))
        model->setSelectedPageIds({entry->id});

    using Command = PdfTopToolBar::Command;
    PdfTopToolBar *bar = m_parts.toolBar;
    PdfUndoManager *undo = m_parts.undo;
    auto *menu = new RoundedPopupMenu(m_parts.host);
    menu->setObjectName(u"pdfPageCardContextMenu"_s);
    menu->addAction(bar->action(Command::RotateLeft));
    menu->addAction(bar->action(Command::RotateRight));
    QAction *duplicate = menu->addAction(tr("创建副本"), m_parts.host, [model, undo] {
        undo->duplicatePages(model->selectedPageIds().values());
    });
    duplicate->setObjectName(u"pdfPageCardDuplicateAction"_s);
    duplicate->setIcon(QIcon(u":/res/icons/modern/documents.png"_s));
    menu->addAction(bar->action(Command::Delete));
    menu->addSeparator();
    const PdfPageId id = entry->id;
    QAction *blank = menu->addAction(tr("在后面插入空白页"), m_parts.host, [model, undo, id] {
        const int at = model->rowOfPage(id);
        const std::optional<PdfPageEntry> page = model->pageAt(at);
        if (page)
            undo->insertBlankPage(at + 1, PdfDocumentModel::displaySize(*page));
    });
    blank->setObjectName(u"pdfPageCardBlankAction"_s);
    blank->setIcon(QIcon(u":/res/icons/pdfviewer/insert-plus.png"_s));
    QAction *insert = menu->addAction(tr("插入 PDF"), m_parts.host, [this, model, id] {
        m_parts.insertPdf(model->rowOfPage(id) + 1);
    });
    insert->setObjectName(u"pdfPageCardInsertAction"_s);
    insert->setIcon(QIcon(u":/res/icons/modern/add-file.png"_s));
    menu->addAction(bar->action(Command::Extract));
    return menu;
}

bool PdfPageCardMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    for (QAbstractItemView *view : std::as_const(m_views)) {
        if (view->viewport() != watched)
            continue;
        const auto *context = static_cast<QContextMenuEvent *>(event);
        const QModelIndex index = view->indexAt(context->pos());
        QMenu *menu = index.isValid() ? build(index.row()) : nullptr;
        if (!menu)
            return false;
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(context->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
