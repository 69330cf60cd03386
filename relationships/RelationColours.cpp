#include "relationships/RelationColours.h"

#include <algorithm>
#include <cmath>

namespace kovrel {

namespace {

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t Encoded(double linear) {
    const double v = std::clamp(linear, 0.0, 1.0);
    const double c = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(c * 255.0));
}

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, applied to linear RGB.
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};

} // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Lab LabOf(Rgb colour) {
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

double ColourDifference(Rgb first, Rgb second) {
    const Lab p = LabOf(first);
    const Lab q = LabOf(second);
    return std::hypot(p.lightness - q.lightness, p.a - q.a, p.b - q.b);
}

Rgb SimulateColourVision(Rgb colour, ColourVision vision) {
    const Matrix& m = vision == ColourVision::Protanopia ? kProtanopia : kDeuteranopia;
    const std::array<double, 3> in = {Linear(colour.red), Linear(colour.green),
                                      Linear(colour.blue)};
    std::array<double, 3> out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
    }
    return {Encoded(out[0]), Encoded(out[1]), Encoded(out[2])};
}

} // namespace kovrel
