#include "ephemeris/JulianDay.h"
