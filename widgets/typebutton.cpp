#include "typebutton.h"

#include "cardlook.h"
#include "theme.h"

#include <QLabel>
#include <QLayout>
#include <QMouseEvent>

TypeButton::TypeButton(QWidget *parent)
    : QRadioButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    const CardLook::Labels labels = CardLook::addLabels(this);
    m_iconLabel = labels.icon;
    m_textLabel = labels.text;
}

void TypeButton::setText(const QString &text)
{
    m_textLabel->setText(text);
}

QString TypeButton::text() const
{
    return m_textLabel->text();
}

void TypeButton::setPixmap(const QPixmap &pixmap)
{
    m_iconLabel->setPixmap(pixmap);
}

QSize TypeButton::sizeHint() const
{
    return layout()->sizeHint();
}

QSize TypeButton::minimumSizeHint() const
{
    return layout()->minimumSize();
}

void TypeButton::paintEvent(QPaintEvent *)
{
    QColor fill = Theme::color(Theme::surface);
    QColor border = Theme::color(Theme::kitDivider);
    if (isChecked()) {
        fill = Theme::color(Theme::kitSelected);
        border = Theme::color(Theme::kitSelectedBorder);
    } else if (m_hovered) {
        fill = Theme::color(Theme::kitHover);
        border = Theme::color(Theme::kitHoverBorder);
    }
    CardLook::paint(this, fill, border);
}

void TypeButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QRadioButton::enterEvent(event);
}

void TypeButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QRadioButton::leaveEvent(event);
}

void TypeButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setChecked(true);
    QRadioButton::mousePressEvent(event);
}

bool TypeButton::hitButton(const QPoint &pos) const
{
    // The whole card is the button, not just the (undrawn) indicator.
    return rect().contains(pos);
}
