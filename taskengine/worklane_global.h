#pragma once

#include <QtCore/qglobal.h>

#if defined(WORKLANE_LIBRARY)
#define WORKLANE_EXPORT Q_DECL_EXPORT
#else
#define WORKLANE_EXPORT Q_DECL_IMPORT
#endif
