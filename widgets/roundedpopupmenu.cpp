#include "roundedpopupmenu.h"

#include <QPainterPath>
#include <QRegion>

RoundedPopupMenu::RoundedPopupMenu(QWidget *parent)
    : QMenu(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlag(Qt::NoDropShadowWindowHint);
}

void RoundedPopupMenu::resizeEvent(QResizeEvent *event)
{
    QMenu::resizeEvent(event);
    updateMask();
}

void RoundedPopupMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);
    updateMask();
}

void RoundedPopupMenu::updateMask()
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0, 0, -0.5, -0.5), CornerRadius, CornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}
