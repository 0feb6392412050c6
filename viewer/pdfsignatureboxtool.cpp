#include "pdfsignatureboxtool.h"

#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdfpageinteraction.h"
#include "theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// A click without a drag: a box of about a name's size.
constexpr QSizeF ClickBox{180.0, 54.0};
constexpr double MinimumSide = 12.0;

} // namespace

PdfSignatureBoxTool::PdfSignatureBoxTool(PdfDocumentView *view, PdfPageInteraction *interaction)
    : QWidget(view->viewport())
    , m_view(view)
    , m_interaction(interaction)
{
    setObjectName(u"pdfSignatureBoxTool"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    hide();
}

void PdfSignatureBoxTool::start()
{
    if (!m_view)
        return;
    m_active = true;
    m_row = -1;
    setGeometry(m_view->viewport()->rect());
    m_view->viewport()->setCursor(Qt::CrossCursor);
    m_view->setFocus();
    show();
    raise();
    update();
}

void PdfSignatureBoxTool::cancel()
{
    if (!m_active)
        return;
    stop();
    Q_EMIT cancelled();
}

void PdfSignatureBoxTool::stop()
{
    m_active = false;
    m_row = -1;
    if (m_view)
        m_view->viewport()->unsetCursor();
    hide();
}

QRectF PdfSignatureBoxTool::pageBox() const
{
    const std::optional<PdfPageEntry> entry = m_view ? m_view->shownPage(m_row) : std::nullopt;
    if (!entry)
        return {};
    const QRectF page(QPointF(), entry->pageSize);
    QRectF box = QRectF(m_start, m_now).normalized();
    if (box.width() < MinimumSide || box.height() < MinimumSide) {
        box = QRectF(QPointF(), ClickBox);
        box.moveCenter(m_start);
        box.moveLeft(std::clamp(box.left(), 0.0, std::max(page.width() - box.width(), 0.0)));
        box.moveTop(std::clamp(box.top(), 0.0, std::max(page.height() - box.height(), 0.0)));
    }
    return box.intersected(page);
}

void PdfSignatureBoxTool::finish(const QPoint &viewportPos)
{
    m_now = m_interaction->toPage(m_row, viewportPos);
    const int row = m_row;
    const QRectF box = pageBox();
    stop();
    if (box.isEmpty())
        Q_EMIT cancelled();
    else
        Q_EMIT boxDrawn(row, box);
}

bool PdfSignatureBoxTool::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_active || !m_view || !m_interaction)
        return false;
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (watched != m_view->viewport())
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        setGeometry(m_view->viewport()->rect());
        return false;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        const QPoint pos = mouse->position().toPoint();
        m_row = m_interaction->pageRowAt(pos);
        if (m_row >= 0)
            m_start = m_now = m_interaction->toPage(m_row, pos);
        return true;
    }
    case QEvent::MouseMove:
        if (m_row >= 0) {
            m_now = m_interaction->toPage(m_row,
                                          static_cast<QMouseEvent *>(event)->position().toPoint());
            update();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (m_row >= 0 && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            finish(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

void PdfSignatureBoxTool::paintEvent(QPaintEvent *)
{
    if (!m_active || !m_view || !m_interaction)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QString hint = tr("在页面上拖动，画出签名框；按 Esc 取消");
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const QRect textRect = painter.fontMetrics().boundingRect(hint).adjusted(-14, -8, 14, 8);
    QRect pill(QPoint(), textRect.size());
    pill.moveCenter(QPoint(width() / 2, 14 + pill.height() / 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::color(Theme::toolTipBackground));
    painter.drawRoundedRect(pill, pill.height() / 2.0, pill.height() / 2.0);
    painter.setPen(Theme::color(Theme::surface));
    painter.drawText(pill, Qt::AlignCenter, hint);

    if (m_row < 0)
        return;
    const QRectF box = QRectF(m_start, m_now).normalized();
    const QPointF a = m_interaction->toViewport(m_row, box.topLeft());
    const QPointF b = m_interaction->toViewport(m_row, box.bottomRight());
    const QRectF shown = QRectF(a, b).normalized();
    QColor fill = Theme::color(Theme::accent);
    fill.setAlphaF(0.12);
    painter.setBrush(fill);
    QPen pen(Theme::color(Theme::accent), 1.5, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(shown);
}
