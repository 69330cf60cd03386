#include "positions/Orbits.h"
