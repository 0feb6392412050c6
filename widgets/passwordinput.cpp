#include "passwordinput.h"

#include "kitstyle.h"
#include "theme.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

using namespace Qt::StringLiterals;

PasswordInput::PasswordInput(QWidget *parent)
    : QWidget(parent)
{
    m_lockIcon = new QLabel(this);
    m_lockIcon->setPixmap(QIcon(u":/res/icons/modern/lock.png"_s).pixmap(18, 18));
    m_lockIcon->setStyleSheet(KitStyle::plainLabelStyle());

    m_lineEdit = new QLineEdit(this);
    m_lineEdit->setEchoMode(QLineEdit::Password);
    m_lineEdit->setStyleSheet(u"QLineEdit {    background: transparent;    border: none;}"_s);
    m_lineEdit->installEventFilter(this);

    m_eye = new QAction(QIcon(u":/res/icons/modern/eye.png"_s), tr("显示密码"), this);
    m_eye->setObjectName(u"passwordEyeAction"_s);
    m_lineEdit->addAction(m_eye, QLineEdit::TrailingPosition);
    m_eye->setVisible(false);
    connect(m_eye, &QAction::triggered, this, [this] {
        const bool hidden = m_lineEdit->echoMode() == QLineEdit::Password;
        m_lineEdit->setEchoMode(hidden ? QLineEdit::Normal : QLineEdit::Password);
        m_eye->setText(hidden ? tr("隐藏密码") : tr("显示密码"));
    });
    connect(m_lineEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_eye->setVisible(!text.isEmpty()); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(m_lockIcon, 0, Qt::AlignVCenter);
    layout->addWidget(m_lineEdit, 0, Qt::AlignVCenter);
}

void PasswordInput::setError(bool error)
{
    m_error = error;
    update();
}

QColor PasswordInput::borderColor() const
{
    if (m_lineEdit->hasFocus())
        return Theme::color(Theme::accent);
    if (m_hovered)
        return Theme::color(Theme::textMuted);
    if (m_error)
        return Theme::color(Theme::danger);
    return Theme::color(Theme::border);
}

void PasswordInput::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(borderColor());
    p.setBrush(Theme::color(Theme::surface));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

void PasswordInput::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void PasswordInput::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void PasswordInput::mousePressEvent(QMouseEvent *event)
{
    m_lineEdit->setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

bool PasswordInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lineEdit &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}
