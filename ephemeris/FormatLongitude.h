#pragma once

#include <optional>
#include <string>

namespace kovrel {

// A longitude cut into the parts of its placement text: whole degrees within the sign (0..29),
// whole minutes and whole seconds (each a floor, so never 60), and the sign index (0 = Aries ..
// 11 = Pisces; 12 or more for an input of 360 or more, which has no sign).
struct LongitudeParts {
    int degrees;
    int minutes;
    int seconds;
    double sign;
};

// The parts of |longitude|; nothing when it is not a finite number.
std::optional<LongitudeParts> SplitLongitude(double longitude);

// Long placement text of a longitude in degrees, e.g. 19° 27' 44" Lib (UTF-8 degree sign).
// The sign of the input is dropped; 360 or more gives an empty abbreviation. A longitude that is
// not a number (or infinite) gives the empty text.
std::string FormatLongitude(double longitude);

} // namespace kovrel
