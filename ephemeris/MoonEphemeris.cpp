#include "ephemeris/MoonEphemeris.h"
