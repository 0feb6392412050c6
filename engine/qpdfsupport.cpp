#include "qpdfsupport.h"
