#pragma once

#include <string>

namespace kovrel {

// Long placement text of a longitude in degrees, e.g. 19° 27' 44" Lib (UTF-8 degree sign).
// The sign of the input is dropped; 360 or more gives an empty abbreviation.
std::string FormatLongitude(double longitude);

} // namespace kovrel
