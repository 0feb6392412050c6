#include "cardlook.h"

#include "kitstyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace CardLook {

Labels addLabels(QWidget *card)
{
    Labels labels;
    labels.icon = new QLabel(card);
    labels.icon->setStyleSheet(u"QLabel{background-color:transparent;}"_s);
    labels.text = new QLabel(card);
    labels.text->setStyleSheet(KitStyle::plainLabelStyle());
    labels.text->setFont(KitStyle::font(KitStyle::Regular16, card->font()));
    for (QLabel *label : {labels.icon, labels.text})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *layout = new QHBoxLayout(card);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(labels.icon, 0, Qt::AlignVCenter);
    layout->addWidget(labels.text, 0, Qt::AlignVCenter);
    layout->addStretch();
    return labels;
}

void paint(QWidget *card, const QColor &fill, const QColor &border)
{
    QPainter p(card);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(border);
    p.setBrush(fill);
    p.drawRoundedRect(QRect(1, 1, card->width() - 2, card->height() - 2), 5, 5);
    if (card->hasFocus())
        KitStyle::paintFocusRing(p, card->rect(), 5);
}

} // namespace CardLook
