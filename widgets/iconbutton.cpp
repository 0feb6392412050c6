#include "iconbutton.h"

#include "kitstyle.h"
#include "theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

IconButton::IconButton(const QString &text, QWidget *parent, bool centred)
    : QPushButton(parent)
    , m_background(Theme::color(Theme::accent))
    , m_hover(Theme::color(Theme::accentHover))
    , m_border(Qt::transparent)
{
    setCursor(Qt::PointingHandCursor);

    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(u"iconButtonIcon"_s);
    m_iconLabel->setStyleSheet(u"QLabel{background-color:transparent;}"_s);
    m_iconLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_textLabel = new QLabel(text, this);
    m_textLabel->setObjectName(u"iconButtonText"_s);
    m_textLabel->setStyleSheet(KitStyle::colouredLabelStyle(u"white"));
    m_textLabel->setFont(KitStyle::font(KitStyle::Bold14, font()));
    m_textLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(centred ? 0 : 15, 0, 0, 0);
    row->setSpacing(3);
    if (centred)
        row->addStretch();
    row->addWidget(m_iconLabel);
    row->addWidget(m_textLabel);
    row->addStretch();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch();
    column->addLayout(row);
    column->addStretch();
}

void IconButton::setBackgroundColor(const QColor &color)
{
    m_background = color;
    m_border = color;
    m_hover = color.lighter(112);
    update();
}

void IconButton::setHoverColor(const QColor &color)
{
    m_hover = color;
    update();
}

void IconButton::setBorderColor(const QColor &color)
{
    m_border = color;
    update();
}

void IconButton::setTextColor(const QColor &color)
{
    m_textLabel->setStyleSheet(KitStyle::colouredLabelStyle(color.name()));
}

void IconButton::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    m_iconLabel->setPixmap(pixmap);
    updateGeometry();
}

void IconButton::setText(const QString &text)
{
    m_textLabel->setText(text);
    updateGeometry();
}

QString IconButton::text() const
{
    return m_textLabel->text();
}

QSize IconButton::sizeHint() const
{
    const QSize icon = m_pixmap.isNull() ? QSize(0, 0) : m_iconLabel->sizeHint();
    const QSize label = m_textLabel->text().isEmpty() ? QSize(0, 0) : m_textLabel->sizeHint();
    const int gap = (!m_pixmap.isNull() && !m_textLabel->text().isEmpty()) ? 35 : 32;
    const int width = qMax(gap + label.width() + icon.width(), 80);
    const int height = qMax(qMax(icon.height(), label.height()) + 16, 36);
    return {width, height};
}

QSize IconButton::minimumSizeHint() const
{
    return sizeHint();
}

void IconButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        p.setPen(Qt::gray);
        p.setBrush(Qt::gray);
    } else {
        p.setPen(m_border);
        p.setBrush(m_hovered ? m_hover : m_background);
    }
    p.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 6, 6);
    if (hasFocus()) {
        // A light ring inside the accent one, so it reads on the accent-filled button too.
        KitStyle::paintFocusRing(p, rect(), 6);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
    }
}

void IconButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void IconButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

void IconButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    update();
    QPushButton::mousePressEvent(event);
}

void IconButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    update();
    QPushButton::mouseReleaseEvent(event);
}
