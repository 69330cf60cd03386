#include "sky/DeltaT.h"

#include <erfa.h>

#include <array>
#include <cmath>
#include <numbers>

namespace kovrel {

namespace {

// One piece of the spline: from `from` to `to` (years), a0 + a1 u + a2 u^2 + a3 u^3 seconds
// with u running from 0 to 1 (Morrison et al. 2021, Table S15.2020).
struct SplinePiece {
    double from;
    double to;
    double a0;
    double a1;
    double a2;
    double a3;
};
constexpr std::array<SplinePiece, 34> kSpline = {{
    {1800, 1810, 18.367, -3.481, -1.126, 1.918}, {1810, 1820, 15.678, 0.021, 4.629, -3.812},
    {1820, 1830, 16.516, -2.157, -6.806, 3.250}, {1830, 1840, 10.804, -6.018, 2.944, -0.096},
    {1840, 1850, 7.634, -0.416, 2.658, -0.539},  {1850, 1855, 9.338, 1.642, 0.261, -0.883},
    {1855, 1860, 10.357, -0.486, -2.389, 1.558}, {1860, 1865, 9.040, -0.591, 2.284, -2.477},
    {1865, 1870, 8.255, -3.456, -5.148, 2.720},  {1870, 1875, 2.371, -5.593, 3.011, -0.914},
    {1875, 1880, -1.126, -2.314, 0.269, -0.039}, {1880, 1885, -3.210, -1.893, 0.152, 0.563},
    {1885, 1890, -4.388, 0.101, 1.842, -1.438},  {1890, 1895, -3.884, -0.531, -2.474, 1.871},
    {1895, 1900, -5.017, 0.134, 3.138, -0.232},  {1900, 1905, -1.977, 5.715, 2.443, -1.257},
    {1905, 1910, 4.923, 6.828, -1.329, 0.720},   {1910, 1915, 11.142, 6.330, 0.831, -0.825},
    {1915, 1920, 17.479, 5.518, -1.643, 0.262},  {1920, 1925, 21.617, 3.020, -0.856, 0.008},
    {1925, 1930, 23.789, 1.333, -0.831, 0.127},  {1930, 1935, 24.418, 0.052, -0.449, 0.142},
    {1935, 1940, 24.164, -0.419, -0.022, 0.702}, {1940, 1945, 24.426, 1.645, 2.086, -1.106},
    {1945, 1950, 27.050, 2.499, -1.232, 0.614},  {1950, 1953, 28.932, 1.127, 0.220, -0.277},
    {1953, 1956, 30.002, 0.737, -0.610, 0.631},  {1956, 1959, 30.760, 1.409, 1.282, -0.799},
    {1959, 1962, 32.652, 1.577, -1.115, 0.507},  {1962, 1965, 33.621, 0.868, 0.406, 0.199},
    {1965, 1968, 35.093, 2.275, 1.002, -0.414},  {1968, 1971, 37.956, 3.035, -0.242, 0.202},
    {1971, 1974, 40.951, 3.157, 0.364, -0.229},  {1974, 1977, 44.244, 3.199, -0.323, 0.172},
}};

constexpr double kYear1971 = 2440952.5;        // 1971 January 1, 0h UTC
constexpr double kLeapSecondsFrom = 2441317.5; // 1972 January 1, 0h UTC
constexpr double kLastLeapSecond = 2457754.5;  // 2017 January 1, 0h UTC
constexpr double kTtMinusTai = 32.184;         // seconds, by the definition of TT
constexpr double kSecondsAt1972 = 42.184;      // 32.184 s + 10 s
constexpr double kSecondsAtLastLeap = 69.184;  // 32.184 s + 37 s

double YearOf(double julianDayUt) {
    // Years of the Gregorian calendar's mean length from 2000 January 1, 0h.
    return 2000.0 + (julianDayUt - 2451544.5) / 365.2425;
}

double Spline(double year) {
    const SplinePiece* piece = &kSpline.front();
    if (year < kSpline.front().from) {
        // Before the table: the long-term parabola of Stephenson et al. (2016),
        // -320 + 32.5 ((y - 1825) / 100)^2 s, moved onto the table's first value.
        const auto parabola = [](double y) { return 32.5 * std::pow((y - 1825.0) / 100.0, 2); };
        return piece->a0 + parabola(year) - parabola(piece->from);
    }
    for (const SplinePiece& p : kSpline) {
        if (year >= p.from) {
            piece = &p;
        }
    }
    const double u = (year - piece->from) / (piece->to - piece->from);
    return piece->a0 + u * (piece->a1 + u * (piece->a2 + u * piece->a3));
}

// The integral of the long-term excess length of day, in seconds, up to an additive constant.
double IntegratedDayLength(double year) {
    const double t = (year - 1825.0) / 100.0;
    // Each of a century's 36,525 days is 1.72 t - 3.5 sin(2 pi (t + 0.75) / 14) ms too long.
    const double secondsPerMillisecondDay = 36525.0 / 1000.0;
    const double omega = 2.0 * std::numbers::pi / 14.0;
    return secondsPerMillisecondDay *
           (1.72 * t * t / 2.0 + 3.5 / omega * std::cos(omega * (t + 0.75)));
}

double LeapSecondDeltaT(double julianDayUt) {
    int year = 0;
    int month = 0;
    int day = 0;
    double fraction = 0.0;
    double taiMinusUtc = 0.0;
    if (eraJd2cal(julianDayUt, 0.0, &year, &month, &day, &fraction) != 0 ||
        eraDat(year, month, day, fraction, &taiMinusUtc) < 0) {
        return kSecondsAtLastLeap;
    }
    return kTtMinusTai + taiMinusUtc;
}

} // namespace

double DeltaTSeconds(double julianDayUt) {
    const double year = YearOf(julianDayUt);
    if (julianDayUt < kLeapSecondsFrom) {
        // The spline reaches 1972 0.15 s below 42.184 s; the gap is closed over 1971, so that
        // the Moon does not jump there.
        const double gap = kSecondsAt1972 - Spline(YearOf(kLeapSecondsFrom));
        const double share = std::fmin(
            std::fmax((julianDayUt - kYear1971) / (kLeapSecondsFrom - kYear1971), 0.0), 1.0);
        return Spline(year) + gap * share;
    }
    if (julianDayUt < kLastLeapSecond) {
        return LeapSecondDeltaT(julianDayUt);
    }
    return kSecondsAtLastLeap + IntegratedDayLength(year) -
           IntegratedDayLength(YearOf(kLastLeapSecond));
}

} // namespace kovrel
