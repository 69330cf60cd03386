#pragma once

// The colour science the tests judge the compound scale with: WCAG 2 luminance and contrast,
// CIE L*a*b* differences and a simulation of red-green colour blindness.

#include "relationships/RelationColours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace kovrel::test {

// CIE L*a*b* (D65 white) of an sRGB colour.
struct Lab {
    double lightness = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// How a colour looks to a reader without working red or green cones (the full-severity
// simulation of Machado, Oliveira and Fernandes, 2009).
enum class ColourVision { Protanopia, Deuteranopia };

inline double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline std::uint8_t Encoded(double linear) {
    const double v = std::clamp(linear, 0.0, 1.0);
    const double c = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(c * 255.0));
}

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, applied to linear RGB.
inline constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                        {0.114503, 0.786281, 0.099216},
                                        {-0.003882, -0.048116, 1.051998}}};
inline constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                          {0.280085, 0.672501, 0.047413},
                                          {-0.011820, 0.042940, 0.968881}}};

// Relative luminance (WCAG 2), 0 for black to 1 for white.
inline double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

// WCAG 2 contrast ratio, 1 to 21, whichever colour is lighter.
inline double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

inline Lab LabOf(Rgb colour) {
    const double r = Linear(colour.red);
    const double g = Linear(colour.green);
    const double b = Linear(colour.blue);
    // sRGB to XYZ, then relative to the D65 white point.
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
    };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

// CIE76 colour difference.
inline double ColourDifference(Rgb first, Rgb second) {
    const Lab p = LabOf(first);
    const Lab q = LabOf(second);
    return std::hypot(p.lightness - q.lightness, p.a - q.a, p.b - q.b);
}

inline Rgb SimulateColourVision(Rgb colour, ColourVision vision) {
    const Matrix& m = vision == ColourVision::Protanopia ? kProtanopia : kDeuteranopia;
    const std::array<double, 3> in = {Linear(colour.red), Linear(colour.green),
                                      Linear(colour.blue)};
    std::array<double, 3> out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
    }
    return {Encoded(out[0]), Encoded(out[1]), Encoded(out[2])};
}

} // namespace kovrel::test
