#pragma once

#include "sky/VsopTable.h"

#include <array>

namespace kovrel {

// A body's heliocentric place and motion from the compiled-in VSOP87 series, in rectangular
// coordinates on the dynamical ecliptic and equinox of J2000: au and au per day.
struct HeliocentricState {
    std::array<double, 3> position{};
    std::array<double, 3> velocity{};
};

// `julianDayTt` is a Julian day in TT (the series take TDB, which stays within 2 ms of it).
HeliocentricState VsopState(vsop::Body body, double julianDayTt);

} // namespace kovrel
