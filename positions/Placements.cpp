#include "positions/Placements.h"
