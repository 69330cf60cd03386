#include "ephemeris/FormatLongitude.h"

#include "common/Signs.h"

#include <cmath>
#include <cstring>
#include <string_view>

namespace kovrel {

namespace {

// A whole number 0..59 as plain decimal digits, without leading zeros.
char* WriteWhole(char* out, int value) {
    if (value >= 10) {
        *out++ = static_cast<char>('0' + value / 10);
    }
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

char* WriteText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

} // namespace

std::optional<LongitudeParts> SplitLongitude(double longitude) {
    const double a = std::fabs(longitude);
    if (!std::isfinite(a)) {
        return std::nullopt;
    }
    double deg = std::floor(a);
    const double f = a - deg;
    const double m60 = 60.0 * f;
    const double min = std::floor(m60);
    const double fm = m60 - min;
    const double sign = std::floor(deg / 30.0);
    // Equal to subtracting 30 until below 30 (each subtraction is exact for a whole number), but
    // without looping over a huge input. Below 2^40 the quotient's floor is exact as well.
    if (deg < 1099511627776.0) {
        deg = deg - 30.0 * sign;
    } else {
        deg = std::fmod(deg, 30.0);
    }
    const double sec = std::floor(60.0 * fm);
    return LongitudeParts{static_cast<int>(deg), static_cast<int>(min), static_cast<int>(sec),
                          sign};
}

std::string FormatLongitude(double longitude) {
    const std::optional<LongitudeParts> parts = SplitLongitude(longitude);
    if (!parts) {
        // No placement can be written for a longitude that is not a number.
        return {};
    }
    char text[24];
    char* out = text;
    out = WriteWhole(out, parts->degrees);
    out = WriteText(out, "\u00B0 ");
    out = WriteWhole(out, parts->minutes);
    out = WriteText(out, "' ");
    out = WriteWhole(out, parts->seconds);
    out = WriteText(out, "\" ");
    // An input of 360 or more has no sign: the abbreviation stays empty.
    if (parts->sign < 12.0) {
        out = WriteText(out, SignAbbreviations[static_cast<std::size_t>(parts->sign)].text());
    }
    return std::string(text, out);
}

} // namespace kovrel
