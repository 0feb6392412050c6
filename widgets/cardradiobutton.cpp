#include "cardradiobutton.h"

#include "kitstyle.h"
#include "theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CardRadioButton::CardRadioButton(const QString &title, const QString &description, QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(70);
    setCursor(Qt::PointingHandCursor);

    m_radio = new QRadioButton(this);
    m_radio->setStyleSheet(KitStyle::radioStyle());
    m_title = new QLabel(title, this);
    m_title->setStyleSheet(KitStyle::plainLabelStyle());
    m_title->setFont(KitStyle::font(KitStyle::Bold18, font()));
    m_description = new QLabel(description, this);
    m_description->setStyleSheet(KitStyle::plainLabelStyle());
    m_description->setFont(KitStyle::font(KitStyle::Regular12, font()));

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(4);
    texts->addStretch();
    texts->addWidget(m_title, 0, Qt::AlignLeft);
    texts->addWidget(m_description, 0, Qt::AlignLeft);
    texts->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 10, 20, 10);
    layout->addWidget(m_radio);
    layout->addLayout(texts);
    layout->addStretch();

    connect(m_radio, &QRadioButton::toggled, this, [this] { update(); });
    // The card is the control: keyboard focus rests on its radio and the ring goes round the card.
    setFocusProxy(m_radio);
    m_radio->installEventFilter(this);
}

bool CardRadioButton::isChecked() const
{
    return m_radio->isChecked();
}

void CardRadioButton::setChecked(bool checked)
{
    m_radio->setChecked(checked);
}

void CardRadioButton::paintEvent(QPaintEvent *)
{
    QColor fill = Theme::color(Theme::surface);
    QColor border = Theme::color(Theme::kitDivider);
    if (m_radio->isChecked()) {
        fill = Theme::color(Theme::kitSelected);
        border = Theme::color(Theme::kitSelectedBorder);
    } else if (m_hovered) {
        fill = Theme::color(Theme::kitHover);
    }
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(border);
    p.setBrush(fill);
    p.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 5, 5);
    if (m_radio->hasFocus())
        KitStyle::paintFocusRing(p, rect(), 5);
}

bool CardRadioButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_radio &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void CardRadioButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void CardRadioButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void CardRadioButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_radio->setChecked(true);
    QWidget::mousePressEvent(event);
}
