#include "widgetinput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace input {

void sendMouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(at), target->mapToGlobal(QPointF(at)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace input
