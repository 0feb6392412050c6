#include "worklane.h"

Worklane &Worklane::instance()
{
    static Worklane centre;
    return centre;
}

Worklane::Worklane() = default;
