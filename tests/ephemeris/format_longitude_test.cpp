#include "ephemeris/FormatLongitude.h"

#include <gtest/gtest.h>

#include <limits>

namespace kovrel {
namespace {

TEST(FormatLongitude, DegreesMinutesSecondsAndSign) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double longitude;
        const char* text;
    } cases[] = {
        // Worked examples for small inputs, and values worked by hand from the floors.
        {0.0, "0\u00B0 0' 0\" Ari"},
        {29.999, "29\u00B0 59' 56\" Ari"},
        {-45.5, "15\u00B0 30' 0\" Tau"}, // the sign of the input is dropped
        {123.5, "3\u00B0 30' 0\" Leo"},
        // Seconds and minutes are floors of values below 60: nothing carries into the next sign.
        {30.0, "0\u00B0 0' 0\" Tau"},
        {30.0 - 1e-9, "29\u00B0 59' 59\" Ari"},
        {359.9999999, "29\u00B0 59' 59\" Pis"},
        // A full turn and more has no sign; huge and non-finite inputs still return.
        {360.0, "0\u00B0 0' 0\" "},
        {395.5, "5\u00B0 30' 0\" "},
        {1e20, "10\u00B0 0' 0\" "},
        {infinity, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLongitude(c.longitude), c.text) << c.longitude;
    }
    EXPECT_EQ(FormatLongitude(123.5).substr(1, 3), "\xC2\xB0 "); // the degree sign in UTF-8
}

TEST(FormatLongitude, EverySignInZodiacOrder) {
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                           "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int s = 0; s < 12; ++s) {
        EXPECT_EQ(FormatLongitude(30.0 * s + 12.25), "12\u00B0 15' 0\" " + std::string(signs[s]));
    }
}

} // namespace
} // namespace kovrel
