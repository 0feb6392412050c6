#include "selectbutton.h"

#include "cardlook.h"
#include "theme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

SelectButton::SelectButton(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    const CardLook::Labels labels = CardLook::addLabels(this);
    m_iconLabel = labels.icon;
    m_textLabel = labels.text;
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
    CardLook::paint(this, fill, border);
}

void SelectButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        setSelected(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // Arrows move among the sibling cards, selecting as they go, like radio buttons.
        QList<SelectButton *> siblings;
        if (parentWidget())
            siblings = parentWidget()->findChildren<SelectButton *>(Qt::FindDirectChildrenOnly);
        const qsizetype at = siblings.indexOf(this);
        if (siblings.size() < 2 || at < 0)
            break;
        const bool back = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up;
        SelectButton *next = siblings.at((at + (back ? siblings.size() - 1 : 1)) % siblings.size());
        next->setFocus(Qt::TabFocusReason);
        next->setSelected(true);
        return;
    }
    default:
        break;
    }
    QWidget::keyPressEvent(event);
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
