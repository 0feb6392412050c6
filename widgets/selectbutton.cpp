#include "selectbutton.h"

#include "kitstyle.h"
#include "theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

SelectButton::SelectButton(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    m_iconLabel = new QLabel(this);
    m_iconLabel->setStyleSheet(u"QLabel{background-color:transparent;}"_s);
    m_textLabel = new QLabel(this);
    m_textLabel->setStyleSheet(KitStyle::plainLabelStyle());
    m_textLabel->setFont(KitStyle::font(KitStyle::Regular16, font()));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(m_iconLabel, 0, Qt::AlignVCenter);
    layout->addWidget(m_textLabel, 0, Qt::AlignVCenter);
    layout->addStretch();
}

void SelectButton::setText(const QString &text)
{
    m_textLabel->setText(text);
}

QString SelectButton::text() const
{
    return m_textLabel->text();
}

void SelectButton::setSelected(bool selected)
{
    m_selected = selected;
    update();
    if (selected)
        Q_EMIT sigSelected();
}

void SelectButton::paintEvent(QPaintEvent *)
{
    QColor fill = Theme::color(Theme::surface);
    QColor border = Theme::color(Theme::kitDivider);
    if (m_selected) {
        fill = border = Theme::color(m_hovered ? Theme::kitSelectedHover : Theme::kitSelected);
    } else if (m_hovered) {
        fill = border = Theme::color(Theme::kitHover);
    }
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(border);
    p.setBrush(fill);
    p.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 5, 5);
}

void SelectButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void SelectButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void SelectButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setSelected(true);
    QWidget::mousePressEvent(event);
}
