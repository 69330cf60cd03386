#include "sky/Vsop87.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace kovrel {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;

// Every term needs the cosine and the sine of its argument, some 2,200 of them an instant, so
// they are taken four at a time here instead of through the library's scalar sincos: the
// argument is brought into [-pi/4, pi/4] by whole quarter turns and the Taylor series are summed
// there (to 1e-16). Builds on x86-64 carry a second copy for processors with AVX2 and FMA, picked
// when the program loads.
using Lanes = double __attribute__((vector_size(vsop::kLanes * sizeof(double))));
using LaneBits = std::uint64_t __attribute__((vector_size(vsop::kLanes * sizeof(double))));

constexpr double kHalfPi = std::numbers::pi / 2;
// pi/2 in two parts whose first has its last 20 bits clear, so that a multiple of it by a
// quarter-turn count below 2^20 is exact.
constexpr double kHalfPiHigh =
    std::bit_cast<double>(std::bit_cast<std::uint64_t>(kHalfPi) & ~std::uint64_t{0xFFFFF});
constexpr double kHalfPiLow = static_cast<double>(std::numbers::pi_v<long double> / 2 -
                                                  static_cast<long double>(kHalfPiHigh));
// Adding 1.5 * 2^52 rounds a double to a whole number and leaves it in the low mantissa bits.
constexpr double kRoundingShift = 6755399441055744.0;

// 1 / n!, the Taylor coefficients of the sine and the cosine.
constexpr std::array<double, 17> kInverseFactorial = [] {
    std::array<double, 17> values{};
    double value = 1.0;
    for (std::size_t n = 0; n < values.size(); ++n) {
        value /= n > 1 ? static_cast<double>(n) : 1.0;
        values[n] = value;
    }
    return values;
}();

// Sums, for every series of a body, A cos(B + C t) and -A C sin(B + C t).
#if defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
void SumSeries(const vsop::BodySeries& series, double t, double* sums, double* rates) {
    for (int s = 0; s < vsop::kSeriesCount; ++s) {
        Lanes sum{};
        Lanes rate{};
        for (int k = series.start[s]; k < series.start[s + 1]; k += vsop::kLanes) {
            Lanes a;
            Lanes b;
            Lanes c;
            std::memcpy(&a, series.amplitude + k, sizeof a);
            std::memcpy(&b, series.phase + k, sizeof b);
            std::memcpy(&c, series.frequency + k, sizeof c);
            const Lanes x = b + c * t;
            const Lanes shifted = x * (1.0 / kHalfPi) + kRoundingShift;
            const Lanes turns = shifted - kRoundingShift;
            LaneBits quarter;
            std::memcpy(&quarter, &shifted, sizeof quarter);
            const Lanes r = (x - turns * kHalfPiHigh) - turns * kHalfPiLow;
            const Lanes r2 = r * r;
            Lanes sine = r2 * -kInverseFactorial[15] + kInverseFactorial[13];
            sine = sine * r2 - kInverseFactorial[11];
            sine = sine * r2 + kInverseFactorial[9];
            sine = sine * r2 - kInverseFactorial[7];
            sine = sine * r2 + kInverseFactorial[5];
            sine = sine * r2 - kInverseFactorial[3];
            sine = (sine * r2) * r + r;
            Lanes cosine = r2 * kInverseFactorial[16] - kInverseFactorial[14];
            cosine = cosine * r2 + kInverseFactorial[12];
            cosine = cosine * r2 - kInverseFactorial[10];
            cosine = cosine * r2 + kInverseFactorial[8];
            cosine = cosine * r2 - kInverseFactorial[6];
            cosine = cosine * r2 + kInverseFactorial[4];
            cosine = cosine * r2 - kInverseFactorial[2];
            cosine = cosine * r2 + 1.0;
            // Quarter turn q: (sin, cos) of x is (s, c), (c, -s), (-s, -c), (-c, s) for q = 0..3.
            LaneBits sineBits;
            LaneBits cosineBits;
            std::memcpy(&sineBits, &sine, sizeof sineBits);
            std::memcpy(&cosineBits, &cosine, sizeof cosineBits);
            const LaneBits odd = -(quarter & 1);
            LaneBits sinOut = (cosineBits & odd) | (sineBits & ~odd);
            LaneBits cosOut = (sineBits & odd) | (cosineBits & ~odd);
            sinOut ^= (quarter & 2) << 62;
            cosOut ^= ((quarter + 1) & 2) << 62;
            Lanes sinX;
            Lanes cosX;
            std::memcpy(&sinX, &sinOut, sizeof sinX);
            std::memcpy(&cosX, &cosOut, sizeof cosX);
            sum += a * cosX;
            rate -= (a * c) * sinX;
        }
        double total = 0.0;
        double totalRate = 0.0;
        for (int lane = 0; lane < vsop::kLanes; ++lane) {
            total += sum[lane];
            totalRate += rate[lane];
        }
        sums[s] = total;
        rates[s] = totalRate;
    }
}

} // namespace

HeliocentricState VsopState(vsop::Body body, double julianDayTt) {
    const vsop::BodySeries& series = vsop::Series()[static_cast<std::size_t>(body)];
    const double t = (julianDayTt - kJ2000) / kDaysPerMillennium;
    double sums[vsop::kSeriesCount];
    double rates[vsop::kSeriesCount];
    SumSeries(series, t, sums, rates);

    // L, B, R and their rates per day: sum over powers of t^p S_p, by Horner's rule for both.
    std::array<double, vsop::kCoordinateCount> value{};
    std::array<double, vsop::kCoordinateCount> rate{};
    for (int coordinate = 0; coordinate < vsop::kCoordinateCount; ++coordinate) {
        double v = 0.0;
        double d = 0.0;
        for (int power = vsop::kPowerCount - 1; power >= 0; --power) {
            const int s = coordinate * vsop::kPowerCount + power;
            d = d * t + v + rates[s];
            v = v * t + sums[s];
        }
        value[coordinate] = v;
        rate[coordinate] = d / kDaysPerMillennium;
    }

    const double cosL = std::cos(value[0]);
    const double sinL = std::sin(value[0]);
    const double cosB = std::cos(value[1]);
    const double sinB = std::sin(value[1]);
    const double r = value[2];
    HeliocentricState state;
    state.position = {r * cosB * cosL, r * cosB * sinL, r * sinB};
    // d/dt of the position: along the radius, then the turns in longitude and latitude.
    const double dL = rate[0];
    const double dB = rate[1];
    const double dR = rate[2];
    state.velocity = {dR * cosB * cosL - r * sinB * dB * cosL - r * cosB * sinL * dL,
                      dR * cosB * sinL - r * sinB * dB * sinL + r * cosB * cosL * dL,
                      dR * sinB + r * cosB * dB};
    return state;
}

} // namespace kovrel
