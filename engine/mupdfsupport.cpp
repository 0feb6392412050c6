#include "mupdfsupport.h"
