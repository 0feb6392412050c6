#include "moreoption.h"

#include "kitstyle.h"
#include "theme.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

MoreOption::MoreOption(QWidget *parent)
    : QWidget(parent)
{
    m_checkBox = new QCheckBox(this);
    m_checkBox->setCursor(Qt::PointingHandCursor);
    m_checkBox->setFont(KitStyle::font(KitStyle::Bold14, font()));
    m_checkBox->setStyleSheet(KitStyle::checkBoxStyle());

    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_description->setFont(KitStyle::font(KitStyle::Regular14, font()));
    m_description->setStyleSheet(KitStyle::plainLabelStyle());
    m_description->hide();

    auto *indented = new QHBoxLayout;
    indented->setContentsMargins(30, 0, 0, 0);
    indented->addWidget(m_description);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(5);
    layout->addWidget(m_checkBox);
    layout->addLayout(indented);
}

void MoreOption::setText(const QString &text)
{
    m_checkBox->setText(text);
}

void MoreOption::setDescription(const QString &description)
{
    m_description->setText(description);
    m_description->setVisible(!description.isEmpty());
}

void MoreOption::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Theme::color(Theme::kitCardBorder));
    p.setBrush(Theme::color(Theme::surface));
    p.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 5, 5);
}
