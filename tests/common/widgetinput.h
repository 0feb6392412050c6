#pragma once

#include <QEvent>
#include <QPoint>

class QWidget;

namespace input {

// A mouse event sent through the widget's event filters, as the window system would send it.
void sendMouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
               Qt::MouseButtons buttons = Qt::NoButton);

} // namespace input
