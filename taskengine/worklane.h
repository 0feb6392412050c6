#pragma once

#include "worklane_global.h"

#include <QObject>

class WORKLANE_EXPORT Worklane : public QObject
{
    Q_OBJECT
public:
    static Worklane &instance();

private:
    Worklane();
};
