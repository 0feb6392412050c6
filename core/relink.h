#pragma once

#include <QObject>
#include <QPointer>

// Points a receiver at another sender: its connections to the old one go. False when the sender
// stays the same (nothing to connect again).
template<class Sender> bool relink(QPointer<Sender> &current, Sender *next, const QObject *receiver)
{
    if (current == next)
        return false;
    if (current)
        QObject::disconnect(current, nullptr, receiver, nullptr);
    current = next;
    return true;
}
