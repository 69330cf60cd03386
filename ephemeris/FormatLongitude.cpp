#include "ephemeris/FormatLongitude.h"
