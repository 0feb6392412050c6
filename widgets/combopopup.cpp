#include "combopopup.h"

#include "kitstyle.h"
#include "theme.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ComboPopup::ComboPopup(QWidget *owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
{
    m_blend = KitStyle::windowsBlend();
    setAttribute(Qt::WA_TranslucentBackground, m_blend);

    m_list = new QListWidget(this);
    m_list->setObjectName(u"comboPopupList"_s);
    m_list->setStyleSheet(uR"(
QListWidget { border: 1px solid %1; border-radius: 8px; outline: none; background: %2; padding: 8px; }
QListWidget::item { height: 36px; padding: 6px; border-radius: 6px; color: %3; }
QListWidget::item:hover { background: %4; }
QListWidget::item:focus { background: %4; }
QListWidget::item:selected { background: %5; color: %6; }
)"_s.arg(Theme::kitDivider, Theme::surface, Theme::menuText, Theme::kitHover, Theme::kitSelected,
                          Theme::kitSelectedBorder) +
                          // Opaque, the corners outside the rounding would be drawn solid.
                          (m_blend ? QString() : u"QListWidget { border-radius: 0px; }"_s));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->horizontalScrollBar()->setEnabled(false);
    m_list->verticalScrollBar()->setEnabled(false);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setIconSize(QSize(24, 24));
    m_list->setFont(KitStyle::font(KitStyle::Regular14, font()));
    m_list->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_list->model(), &QAbstractItemModel::rowsInserted, this, &ComboPopup::fitToRows);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    fitToRows();
}

void ComboPopup::fitToRows()
{
    const int height = m_list->count() * 48 + 16;
    m_list->setFixedHeight(height);
    setFixedHeight(height);
}

void ComboPopup::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), m_blend ? QColor(Qt::transparent) : Theme::color(Theme::surface));
}

void ComboPopup::focusOutEvent(QFocusEvent *event)
{
    hide();
    QWidget::focusOutEvent(event);
}

void ComboPopup::mousePressEvent(QMouseEvent *event)
{
    // A press outside closes the popup; when it lands on the combo that opened it, the press must
    // not reach the combo too, or the combo would open the popup again at once.
    if (!rect().contains(event->position().toPoint())) {
        if (QWidget *owner = parentWidget()) {
            const QRect ownerRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
            if (ownerRect.contains(event->globalPosition().toPoint()))
                setAttribute(Qt::WA_NoMouseReplay);
        }
    }
    QWidget::mousePressEvent(event);
}

bool ComboPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && (watched == m_list || watched == m_list->viewport()))
        return true;
    if (event->type() == QEvent::KeyPress && watched == m_list) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (QListWidgetItem *item = m_list->currentItem())
                Q_EMIT itemChosen(item);
            return true;
        }
        if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
