#include "sky/PreciseSky.h"

#include "Examples.h"
#include "positions/Placements.h"
#include "sky/DeltaT.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kovrel {
namespace {

// A reference table: its column names and its rows, as text.
struct Table {
    std::map<std::string, std::size_t> column;
    std::vector<std::vector<std::string>> rows;
    double Number(const std::vector<std::string>& row, const std::string& name) const {
        return std::stod(row.at(column.at(name)));
    }
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

Table ReadTable(const std::string& name) {
    std::ifstream in(test::kTestData / "reference" / name);
    Table table;
    std::string line;
    if (!std::getline(in, line)) {
        return table;
    }
    const std::vector<std::string> names = Fields(line);
    for (std::size_t k = 0; k < names.size(); ++k) {
        table.column[names[k]] = k;
    }
    while (std::getline(in, line)) {
        table.rows.push_back(Fields(line));
    }
    return table;
}

// Arc seconds from `reference` to `value`, both in degrees, the short way round.
double ArcSeconds(double value, double reference) {
    return std::remainder(value - reference, 360.0) * 3600.0;
}

// How one quantity fares over the whole table.
struct Errors {
    std::string name;
    double limit; // arc seconds
    std::vector<double> sizes;
    double worstJulianDay = 0.0;
    int signsChecked = 0;
    int signsDiffering = 0;

    void Add(double error, double julianDay) {
        if (sizes.empty() || std::fabs(error) > *std::max_element(sizes.begin(), sizes.end())) {
            worstJulianDay = julianDay;
        }
        sizes.push_back(std::fabs(error));
    }
    // The sign must agree wherever the reference lies farther from a boundary than the limit.
    void CheckSign(double value, double reference) {
        const double fromBoundary =
            std::fmin(std::fmod(reference, 30.0), 30.0 - std::fmod(reference, 30.0));
        if (fromBoundary * 3600.0 > limit) {
            ++signsChecked;
            signsDiffering += static_cast<int>(value / 30.0) != static_cast<int>(reference / 30.0);
        }
    }
    double Quantile(double share) const {
        std::vector<double> sorted = sizes;
        std::sort(sorted.begin(), sorted.end());
        return sorted.at(static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1)));
    }
};

TEST(PreciseSkyTest, AgreesWithTheReferenceEphemerisAtTwoThousandInstants) {
    // Swiss Ephemeris 2.10.03, Moshier mode (tests/data/reference/README.md).
    const Table table = ReadTable("precise_positions.csv");
    ASSERT_EQ(table.rows.size(), 2000u);
    const std::array<std::string, kPlanetCount> columns = {"sun",  "moon",    "mercury", "venus",
                                                           "mars", "jupiter", "saturn"};
    std::vector<Errors> errors;
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        errors.push_back({columns[k], k == Index(Planet::Moon) ? 20.0 : 1.0, {}});
    }
    errors.push_back({"ayanamsa", 0.01, {}});
    errors.push_back({"ascendant", 1.0, {}});

    for (const auto& row : table.rows) {
        const double jd = table.Number(row, "jd_ut");
        const PreciseSky sky = ComputePreciseSky(
            jd, table.Number(row, "lat_deg"), table.Number(row, "lon_deg"), AyanamsaKind::Lahiri);
        for (std::size_t k = 0; k < kPlanetCount; ++k) {
            const double reference = table.Number(row, columns[k] + "_sidereal");
            errors[k].Add(ArcSeconds(sky.longitudes[k], reference), jd);
            errors[k].CheckSign(sky.longitudes[k], reference);
        }
        errors[7].Add(ArcSeconds(sky.ayanamsa, table.Number(row, "ayanamsa_lahiri")), jd);
        const double ascendant = table.Number(row, "asc_sidereal");
        errors[8].Add(ArcSeconds(sky.ascendant, ascendant), jd);
        errors[8].CheckSign(sky.ascendant, ascendant);
    }

    for (const Errors& e : errors) {
        std::ostringstream summary;
        summary << std::fixed << std::setprecision(4) << "median " << e.Quantile(0.5) << "\" p95 "
                << e.Quantile(0.95) << "\" max " << e.Quantile(1.0) << "\" (JD " << e.worstJulianDay
                << "), " << e.signsChecked << " signs checked";
        ::testing::Test::RecordProperty(e.name, summary.str());
        std::cout << e.name << ": " << summary.str() << '\n';
        EXPECT_LE(e.Quantile(1.0), e.limit) << e.name << " at JD " << e.worstJulianDay;
        EXPECT_EQ(e.signsDiffering, 0) << e.name << " of " << e.signsChecked << " signs";
    }
    EXPECT_LE(errors[Index(Planet::Moon)].Quantile(0.95), 8.0);
}

TEST(PreciseSkyTest, TheThreeAyanamsasAgreeWithTheReference) {
    // The same library's ayanamsas with nutation (tests/data/reference/ayanamsas.csv).
    const Table table = ReadTable("ayanamsas.csv");
    ASSERT_EQ(table.rows.size(), 42u);
    const std::map<std::string, AyanamsaKind> kinds = {
        {"lahiri", AyanamsaKind::Lahiri},
        {"raman", AyanamsaKind::Raman},
        {"krishnamurti", AyanamsaKind::Krishnamurti}};
    for (const auto& row : table.rows) {
        const double jd = table.Number(row, "jd_ut");
        const std::string& mode = row.at(table.column.at("mode"));
        const PreciseSky sky = ComputePreciseSky(jd, 0.0, 0.0, kinds.at(mode));
        EXPECT_NEAR(ArcSeconds(sky.ayanamsa, table.Number(row, "ayanamsa_true")), 0.0, 0.01)
            << mode << " at JD " << jd;
    }
}

TEST(PreciseSkyTest, AnnsBirthInNewDelhi) {
    const PreciseSky sky = PreciseSkyOf(test::AnnDetails(), AyanamsaKind::Lahiri);
    // The reference library's figures for Ann's birth, to the four places it was given with.
    EXPECT_NEAR(sky.ascendant, 10.3519, 0.00006);
    EXPECT_NEAR(sky.longitudes[Index(Planet::Sun)], 330.5426, 0.00006);
    EXPECT_NEAR(sky.ayanamsa, 23.7236, 0.00006);
    EXPECT_EQ(PlacementOf(sky.ascendant).text(), "10 Ari 21");
    EXPECT_EQ(PlacementOf(sky.longitudes[Index(Planet::Sun)]).text(), "00 Pis 32");
    // 32.184 s + the 25 leap seconds in force from 1990 January 1.
    EXPECT_DOUBLE_EQ(sky.deltaTSeconds, 57.184);
}

TEST(PreciseSkyTest, TheBirthsUniversalTimeTakesTheZoneAndDaylightSaving) {
    // 15 March 1990, 08:30 at +5:30 is 03:00 UT (the ayanamsa table's instant for Ann).
    EXPECT_DOUBLE_EQ(BirthJulianDayUt(test::AnnDetails()), 2447965.625);
    // 31 December 1990, 21:00 at -5:00 is 1 January 1991, 02:00 UT; an hour less with daylight
    // saving (1 January 1991, 0h UT is JD 2448257.5).
    BirthDetails west = test::InZone(test::BirthAt(1990, 12, 31, 21, 0), 5, 0);
    EXPECT_NEAR(BirthJulianDayUt(west), 2448257.5 + 2.0 / 24.0, 1e-9);
    west.DstFlag = true;
    EXPECT_NEAR(BirthJulianDayUt(west), 2448257.5 + 1.0 / 24.0, 1e-9);
    // 1 January 2000, 00:15 at +5:30 is 31 December 1999, 18:45 UT; hour 24 is next midnight.
    EXPECT_NEAR(BirthJulianDayUt(test::InZone(test::BirthAt(2000, 1, 1, 0, 15), -5, -30)),
                2451543.5 + 18.75 / 24.0, 1e-9);
    EXPECT_DOUBLE_EQ(BirthJulianDayUt(test::BirthAt(2000, 1, 1, 24, 0)), 2451545.5);

    // South and west come from the flags.
    BirthDetails sydneyLike = test::BirthAt(1975, 6, 1, 12, 0);
    sydneyLike.LatDegrees = 33;
    sydneyLike.LatMinutes = 30;
    sydneyLike.SouthFlag = true;
    sydneyLike.LonDegrees = 151;
    sydneyLike.LonMinutes = 15;
    sydneyLike.EastFlag = false;
    EXPECT_DOUBLE_EQ(
        PreciseSkyOf(sydneyLike, AyanamsaKind::Lahiri).ascendant,
        ComputePreciseSky(BirthJulianDayUt(sydneyLike), -33.5, -151.25, AyanamsaKind::Lahiri)
            .ascendant);
}

TEST(PreciseSkyTest, DeltaTStepsOnlyAtLeapSeconds) {
    const double minute = 1.0 / 1440.0;
    // 1972 January 1, 0h UTC: the spline hands over to the leap seconds without a jump.
    EXPECT_NEAR(DeltaTSeconds(2441317.5) - DeltaTSeconds(2441317.5 - minute), 0.0, 0.001);
    // 1990 January 1 and 2017 January 1 (the last one, where the extrapolation takes over):
    // one second more each.
    for (const double leap : {2447892.5, 2457754.5}) {
        EXPECT_NEAR(DeltaTSeconds(leap) - DeltaTSeconds(leap - minute), 1.0, 0.001) << leap;
    }
    EXPECT_NEAR(DeltaTSeconds(2457754.5 + minute), 69.184, 0.001);
}

} // namespace
} // namespace kovrel
