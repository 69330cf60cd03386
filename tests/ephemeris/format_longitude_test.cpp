#include "ephemeris/FormatLongitude.h"

#include <gtest/gtest.h>

#include <limits>

namespace kovrel {
namespace {

TEST(FormatLongitude, SmallInputs) {
    EXPECT_EQ(FormatLongitude(0.0), "0\u00B0 0' 0\" Ari");
    EXPECT_EQ(FormatLongitude(29.999), "29\u00B0 59' 56\" Ari");
    // The sign of the input is dropped.
    EXPECT_EQ(FormatLongitude(-45.5), "15\u00B0 30' 0\" Tau");
}

TEST(FormatLongitude, DegreeSignIsUtf8AndPartsAreBlankSeparated) {
    const std::string text = FormatLongitude(123.5);
    EXPECT_EQ(text, "3\u00B0 30' 0\" Leo");
    EXPECT_EQ(text.substr(1, 3), "\xC2\xB0 ");
}

TEST(FormatLongitude, EverySignInZodiacOrder) {
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                           "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int s = 0; s < 12; ++s) {
        const std::string text = FormatLongitude(30.0 * s + 12.25);
        EXPECT_EQ(text, "12\u00B0 15' 0\" " + std::string(signs[s])) << "sign " << s;
    }
}

TEST(FormatLongitude, SignBoundariesDoNotCarry) {
    EXPECT_EQ(FormatLongitude(30.0), "0\u00B0 0' 0\" Tau");
    // Seconds and minutes are floors of values below 60: nothing rounds up into the next sign.
    EXPECT_EQ(FormatLongitude(30.0 - 1e-9), "29\u00B0 59' 59\" Ari");
    EXPECT_EQ(FormatLongitude(359.9999999), "29\u00B0 59' 59\" Pis");
}

TEST(FormatLongitude, FullTurnHasNoSign) {
    EXPECT_EQ(FormatLongitude(360.0), "0\u00B0 0' 0\" ");
    EXPECT_EQ(FormatLongitude(395.5), "5\u00B0 30' 0\" ");
}

TEST(FormatLongitude, HugeAndNonFiniteInputsDoNotHang) {
    EXPECT_EQ(FormatLongitude(1e20), "10\u00B0 0' 0\" ");
    EXPECT_EQ(FormatLongitude(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(FormatLongitude(std::numeric_limits<double>::quiet_NaN()), "");
}

} // namespace
} // namespace kovrel
