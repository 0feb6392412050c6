#include "pagewriter.h"
