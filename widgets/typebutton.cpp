#include "typebutton.h"

#include "kitstyle.h"
#include "theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

TypeButton::TypeButton(QWidget *parent)
    : QRadioButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    m_iconLabel = new QLabel(this);
    m_iconLabel->setStyleSheet(u"QLabel{background-color:transparent;}"_s);
    m_iconLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_textLabel = new QLabel(this);
    m_textLabel->setStyleSheet(KitStyle::plainLabelStyle());
    m_textLabel->setFont(KitStyle::font(KitStyle::Regular16, font()));
    m_textLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(m_iconLabel, 0, Qt::AlignVCenter);
    layout->addWidget(m_textLabel, 0, Qt::AlignVCenter);
    layout->addStretch();
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
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(border);
    p.setBrush(fill);
    p.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 5, 5);
    if (hasFocus())
        KitStyle::paintFocusRing(p, rect(), 5);
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
