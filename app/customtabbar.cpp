#include "customtabbar.h"

#include "theme.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

CustomTabBar::CustomTabBar(QWidget *parent)
    : QTabBar(parent)
{
    setDrawBase(false);
    setMovable(true);
    setElideMode(Qt::ElideRight);
    // With many files open the tabs shrink to a minimum, then scroll; the current one is
    // always brought into view.
    setUsesScrollButtons(true);
    setExpanding(true);
    setTabsClosable(false);
    setMouseTracking(true);
}

bool CustomTabBar::isHomeTab(int index) const
{
    return tabData(index).toInt() == HomeTabData;
}

bool CustomTabBar::tabsOverflow() const
{
    int total = 0;
    for (int i = 0; i < count(); ++i)
        total += tabSizeHint(i).width();
    const int room = (parentWidget() ? parentWidget()->width() : width()) - ReservedWidth;
    return total > room;
}

QSize CustomTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(42);
    if (isHomeTab(index)) {
        size.setWidth(HomeTabWidth);
        return size;
    }
    const int preferred = count() < 7 ? 180 : 150;
    int others = 0;
    for (int i = 0; i < count(); ++i)
        others += isHomeTab(i) ? 0 : 1;
    // Share the room the tab widget gives the bar; the widget's own width would follow the hint.
    const int room =
        (parentWidget() ? parentWidget()->width() : width()) - HomeTabWidth - ReservedWidth;
    const int share = others > 0 ? room / others : preferred;
    size.setWidth(std::clamp(share, MinimumTabWidth, preferred));
    return size;
}

void CustomTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    if (index == 0)
        return;
    auto *close = new QPushButton(this);
    close->setObjectName(u"tabCloseButton"_s);
    close->setFixedSize(24, 24);
    close->setCursor(Qt::PointingHandCursor);
    close->setToolTip(u"%1 (%2)"_s.arg(
        tr("关闭"), QKeySequence(Qt::CTRL | Qt::Key_W).toString(QKeySequence::NativeText)));
    close->setStyleSheet(uR"(
QPushButton { border: none; background: transparent; border-radius: 4px; padding: 3px; image: url(:/res/icons/modern/close.png); }
QPushButton:hover { background: %1; }
QPushButton:pressed { background: %2; }
)"_s.arg(Theme::tabCloseHover, Theme::tabClosePressed));
    connect(close, &QPushButton::clicked, this, [this, close] {
        // Tabs move, so ask which tab carries this button now.
        for (int i = 0; i < count(); ++i) {
            if (tabButton(i, QTabBar::RightSide) == close) {
                Q_EMIT tabCloseRequested(i);
                return;
            }
        }
    });
    setTabButton(index, QTabBar::RightSide, close);
}

void CustomTabBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int current = currentIndex();
    const QColor borderColour = Theme::color(Theme::border);
    const QColor white = Theme::color(Theme::surface);
    QFont textFont = font();
    textFont.setPixelSize(13);

    for (int i = 0; i < count(); ++i) {
        const QRectF r = QRectF(tabRect(i)).adjusted(8, 2, -4, 1);
        const qreal left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
        QColor textColour;
        if (i == current) {
            QPainterPath path;
            path.moveTo(left - 8, bottom);
            path.cubicTo(left - 4, bottom, left, bottom - 1.8, left, bottom - 6);
            path.lineTo(left, top + 6);
            path.cubicTo(left, top + 3, left + 3, top, left + 6, top);
            path.lineTo(right - 6, top);
            path.cubicTo(right - 3, top, right, top + 3, right, top + 6);
            path.lineTo(right, bottom - 6);
            path.cubicTo(right, bottom - 1.8, right + 4, bottom, right + 8, bottom);
            path.closeSubpath();
            p.fillPath(path, white);
            p.strokePath(path, QPen(borderColour, 1));
            // Hide the pane's top line under the current tab.
            p.setPen(QPen(white, 2));
            p.drawLine(QPointF(left - 5, bottom + 0.5), QPointF(right + 5, bottom + 0.5));
            textColour = Theme::color(Theme::textPrimary);
        } else {
            if (i != current - 1 && i != m_hoveredIndex) {
                p.setPen(QPen(borderColour, 1));
                p.drawLine(QPointF(right + 5, top + 12), QPointF(right + 5, bottom - 11));
            }
            textColour = Theme::color(i == m_hoveredIndex ? Theme::textPrimary : Theme::textMuted);
        }

        const QPixmap icon = tabIcon(i).pixmap(20, 20);
        if (!icon.isNull())
            p.drawPixmap(QRectF(left + 10, r.center().y() - 10, 20, 20), icon, QRectF(icon.rect()));

        QRectF textRect = r.adjusted(34, 0, 0, 0);
        if (!isHomeTab(i))
            textRect.adjust(0, 0, -32, 0);
        p.setFont(textFont);
        p.setPen(textColour);
        const QString text =
            QFontMetrics(textFont).elidedText(tabText(i), Qt::ElideRight, int(textRect.width()));
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void CustomTabBar::mouseMoveEvent(QMouseEvent *event)
{
    setHoveredIndex(tabAt(event->position().toPoint()));
    QTabBar::mouseMoveEvent(event);
}

void CustomTabBar::leaveEvent(QEvent *event)
{
    setHoveredIndex(-1);
    QTabBar::leaveEvent(event);
}

void CustomTabBar::setHoveredIndex(int index)
{
    if (index == m_hoveredIndex)
        return;
    m_hoveredIndex = index;
    update();
}
