#include "pdfreadinghistory.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdftoptoolbar.h"

#include <QAction>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

PdfReadingHistory::PdfReadingHistory(PdfDocumentView *view, PdfDocumentModel *model,
                                     QWidget *keysOwner)
    : QObject(view)
    , m_view(view)
    , m_model(model)
{
    setObjectName(u"pdfReadingHistory"_s);
    m_back = new QAction(tr("后退"), this);
    m_back->setObjectName(u"pdfHistoryBackAction"_s);
    m_back->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)});
    m_forward = new QAction(tr("前进"), this);
    m_forward->setObjectName(u"pdfHistoryForwardAction"_s);
    m_forward->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)});
    for (QAction *action : {m_back, m_forward}) {
        action->setToolTip(PdfTopToolBar::toolTipOf(action));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        keysOwner->addAction(action);
    }
    connect(m_back, &QAction::triggered, this, &PdfReadingHistory::goBack);
    connect(m_forward, &QAction::triggered, this, &PdfReadingHistory::goForward);
    keysOwner->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    updateActions();
}

bool PdfReadingHistory::canGoBack() const
{
    return !m_backPlaces.isEmpty();
}

bool PdfReadingHistory::canGoForward() const
{
    return !m_forwardPlaces.isEmpty();
}

PdfReadingHistory::Place PdfReadingHistory::here() const
{
    const int row = m_view->currentPage();
    const std::optional<PdfPageEntry> entry = m_model->pageAt(row);
    if (!entry)
        return {};
    const QRect rect = m_view->pageRect(row);
    const int top = m_view->verticalScrollBar()->value();
    const double depth = rect.height() > 0 ? double(top - rect.top()) / rect.height() : 0.0;
    return {entry->id, std::clamp(depth, -1.0, 1.0)};
}

void PdfReadingHistory::push(QList<Place> &places, const Place &place)
{
    if (place.page == 0 || (!places.isEmpty() && places.constLast() == place))
        return;
    places.append(place);
    if (places.size() > MaxPlaces)
        places.removeFirst();
}

void PdfReadingHistory::record()
{
    const Place place = here();
    if (place.page == 0)
        return;
    push(m_backPlaces, place);
    m_forwardPlaces.clear();
    updateActions();
}

void PdfReadingHistory::jumpTo(int row)
{
    if (row < 0 || row >= m_model->pageCount())
        return;
    if (row != m_view->currentPage())
        record();
    m_view->goToPage(row);
}

bool PdfReadingHistory::show(const Place &place)
{
    const int row = m_model->rowOfPage(place.page);
    if (row < 0)
        return false;
    m_view->goToPage(row);
    const QRect rect = m_view->pageRect(row);
    QScrollBar *bar = m_view->verticalScrollBar();
    bar->setValue(rect.top() + int(std::lround(place.depth * rect.height())));
    return true;
}

void PdfReadingHistory::step(QList<Place> &from, QList<Place> &to)
{
    const Place leaving = here();
    // Places whose page was removed are passed over.
    while (!from.isEmpty()) {
        const Place place = from.takeLast();
        if (m_model->rowOfPage(place.page) < 0)
            continue;
        push(to, leaving);
        show(place);
        break;
    }
    updateActions();
}

void PdfReadingHistory::goBack()
{
    step(m_backPlaces, m_forwardPlaces);
}

void PdfReadingHistory::goForward()
{
    step(m_forwardPlaces, m_backPlaces);
}

void PdfReadingHistory::clear()
{
    m_backPlaces.clear();
    m_forwardPlaces.clear();
    updateActions();
}

void PdfReadingHistory::updateActions()
{
    m_back->setEnabled(canGoBack());
    m_forward->setEnabled(canGoForward());
}

bool PdfReadingHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::BackButton || mouse->button() == Qt::ForwardButton) {
            if (mouse->button() == Qt::BackButton)
                goBack();
            else
                goForward();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
