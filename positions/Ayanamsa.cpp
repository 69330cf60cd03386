#include "positions/Ayanamsa.h"
